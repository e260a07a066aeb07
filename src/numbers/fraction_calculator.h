#pragma once

#include <QString>

#include <array>
#include <optional>

namespace zq {

// Two mixed fractions w1 a1/d1 and w2 a2/d2 combined by the operator ("+", "-", "*", "/"):
// the worked result, six lines joined by CR LF, the last naming the decimal value in the
// interface language. Nothing for any other operator. The numbers are read strictly; throws
// CalcError for a text that is not a number or a zero divisor.
struct MixedFraction {
    QString whole;
    QString numerator;
    QString denominator;
};
std::optional<QString> FractionMixText(const MixedFraction &first, const QString &op,
                                       const MixedFraction &second);

// Whether the mixed fraction w a/d is zero (w·d + a = 0), so that nothing may be divided by it.
bool IsZeroMixedFraction(double whole, double numerator, double denominator);

// The proportion A/B = C/D with the term at `unknown` (0 to 3) sought: four lines of working
// joined by CR LF. The other terms are read strictly; throws CalcError when one is not a
// number (a second "x" included) or the division is by 0.
QString ProportionWorking(int unknown, const std::array<QString, 4> &terms);

} // namespace zq
