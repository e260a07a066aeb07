#include "common/calc_error.h"
#include "fuzz_support.h"
#include "numbers/fraction_calculator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const fuzz::TimeBound bound;
    const QStringList t = fuzz::texts(data, size, 7);
    try {
        zq::FractionMixText({t[0], t[1], t[2]}, t[3], {t[4], t[5], t[6]});
    } catch (const zq::CalcError &) {
    }
    try {
        zq::ProportionWorking(size % 4, {t[0], t[1], t[2], t[3]});
    } catch (const zq::CalcError &) {
    }
    return 0;
}
