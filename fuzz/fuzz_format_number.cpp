#include "common/calc_error.h"
#include "common/number_rules.h"
#include "fuzz_support.h"

#include <cmath>

// Every finite double and float has a text that reads back to itself at 15 (7) digits: the
// text of the number read from the text is the text again. (The largest doubles round up past
// the double range at 15 digits; their texts cannot be read back.)
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const fuzz::TimeBound bound;
    const double x = fuzz::valueOf<double>(data, size);
    try {
        const QString shown = zq::FormatNumberText(x);
        fuzz::check(std::isfinite(x), "an infinity or NaN was formatted");
        fuzz::check(shown.size() <= 24, "text too long");
        if (std::fabs(x) < 1.79769313486231e308)
            fuzz::check(zq::FormatNumberText(zq::ParseNumberStrict(shown)) == shown,
                        "double text does not read back");
    } catch (const zq::CalcError &) {
        fuzz::check(!std::isfinite(x), "a finite double was refused");
    }
    const float f = fuzz::valueOf<float>(size > 8 ? data + 8 : data, size > 8 ? size - 8 : size);
    try {
        const QString shown = zq::FormatSingleText(f);
        fuzz::check(std::isfinite(f), "an infinity or NaN was formatted");
        fuzz::check(zq::FormatSingleText(float(zq::ParseNumberStrict(shown))) == shown,
                    "float text does not read back");
        fuzz::check(zq::SignedSingleText(f).size() <= shown.size() + 1, "signed text too long");
    } catch (const zq::CalcError &) {
        fuzz::check(!std::isfinite(f), "a finite float was refused");
    }
    return 0;
}
