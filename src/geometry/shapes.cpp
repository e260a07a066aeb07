#include "geometry/shapes.h"

#include "common/float_faults.h"
#include "common/number_rules.h"

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

constexpr Shape PerimeterShapes[] = {
    {u"Circle", {{{u"Radius", 1, Strict}}}, [](const ShapeValues &v) { return v[1] * TwoPi; }},
    {u"Parallelogram",
     {{{u"Side1", 1}, {u"Side2", 2}}},
     [](const ShapeValues &v) { return 2 * (v[1] + v[2]); }},
    {u"Rectangle",
     {{{u"Length", 1}, {u"Width", 2}}},
     [](const ShapeValues &v) { return 2 * (v[1] + v[2]); }},
    {u"Regular n-polygon",
     {{{u"n", 1}, {u"Side", 2}}},
     [](const ShapeValues &v) { return v[1] * v[2]; }},
    {u"Square", {{{u"Side", 1, Strict}}}, [](const ShapeValues &v) { return v[1] * 4; }},
    // The isosceles trapezoid: both bases and the two equal legs.
    {u"Trapezoid",
     {{{u"Height", 1, Strict}, {u"Base1", 2}, {u"Base2", 3}}},
     [](const ShapeValues &v) {
         return v[2] + v[3] + 2 * std::sqrt(squared(v[1]) + squared((v[2] - v[3]) / 2));
     }},
    {u"Triangle",
     {{{u"Side1", 1}, {u"Side2", 2}, {u"Side3", 3}}},
     [](const ShapeValues &v) { return v[1] + v[2] + v[3]; }},
};

constexpr Shape AreaShapes[] = {
    {u"Circle",
     {{{u"Radius", 1, Strict}}},
     [](const ShapeValues &v) { return squared(v[1]) * Pi; }},
    // The lateral surface only.
    {u"Cone (surface)",
     {{{u"Radius", 1}, {u"Side", 2}}},
     [](const ShapeValues &v) { return v[1] * Pi * v[2]; }},
    {u"Cube (surface)", {{{u"Side", 1}}}, [](const ShapeValues &v) { return squared(v[1]) * 6; }},
    {u"Cylinder (surface of side)",
     {{{u"Height", 1}, {u"Radius", 2}}},
     [](const ShapeValues &v) { return v[2] * TwoPi * v[1]; }},
    {u"Cylinder (whole surface)",
     {{{u"Height", 1}, {u"Radius", 2}}},
     [](const ShapeValues &v) { return 2 * (squared(v[2]) * Pi) + v[2] * TwoPi * v[1]; }},
    {u"Ellipse",
     {{{u"Radius1", 1}, {u"Radius2", 2}}},
     [](const ShapeValues &v) { return v[1] * Pi * v[2]; }},
    {u"Parallelogram",
     {{{u"Height", 1}, {u"Base", 2}}},
     [](const ShapeValues &v) { return v[1] * v[2]; }},
    {u"Rectangle",
     {{{u"Length", 1}, {u"Width", 2}}},
     [](const ShapeValues &v) { return v[1] * v[2]; }},
    {u"Sphere (surface)",
     {{{u"Radius", 1}}},
     [](const ShapeValues &v) { return squared(v[1]) * FourPi; }},
    {u"Square", {{{u"Side", 1, Strict}}}, [](const ShapeValues &v) { return squared(v[1]); }},
    {u"Torus (surface)",
     {{{u"Inner Radius", 1}, {u"Outer Radius", 2}}},
     [](const ShapeValues &v) { return squared(Pi) * (squared(v[2]) - squared(v[1])); }},
    {u"Trapezoid",
     {{{u"Height", 1, Strict}, {u"Base1", 2}, {u"Base2", 3}}},
     [](const ShapeValues &v) { return v[1] * (v[2] + v[3]) / 2; }},
    {u"Triangle",
     {{{u"Height", 1}, {u"Base", 2}}},
     [](const ShapeValues &v) { return v[1] * v[2] / 2; }},
};

// Every volume input is read strictly; the second input sits in Text2 or, for the solids of
// revolution, in Text4 at the same place.
constexpr Shape VolumeShapes[] = {
    {u"Cone",
     {{{u"Height", 1, Strict}, {u"Radius", 4, Strict}}},
     [](const ShapeValues &v) { return v[1] * squared(v[4]) * (Pi / 3); }},
    {u"Cube", {{{u"Side", 1, Strict}}}, [](const ShapeValues &v) { return std::pow(v[1], 3); }},
    {u"Cuboid",
     {{{u"Height", 1, Strict}, {u"Length", 2, Strict}, {u"Width", 3, Strict}}},
     [](const ShapeValues &v) { return v[1] * v[2] * v[3]; }},
    {u"Cylinder",
     {{{u"Height", 1, Strict}, {u"Radius", 4, Strict}}},
     [](const ShapeValues &v) { return v[1] * squared(v[4]) * Pi; }},
    {u"Ellipsoid",
     {{{u"Radius1", 1, Strict}, {u"Radius2", 2, Strict}, {u"Radius3", 3, Strict}}},
     [](const ShapeValues &v) { return v[1] * v[2] * v[3] * (4.0 / 3 * Pi); }},
    // The base is an area.
    {u"Irregular Prism",
     {{{u"Height", 1, Strict}, {u"Base", 2, Strict}}},
     [](const ShapeValues &v) { return v[1] * v[2]; }},
    {u"Pyramid",
     {{{u"Height", 1, Strict}, {u"Base", 2, Strict}}},
     [](const ShapeValues &v) { return v[1] * v[2] / 3; }},
    {u"Rectangular Prism",
     {{{u"Side1", 1, Strict}, {u"Side2", 2, Strict}, {u"Side3", 3, Strict}}},
     [](const ShapeValues &v) { return v[1] * v[2] * v[3]; }},
    {u"Sphere",
     {{{u"Radius", 1, Strict}}},
     [](const ShapeValues &v) { return std::pow(v[1], 3) * FourPi / 3; }},
    {u"T Prism",
     {{{u"Height", 1, Strict}, {u"Base", 2, Strict}}},
     [](const ShapeValues &v) { return v[1] * v[1] * v[2] * 0.5; }},
    {u"Torus",
     {{{u"Outer Radius", 1, Strict}, {u"Inner Radius", 4, Strict}}},
     [](const ShapeValues &v) { return squared(v[1] - v[4]) * (v[1] + v[4]) * squared(Pi) / 4; }},
};

const ShapeTable PerimeterTable{PerimeterShapes, u"Circle", {u"Radius", u"Radius", u"Width"}};
const ShapeTable AreaTable{AreaShapes, u"Circle", {u"Radius", u"Height", u"Width"}};
const ShapeTable VolumeTable{VolumeShapes, u"Cone", {u"Height", u"Radius", u"Width"}};

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

const Shape *findShape(const ShapeTable &table, const QString &name) {
    for (const Shape &shape : table.shapes)
        if (name == shape.nameText())
            return &shape;
    return nullptr;
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
