#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <span>

namespace zq {

enum class ShapeReading {
    Lenient, // ParseNumber: an empty or non-numeric box counts as 0
    Strict,  // ParseNumberStrict: an empty or non-numeric box fails
};

// A caption or name of the shape tables in the interface language.
QString shapeText(const char *english);

// One input of a shape: its caption (English, null where there is none) and the box it is
// typed into (1 to 4; 0 when the input, its label and its box are hidden for the shape).
struct ShapeInput {
    const char *caption = nullptr;
    int box = 0;
    ShapeReading reading = ShapeReading::Lenient;

    QString captionText() const { return shapeText(caption); }
};

// The values read from the boxes, by box number (index 0 unused).
using ShapeValues = std::array<double, 5>;

struct Shape {
    const char *name;                 // English
    std::array<ShapeInput, 3> inputs; // the three labelled places, top to bottom
    double (*formula)(const ShapeValues &v);

    QString englishName() const { return QString::fromUtf8(name); }
    QString nameText() const { return shapeText(name); } // in the interface language
};

// A calculator window's shapes and how it looks when it opens: the initial shape's layout with
// the given captions (English; those of hidden labels are replaced before they show).
struct ShapeTable {
    std::span<const Shape> shapes;
    std::size_t initialShape; // its place in `shapes`
    std::array<const char *, 3> openingCaptions;
};

enum class ShapeCalculatorKind { Perimeter, Area, Volume };

const ShapeTable &shapeTable(ShapeCalculatorKind kind);

// The shape of that exact name, in the interface language or else in English (a typed name),
// or nullptr.
const Shape *findShape(const ShapeTable &table, const QString &name);

// Reads the shape's visible inputs from the box texts (by box number, index 0 unused) and
// computes the formula. Throws CalcError when a strict box is not a number or on overflow.
double computeShape(const Shape &shape, const std::array<QString, 5> &boxTexts);

// The map scale tool, one kilometre being 100,000 centimetres.
double DistanceOnMap(double realKm, double scale);
double RealDistance(double mapCm, double scale);
double MapScaleOf(double realKm, double mapCm);

} // namespace zq
