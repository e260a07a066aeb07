#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace zq {

// a + (a + 1) + ... while the term is at most b, added one term at a time in doubles
// (beyond 2^53 the rounding of each step shows, as it does in a plain loop). Throws CalcError
// when the terms pass 2^53, where adding 1 no longer moves them and the sum would never end.
double SumRange(double a, double b);

// a * (a + 1) * ... while the term is at most b; 1 for an empty range. Throws CalcError
// beyond the double range.
double ProductRange(double a, double b);

// a^3 + b^3 for "+", a^3 - b^3 for "-"; nothing for any other operator text.
std::optional<double> SumDifferenceOfCubes(double a, const QString &op, double b);

// The most terms a progression list holds.
inline constexpr double MaxProgressionTerms = 1000000;

// A number of terms must be whole, from 2 to MaxProgressionTerms (fewer would never end the
// list); otherwise throws CalcError.
void checkProgressionTermCount(double terms);

// Lines "k<TAB>term" for the terms 2 to n, each made from the one before by adding the step
// (arithmetic) or multiplying by the ratio (geometric). Stops at a term beyond the double
// range: `complete` then tells that the list ends early.
struct ProgressionTerms {
    QStringList lines;
    bool complete = true;
};
ProgressionTerms ArithmeticTerms(double first, double step, double terms);
ProgressionTerms GeometricTerms(double first, double ratio, double terms);

// "Sum of the Series: " and the sum rounded to a 32-bit integer, in the interface language;
// empty when the sum cannot be given (a ratio of 1, a sum beyond 32 bits).
QString ArithmeticSumText(double first, double step, double terms);
QString GeometricSumText(double first, double ratio, double terms);

// Fibonacci term of a 16-bit index in doubles: the index itself below 2, else the sum of the
// two before. Computed upwards, giving the same doubles as the plain recursion.
double fibonacciTerm(std::int16_t rakam);

// n! in doubles (exact while it fits); throws CalcError beyond the double range.
double FactorialValue(std::uint8_t n);

// Pascal's triangle rows 0 to n: each row on its own line after a CR LF, numbers separated
// by single spaces. The coefficients are exact; rows beyond 99 throw CalcError.
QString PascalTriangleText(double n);

// "k*i = k×i" for k and i from 1 to 10.
QStringList MultiplicationTableLines();

// n(n-1)...(n-r+1) / r! and n(n-1)...(n-r+1), factor by factor in doubles.
double Combination(double n, double r);
double Permutation(double n, double r);

} // namespace zq
