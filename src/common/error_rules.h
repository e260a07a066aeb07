#pragma once

#include "common/calc_error.h"

namespace zq {

// Runs a handler body; a calculation failure ends it at once and silently. Whatever the body
// had written before the failure stays.
template <class Body> void silentErrorExit(Body &&body) {
    try {
        body();
    } catch (const CalcError &) {
    }
}

// Runs each step on its own: a failing step is skipped and the next one runs.
template <class... Steps> void skipFailingSteps(Steps &&...steps) {
    (silentErrorExit(steps), ...);
}

} // namespace zq
