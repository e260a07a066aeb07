#include "convert/number_bases.h"

#include "common/calc_error.h"
#include "common/float_faults.h"
#include "common/number_rules.h"

#include <cmath>

namespace zq {
namespace {

[[noreturn]] void notADigit() {
    throw CalcError(CalcError::Kind::NotANumber, "not a digit");
}

int hexDigit(QChar c) {
    const int value = HexDigitValue(c.unicode());
    if (value < 0)
        notADigit();
    return value;
}

// Adds digit * radix^k for each digit, the last character first.
template <class DigitValue>
double positionalValue(const QString &text, double radix, DigitValue digitValue) {
    double result = 0;
    const qsizetype length = text.size();
    for (qsizetype k = 0; k < length; ++k) {
        const int digit = digitValue(text.at(length - 1 - k));
        result = checkedFloat([&] { return result + digit * std::pow(radix, double(k)); });
    }
    return result;
}

} // namespace

double FloorDiv(double a, double b) {
    return checkedFloat([&] { return std::floor(a / b); });
}

double FloorMod(double a, double b) {
    const double quotient = FloorDiv(a, b);
    return checkedFloat([&] { return a - quotient * b; });
}

std::optional<double> HexToDec(const QString &text) {
    if (text.isEmpty())
        return std::nullopt;
    return positionalValue(text, 16, hexDigit);
}

QString DecToHex(double n) {
    if (std::isnan(n) || n < 0)
        throw CalcError(CalcError::Kind::InvalidArgument, "negative number");
    QString result;
    do {
        // Rounding to 15 digits clears a fraction's binary noise; a whole number needs none,
        // and from 10^15 on the rounding would change its last digits.
        const double v = n == std::floor(n) ? n : ParseNumber(FormatNumberText(n));
        QString digit = FormatNumberText(FloorMod(v, 16)).trimmed();
        if (ParseNumberStrict(digit) > 9)
            digit = QChar(char16_t(RoundHalfEven(ParseNumber(digit) + 55)));
        n = FloorDiv(n, 16);
        result.prepend(digit);
    } while (n != 0);
    return result;
}

QString ToBinary(std::int32_t n) {
    QString digits;
    while (n >= 2) {
        digits.prepend(QLatin1Char(n % 2 ? '1' : '0'));
        n /= 2;
    }
    return QString::number(n) + digits;
}

double onluk(const QString &ikilik) {
    return positionalValue(ikilik, 2, [](QChar c) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            notADigit();
        return c.unicode() - u'0';
    });
}

QString SecondsToMinSec(double x) {
    // A negative time reads as the positive one with a minus sign ('-2:05').
    if (x < 0)
        return QLatin1Char('-') + SecondsToMinSec(-x);
    try {
        const double minutes = std::trunc(x / 60);
        const double seconds = checkedFloat([&] { return x - minutes * 60; });
        return FormatNumberText(minutes) + QLatin1Char(':') +
               (seconds < 10 ? QStringLiteral("0") : QString()) + FormatNumberText(seconds);
    } catch (const CalcError &) {
        return QStringLiteral("0:00");
    }
}

} // namespace zq
