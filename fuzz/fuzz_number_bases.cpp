#include "common/calc_error.h"
#include "convert/number_bases.h"
#include "fuzz_support.h"

#include <cmath>

// Hexadecimal and binary digit texts: a number or a refusal, and whole hexadecimal values
// come back from their own digits.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const fuzz::TimeBound bound;
    const QString text = fuzz::text(data, size);
    try {
        if (const std::optional<double> value = zq::HexToDec(text)) {
            fuzz::check(!std::isnan(*value), "HexToDec gave NaN");
            if (*value < 9007199254740992.0)
                fuzz::check(zq::HexToDec(zq::DecToHex(*value)) == *value, "hex round trip");
        }
    } catch (const zq::CalcError &) {
    }
    try {
        fuzz::check(!std::isnan(zq::onluk(text)), "onluk gave NaN");
    } catch (const zq::CalcError &) {
    }
    return 0;
}
