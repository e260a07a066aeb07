#pragma once

#include <QString>

#include <cstdint>

namespace zq {

// x raised to the power (platform power function); throws CalcError for a result that is not
// a real number (a negative base with a fractional power) or beyond the double range.
double PowerOf(double x, double power);

// x² and x³; throw CalcError beyond the double range.
double SquareOf(double x);
double CubeOf(double x);

// The n-th root: x raised to 1/n. Throws CalcError for n = 0 and whenever PowerOf does.
double NthRoot(double x, double n);

enum class PercentPart { Rate, Amount, PercentAmount };

// Computes the named part from the other two (the third argument is ignored): the percentage
// amount a * p / 100, the rate q * 100 / a, or the amount q * 100 / p.
double PercentOf(PercentPart sought, double rate, double amount, double percentAmount);

struct IntegerDivision {
    std::int32_t quotient;
    std::int32_t remainder;
};

// Truncating quotient and remainder (sign of the dividend) of 32-bit whole numbers; throws
// CalcError for a divisor of 0 and when the quotient leaves the 32-bit range.
IntegerDivision DivideIntegers(std::int32_t dividend, std::int32_t divisor);

} // namespace zq
