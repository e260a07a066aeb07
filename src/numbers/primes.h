#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace zq {

// k rounded to a 32-bit integer is prime: it is at least 2 and no whole number j from 2 to
// k - 1 divides it. 1, 0 and negative numbers are not prime. Throws CalcError when k needs
// judging and lies beyond the 32-bit range.
bool IsPrimeByTrialDivision(double k);

// The verdict line for k: "is prime number" or "is non-prime number", and empty when k rounds
// to 0 or below (no number to judge; 1 is judged non-prime). PrimeVerdictText is in the
// interface language; result files keep the English one in every language.
QString PrimeVerdictText(double k);
QString EnglishPrimeVerdictText(double k);

// The prime factors of n rounded to a 32-bit integer, dividing by 2, 3, 4, ... up to n as it
// was given; every factor is followed by " * " ('12' gives "2 * 2 * 3 * "). Empty below 2.
// Throws CalcError when n is at least 2 and beyond the 32-bit range.
QString PrimeFactorText(double n);

// Row count of the prime table for an upper end N: every whole number from 1 to N.
std::int64_t primeTableRowCount(double n);

// One line of the prime table as the list shows it, in the interface language: " 7   prime",
// " 8   non-prime".
QString primeTableLine(std::int64_t i);

// Verdicts for first, first + 1, ..., first + count - 1 (first >= 1), by a sieve: the same
// verdicts as IsPrimeByTrialDivision, for whole runs of the table at once.
std::vector<bool> primeVerdicts(std::int64_t first, std::int64_t count);

// The lines of the prime table for 1 to N as the table file keeps them: English in every
// language.
QStringList EnglishPrimeTableLines(double n);
// The English lines for first to first + count - 1.
QStringList englishPrimeTableLines(std::int64_t first, std::int64_t count);

struct DivisibilityOutcome {
    QString remainder;
    QString verdict;
};

// Remainder of dividend by divisor (both read strictly, rounded to 32-bit integers; the sign
// of the dividend) and the verdict, in the interface language, naming the divisor text as
// typed. Throws CalcError for a text that is not a number, a value beyond 32 bits or a divisor
// of 0.
DivisibilityOutcome DivisibilityResult(const QString &dividendText, const QString &divisorText);

} // namespace zq
