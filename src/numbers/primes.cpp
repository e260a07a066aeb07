#include "numbers/primes.h"

#include "common/calc_error.h"
#include "common/number_rules.h"
#include "common/numeric_types.h"

#include <cmath>

namespace zq {
namespace {

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
    if (!(k > 0.5)) // rounds to 0 or below, half to even
        return {};
    return IsPrimeByTrialDivision(k) ? QStringLiteral("is prime number")
                                     : QStringLiteral("is non-prime number");
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

QString primeTableLine(std::int64_t i, bool prime) {
    return QLatin1Char(' ') + QString::number(i) +
           (prime ? QLatin1String("   prime") : QLatin1String("   non-prime"));
}

QString primeTableLine(std::int64_t i) {
    return primeTableLine(i, IsPrimeByTrialDivision(double(i)));
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

QStringList primeTableLines(std::int64_t first, std::int64_t count) {
    const std::vector<bool> prime = primeVerdicts(first, count);
    QStringList lines;
    lines.reserve(count);
    for (std::int64_t k = 0; k < count; ++k)
        lines << primeTableLine(first + k, prime[static_cast<std::size_t>(k)]);
    return lines;
}

QStringList PrimeTableLines(double n) {
    return primeTableLines(1, primeTableRowCount(n));
}

DivisibilityOutcome DivisibilityResult(const QString &dividendText, const QString &divisorText) {
    const std::int32_t a = toInt32(ParseNumberStrict(dividendText));
    const std::int32_t b = toInt32(ParseNumberStrict(divisorText));
    if (b == 0)
        throw CalcError(CalcError::Kind::DivisionByZero, "division by zero");
    // -2147483648 mod -1 is 0; computed directly it would trap.
    const std::int32_t r = b == -1 ? 0 : a % b;
    const QString remainder = QString::number(r);
    const QString verdict = r == 0 ? QStringLiteral("Divisible by ") + divisorText
                                   : QStringLiteral("Not divisible by ") + divisorText +
                                         QStringLiteral(" , remainder ") + remainder;
    return {remainder, verdict};
}

} // namespace zq
