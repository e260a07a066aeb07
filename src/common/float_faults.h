#pragma once

#include "common/calc_error.h"

#include <cfenv>
#include <cmath>
#include <type_traits>

namespace zq {

// Runs a floating-point computation and turns the FPU's divide-by-zero, overflow and invalid
// flags into CalcError. The result goes through a volatile so the compiler cannot move the
// arithmetic past the flag test. An infinite or NaN result fails too, since an infinity that
// came in as an input raises no flag.
template <class Computation> auto checkedFloat(Computation &&computation) {
    using Result = std::decay_t<decltype(computation())>;
    constexpr int faults = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;
    std::fexcept_t saved;
    std::fegetexceptflag(&saved, faults);
    std::feclearexcept(faults);
    volatile Result result = computation();
    const int raised = std::fetestexcept(faults);
    std::fesetexceptflag(&saved, faults);
    if (raised & FE_DIVBYZERO)
        throw CalcError(CalcError::Kind::DivisionByZero, "division by zero");
    if (raised & FE_OVERFLOW)
        throw CalcError(CalcError::Kind::Overflow, "overflow");
    if (raised & FE_INVALID)
        throw CalcError(CalcError::Kind::InvalidArgument, "invalid argument");
    const Result value = result;
    if constexpr (std::is_floating_point_v<Result>) {
        if (std::isnan(value))
            throw CalcError(CalcError::Kind::InvalidArgument, "invalid argument");
        if (std::isinf(value))
            throw CalcError(CalcError::Kind::Overflow, "overflow");
    }
    return value;
}

} // namespace zq
