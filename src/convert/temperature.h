#pragma once

#include <QString>

#include <optional>

namespace zq {

// Position of a scale among the eight ("Celsius" ... "Rømer"), compared exactly.
std::optional<int> temperatureScaleIndex(const QString &scaleName);

// The scale's absolute zero ("-459.67 °F") when x lies below it (above it on the Delisle
// scale, which counts downwards), where no temperature is; nothing otherwise.
std::optional<QString> BelowAbsoluteZero(const QString &scaleName, double x);

// The seven other scales' values of x on the named scale, one line each ("212 °F"), joined by
// CR LF; the empty text for an unknown scale. Throws CalcError when a value overflows.
QString ConvertTemperature(const QString &scaleName, double x);

} // namespace zq
