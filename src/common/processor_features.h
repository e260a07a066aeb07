#pragma once

namespace zq {

// What the processor offers beyond the instructions every build may use; the fast paths of
// the digests and of Base64 are chosen by these when the program runs. False where unknown.
struct ProcessorFeatures {
    bool ssse3 = false, sse41 = false, bmi2 = false, sha = false;
};
const ProcessorFeatures &processorFeatures();

} // namespace zq
