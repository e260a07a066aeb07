#pragma once

#include <QString>

namespace zq {

// Euclid's algorithm on the absolute values, remainders taken on 32-bit integers and held in
// single precision; a fraction in the operands stays (7.5 and 2.5 give 2.5). With one operand
// 0 the result is the other's absolute value. Throws CalcError when a remainder step leaves
// the 32-bit range or divides by a value that rounds to 0.
float GreatestCommonFactor(double a, double b);

// |(a / g) * (b / g) * g| with g the greatest common factor; a / g and b / g are stored as
// singles and multiplied in single precision. Throws CalcError when both are 0.
double LeastCommonMultiple(float a, float b);

// The reduced fraction "numerator/denominator", each written in 7 significant digits with "."
// ('4' and '-6' give "2/-3"). Throws CalcError for a denominator of 0.
QString SimplifyFraction(float numerator, float denominator);

} // namespace zq
