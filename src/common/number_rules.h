#pragma once

#include <QString>

namespace zq {

// The leading number of a text; never fails. Blanks are removed first, only "." is a decimal
// point, "&H"/"&O" read hexadecimal/octal, anything without a leading number reads as 0.
double ParseNumber(const QString &text);

// How ParseNumber read a text: all of it (blanks aside), only a leading part, no number at
// all, or a text of nothing but blanks. The window marks every reading but the first.
enum class NumberReading { Whole, Leading, Nothing, Empty };
struct LeadingNumber {
    double value = 0;
    NumberReading reading = NumberReading::Empty;
};
LeadingNumber ReadLeadingNumber(const QString &text);

// The whole text must be one number in the current locale's form (group separators in the
// integer part, the locale's decimal separator, an exponent, or the "&H"/"&O" forms);
// otherwise throws CalcError.
double ParseNumberStrict(const QString &text);

// General number format: at most 15 significant digits, exponent form for decimal exponents
// below -4 and from 15 on, the locale's decimal separator. Throws CalcError for an infinity or
// NaN, which no text box can show.
QString FormatNumberText(double x);

// The same general format for single-precision values: 7 significant digits, exponent form
// from a decimal exponent of 7 on.
QString FormatSingleText(float x);

// The signed-number text form of the general format: "." as the decimal point whatever the
// locale, and one space before a number that is not negative (' 5', '-5', ' 1.5E+20').
QString SignedNumberText(double x);
QString SignedSingleText(float x);

// The value of a hexadecimal digit (0 to 9, A to F, a to f); -1 for any other character.
int HexDigitValue(char16_t c);

// Rounds x to n decimal places, ties to the even last digit, judged on x's exact value.
double RoundHalfEven(double x, int n = 0);

} // namespace zq
