#include "geometry/trigonometry.h"

#include "common/float_faults.h"
#include "common/number_rules.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace zq {

namespace {

// The result's lines, each naming its value at %1.
constexpr const char *ValueLines[] = {
    QT_TRANSLATE_NOOP("zq::Trigonometry", "Sine = %1"),
    QT_TRANSLATE_NOOP("zq::Trigonometry", "Cosine = %1"),
    QT_TRANSLATE_NOOP("zq::Trigonometry", "Tangent = %1"),
    QT_TRANSLATE_NOOP("zq::Trigonometry", "Cotangent = %1"),
    QT_TRANSLATE_NOOP("zq::Trigonometry", "Arctangent = %1"),
};

} // namespace

QString TrigonometryText(double x) {
    const double sine = checkedFloat([x] { return std::sin(x); });
    const double cosine = checkedFloat([x] { return std::cos(x); });
    const double tangent = checkedFloat([x] { return std::tan(x); });
    const double cotangent = checkedFloat([tangent] { return 1 / tangent; });
    const double arctangent = checkedFloat([x] { return std::atan(x); });
    const double values[] = {sine, cosine, tangent, cotangent, arctangent};
    QStringList lines;
    for (std::size_t i = 0; i < std::size(values); ++i)
        lines << QCoreApplication::translate("zq::Trigonometry", ValueLines[i])
                     .arg(FormatNumberText(values[i]));
    return lines.join(QLatin1String("\r\n"));
}

double hipo(double x, double y) {
    return checkedFloat([x, y] { return std::sqrt(x * x + y * y); });
}

bool PlotMapping::canMap(double left, double top, double right, double bottom) {
    return left != right && top != bottom && std::isfinite(right - left) &&
           std::isfinite(bottom - top);
}

double PlotStep(double x1, double x2, int pixels) {
    constexpr double DesignedStep = 0.03;
    const double pointsPerPixel = 4;
    return std::max(DesignedStep, (x2 - x1) / (pointsPerPixel * std::max(pixels, 1)));
}

void ForEachCurvePoint(double x1, double x2, int pixels,
                       const std::function<void(float x, float y)> &point) {
    if (!std::isfinite(x1) || !std::isfinite(x2))
        return;
    const double step = PlotStep(x1, x2, pixels);
    constexpr double SingleMax = std::numeric_limits<float>::max();
    for (double x = x1; x <= x2; x += step) {
        const double y = x * std::sin(x);
        if (std::fabs(x) <= SingleMax && std::fabs(y) <= SingleMax)
            point(static_cast<float>(x), static_cast<float>(y));
        if (x + step == x)
            break;
    }
}

} // namespace zq
