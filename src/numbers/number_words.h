#pragma once

#include "common/numeric_types.h"

#include <QString>

#include <cstdint>

namespace zq {

// The whole part (rounded down) of a currency value in words, every word with a leading
// space: " twenty - five", " one thousand one hundred", " negative seven". Throws CalcError
// when rounding down leaves the currency range.
QString NumberToEnglishWords(Currency value);
QString NumberToTurkishWords(Currency value);

// Roman numerals with any number of leading "M"; "" for 0. Throws CalcError for a negative
// number.
QString NumberToRoman(std::int32_t value);

} // namespace zq
