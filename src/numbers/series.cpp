#include "numbers/series.h"

#include "common/calc_error.h"
#include "common/float_faults.h"
#include "common/number_rules.h"
#include "common/numeric_types.h"

#include <QCoreApplication>

#include <cmath>

namespace zq {
namespace {

constexpr double ExactLimit = 9007199254740992.0; // 2^53: whole numbers up to here are exact

bool isWhole(double x) {
    return std::isfinite(x) && x == std::floor(x);
}

// How many terms i, i+1, ... (at most up to b) can be added to s while every partial sum stays
// a whole number within 2^53, where each addition is exact.
std::int64_t exactSteps(double s, double i, double b) {
    if (!isWhole(s) || !isWhole(i) || s < 0 || i < 0 || s > ExactLimit || i > ExactLimit)
        return 0;
    const __int128 room = static_cast<__int128>(ExactLimit) - static_cast<__int128>(s);
    const __int128 first = static_cast<__int128>(i);
    const auto sumOf = [first](__int128 m) { return m * first + m * (m - 1) / 2; };
    // Largest m with sumOf(m) <= room, found by doubling and halving.
    __int128 low = 0;
    __int128 high = 1;
    while (sumOf(high) <= room && high < (static_cast<__int128>(1) << 62))
        high *= 2;
    while (high - low > 1) {
        const __int128 middle = (low + high) / 2;
        (sumOf(middle) <= room ? low : high) = middle;
    }
    const double termsToB = std::floor(b - i) + 1;
    const __int128 toB = termsToB > 0 ? static_cast<__int128>(termsToB) : 0;
    return static_cast<std::int64_t>(std::min(low, toB));
}

template <class NextTerm>
ProgressionTerms progressionTerms(double first, double terms, NextTerm next) {
    checkProgressionTermCount(terms);
    ProgressionTerms result;
    result.lines.reserve(static_cast<qsizetype>(terms));
    double term = first;
    for (std::int64_t k = 2; k <= static_cast<std::int64_t>(terms); ++k) {
        try {
            term = checkedFloat([&] { return next(term); });
        } catch (const CalcError &) {
            result.complete = false;
            break;
        }
        result.lines << QString::number(k) + QLatin1Char('\t') + FormatNumberText(term);
    }
    return result;
}

template <class Sum> QString sumText(Sum sum) {
    try {
        return QCoreApplication::translate("zq::Series", "Sum of the Series: %1")
            .arg(toInt32(checkedFloat(sum)));
    } catch (const CalcError &) {
        return {};
    }
}

// Adds the whole terms i, i + 1, ... up to b to a sum s of at least 2^53, giving exactly the
// doubles of adding them one by one. Every sum then rounds to a multiple of the spacing u of
// doubles near s, so in a run of u terms starting at a multiple of u each term's rounding
// follows from its remainder modulo u: below u/2 down, above u/2 up, and the one tie to the
// even multiple. Runs are added at once; where a run would cross into the next power of two,
// terms are added one by one.
void addTermsInBlocks(double &s, double &i, double b) {
    constexpr std::int64_t SpacingUnits = std::int64_t(1) << 53; // a power of two, in spacings
    std::int64_t term = static_cast<std::int64_t>(i);
    const auto last = static_cast<std::int64_t>(std::floor(b));
    while (term <= last) {
        if (s >= 0x1p62) { // beyond what the whole-number bookkeeping holds: one by one
            for (; term <= last; ++term)
                s = s + static_cast<double>(term);
            break;
        }
        int exponent = 0;
        std::frexp(s, &exponent);
        const int shift = exponent - 53;
        const std::int64_t unit = std::int64_t(1) << shift;
        const std::int64_t half = unit / 2;
        std::int64_t sum = static_cast<std::int64_t>(s) >> shift; // s counted in spacings
        while ((term & (unit - 1)) == 0 && term + unit - 1 <= last) {
            const std::int64_t quotient = term >> shift;
            if (sum + unit * quotient + unit >= SpacingUnits)
                break;                                // the run would reach the next power of two
            sum += half * quotient;                   // remainders below u/2 round down
            sum += quotient + ((sum + quotient) & 1); // the tie goes to the even multiple
            sum += (half - 1) * (quotient + 1);       // remainders above u/2 round up
            term += unit;
        }
        s = static_cast<double>(sum << shift);
        if (term <= last) // a term out of step with the runs, added on its own
            s = s + static_cast<double>(term++);
    }
    i = static_cast<double>(term);
}

} // namespace

double SumRange(double a, double b) {
    double s = 0;
    double i = a;
    // The first run of additions is exact (whole sums up to 2^53): summed at once, it gives
    // the same double as adding term by term.
    if (const std::int64_t steps = exactSteps(s, i, b); steps > 1) {
        const __int128 m = steps;
        s = static_cast<double>(m * static_cast<__int128>(i) + m * (m - 1) / 2);
        i += static_cast<double>(steps);
    }
    while (i <= b) {
        if (s >= ExactLimit && i >= 0 && isWhole(i) && b < ExactLimit / 2) {
            addTermsInBlocks(s, i, b);
            break;
        }
        s = s + i;
        const double next = i + 1;
        if (next == i)
            throw CalcError(CalcError::Kind::InvalidArgument, "the terms no longer step by 1");
        i = next;
    }
    return s;
}

double ProductRange(double a, double b) {
    double p = 1;
    for (double i = a; i <= b; i = i + 1) {
        p = checkedFloat([&] { return p * i; });
        if (p == 0)
            break; // nothing changes a product of 0 any more
    }
    return p;
}

std::optional<double> SumDifferenceOfCubes(double a, const QString &op, double b) {
    const bool sum = op == QLatin1String("+");
    if (!sum && op != QLatin1String("-"))
        return std::nullopt;
    return checkedFloat([&] {
        const double cubeA = std::pow(a, 3);
        const double cubeB = std::pow(b, 3);
        return sum ? cubeA + cubeB : cubeA - cubeB;
    });
}

void checkProgressionTermCount(double terms) {
    if (!(terms >= 2 && terms <= MaxProgressionTerms && isWhole(terms)))
        throw CalcError(CalcError::Kind::InvalidArgument, "the number of terms must be whole");
}

ProgressionTerms ArithmeticTerms(double first, double step, double terms) {
    return progressionTerms(first, terms, [step](double term) { return term + step; });
}

ProgressionTerms GeometricTerms(double first, double ratio, double terms) {
    return progressionTerms(first, terms, [ratio](double term) { return term * ratio; });
}

QString ArithmeticSumText(double first, double step, double terms) {
    return sumText([&] { return 0.5 * terms * (2 * first + (terms - 1) * step); });
}

QString GeometricSumText(double first, double ratio, double terms) {
    return sumText([&] { return first * (1 - std::pow(ratio, terms)) / (1 - ratio); });
}

double fibonacciTerm(std::int16_t rakam) {
    if (rakam < 2)
        return rakam;
    double before = 0;
    double last = 1;
    for (int k = 2; k <= rakam; ++k) {
        const double next = last + before;
        before = last;
        last = next;
    }
    // Once past the double range the terms stay infinite, so one check at the end suffices.
    if (std::isinf(last))
        throw CalcError(CalcError::Kind::Overflow, "overflow");
    return last;
}

double FactorialValue(std::uint8_t n) {
    double product = 1;
    for (int k = 1; k <= n; ++k)
        product = checkedFloat([&] { return k * product; });
    return product;
}

QString PascalTriangleText(double n) {
    if (n > 99)
        throw CalcError(CalcError::Kind::Overflow, "too many rows");
    QString text;
    for (double i = 0; i <= n; ++i) {
        text += QLatin1String("\r\n1");
        const auto row = static_cast<__int128>(i);
        __int128 c = 1;
        for (__int128 j = 1; j <= row; ++j) {
            c = c * (row - j + 1) / j;
            text += QLatin1Char(' ');
            // Coefficients beyond 64 bits (from row 67) are written in two halves.
            constexpr __int128 Half = 1000000000000000000LL;
            if (c >= Half)
                text += QString::number(static_cast<qint64>(c / Half)) +
                        QString::number(static_cast<qint64>(c % Half))
                            .rightJustified(18, QLatin1Char('0'));
            else
                text += QString::number(static_cast<qint64>(c));
        }
    }
    return text;
}

QStringList MultiplicationTableLines() {
    QStringList lines;
    for (int k = 1; k <= 10; ++k)
        for (int i = 1; i <= 10; ++i)
            lines << QStringLiteral("%1*%2 = %3").arg(k).arg(i).arg(k * i);
    return lines;
}

double Combination(double n, double r) {
    double numerator = 1;
    double denominator = 1;
    for (double i = 0; i <= r - 1; ++i) {
        numerator = checkedFloat([&] { return numerator * (n - i); });
        denominator = checkedFloat([&] { return denominator * (i + 1); });
    }
    return checkedFloat([&] { return numerator / denominator; });
}

double Permutation(double n, double r) {
    double p = 1;
    for (double i = 0; i <= r - 1; ++i) {
        p = checkedFloat([&] { return p * (n - i); });
        if (p == 0)
            break; // a factor n - i reached 0: the product stays 0
    }
    return p;
}

} // namespace zq
