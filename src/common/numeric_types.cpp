#include "common/numeric_types.h"

#include "common/calc_error.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>

namespace zq {
namespace {

[[noreturn]] void overflow() {
    throw CalcError(CalcError::Kind::Overflow, "overflow");
}

template <class Integer> Integer roundToInteger(double x) {
    const double rounded = std::nearbyint(x); // ties to even in the default rounding mode
    if (!(rounded >= static_cast<double>(std::numeric_limits<Integer>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Integer>::max())))
        overflow(); // NaN fails here too
    return static_cast<Integer>(rounded);
}

} // namespace

std::int16_t toInt16(double x) {
    return roundToInteger<std::int16_t>(x);
}
std::int32_t toInt32(double x) {
    return roundToInteger<std::int32_t>(x);
}
std::uint8_t toByte(double x) {
    return roundToInteger<std::uint8_t>(x);
}

float toSingle(double x) {
    if (std::isnan(x))
        overflow();
    const float f = static_cast<float>(x);
    if (std::isinf(f))
        overflow();
    return f;
}

Currency Currency::fromDouble(double x) {
    if (!std::isfinite(x) || std::fabs(x) > 1e15)
        overflow();
    // Rounding the exact decimal expansion avoids the error of scaling by 10000 in binary.
    char text[48];
    const auto written = std::to_chars(text, text + sizeof text, x, std::chars_format::fixed, 4);
    char digits[48];
    int n = 0;
    for (const char *p = text; p != written.ptr; ++p)
        if (*p != '.')
            digits[n++] = *p;
    std::int64_t units = 0;
    if (std::from_chars(digits, digits + n, units).ec != std::errc())
        overflow();
    return Currency(units);
}

QString Currency::toText() const {
    const bool negative = m_units < 0;
    // Work in unsigned so the most negative value has a magnitude too.
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(m_units) : static_cast<std::uint64_t>(m_units);
    QString text = QString::number(magnitude / Scale);
    std::uint64_t fraction = magnitude % Scale;
    if (fraction != 0) {
        QString decimals = QString::number(fraction).rightJustified(4, QLatin1Char('0'));
        while (decimals.endsWith(QLatin1Char('0')))
            decimals.chop(1);
        text += QLocale().decimalPoint() + decimals;
    }
    return negative ? QLatin1Char('-') + text : text;
}

Currency Currency::operator+(Currency other) const {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(m_units, other.m_units, &sum))
        overflow();
    return Currency(sum);
}

Currency Currency::operator-(Currency other) const {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(m_units, other.m_units, &difference))
        overflow();
    return Currency(difference);
}

Currency Currency::operator*(Currency other) const {
    const __int128 product = static_cast<__int128>(m_units) * other.m_units;
    __int128 quotient = product / Scale;
    const __int128 remainder = product % Scale;
    // Ties to even on the dropped four digits.
    const __int128 twice = (remainder < 0 ? -remainder : remainder) * 2;
    if (twice > Scale || (twice == Scale && (quotient & 1) != 0))
        quotient += product < 0 ? -1 : 1;
    if (quotient > std::numeric_limits<std::int64_t>::max() ||
        quotient < std::numeric_limits<std::int64_t>::min())
        overflow();
    return Currency(static_cast<std::int64_t>(quotient));
}

} // namespace zq
