#include "numbers/number_words.h"

#include "common/calc_error.h"

#include <array>
#include <limits>
#include <string_view>

namespace zq {
namespace {

struct WordTable {
    std::array<std::u16string_view, 20> units; // 0 to 19
    std::array<std::u16string_view, 10> tens;  // index 2 to 9 used
    std::u16string_view hundred;
    std::array<std::u16string_view, 5> scales; // 10^3, 10^6, 10^9, 10^12 at 1 to 4
    std::u16string_view negative;
};

constexpr WordTable English = {
    {u" zero",     u" one",     u" two",     u" three",     u" four",     u" five",    u" six",
     u" seven",    u" eight",   u" nine",    u" ten",       u" eleven",   u" twelve",  u" thirteen",
     u" fourteen", u" fifteen", u" sixteen", u" seventeen", u" eighteen", u" nineteen"},
    {u"", u"", u" twenty", u" thirty", u" forty", u" fifty", u" sixty", u" seventy", u" eighty",
     u" ninety"},
    u" hundred",
    {u"", u" thousand", u" million", u" billion", u" trillion"},
    u" negative",
};

constexpr WordTable Turkish = {
    {u" sıfır",  u" bir",   u" iki",    u" üç",     u" dört",    u" beş",    u" altı",
     u" yedi",   u" sekiz", u" dokuz",  u" on",     u" onbir",   u" oniki",  u" onüç",
     u" ondört", u" onbeş", u" onaltı", u" onyedi", u" onsekiz", u" ondokuz"},
    {u"", u"", u" yirmi", u" otuz", u" kırk", u" elli", u" altmış", u" yetmiş", u" seksen",
     u" doksan"},
    u" yüz",
    {u"", u" bin", u" milyon", u" milyar", u" trilyon"},
    u" eksi",
};

QString text(std::u16string_view word) {
    return QString::fromUtf16(word.data(), word.size());
}

// Words of a whole number below 1000.
QString groupWords(std::int64_t x, const WordTable &words) {
    QString result;
    const std::int64_t hundreds = x / 100;
    if (hundreds > 0)
        result += groupWords(hundreds, words) + text(words.hundred);
    const std::int64_t rest = x - 100 * hundreds;
    const std::int64_t tens = rest / 10;
    const std::int64_t units = rest % 10;
    if (tens == 0) {
        if (units != 0 || hundreds == 0)
            result += text(words.units[units]);
    } else if (tens == 1) {
        result += text(words.units[10 + units]);
    } else {
        result += text(words.tens[tens]);
        if (units != 0)
            result += QStringLiteral(" - ") + groupWords(units, words).mid(1);
    }
    return result;
}

// Words of a whole non-negative number: groups of three digits from the trillions down, each
// with its scale word; groups of 0 are left out.
QString wholeWords(std::int64_t x, const WordTable &words) {
    if (x < 1000)
        return groupWords(x, words);
    QString result;
    std::int64_t scale = 1000000000000;
    for (int level = 4; level >= 0; --level, scale /= 1000) {
        if (x >= scale) {
            result += groupWords(x / scale, words) + text(words.scales[level]);
            x %= scale;
        }
    }
    return result;
}

QString numberWords(Currency value, const WordTable &words) {
    const std::int64_t units = value.units();
    // Rounded down before the sign goes: -3.5 is written as 4 with the sign word.
    std::int64_t whole = units / Currency::Scale;
    if (units % Currency::Scale < 0)
        --whole;
    // Rounding the most negative values down leaves the currency range.
    if (whole < -(std::numeric_limits<std::int64_t>::max() / Currency::Scale))
        throw CalcError(CalcError::Kind::Overflow, "overflow");
    const QString result = wholeWords(whole < 0 ? -whole : whole, words);
    return units < 0 ? text(words.negative) + result : result;
}

} // namespace

QString NumberToEnglishWords(Currency value) {
    return numberWords(value, English);
}

QString NumberToTurkishWords(Currency value) {
    return numberWords(value, Turkish);
}

QString NumberToRoman(std::int32_t value) {
    if (value < 0)
        throw CalcError(CalcError::Kind::InvalidArgument, "negative number");
    std::int32_t n = value;
    QString roman(n / 1000, QLatin1Char('M'));
    n %= 1000;
    // Each decimal place from the hundreds down: the nine, five and four forms, else repeats.
    struct Place {
        std::int32_t size;
        char one;
        char five;
        char ten;
    };
    constexpr Place Places[] = {{100, 'C', 'D', 'M'}, {10, 'X', 'L', 'C'}, {1, 'I', 'V', 'X'}};
    for (const Place &place : Places) {
        const std::int32_t digit = n / place.size;
        if (digit == 9) {
            roman += QLatin1Char(place.one);
            roman += QLatin1Char(place.ten);
        } else if (digit >= 5) {
            roman += QLatin1Char(place.five) + QString(digit - 5, QLatin1Char(place.one));
        } else if (digit == 4) {
            roman += QLatin1Char(place.one);
            roman += QLatin1Char(place.five);
        } else {
            roman += QString(digit, QLatin1Char(place.one));
        }
        n %= place.size;
    }
    return roman;
}

} // namespace zq
