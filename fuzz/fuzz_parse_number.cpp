#include "common/number_rules.h"
#include "fuzz_support.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const fuzz::TimeBound bound;
    const double value = zq::ParseNumber(fuzz::text(data, size));
    fuzz::check(!std::isnan(value), "ParseNumber gave NaN");
    return 0;
}
