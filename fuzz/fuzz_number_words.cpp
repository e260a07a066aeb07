#include "common/calc_error.h"
#include "common/numeric_types.h"
#include "fuzz_support.h"
#include "numbers/number_words.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const fuzz::TimeBound bound;
    const zq::Currency value = zq::Currency::fromUnits(fuzz::valueOf<std::int64_t>(data, size));
    try {
        fuzz::check(!zq::NumberToEnglishWords(value).isEmpty(), "no English words");
    } catch (const zq::CalcError &) {
    }
    try {
        fuzz::check(!zq::NumberToTurkishWords(value).isEmpty(), "no Turkish words");
    } catch (const zq::CalcError &) {
    }
    // Roman numerals of numbers up to the tens of millions: a letter a thousand (larger ones
    // only repeat "M" and would make the run crawl).
    try {
        const std::int32_t number = fuzz::valueOf<std::int32_t>(data, size) % 20000000;
        const QString roman = zq::NumberToRoman(number);
        fuzz::check(number < 0 || roman.size() <= number / 1000 + 16, "too many letters");
    } catch (const zq::CalcError &) {
    }
    return 0;
}
