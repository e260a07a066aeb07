#include "geometry/shapes.h"

#include "common/float_faults.h"
#include "common/interface_language.h"
#include "common/number_rules.h"

#include <QCoreApplication>

#include <cmath>

namespace zq {
namespace {

// The constants as the calculators have always written them.
constexpr double Pi = 3.1415926535;
constexpr double TwoPi = 6.283185307;
constexpr double FourPi = 12.566370614;

constexpr ShapeReading Strict = ShapeReading::Strict;

double squared(double x) {
    return std::pow(x, 2);
}

// The inputs' captions.
constexpr const char *N = QT_TRANSLATE_NOOP("zq::Shapes", "n");
constexpr const char *Radius = QT_TRANSLATE_NOOP("zq::Shapes", "Radius");
constexpr const char *Radius1 = QT_TRANSLATE_NOOP("zq::Shapes", "Radius1");
constexpr const char *Radius2 = QT_TRANSLATE_NOOP("zq::Shapes", "Radius2");
constexpr const char *Radius3 = QT_TRANSLATE_NOOP("zq::Shapes", "Radius3");
constexpr const char *InnerRadius = QT_TRANSLATE_NOOP("zq::Shapes", "Inner Radius");
constexpr const char *OuterRadius = QT_TRANSLATE_NOOP("zq::Shapes", "Outer Radius");
constexpr const char *Side = QT_TRANSLATE_NOOP("zq::Shapes", "Side");
constexpr const char *Side1 = QT_TRANSLATE_NOOP("zq::Shapes", "Side1");
constexpr const char *Side2 = QT_TRANSLATE_NOOP("zq::Shapes", "Side2");
constexpr const char *Side3 = QT_TRANSLATE_NOOP("zq::Shapes", "Side3");
constexpr const char *Length = QT_TRANSLATE_NOOP("zq::Shapes", "Length");
constexpr const char *Width = QT_TRANSLATE_NOOP("zq::Shapes", "Width");
constexpr const char *Height = QT_TRANSLATE_NOOP("zq::Shapes", "Height");
constexpr const char *Base = QT_TRANSLATE_NOOP("zq::Shapes", "Base");
constexpr const char *Base1 = QT_TRANSLATE_NOOP("zq::Shapes", "Base1");
constexpr const char *Base2 = QT_TRANSLATE_NOOP("zq::Shapes", "Base2");

constexpr Shape PerimeterShapes[] = {
    {QT_TRANSLATE_NOOP("zq::Shapes", "Circle"),
     {{{Radius, 1, Strict}}},
     [](const ShapeValues &v) { return v[1] * TwoPi; }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Parallelogram"),
     {{{Side1, 1}, {Side2, 2}}},
     [](const ShapeValues &v) { return 2 * (v[1] + v[2]); }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Rectangle"),
     {{{Length, 1}, {Width, 2}}},
     [](const ShapeValues &v) { return 2 * (v[1] + v[2]); }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Regular n-polygon"),
     {{{N, 1}, {Side, 2}}},
     [](const ShapeValues &v) { return v[1] * v[2]; }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Square"),
     {{{Side, 1, Strict}}},
     [](const ShapeValues &v) { return v[1] * 4; }},
    // The isosceles trapezoid: both bases and the two equal legs.
    {QT_TRANSLATE_NOOP("zq::Shapes", "Trapezoid"),
     {{{Height, 1, Strict}, {Base1, 2}, {Base2, 3}}},
     [](const ShapeValues &v) {
         return v[2] + v[3] + 2 * std::sqrt(squared(v[1]) + squared((v[2] - v[3]) / 2));
     }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Triangle"),
     {{{Side1, 1}, {Side2, 2}, {Side3, 3}}},
     [](const ShapeValues &v) { return v[1] + v[2] + v[3]; }},
};

constexpr Shape AreaShapes[] = {
    {QT_TRANSLATE_NOOP("zq::Shapes", "Circle"),
     {{{Radius, 1, Strict}}},
     [](const ShapeValues &v) { return squared(v[1]) * Pi; }},
    // The lateral surface only.
    {QT_TRANSLATE_NOOP("zq::Shapes", "Cone (surface)"),
     {{{Radius, 1}, {Side, 2}}},
     [](const ShapeValues &v) { return v[1] * Pi * v[2]; }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Cube (surface)"),
     {{{Side, 1}}},
     [](const ShapeValues &v) { return squared(v[1]) * 6; }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Cylinder (surface of side)"),
     {{{Height, 1}, {Radius, 2}}},
     [](const ShapeValues &v) { return v[2] * TwoPi * v[1]; }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Cylinder (whole surface)"),
     {{{Height, 1}, {Radius, 2}}},
     [](const ShapeValues &v) { return 2 * (squared(v[2]) * Pi) + v[2] * TwoPi * v[1]; }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Ellipse"),
     {{{Radius1, 1}, {Radius2, 2}}},
     [](const ShapeValues &v) { return v[1] * Pi * v[2]; }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Parallelogram"),
     {{{Height, 1}, {Base, 2}}},
     [](const ShapeValues &v) { return v[1] * v[2]; }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Rectangle"),
     {{{Length, 1}, {Width, 2}}},
     [](const ShapeValues &v) { return v[1] * v[2]; }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Sphere (surface)"),
     {{{Radius, 1}}},
     [](const ShapeValues &v) { return squared(v[1]) * FourPi; }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Square"),
     {{{Side, 1, Strict}}},
     [](const ShapeValues &v) { return squared(v[1]); }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Torus (surface)"),
     {{{InnerRadius, 1}, {OuterRadius, 2}}},
     [](const ShapeValues &v) { return squared(Pi) * (squared(v[2]) - squared(v[1])); }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Trapezoid"),
     {{{Height, 1, Strict}, {Base1, 2}, {Base2, 3}}},
     [](const ShapeValues &v) { return v[1] * (v[2] + v[3]) / 2; }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Triangle"),
     {{{Height, 1}, {Base, 2}}},
     [](const ShapeValues &v) { return v[1] * v[2] / 2; }},
};

// Every volume input is read strictly; the second input sits in Text2 or, for the solids of
// revolution, in Text4 at the same place.
constexpr Shape VolumeShapes[] = {
    {QT_TRANSLATE_NOOP("zq::Shapes", "Cone"),
     {{{Height, 1, Strict}, {Radius, 4, Strict}}},
     [](const ShapeValues &v) { return v[1] * squared(v[4]) * (Pi / 3); }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Cube"),
     {{{Side, 1, Strict}}},
     [](const ShapeValues &v) { return std::pow(v[1], 3); }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Cuboid"),
     {{{Height, 1, Strict}, {Length, 2, Strict}, {Width, 3, Strict}}},
     [](const ShapeValues &v) { return v[1] * v[2] * v[3]; }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Cylinder"),
     {{{Height, 1, Strict}, {Radius, 4, Strict}}},
     [](const ShapeValues &v) { return v[1] * squared(v[4]) * Pi; }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Ellipsoid"),
     {{{Radius1, 1, Strict}, {Radius2, 2, Strict}, {Radius3, 3, Strict}}},
     [](const ShapeValues &v) { return v[1] * v[2] * v[3] * (4.0 / 3 * Pi); }},
    // The base is an area.
    {QT_TRANSLATE_NOOP("zq::Shapes", "Irregular Prism"),
     {{{Height, 1, Strict}, {Base, 2, Strict}}},
     [](const ShapeValues &v) { return v[1] * v[2]; }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Pyramid"),
     {{{Height, 1, Strict}, {Base, 2, Strict}}},
     [](const ShapeValues &v) { return v[1] * v[2] / 3; }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Rectangular Prism"),
     {{{Side1, 1, Strict}, {Side2, 2, Strict}, {Side3, 3, Strict}}},
     [](const ShapeValues &v) { return v[1] * v[2] * v[3]; }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Sphere"),
     {{{Radius, 1, Strict}}},
     [](const ShapeValues &v) { return std::pow(v[1], 3) * FourPi / 3; }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "T Prism"),
     {{{Height, 1, Strict}, {Base, 2, Strict}}},
     [](const ShapeValues &v) { return v[1] * v[1] * v[2] * 0.5; }},
    {QT_TRANSLATE_NOOP("zq::Shapes", "Torus"),
     {{{OuterRadius, 1, Strict}, {InnerRadius, 4, Strict}}},
     [](const ShapeValues &v) { return squared(v[1] - v[4]) * (v[1] + v[4]) * squared(Pi) / 4; }},
};

const ShapeTable PerimeterTable{PerimeterShapes, 0, {Radius, Radius, Width}}; // Circle
const ShapeTable AreaTable{AreaShapes, 0, {Radius, Height, Width}};           // Circle
const ShapeTable VolumeTable{VolumeShapes, 0, {Height, Radius, Width}};       // Cone

} // namespace

const ShapeTable &shapeTable(ShapeCalculatorKind kind) {
    switch (kind) {
    case ShapeCalculatorKind::Perimeter:
        return PerimeterTable;
    case ShapeCalculatorKind::Area:
        return AreaTable;
    case ShapeCalculatorKind::Volume:
        break;
    }
    return VolumeTable;
}

QString shapeText(const char *english) {
    return QCoreApplication::translate("zq::Shapes", english);
}

const Shape *findShape(const ShapeTable &table, const QString &name) {
    const int place = IndexOfNamed(table.shapes, name, "zq::Shapes",
                                   [](const Shape &shape) { return shape.name; });
    return place >= 0 ? &table.shapes[std::size_t(place)] : nullptr;
}

double computeShape(const Shape &shape, const std::array<QString, 5> &boxTexts) {
    ShapeValues values{};
    for (const ShapeInput &input : shape.inputs) {
        if (input.box == 0)
            continue;
        const QString &text = boxTexts[input.box];
        values[input.box] = input.reading == Strict ? ParseNumberStrict(text) : ParseNumber(text);
    }
    return checkedFloat([&] { return shape.formula(values); });
}

double DistanceOnMap(double realKm, double scale) {
    return checkedFloat([=] { return realKm / (scale / 100000); });
}

double RealDistance(double mapCm, double scale) {
    return checkedFloat([=] { return mapCm * scale / 100000; });
}

double MapScaleOf(double realKm, double mapCm) {
    return checkedFloat([=] { return realKm / mapCm * 100000; });
}

} // namespace zq
