#include "common/processor_features.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <cpuid.h>
#define ZQ_CPUID 1
#endif

namespace zq {

const ProcessorFeatures &processorFeatures() {
    static const ProcessorFeatures features = [] {
        ProcessorFeatures found;
#ifdef ZQ_CPUID
        unsigned a = 0, b = 0, c = 0, d = 0;
        if (__get_cpuid(1, &a, &b, &c, &d)) {
            found.ssse3 = c & (1u << 9);
            found.sse41 = c & (1u << 19);
        }
        if (__get_cpuid_count(7, 0, &a, &b, &c, &d)) {
            found.bmi2 = b & (1u << 8);
            found.sha = b & (1u << 29);
        }
#endif
        return found;
    }();
    return features;
}

} // namespace zq
