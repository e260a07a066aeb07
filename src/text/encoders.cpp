#include "text/encoders.h"

#include "common/code_page.h"
#include "text/digests.h"

#include <QByteArray>

#include <algorithm>
#include <array>

namespace zq {
namespace {

constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The value of each character code below 128 in the alphabet, -1 for the rest.
constexpr std::array<signed char, 128> AlphabetValues = [] {
    std::array<signed char, 128> values{};
    values.fill(-1);
    for (int i = 0; i < 64; ++i)
        values[static_cast<unsigned char>(Alphabet[i])] = static_cast<signed char>(i);
    return values;
}();

int valueOf(char16_t c) {
    return c < 128 ? AlphabetValues[c] : -1;
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

} // namespace

QString Base64Encode(const QString &text) {
    const QByteArray bytes = toCodePage(text);
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype length = bytes.size();
    QByteArray out;
    out.reserve((length + 2) / 3 * 4);
    for (qsizetype i = 0; i < length; i += 3) {
        const unsigned a = b[i];
        const unsigned second = i + 1 < length ? b[i + 1] : 0;
        const unsigned third = i + 2 < length ? b[i + 2] : 0;
        out += Alphabet[a / 4];
        out += Alphabet[(a & 3) * 16 + second / 16];
        if (i + 1 < length)
            out += Alphabet[(second & 15) * 4 + third / 64];
        if (i + 2 < length)
            out += Alphabet[third & 63];
    }
    return QString::fromLatin1(out);
}

QString Base64Decode(const QString &text) {
    const char16_t *units = reinterpret_cast<const char16_t *>(text.utf16());
    const qsizetype length = text.size();
    auto value = [&](qsizetype i) { return i < length ? valueOf(units[i]) : -1; };
    QByteArray bytes;
    bytes.reserve(length / 4 * 3 + 3);
    for (qsizetype i = 0; i < length; i += 4) {
        const int w1 = value(i), w2 = value(i + 1), w3 = value(i + 2), w4 = value(i + 3);
        // AND 255 keeps the low bits of the two's-complement value when a -1 enters.
        if (w2 >= 0)
            bytes += char(((w2 / 16) + w1 * 4) & 255);
        if (w3 >= 0)
            bytes += char(((w3 / 4) + w2 * 16) & 255);
        if (w4 >= 0)
            bytes += char((w3 * 64 + w4) & 255);
    }
    return fromCodePage(bytes);
}

int Base64Value(const QString &character) {
    return character.size() == 1 ? valueOf(character[0].unicode()) : -1;
}

QString HexPairsToText(const QString &hexText) {
    QByteArray bytes;
    bytes.reserve(hexText.size() / 2 + 1);
    for (qsizetype i = 0; i < hexText.size(); i += 2) {
        int value = 0;
        for (qsizetype j = i; j < std::min(i + 2, hexText.size()); ++j) {
            const int digit = hexDigit(hexText[j]);
            if (digit < 0)
                break;
            value = value * 16 + digit;
        }
        bytes += char(value);
    }
    return fromCodePage(bytes);
}

QString TextToHexPairs(const QString &text) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    const QByteArray bytes = LowBytes(text);
    QByteArray out;
    out.reserve(bytes.size() * 3);
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        out += Digits[b >> 4];
        out += Digits[b & 15];
        out += ' ';
    }
    return QString::fromLatin1(out);
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

qsizetype CountAll(const QString &text) {
    return text.size();
}

} // namespace zq
