#pragma once

#include <QString>

#include <optional>

namespace zq {

// Position of a scale among the eight ("Celsius" ... "Rømer"), compared exactly.
std::optional<int> temperatureScaleIndex(const QString &scaleName);

// The seven other scales' values of x on the named scale, one line each ("212 °F"), joined by
// CR LF; the empty text for an unknown scale. Throws CalcError when a value overflows.
QString ConvertTemperature(const QString &scaleName, double x);

} // namespace zq
