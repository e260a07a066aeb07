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

char encodeChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i)
        if (HighControlRange[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QByteArray toCodePage(const QString &text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    const char16_t *s = reinterpret_cast<const char16_t *>(text.utf16());
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = encodeChar(s[i]);
    return bytes;
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
