#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace zq {

// The largest whole number not above a / b; throws CalcError when the division fails.
double FloorDiv(double a, double b);
// a - FloorDiv(a, b) * b: keeps a fractional a's fraction.
double FloorMod(double a, double b);

// Value of a hexadecimal digit text (either case); nothing for the empty text. Any other
// character throws CalcError.
std::optional<double> HexToDec(const QString &text);
// Upper-case hexadecimal digits of a number from 0 up; a fraction stays in the last digit's
// text. A negative number throws CalcError (its digits would never end).
QString DecToHex(double n);

// Binary digits of a whole number; below 2 the number's own decimal text ('0', '1', '-7').
QString ToBinary(std::int32_t n);
// Value of a binary digit text; each digit counts at its own value ('102' gives 6); any other
// character throws CalcError.
double onluk(const QString &ikilik);

// Seconds as minutes, a colon and two-digit seconds: 125 gives '2:05', 65.5 gives '1:05.5'.
QString SecondsToMinSec(double x);

} // namespace zq
