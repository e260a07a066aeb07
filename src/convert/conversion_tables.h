#pragma once

#include <QString>

#include <cstddef>
#include <span>
#include <string_view>

namespace zq {

// What a table's factors mean.
enum class ConversionDirection {
    Size,  // the size of one unit in the base unit: the source factor multiplies
    Count, // how many units make one base unit: the target factor multiplies
};

struct ConversionUnit {
    std::u16string_view name;
    double factor;

    QString nameText() const { return QString::fromUtf16(name.data(), name.size()); }
};

struct ConversionTable {
    std::span<const ConversionUnit> units;
    ConversionDirection direction;
};

enum class UnitTable {
    Weight,
    Volume,
    Length,
    Area,
    EnergyPower,
    Voltage,
    ElectricCurrent,
    Angle,
    Speed,
    AstronomicalTime,
    Byte,
    NumberScale,
};

ConversionTable conversionTable(UnitTable table);

// (x * multiplying) / dividing, the multiplication first.
double ConvertByFactors(double x, double multiplying, double dividing);

// Converts x from the source unit to the target unit (positions in the table). Throws CalcError
// when the result lies beyond the double range.
double convertUnits(const ConversionTable &table, std::size_t source, std::size_t target, double x);

} // namespace zq
