#pragma once

#include <QString>

#include <cstddef>
#include <span>

namespace zq {

// What a table's factors mean.
enum class ConversionDirection {
    Size,  // the size of one unit in the base unit: the source factor multiplies
    Count, // how many units make one base unit: the target factor multiplies
};

struct ConversionUnit {
    const char *name; // English, UTF-8; translated in the context "zq::ConversionTables"
    double factor;

    QString englishName() const { return QString::fromUtf8(name); }
    // The name as shown, in the interface language.
    QString nameText() const;
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
