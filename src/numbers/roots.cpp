#include "numbers/roots.h"

#include "common/calc_error.h"
#include "common/float_faults.h"

#include <cmath>
#include <limits>

namespace zq {

double PowerOf(double x, double power) {
    return checkedFloat([&] { return std::pow(x, power); });
}

double SquareOf(double x) {
    return checkedFloat([x] { return x * x; });
}

double CubeOf(double x) {
    return checkedFloat([x] { return x * x * x; });
}

double NthRoot(double x, double n) {
    const double power = checkedFloat([&] { return 1 / n; });
    return PowerOf(x, power);
}

double PercentOf(PercentPart sought, double rate, double amount, double percentAmount) {
    return checkedFloat([&] {
        switch (sought) {
        case PercentPart::PercentAmount:
            return amount * rate / 100;
        case PercentPart::Rate:
            return percentAmount * 100 / amount;
        case PercentPart::Amount:
            break;
        }
        return percentAmount * 100 / rate;
    });
}

IntegerDivision DivideIntegers(std::int32_t dividend, std::int32_t divisor) {
    if (divisor == 0)
        throw CalcError(CalcError::Kind::DivisionByZero, "division by zero");
    if (dividend == std::numeric_limits<std::int32_t>::min() && divisor == -1)
        throw CalcError(CalcError::Kind::Overflow, "overflow");
    return {dividend / divisor, dividend % divisor};
}

} // namespace zq
