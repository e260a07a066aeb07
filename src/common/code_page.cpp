#include "common/code_page.h"

#include <array>

namespace zq {
namespace {

// Bytes 0x80 to 0x9F; the five bytes the code page leaves undefined map to the control
// character of the same number, as the system conversion does.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The byte of a character, or -1 when the code page has none.
int byteOf(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < HighControlRange.size(); ++i)
        if (HighControlRange[i] == c)
            return int(0x80 + i);
    return -1;
}

char encodeChar(char16_t c) {
    const int byte = byteOf(c);
    return byte < 0 ? '?' : static_cast<char>(byte);
}

// Plain ASCII text is its own bytes; the test runs at the speed of memory.
bool isAscii(const QString &text) {
    const char16_t *s = reinterpret_cast<const char16_t *>(text.utf16());
    char16_t seen = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        seen |= s[i];
    return seen < 0x80;
}

} // namespace

QByteArray toCodePage(const QString &text) {
    if (isAscii(text))
        return text.toLatin1();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    const char16_t *s = reinterpret_cast<const char16_t *>(text.utf16());
    char *out = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = encodeChar(s[i]);
    return bytes;
}

qsizetype firstOutsideCodePage(const QString &text) {
    if (isAscii(text))
        return -1;
    const char16_t *s = reinterpret_cast<const char16_t *>(text.utf16());
    for (qsizetype i = 0; i < text.size(); ++i)
        if (s[i] >= 0x80 && byteOf(s[i]) < 0)
            return i;
    return -1;
}

QString fromCodePage(const QByteArray &bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? HighControlRange[b - 0x80] : char16_t(b);
    }
    return text;
}

} // namespace zq
