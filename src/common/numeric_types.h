#pragma once

#include <QString>

#include <cstdint>

namespace zq {

// Narrowing to the named whole-number types and to single precision: the value is rounded
// half to even first; a value outside the type's range throws CalcError (overflow).
std::int16_t toInt16(double x);
std::int32_t toInt32(double x);
std::uint8_t toByte(double x);
float toSingle(double x);

// 64-bit fixed point with four decimals: ten-thousandths in an integer,
// from -922337203685477.5808 to 922337203685477.5807.
class Currency {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromUnits(std::int64_t units) { return Currency(units); }
    // Rounds the exact decimal value of x to four places, ties to even.
    static Currency fromDouble(double x);

    constexpr std::int64_t units() const { return m_units; }
    double toDouble() const { return static_cast<double>(m_units) / Scale; }
    // Plain decimal text, trailing zeros of the fraction dropped, locale decimal separator.
    QString toText() const;

    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency operator*(Currency other) const;
    constexpr bool operator==(const Currency &) const = default;
    constexpr auto operator<=>(const Currency &) const = default;

private:
    constexpr explicit Currency(std::int64_t units) : m_units(units) {}
    std::int64_t m_units = 0;
};

} // namespace zq
