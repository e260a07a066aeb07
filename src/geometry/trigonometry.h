#pragma once

#include <QString>

#include <functional>

namespace zq {

// Sine, cosine, tangent, cotangent and arctangent of an angle in radians, as five lines joined
// by CR LF in the interface language. Throws CalcError before anything is built when one fails
// (the cotangent of 0).
QString TrigonometryText(double x);

// The hypotenuse of a right triangle with legs x and y: √(x² + y²).
double hipo(double x, double y);

// Maps a rectangle of the plane onto a drawing surface: `left, top` go to the upper-left
// corner, `right, bottom` to the lower-right one, whatever their order.
struct PlotMapping {
    double left = 0, top = 0, right = 1, bottom = 1;

    // A mapping needs a window of non-zero width and height.
    static bool canMap(double left, double top, double right, double bottom);
    double pixelX(double x, int width) const { return (x - left) / (right - left) * width; }
    double pixelY(double y, int height) const { return (y - top) / (bottom - top) * height; }
};

// The step of the curve from x1 to x2: 0.03, or larger where the range would otherwise need
// more than four points for each of `pixels` columns.
double PlotStep(double x1, double x2, int pixels);

// Calls `point` for each point (x, x·sin x) of the curve from x1 to x2, in single precision,
// x going up by the step. The loop ends when a step no longer changes x; nothing is drawn when
// x1 > x2 or either bound is not finite.
void ForEachCurvePoint(double x1, double x2, int pixels,
                       const std::function<void(float x, float y)> &point);

} // namespace zq
