#pragma once

#include "common/calc_error.h"

namespace zq {

// How many failures the error rules have caught so far: a window's computation that saw one
// has failed, and empties its results.
inline thread_local int caughtFailures = 0;

// Runs a handler body; a calculation failure ends it at once and silently.
template <class Body> void silentErrorExit(Body &&body) {
    try {
        body();
    } catch (const CalcError &) {
        ++caughtFailures;
    }
}

// Runs each step on its own: a failing step is skipped and the next one runs.
template <class... Steps> void skipFailingSteps(Steps &&...steps) {
    (silentErrorExit(steps), ...);
}

} // namespace zq
