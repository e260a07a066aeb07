#include "numbers/common_factors.h"

#include "common/calc_error.h"
#include "common/float_faults.h"
#include "common/number_rules.h"
#include "common/numeric_types.h"

#include <cmath>
#include <utility>

namespace zq {
namespace {

// I(a) mod I(b) on 32-bit integers, the result held in single precision.
float remainderStep(double a, double b) {
    const std::int32_t dividend = toInt32(a);
    const std::int32_t divisor = toInt32(b);
    if (divisor == 0)
        throw CalcError(CalcError::Kind::DivisionByZero, "division by zero");
    return divisor == -1 ? 0.0f : static_cast<float>(dividend % divisor);
}

} // namespace

float GreatestCommonFactor(double a, double b) {
    a = std::fabs(a);
    b = std::fabs(b);
    if (a == b)
        return toSingle(a);
    if (a < b)
        std::swap(a, b);
    if (b == 0)
        return toSingle(a); // every number divides 0
    float r = remainderStep(a, b);
    while (r != 0) {
        a = b;
        b = r;
        r = remainderStep(a, b);
    }
    return toSingle(b);
}

double LeastCommonMultiple(float a, float b) {
    const double g = GreatestCommonFactor(a, b);
    const float reducedA = toSingle(checkedFloat([&] { return a / g; }));
    const float reducedB = toSingle(checkedFloat([&] { return b / g; }));
    const float product = checkedFloat([&] { return reducedA * reducedB; });
    return checkedFloat([&] { return std::fabs(product * g); });
}

QString SimplifyFraction(float numerator, float denominator) {
    if (denominator == 0)
        throw CalcError(CalcError::Kind::DivisionByZero, "zero denominator");
    const float g = GreatestCommonFactor(numerator, denominator);
    const float top = checkedFloat([&] { return numerator / g; });
    const float bottom = checkedFloat([&] { return denominator / g; });
    return SignedSingleText(top).trimmed() + QLatin1Char('/') + SignedSingleText(bottom).trimmed();
}

} // namespace zq
