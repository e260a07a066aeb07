#include "common/number_rules.h"

#include "common/calc_error.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace zq {
namespace {

bool isAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

int digitValue(char16_t c, int radix) {
    const int value = HexDigitValue(c);
    return value < radix ? value : -1;
}

// A whole number written with "&H" or "&O" is a 16-bit value when it fits in 16 bits and a
// 32-bit value when it fits in 32 ('&HFFFF' is -1, '&H10000' is 65536).
double radixValue(std::uint64_t magnitude) {
    if (magnitude <= 0xFFFFu)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(magnitude));
    if (magnitude <= 0xFFFFFFFFu)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
    return static_cast<double>(magnitude);
}

// Digits after "&H"/"&O": value and whether it went past 64 bits.
struct RadixDigits {
    std::uint64_t magnitude = 0;
    bool tooLarge = false;
    void add(int digit, int radix) {
        if (magnitude > (std::numeric_limits<std::uint64_t>::max() - digit) / radix)
            tooLarge = true;
        else
            magnitude = magnitude * radix + digit;
    }
};

// Radix named by the letter after "&": H hexadecimal, O octal; 0 for any other letter.
int radixOfLetter(char16_t c) {
    if (c == u'H' || c == u'h')
        return 16;
    if (c == u'O' || c == u'o')
        return 8;
    return 0;
}

// Radix of a "&H"/"&O" prefix at position i of the text, or 0.
int radixPrefixAt(const char16_t *s, qsizetype n, qsizetype i) {
    return i + 1 < n && s[i] == u'&' ? radixOfLetter(s[i + 1]) : 0;
}

// A decimal number collected into plain ASCII ("0123.45e-6"), ready for from_chars.
class DecimalText {
public:
    void sign(bool negative) { m_negative = negative; }
    void integerDigit(char c) {
        if (c != '0' || m_significant) {
            m_text.push_back(c);
            m_significant = true;
            ++m_integerDigits;
        }
    }
    void fractionDigit(char c) {
        if (!m_hasPoint) {
            m_text.push_back('.');
            m_hasPoint = true;
        }
        m_text.push_back(c);
        if (c != '0')
            m_significant = true;
        else if (!m_significant)
            ++m_leadingFractionZeros;
    }
    void exponentSign(bool negative) { m_exponentNegative = negative; }
    void exponentDigit(char c) {
        // An exponent this long is out of range whatever the digits: saturate.
        if (m_exponent < 100000000)
            m_exponent = m_exponent * 10 + (c - '0');
    }

    // The value; overflow is reported, underflow reads as zero.
    double value(bool *overflow) const {
        *overflow = false;
        if (!m_significant)
            return m_negative ? -0.0 : 0.0;
        const long long exponent = m_exponentNegative ? -m_exponent : m_exponent;
        const std::string text = m_text + 'e' + std::to_string(exponent);
        double result = 0;
        const auto parsed = std::from_chars(text.data(), text.data() + text.size(), result);
        if (parsed.ec == std::errc::result_out_of_range) {
            // The power of ten of the first significant digit tells overflow from underflow.
            const long long leading =
                m_integerDigits > 0 ? m_integerDigits - 1 : -(m_leadingFractionZeros + 1);
            *overflow = leading + exponent > 0;
            result = *overflow ? std::numeric_limits<double>::infinity() : 0.0;
        }
        return m_negative ? -result : result;
    }

private:
    std::string m_text = "0";
    bool m_negative = false;
    bool m_hasPoint = false;
    bool m_significant = false;
    bool m_exponentNegative = false;
    long long m_integerDigits = 0;
    long long m_leadingFractionZeros = 0;
    long long m_exponent = 0;
};

bool isRemovedBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

// Reads the text with the removable blanks skipped, one character at a time.
class BlankSkippingReader {
public:
    explicit BlankSkippingReader(const QString &text)
        : m_s(reinterpret_cast<const char16_t *>(text.utf16())), m_n(text.size()) {
        skip();
    }
    bool atEnd() const { return m_i >= m_n; }
    char16_t peek() const { return atEnd() ? u'\0' : m_s[m_i]; }
    void next() {
        ++m_i;
        skip();
    }
    // Peeks the character after the current one (blanks skipped).
    char16_t peekSecond() const {
        qsizetype j = m_i + 1;
        while (j < m_n && isRemovedBlank(m_s[j]))
            ++j;
        return j < m_n ? m_s[j] : u'\0';
    }

private:
    void skip() {
        while (m_i < m_n && isRemovedBlank(m_s[m_i]))
            ++m_i;
    }
    const char16_t *m_s;
    qsizetype m_n;
    qsizetype m_i = 0;
};

double parseLeadingRadix(BlankSkippingReader &in, int radix) {
    RadixDigits digits;
    for (int d; !in.atEnd() && (d = digitValue(in.peek(), radix)) >= 0; in.next())
        digits.add(d, radix);
    return digits.tooLarge ? std::numeric_limits<double>::max() : radixValue(digits.magnitude);
}

bool isExponentMarker(char16_t c) {
    return c == u'E' || c == u'e' || c == u'D' || c == u'd';
}

void readDigits(BlankSkippingReader &in, DecimalText &number, void (DecimalText::*add)(char),
                bool *any) {
    for (; !in.atEnd() && isAsciiDigit(in.peek()); in.next()) {
        (number.*add)(static_cast<char>(in.peek()));
        *any = true;
    }
}

// Strict parsing works on the trimmed text with an index.
struct StrictCursor {
    const char16_t *s;
    qsizetype n;
    qsizetype i = 0;
    bool atEnd() const { return i >= n; }
    char16_t peek() const { return atEnd() ? u'\0' : s[i]; }
    bool startsWith(const QString &token) const {
        if (token.isEmpty() || i + token.size() > n)
            return false;
        return std::equal(token.utf16(), token.utf16() + token.size(),
                          reinterpret_cast<const ushort *>(s + i));
    }
};

[[noreturn]] void notANumber() {
    throw CalcError(CalcError::Kind::NotANumber, "not a number");
}

double parseStrictRadix(StrictCursor &in, int radix) {
    RadixDigits digits;
    bool any = false;
    for (; !in.atEnd(); ++in.i) {
        const int d = digitValue(in.peek(), radix);
        if (d < 0)
            notANumber();
        digits.add(d, radix);
        any = true;
    }
    if (!any)
        notANumber();
    if (digits.tooLarge || digits.magnitude > 0xFFFFFFFFu)
        throw CalcError(CalcError::Kind::Overflow, "overflow");
    return radixValue(digits.magnitude);
}

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

// Where the locale groups with a no-break space, a typed plain space groups as well.
bool isGroupSeparatorAt(const StrictCursor &in, const QString &group) {
    if (in.startsWith(group))
        return true;
    return in.peek() == u' ' &&
           (group == QStringLiteral("\u00A0") || group == QStringLiteral("\u202F"));
}

qsizetype groupSeparatorLength(const StrictCursor &in, const QString &group) {
    return in.startsWith(group) ? group.size() : 1;
}

// The locale's decimal separator, looked up again only when the default locale changes.
QString decimalSeparator() {
    thread_local QLocale cachedLocale = QLocale::c();
    thread_local QString cachedSeparator = QStringLiteral(".");
    const QLocale current;
    if (current != cachedLocale) {
        cachedLocale = current;
        cachedSeparator = current.decimalPoint();
    }
    return cachedSeparator;
}

// The formatted ASCII text with "." turned into the locale's decimal separator.
QString withDecimalSeparator(const char *ascii, int length) {
    const QString separator = decimalSeparator();
    if (separator.size() == 1) {
        const char16_t point = separator.front().unicode();
        char16_t wide[48];
        for (int i = 0; i < length; ++i)
            wide[i] = ascii[i] == '.' ? point : char16_t(static_cast<unsigned char>(ascii[i]));
        return QString(reinterpret_cast<const QChar *>(wide), length);
    }
    return QString::fromLatin1(ascii, length).replace(QLatin1Char('.'), separator);
}

// Writes x rounded to `digits` significant digits in the general number format, with "." as
// the decimal point, into out (48 characters); returns the length.
int formatGeneralAscii(double x, int digits, char *out) {
    if (!std::isfinite(x))
        throw CalcError(CalcError::Kind::Overflow, "number out of range");
    if (x == 0) {
        out[0] = '0';
        return 1;
    }

    char scientific[48];
    const auto converted = std::to_chars(scientific, scientific + sizeof scientific, x,
                                         std::chars_format::scientific, digits - 1);
    const char *p = scientific;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    char mantissa[24];
    int count = 0;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            mantissa[count++] = *p;
    int exponent = 0;
    std::from_chars(p + 2, converted.ptr, exponent);
    if (p[1] == '-')
        exponent = -exponent;
    while (count > 1 && mantissa[count - 1] == '0')
        --count;

    int n = 0;
    if (negative)
        out[n++] = '-';
    if (exponent < -4 || exponent >= digits) {
        out[n++] = mantissa[0];
        if (count > 1) {
            out[n++] = '.';
            for (int k = 1; k < count; ++k)
                out[n++] = mantissa[k];
        }
        out[n++] = 'E';
        out[n++] = exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            out[n++] = '0';
        n = static_cast<int>(std::to_chars(out + n, out + 48, magnitude).ptr - out);
    } else if (exponent < 0) {
        out[n++] = '0';
        out[n++] = '.';
        for (int k = -1; k > exponent; --k)
            out[n++] = '0';
        for (int k = 0; k < count; ++k)
            out[n++] = mantissa[k];
    } else {
        for (int k = 0; k <= exponent; ++k)
            out[n++] = k < count ? mantissa[k] : '0';
        if (count > exponent + 1) {
            out[n++] = '.';
            for (int k = exponent + 1; k < count; ++k)
                out[n++] = mantissa[k];
        }
    }
    return n;
}

QString formatGeneral(double x, int digits) {
    char out[48];
    const int length = formatGeneralAscii(x, digits, out);
    return withDecimalSeparator(out, length);
}

// The signed-number text form: "." whatever the locale, a space before a number that is not
// negative.
QString signedText(double x, int digits) {
    char out[49];
    out[0] = ' ';
    const int length = formatGeneralAscii(x, digits, out + 1);
    const bool negative = out[1] == '-';
    return negative ? QString::fromLatin1(out + 1, length) : QString::fromLatin1(out, length + 1);
}

} // namespace

int HexDigitValue(char16_t c) {
    if (isAsciiDigit(c))
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

LeadingNumber ReadLeadingNumber(const QString &text) {
    BlankSkippingReader in(text);
    if (in.atEnd())
        return {0, NumberReading::Empty};
    // What is left after the number decides how it was read.
    auto readAs = [&in](double value) {
        return LeadingNumber{value, in.atEnd() ? NumberReading::Whole : NumberReading::Leading};
    };
    if (const char16_t first = in.peek(); first == u'&') {
        const int radix = radixOfLetter(in.peekSecond());
        if (radix == 0)
            return {0, NumberReading::Nothing};
        in.next();
        in.next();
        if (in.atEnd() || digitValue(in.peek(), radix) < 0)
            return {0, NumberReading::Nothing};
        return readAs(parseLeadingRadix(in, radix));
    }

    DecimalText number;
    if (in.peek() == u'+' || in.peek() == u'-') {
        number.sign(in.peek() == u'-');
        in.next();
    }
    bool anyDigit = false;
    readDigits(in, number, &DecimalText::integerDigit, &anyDigit);
    if (in.peek() == u'.') {
        in.next();
        readDigits(in, number, &DecimalText::fractionDigit, &anyDigit);
    }
    if (!anyDigit)
        return {0, NumberReading::Nothing};
    bool overflow = false;
    if (isExponentMarker(in.peek())) {
        const char16_t afterMarker = in.peekSecond();
        if (isAsciiDigit(afterMarker) || afterMarker == u'+' || afterMarker == u'-') {
            in.next();
            if (in.peek() == u'+' || in.peek() == u'-') {
                number.exponentSign(in.peek() == u'-');
                in.next();
            }
            if (!isAsciiDigit(in.peek()))
                return {number.value(&overflow), NumberReading::Leading}; // "1e+": no exponent
            for (; !in.atEnd() && isAsciiDigit(in.peek()); in.next())
                number.exponentDigit(static_cast<char>(in.peek()));
        }
    }
    return readAs(number.value(&overflow));
}

double ParseNumber(const QString &text) {
    return ReadLeadingNumber(text).value;
}

double ParseNumberStrict(const QString &text) {
    const char16_t *s = reinterpret_cast<const char16_t *>(text.utf16());
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(s[begin]))
        ++begin;
    while (end > begin && isBlank(s[end - 1]))
        --end;
    StrictCursor in{s + begin, end - begin};
    if (in.atEnd())
        notANumber();

    if (const int radix = radixPrefixAt(in.s, in.n, 0)) {
        in.i = 2;
        return parseStrictRadix(in, radix);
    }

    const QLocale locale;
    const QString group = locale.groupSeparator();
    const QString decimal = locale.decimalPoint();

    DecimalText number;
    if (in.peek() == u'+' || in.peek() == u'-') {
        number.sign(in.peek() == u'-');
        ++in.i;
    }
    bool anyDigit = false;
    while (!in.atEnd()) {
        if (isAsciiDigit(in.peek())) {
            number.integerDigit(static_cast<char>(in.peek()));
            anyDigit = true;
            ++in.i;
        } else if (anyDigit && !in.startsWith(decimal) && isGroupSeparatorAt(in, group)) {
            in.i += groupSeparatorLength(in, group);
        } else {
            break;
        }
    }
    if (in.startsWith(decimal)) {
        in.i += decimal.size();
        for (; !in.atEnd() && isAsciiDigit(in.peek()); ++in.i) {
            number.fractionDigit(static_cast<char>(in.peek()));
            anyDigit = true;
        }
    }
    if (!anyDigit)
        notANumber();
    if (in.peek() == u'E' || in.peek() == u'e') {
        ++in.i;
        if (in.peek() == u'+' || in.peek() == u'-') {
            number.exponentSign(in.peek() == u'-');
            ++in.i;
        }
        bool anyExponentDigit = false;
        for (; !in.atEnd() && isAsciiDigit(in.peek()); ++in.i) {
            number.exponentDigit(static_cast<char>(in.peek()));
            anyExponentDigit = true;
        }
        if (!anyExponentDigit)
            notANumber();
    }
    if (!in.atEnd())
        notANumber();
    bool overflow = false;
    const double value = number.value(&overflow);
    if (overflow)
        throw CalcError(CalcError::Kind::Overflow, "overflow");
    return value;
}

QString FormatNumberText(double x) {
    return formatGeneral(x, 15);
}

QString FormatSingleText(float x) {
    return formatGeneral(x, 7);
}

QString SignedNumberText(double x) {
    return signedText(x, 15);
}

QString SignedSingleText(float x) {
    return signedText(x, 7);
}

double RoundHalfEven(double x, int n) {
    if (n < 0)
        throw CalcError(CalcError::Kind::InvalidArgument, "invalid number of decimal places");
    if (!std::isfinite(x) || std::fabs(x) >= 4503599627370496.0) // 2^52: already whole
        return x;
    if (n == 0)
        return std::nearbyint(x); // the default rounding mode sends ties to even
    // Round the exact decimal expansion of x, then read the rounded text back.
    std::string buffer(static_cast<std::size_t>(n) + 32, '\0');
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::fixed, n);
    double result = x;
    std::from_chars(buffer.data(), written.ptr, result);
    return result;
}

} // namespace zq
