#pragma once

#include <QString>

#include <optional>

namespace zq {

// The eight scales ("Celsius" ... "Rømer") are chosen by their position.
constexpr int TemperatureScaleCount = 8;

// The scale's name as shown, in the interface language; the empty text for no scale.
QString TemperatureScaleName(int scale);

// Position of the scale named, as shown or in English, compared exactly.
std::optional<int> temperatureScaleIndex(const QString &scaleName);

// The scale's absolute zero ("-459.67 °F") when x lies below it (above it on the Delisle
// scale, which counts downwards), where no temperature is; nothing otherwise.
std::optional<QString> BelowAbsoluteZero(int scale, double x);

// The seven other scales' values of x on the scale, one line each ("212 °F"), joined by CR LF;
// the empty text for no scale. Throws CalcError when a value overflows.
QString ConvertTemperature(int scale, double x);

} // namespace zq
