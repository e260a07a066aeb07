#include "text/encoders.h"

#include "common/code_page.h"
#include "common/number_rules.h"
#include "common/processor_features.h"
#include "text/text_encoding.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define ZQ_SSSE3_BASE64 1
#endif

namespace zq {
namespace {

constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// What a character below 128 is to a Base64 decoder: a value 0 to 63, or one of these.
constexpr signed char Skipped = -2, Padding = -3, Foreign = -1;

constexpr std::array<signed char, 128> AlphabetValues = [] {
    std::array<signed char, 128> values{};
    values.fill(Foreign);
    for (int i = 0; i < 64; ++i)
        values[static_cast<unsigned char>(Alphabet[i])] = static_cast<signed char>(i);
    for (char blank : {' ', '\t', '\r', '\n'})
        values[static_cast<unsigned char>(blank)] = Skipped;
    values['='] = Padding;
    return values;
}();

int valueOf(char16_t c) {
    return c < 128 ? AlphabetValues[c] : Foreign;
}

// Two output characters for each 12 bits: one lookup writes both.
constexpr std::array<std::uint32_t, 4096> CharacterPairs = [] {
    std::array<std::uint32_t, 4096> pairs{};
    for (std::uint32_t i = 0; i < 4096; ++i) {
        const std::uint32_t first = std::uint8_t(Alphabet[i >> 6]),
                            second = std::uint8_t(Alphabet[i & 63]);
        pairs[i] = std::endian::native == std::endian::little ? first | second << 16
                                                              : first << 16 | second;
    }
    return pairs;
}();

// Each character's value already in its place of a group of four (bits 18, 12, 6 and 0), and
// a bit above the group's 24 for a character outside the alphabet: OR-ing four lookups gives
// the group's bits, or shows that one of them is not Base64.
constexpr std::uint32_t NotInGroup = 1u << 24;

template <int Shift> constexpr std::array<std::uint32_t, 128> placedValues() {
    std::array<std::uint32_t, 128> placed{};
    for (int c = 0; c < 128; ++c)
        placed[c] = AlphabetValues[c] >= 0 ? std::uint32_t(AlphabetValues[c]) << Shift : NotInGroup;
    return placed;
}
constexpr auto Placed18 = placedValues<18>(), Placed12 = placedValues<12>(),
               Placed6 = placedValues<6>(), Placed0 = placedValues<0>();

// The group of four characters in a 64-bit word of UTF-16, or a value with NotInGroup set.
std::uint32_t groupOf(std::uint64_t four) {
    if constexpr (std::endian::native != std::endian::little)
        four = (four >> 48) | ((four >> 16) & 0xFFFF0000) | ((four << 16) & 0xFFFF00000000) |
               (four << 48);
    return Placed18[four & 0x7F] | Placed12[(four >> 16) & 0x7F] | Placed6[(four >> 32) & 0x7F] |
           Placed0[(four >> 48) & 0x7F];
}

// Three bytes through one four-byte store; the output has room for the fourth.
void putThree(unsigned char *&out, std::uint32_t group) {
    const std::uint32_t bytes =
        std::endian::native == std::endian::little ? __builtin_bswap32(group << 8) : group << 8;
    std::memcpy(out, &bytes, sizeof bytes);
    out += 3;
}

#ifdef ZQ_SSSE3_BASE64
// Sixteen characters at a time with the processor's byte shuffles, as long as all sixteen are
// alphabet characters: the characters are narrowed to bytes (anything beyond a byte becomes
// 0xFF, which is not Base64), checked and mapped to their values by their high and low
// nibbles, and the twelve bytes they stand for are gathered out of the 6-bit values. Writes
// sixteen bytes for each twelve; returns how many characters it used.
__attribute__((target("ssse3"))) qsizetype decodeSixteens(const char16_t *units, qsizetype length,
                                                          unsigned char *&out) {
    const __m128i nibble = _mm_set1_epi8(0x0F), slash = _mm_set1_epi8('/');
    // A character is Base64 when the bits its low and high nibbles pick here share nothing.
    const __m128i lowBits = _mm_setr_epi8(0x15, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11,
                                          0x11, 0x13, 0x1A, 0x1B, 0x1B, 0x1B, 0x1A);
    const __m128i highBits = _mm_setr_epi8(0x10, 0x10, 0x01, 0x02, 0x04, 0x08, 0x04, 0x08, 0x10,
                                           0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10);
    // What to add to a character to get its value, by its high nibble ("/" moved one down).
    const __m128i shifts = _mm_setr_epi8(0, 16, 19, 4, -65, -65, -71, -71, 0, 0, 0, 0, 0, 0, 0, 0);
    const __m128i gather = _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    qsizetype i = 0;
    for (; i + 16 <= length; i += 16) {
        const __m128i chars =
            _mm_packus_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i *>(units + i)),
                             _mm_loadu_si128(reinterpret_cast<const __m128i *>(units + i + 8)));
        const __m128i high = _mm_and_si128(_mm_srli_epi32(chars, 4), nibble);
        const __m128i low = _mm_and_si128(chars, nibble);
        const __m128i clash =
            _mm_and_si128(_mm_shuffle_epi8(lowBits, low), _mm_shuffle_epi8(highBits, high));
        if (_mm_movemask_epi8(_mm_cmpgt_epi8(clash, _mm_setzero_si128())) != 0)
            break;
        const __m128i index = _mm_add_epi8(_mm_cmpeq_epi8(chars, slash), high);
        const __m128i values = _mm_add_epi8(chars, _mm_shuffle_epi8(shifts, index));
        // Pairs of values into 12 bits, pairs of those into 24.
        const __m128i pairs = _mm_maddubs_epi16(values, _mm_set1_epi32(0x01400140));
        const __m128i groups = _mm_madd_epi16(pairs, _mm_set1_epi32(0x00011000));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm_shuffle_epi8(groups, gather));
        out += 12;
    }
    return i;
}
#endif

// Whole groups of four ASCII alphabet characters, sixteen or eight at a time where it can;
// returns how many characters it used.
qsizetype decodeWholeGroups(const char16_t *units, qsizetype length, unsigned char *&out) {
    constexpr std::uint64_t BeyondAscii = 0xFF80FF80FF80FF80ULL;
    qsizetype i = 0;
#ifdef ZQ_SSSE3_BASE64
    if (processorFeatures().ssse3)
        i = decodeSixteens(units, length, out);
#endif
    for (; i + 8 <= length; i += 8) {
        std::uint64_t first, second;
        std::memcpy(&first, units + i, sizeof first);
        std::memcpy(&second, units + i + 4, sizeof second);
        if ((first | second) & BeyondAscii)
            break;
        const std::uint32_t one = groupOf(first), two = groupOf(second);
        if ((one | two) & NotInGroup)
            break;
        putThree(out, one);
        putThree(out, two);
    }
    for (; i + 4 <= length; i += 4) {
        std::uint64_t four;
        std::memcpy(&four, units + i, sizeof four);
        const std::uint32_t group = groupOf(four);
        if ((four & BeyondAscii) || (group & NotInGroup))
            break;
        putThree(out, group);
    }
    return i;
}

void putPair(char16_t *out, std::uint32_t twelveBits) {
    std::memcpy(out, &CharacterPairs[twelveBits], sizeof(std::uint32_t));
}

} // namespace

QString Base64Encode(const QByteArray &bytes, Base64Padding padding) {
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype length = bytes.size(), whole = length / 3 * 3, left = length - whole;
    const qsizetype tail = left == 0 ? 0 : padding == Base64Padding::Padded ? 4 : left + 1;
    QString out(whole / 3 * 4 + tail, Qt::Uninitialized);
    char16_t *o = reinterpret_cast<char16_t *>(out.data());
    for (qsizetype i = 0; i < whole; i += 3, o += 4) {
        const std::uint32_t group =
            std::uint32_t(b[i]) << 16 | std::uint32_t(b[i + 1]) << 8 | b[i + 2];
        putPair(o, group >> 12);
        putPair(o + 2, group & 0xFFF);
    }
    if (left > 0) {
        const std::uint32_t group =
            std::uint32_t(b[whole]) << 16 | (left == 2 ? std::uint32_t(b[whole + 1]) << 8 : 0);
        putPair(o, group >> 12);
        if (left == 2)
            o[2] = char16_t(Alphabet[(group >> 6) & 63]);
        if (padding == Base64Padding::Padded) {
            o[3] = u'=';
            if (left == 1)
                o[2] = u'=';
        }
    }
    return out;
}

QString Base64Lines(const QString &base64, qsizetype width) {
    QString lines;
    lines.reserve(base64.size() + base64.size() / width * 2 + 2);
    for (qsizetype at = 0; at < base64.size(); at += width) {
        if (at > 0)
            lines += QLatin1String("\r\n");
        lines += QStringView(base64).mid(at, width);
    }
    return lines;
}

Base64Decoded Base64Decode(const QString &text) {
    const char16_t *units = reinterpret_cast<const char16_t *>(text.utf16());
    const qsizetype length = text.size();
    QByteArray bytes(length / 4 * 3 + 16, Qt::Uninitialized); // room for a last wide store
    auto *out = reinterpret_cast<unsigned char *>(bytes.data());
    std::uint32_t group = 0;
    int inGroup = 0, pads = 0;
    qsizetype firstPad = -1;
    for (qsizetype i = 0; i < length; ++i) {
        // Whole groups at once, while there is no padding yet; one character at a time where
        // a group is broken by a line break, padding or a character that is not Base64.
        if (inGroup == 0 && pads == 0)
            i += decodeWholeGroups(units + i, length - i, out);
        if (i >= length)
            break;
        const int value = valueOf(units[i]);
        if (value == Skipped)
            continue;
        if (value == Padding) {
            if (pads++ == 0)
                firstPad = i;
            continue;
        }
        if (value == Foreign)
            return {{},
                    QCoreApplication::translate("zq::Encoders",
                                                "Not Base64: \"%1\" (character %2) is not one of "
                                                "its letters, digits, \"+\" and \"/\".")
                        .arg(characterAt(text, i))
                        .arg(characterNumber(text, i))};
        if (pads > 0)
            return {{},
                    QCoreApplication::translate("zq::Encoders",
                                                "Not Base64: padding \"=\" (character %1) comes "
                                                "before the end.")
                        .arg(characterNumber(text, firstPad))};
        group = group << 6 | std::uint32_t(value);
        if (++inGroup == 4) {
            putThree(out, group);
            group = 0;
            inGroup = 0;
        }
    }
    if (inGroup == 1)
        return {{},
                QCoreApplication::translate("zq::Encoders",
                                            "Not Base64: the last group has one character, too "
                                            "few for a byte.")};
    if (pads > 0 && (inGroup < 2 || pads != 4 - inGroup))
        return {{},
                QCoreApplication::translate("zq::Encoders",
                                            "Not Base64: the padding at the end does not fit the "
                                            "last group.")};
    if (inGroup == 2) {
        *out++ = static_cast<unsigned char>(group >> 4);
    } else if (inGroup == 3) {
        *out++ = static_cast<unsigned char>(group >> 10);
        *out++ = static_cast<unsigned char>(group >> 2);
    }
    bytes.truncate(out - reinterpret_cast<unsigned char *>(bytes.data()));
    return {bytes, {}};
}

int Base64Value(const QString &character) {
    const int value = character.size() == 1 ? valueOf(character[0].unicode()) : Foreign;
    return value < 0 ? -1 : value;
}

QByteArray HexPairsToBytes(const QString &hexText) {
    QByteArray bytes;
    bytes.reserve(hexText.size() / 2 + 1);
    for (qsizetype i = 0; i < hexText.size(); i += 2) {
        int value = 0;
        for (qsizetype j = i; j < std::min(i + 2, hexText.size()); ++j) {
            const int digit = HexDigitValue(hexText[j].unicode());
            if (digit < 0)
                break;
            value = value * 16 + digit;
        }
        bytes += char(value);
    }
    return bytes;
}

QString TextToHexPairs(const QByteArray &bytes) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    QString out(bytes.size() * 3, Qt::Uninitialized);
    char16_t *o = reinterpret_cast<char16_t *>(out.data());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *o++ = char16_t(Digits[b >> 4]);
        *o++ = char16_t(Digits[b & 15]);
        *o++ = u' ';
    }
    return out;
}

QString EscapeHtmlForBlogger(const QString &text) {
    QString escaped = text;
    escaped.replace(QLatin1String("<"), QLatin1String("&lt;"));
    escaped.replace(QLatin1String("\""), QLatin1String("&quot;"));
    escaped.replace(QLatin1String("'"), QLatin1String("&#039;"));
    escaped.replace(QLatin1String(">"), QLatin1String("&gt;"));
    escaped.replace(QLatin1String("& "), QLatin1String("&amp; "));
    return escaped;
}

QString ReverseText(const QString &text) {
    QByteArray bytes = toCodePage(text);
    std::reverse(bytes.begin(), bytes.end());
    return fromCodePage(bytes);
}

qsizetype CountCharacter(const QString &text, const QString &character) {
    if (character.size() != 1)
        return 0;
    return text.count(character[0]);
}

} // namespace zq
