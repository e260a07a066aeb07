#include "numbers/primes.h"

#include "common/calc_error.h"
#include "common/number_rules.h"
#include "common/numeric_types.h"

#include <QCoreApplication>

#include <cmath>

namespace zq {
namespace {

// What a prime and a non-prime number are called: the verdict after the number, and the
// prime table's line with the number at %1.
struct PrimeWording {
    const char *verdict;
    const char *tableLine;
};

constexpr PrimeWording Prime = {QT_TRANSLATE_NOOP("zq::Primes", "is prime number"),
                                QT_TRANSLATE_NOOP("zq::Primes", "%1   prime")};
constexpr PrimeWording NonPrime = {QT_TRANSLATE_NOOP("zq::Primes", "is non-prime number"),
                                   QT_TRANSLATE_NOOP("zq::Primes", "%1   non-prime")};

const PrimeWording &wordingOf(bool prime) {
    return prime ? Prime : NonPrime;
}

QString shown(const char *text) {
    return QCoreApplication::translate("zq::Primes", text);
}

// The verdict's English text for k, or null when there is no number to judge.
const char *verdictOf(double k) {
    if (!(k > 0.5)) // rounds to 0 or below, half to even
        return nullptr;
    return wordingOf(IsPrimeByTrialDivision(k)).verdict;
}

// Every table line starts with a space.
QString tableLine(const QString &wording, std::int64_t i) {
    return QLatin1Char(' ') + wording.arg(i);
}

bool hasDivisorUpToRoot(std::int64_t m) {
    if (m % 2 == 0)
        return m != 2;
    for (std::int64_t j = 3; j * j <= m; j += 2)
        if (m % j == 0)
            return true;
    return false;
}

} // namespace

bool IsPrimeByTrialDivision(double k) {
    // Below 1.5 the rounded value is 1 or less: not prime. Up to 3 it is 2 or 3: prime.
    if (!(k >= 1.5))
        return false;
    if (k < 3)
        return true;
    // The tested value is k rounded; its divisors up to its square root decide, since a
    // composite value has one there and that one lies within 2 .. k - 1.
    const std::int64_t m = toInt32(k);
    return !hasDivisorUpToRoot(m);
}

QString PrimeVerdictText(double k) {
    const char *verdict = verdictOf(k);
    return verdict ? shown(verdict) : QString();
}

QString EnglishPrimeVerdictText(double k) {
    const char *verdict = verdictOf(k);
    return verdict ? QString::fromUtf8(verdict) : QString();
}

QString PrimeFactorText(double n) {
    const double bound = n; // the divisors run up to n as given, not as it shrinks
    if (!(bound >= 2))
        return {};
    // The running quotient's rounded value shrinks exactly like an integer factorisation.
    std::int64_t m = toInt32(n);
    QString text;
    const auto appendFactor = [&text](std::int64_t factor) {
        text += QString::number(factor);
        text += QLatin1String(" * ");
    };
    for (std::int64_t i = 2; i * i <= m && i <= bound; ++i) {
        while (m % i == 0) {
            appendFactor(i);
            m /= i;
        }
    }
    // What is left is 1 or a prime, found when the divisors reach it within the bound.
    if (m > 1 && double(m) <= bound)
        appendFactor(m);
    return text;
}

std::int64_t primeTableRowCount(double n) {
    return n >= 1 ? static_cast<std::int64_t>(std::floor(n)) : 0;
}

QString primeTableLine(std::int64_t i) {
    return tableLine(shown(wordingOf(IsPrimeByTrialDivision(double(i))).tableLine), i);
}

std::vector<bool> primeVerdicts(std::int64_t first, std::int64_t count) {
    std::vector<bool> prime(static_cast<std::size_t>(count), true);
    const std::int64_t last = first + count - 1;
    for (std::int64_t p = 2; p * p <= last; ++p) {
        // Composite p need not sieve: their multiples are crossed out by their factors.
        if (p > 3 && hasDivisorUpToRoot(p))
            continue;
        std::int64_t multiple = std::max(p * p, (first + p - 1) / p * p);
        for (; multiple <= last; multiple += p)
            prime[static_cast<std::size_t>(multiple - first)] = false;
    }
    for (std::int64_t k = first; k < 2 && k <= last; ++k)
        prime[static_cast<std::size_t>(k - first)] = false;
    return prime;
}

QStringList englishPrimeTableLines(std::int64_t first, std::int64_t count) {
    const std::vector<bool> prime = primeVerdicts(first, count);
    const QString primeLine = QString::fromUtf8(Prime.tableLine);
    const QString nonPrimeLine = QString::fromUtf8(NonPrime.tableLine);
    QStringList lines;
    lines.reserve(count);
    for (std::int64_t k = 0; k < count; ++k)
        lines << tableLine(prime[static_cast<std::size_t>(k)] ? primeLine : nonPrimeLine,
                           first + k);
    return lines;
}

QStringList EnglishPrimeTableLines(double n) {
    return englishPrimeTableLines(1, primeTableRowCount(n));
}

DivisibilityOutcome DivisibilityResult(const QString &dividendText, const QString &divisorText) {
    const std::int32_t a = toInt32(ParseNumberStrict(dividendText));
    const std::int32_t b = toInt32(ParseNumberStrict(divisorText));
    if (b == 0)
        throw CalcError(CalcError::Kind::DivisionByZero, "division by zero");
    // -2147483648 mod -1 is 0; computed directly it would trap.
    const std::int32_t r = b == -1 ? 0 : a % b;
    const QString remainder = QString::number(r);
    const QString verdict =
        r == 0 ? shown(QT_TRANSLATE_NOOP("zq::Primes", "Divisible by %1")).arg(divisorText)
               : shown(QT_TRANSLATE_NOOP("zq::Primes", "Not divisible by %1 , remainder %2"))
                     .arg(divisorText, remainder);
    return {remainder, verdict};
}

} // namespace zq
