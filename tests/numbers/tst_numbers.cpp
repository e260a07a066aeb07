#include "common/calc_error.h"
#include "common/numeric_types.h"
#include "numbers/common_factors.h"
#include "numbers/fraction_calculator.h"
#include "numbers/primes.h"
#include "test_support.h"

#include <QTest>

#include <cmath>
#include <numeric>
#include <random>
#include <vector>

using namespace zq;

namespace {

// The judging scan, one divisor after another, of a rounded value above 1: the reference the
// fast judgement must agree with.
bool literalScanIsPrime(double k) {
    if (toInt32(k) < 2)
        return false;
    for (double j = 2; j <= k - 1; ++j)
        if (toInt32(k) % toInt32(j) == 0)
            return false;
    return true;
}

// The factor loop exactly as described: every divisor up to the starting value, the quotient
// divided in floating point, remainders on the rounded values.
QString literalFactorText(double n) {
    QString text;
    const double bound = n;
    for (double i = 2; i <= bound; ++i) {
        while (toInt32(n) % toInt32(i) == 0) {
            n = n / i;
            text += QString::number(i) + " * ";
        }
    }
    return text;
}

std::vector<bool> sieve(int limit) {
    std::vector<bool> prime(limit + 1, true);
    prime[0] = prime[1] = false;
    for (int p = 2; p * p <= limit; ++p)
        if (prime[p])
            for (int m = p * p; m <= limit; m += p)
                prime[m] = false;
    return prime;
}

template <class Call> QString outcome(Call call) {
    try {
        return call();
    } catch (const CalcError &) {
        return QStringLiteral("fails");
    }
}

} // namespace

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(pointLocale()); }
    void primeVerdictAgainstSieve();
    void primeVerdictFollowsTheScan();
    void primeVerdictText_data();
    void primeVerdictText();
    void primeVerdictFailsBeyond32Bits();
    void primeFactors_data();
    void primeFactors();
    void primeFactorsFollowTheLoop();
    void primeTable_data();
    void primeTable();
    void primeTableEnds();
    void divisibility_data();
    void divisibility();
    void greatestCommonFactor_data();
    void greatestCommonFactor();
    void commonFactorsAgainstStd();
    void leastCommonMultiple_data();
    void leastCommonMultiple();
    void simplifyFraction_data();
    void simplifyFraction();
    void fractionMix_data();
    void fractionMix();
    void zeroMixedFraction();
    void proportion_data();
    void proportion();
};

void TestNumbers::primeVerdictAgainstSieve() {
    const std::vector<bool> prime = sieve(100000);
    for (int k = 0; k <= 100000; ++k)
        QVERIFY2(IsPrimeByTrialDivision(k) == prime[k], qPrintable(QString::number(k)));
    for (double k : {-1.0, -4.0, -1e300, 1.4, 0.5})
        QVERIFY(!IsPrimeByTrialDivision(k));
}

void TestNumbers::primeVerdictText_data() {
    QTest::addColumn<double>("k");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("2") << 2.0 << "is prime number";
    QTest::newRow("1.5 rounds to 2") << 1.5 << "is prime number";
    QTest::newRow("1") << 1.0 << "is non-prime number";
    QTest::newRow("0.6 rounds to 1") << 0.6 << "is non-prime number";
    QTest::newRow("0.5 rounds to 0") << 0.5 << "";
    QTest::newRow("0") << 0.0 << "";
    QTest::newRow("negative") << -7.0 << "";
    QTest::newRow("hugely negative") << -1e300 << "";
    QTest::newRow("9") << 9.0 << "is non-prime number";
}

void TestNumbers::primeVerdictText() {
    QFETCH(double, k);
    QFETCH(QString, verdict);
    QCOMPARE(PrimeVerdictText(k), verdict);
    QCOMPARE(EnglishPrimeVerdictText(k), verdict);
}

void TestNumbers::primeVerdictFollowsTheScan() {
    for (double k = -3; k <= 1500; k += 0.25)
        QVERIFY2(IsPrimeByTrialDivision(k) == literalScanIsPrime(k),
                 qPrintable(QString::number(k)));
}

void TestNumbers::primeVerdictFailsBeyond32Bits() {
    QVERIFY_THROWS_EXCEPTION(CalcError, IsPrimeByTrialDivision(1e99));
    QVERIFY(IsPrimeByTrialDivision(2147483647.0));
    QVERIFY(!IsPrimeByTrialDivision(2147483646.0));
}

void TestNumbers::primeFactors_data() {
    QTest::addColumn<double>("n");
    QTest::addColumn<QString>("factors");
    QTest::newRow("12") << 12.0 << "2 * 2 * 3 * ";
    QTest::newRow("2") << 2.0 << "2 * ";
    QTest::newRow("7") << 7.0 << "7 * ";
    QTest::newRow("1") << 1.0 << "";
    QTest::newRow("0") << 0.0 << "";
    QTest::newRow("negative") << -12.0 << "";
    QTest::newRow("8-digit prime") << 99999989.0 << "99999989 * ";
    QTest::newRow("8-digit square of a prime") << 99460729.0 << "9973 * 9973 * ";
    QTest::newRow("power of two") << 67108864.0 << QString("2 * ").repeated(26);
    QTest::newRow("fraction rounds up beyond the bound") << 2.6 << "";
    QTest::newRow("fraction") << 12.4 << "2 * 2 * 3 * ";
    QTest::newRow("largest 32-bit") << 2147483647.0 << "2147483647 * ";
    QTest::newRow("beyond 32 bits") << 1e99 << "fails";
}

void TestNumbers::primeFactors() {
    QFETCH(double, n);
    QFETCH(QString, factors);
    QCOMPARE(outcome([n] { return PrimeFactorText(n); }), factors);
}

void TestNumbers::primeFactorsFollowTheLoop() {
    for (double n = -2; n <= 3000; n += 1)
        QCOMPARE(PrimeFactorText(n), literalFactorText(n));
    for (double n = 2; n <= 400; n += 0.25)
        QCOMPARE(PrimeFactorText(n), literalFactorText(n));
}

void TestNumbers::primeTable_data() {
    QTest::addColumn<double>("n");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("5") << 5.0
                       << QStringList{" 1   non-prime", " 2   prime", " 3   prime",
                                      " 4   non-prime", " 5   prime"};
    QTest::newRow("1") << 1.0 << QStringList{" 1   non-prime"};
    QTest::newRow("0") << 0.0 << QStringList{};
    QTest::newRow("negative") << -3.0 << QStringList{};
    QTest::newRow("fraction") << 2.5 << QStringList{" 1   non-prime", " 2   prime"};
}

void TestNumbers::primeTable() {
    QFETCH(double, n);
    QFETCH(QStringList, lines);
    QCOMPARE(EnglishPrimeTableLines(n), lines);
}

void TestNumbers::primeTableEnds() {
    // The sieve that writes long tables agrees with the judgement the list shows.
    const std::int64_t first = 2147483647 - 3000;
    const std::vector<bool> verdicts = primeVerdicts(first, 3001);
    for (std::int64_t k = 0; k <= 3000; ++k)
        QCOMPARE(bool(verdicts[k]), IsPrimeByTrialDivision(double(first + k)));
    QCOMPARE(primeTableLine(2147483647), QStringLiteral(" 2147483647   prime"));
    QCOMPARE(primeTableLine(2147483646), QStringLiteral(" 2147483646   non-prime"));
    const QStringList lines = englishPrimeTableLines(1, 100000);
    const std::vector<bool> prime = sieve(100000);
    for (int k = 1; k <= 100000; ++k)
        QCOMPARE(lines[k - 1].endsWith("   prime"), bool(prime[k]));
    QCOMPARE(primeTableRowCount(10000000.0), std::int64_t(10000000));
}

void TestNumbers::divisibility_data() {
    QTest::addColumn<QString>("dividend");
    QTest::addColumn<QString>("divisor");
    QTest::addColumn<QString>("remainder");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("even") << "10"
                          << "5"
                          << "0"
                          << "Divisible by 5";
    QTest::newRow("uneven") << "17"
                            << "5"
                            << "2"
                            << "Not divisible by 5 , remainder 2";
    QTest::newRow("negative dividend") << "-7"
                                       << "3"
                                       << "-1"
                                       << "Not divisible by 3 , remainder -1";
    QTest::newRow("divisor as typed") << "12"
                                      << " 4"
                                      << "0"
                                      << "Divisible by  4";
    QTest::newRow("rounded halves") << "7.5"
                                    << "2"
                                    << "0"
                                    << "Divisible by 2";
    QTest::newRow("smallest by -1") << "-2147483648"
                                    << "-1"
                                    << "0"
                                    << "Divisible by -1";
    QTest::newRow("zero divisor") << "10"
                                  << "0"
                                  << "fails"
                                  << "";
    QTest::newRow("not a number") << "abc"
                                  << "3"
                                  << "fails"
                                  << "";
    QTest::newRow("empty divisor") << "10"
                                   << ""
                                   << "fails"
                                   << "";
    QTest::newRow("beyond 32 bits") << "1e99"
                                    << "3"
                                    << "fails"
                                    << "";
}

void TestNumbers::divisibility() {
    QFETCH(QString, dividend);
    QFETCH(QString, divisor);
    QFETCH(QString, remainder);
    QFETCH(QString, verdict);
    try {
        const auto result = DivisibilityResult(dividend, divisor);
        QCOMPARE(result.remainder, remainder);
        QCOMPARE(result.verdict, verdict);
    } catch (const CalcError &) {
        QCOMPARE(QStringLiteral("fails"), remainder);
    }
}

void TestNumbers::greatestCommonFactor_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<QString>("result");
    QTest::newRow("12 18") << 12.0 << 18.0 << "6";
    QTest::newRow("18 12") << 18.0 << 12.0 << "6";
    QTest::newRow("negative") << -12.0 << 18.0 << "6";
    QTest::newRow("both zero") << 0.0 << 0.0 << "0";
    QTest::newRow("one zero") << 0.0 << 5.0 << "5";
    QTest::newRow("other zero") << -5.0 << 0.0 << "5";
    QTest::newRow("coprime") << 17.0 << 5.0 << "1";
    QTest::newRow("fractions stay") << 7.5 << 2.5 << "2.5";
    QTest::newRow("equal fractions") << 2.5 << 2.5 << "2.5";
    QTest::newRow("divisor rounds to 0") << 5.0 << 0.3 << "fails";
    QTest::newRow("beyond 32 bits") << 3e9 << 2.0 << "fails";
}

void TestNumbers::greatestCommonFactor() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(QString, result);
    QCOMPARE(outcome([=] { return QString::number(GreatestCommonFactor(a, b)); }), result);
}

void TestNumbers::commonFactorsAgainstStd() {
    std::mt19937 random(32);
    for (int i = 0; i < 20000; ++i) {
        const int a = int(random() % 16777216);
        const int b = int(random() % 16777216);
        QCOMPARE(GreatestCommonFactor(a, b), float(std::gcd(a, b)));
        const int x = int(random() % 4096) + 1;
        const int y = int(random() % 4096) + 1;
        QCOMPARE(LeastCommonMultiple(float(x), float(y)), double(std::lcm(x, y)));
    }
}

void TestNumbers::leastCommonMultiple_data() {
    QTest::addColumn<float>("a");
    QTest::addColumn<float>("b");
    QTest::addColumn<QString>("result");
    QTest::newRow("4 6") << 4.0f << 6.0f << "12";
    QTest::newRow("negative") << -4.0f << 6.0f << "12";
    QTest::newRow("21 6") << 21.0f << 6.0f << "42";
    QTest::newRow("one zero") << 0.0f << 5.0f << "0";
    QTest::newRow("both zero") << 0.0f << 0.0f << "fails";
}

void TestNumbers::leastCommonMultiple() {
    QFETCH(float, a);
    QFETCH(float, b);
    QFETCH(QString, result);
    QCOMPARE(outcome([=] { return QString::number(LeastCommonMultiple(a, b)); }), result);
}

void TestNumbers::simplifyFraction_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<float>("numerator");
    QTest::addColumn<float>("denominator");
    QTest::addColumn<QString>("result");
    const QLocale point = pointLocale();
    QTest::newRow("4/6") << point << 4.0f << 6.0f << "2/3";
    QTest::newRow("-4/6") << point << -4.0f << 6.0f << "-2/3";
    QTest::newRow("4/-6") << point << 4.0f << -6.0f << "2/-3";
    QTest::newRow("6/3 keeps 1") << point << 6.0f << 3.0f << "2/1";
    QTest::newRow("5/7") << point << 5.0f << 7.0f << "5/7";
    QTest::newRow("zero numerator") << point << 0.0f << 4.0f << "0/1";
    QTest::newRow("zero denominator") << point << 5.0f << 0.0f << "fails";
    QTest::newRow("both zero") << point << 0.0f << 0.0f << "fails";
    QTest::newRow("single precision") << point << 33554434.0f << 2.0f << "1.677722E+07/1";
    QTest::newRow("fractions") << point << 7.5f << 2.5f << "3/1";
    QTest::newRow("point in any locale") << commaLocale() << 1.5f << 1.0f << "1.5/1";
}

void TestNumbers::simplifyFraction() {
    QFETCH(QLocale, locale);
    QFETCH(float, numerator);
    QFETCH(float, denominator);
    QFETCH(QString, result);
    LocaleScope scope(locale);
    QCOMPARE(outcome([=] { return SimplifyFraction(numerator, denominator); }), result);
}

void TestNumbers::fractionMix_data() {
    QTest::addColumn<QStringList>("first"); // whole, numerator, denominator
    QTest::addColumn<QString>("op");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<QString>("result");
    QTest::newRow("mixed sum") << QStringList{"1", "1", "2"} << "+" << QStringList{"0", "2", "3"}
                               << "3/2 + 2/3 = \r\n3*3 + 2*2 / 2*3 = \r\n13/6 = \r\n13/6\r\n\r\n"
                                  "Decimal = 2.16666666666667";
    QTest::newRow("difference of 0")
        << QStringList{"0", "1", "2"} << "-" << QStringList{"0", "1", "2"}
        << "1/2 - 1/2 = \r\n1*2 - 1*2 / 2*2 = \r\n0/4 = \r\n0/1\r\n\r\nDecimal = 0";
    QTest::newRow("product") << QStringList{"0", "1", "2"} << "*" << QStringList{"0", "2", "1"}
                             << "1/2 * 2/1 = \r\n1*2 / 2*1 = \r\n2/2 = \r\n1/1\r\n\r\nDecimal = 1";
    QTest::newRow("quotient")
        << QStringList{"0", "1", "2"} << "/" << QStringList{"0", "3", "4"}
        << "1/2 / 3/4 = \r\n1*4 / 3*2 = \r\n4/6 = \r\n2/3\r\n\r\nDecimal = 0.666666666666667";
    QTest::newRow("negative whole part")
        << QStringList{"-1", "1", "2"} << "+" << QStringList{"0", "1", "2"}
        << "-1/2 + 1/2 = \r\n-1*2 + 1*2 / 2*2 = \r\n0/4 = \r\n0/1\r\n\r\nDecimal = 0";
    QTest::newRow("denominators as typed")
        << QStringList{"0", "1", "2.0"} << "+" << QStringList{"0", "1", "04"}
        << "1/2.0 + 1/04 = \r\n1*04 + 1*2.0 / 2.0*04 = \r\n6/8 = \r\n3/4\r\n\r\nDecimal = 0.75";
    QTest::newRow("divide by zero fraction")
        << QStringList{"0", "1", "2"} << "/" << QStringList{"0", "0", "5"} << "fails";
    QTest::newRow("zero denominator")
        << QStringList{"0", "1", "0"} << "+" << QStringList{"0", "1", "2"} << "fails";
    QTest::newRow("empty numerator")
        << QStringList{"0", "", "2"} << "+" << QStringList{"0", "1", "2"} << "fails";
    QTest::newRow("unknown operator")
        << QStringList{"0", "1", "2"} << "x" << QStringList{"0", "1", "2"} << "nothing";
}

void TestNumbers::fractionMix() {
    QFETCH(QStringList, first);
    QFETCH(QString, op);
    QFETCH(QStringList, second);
    QFETCH(QString, result);
    QCOMPARE(outcome([&] {
                 const auto text = FractionMixText({first[0], first[1], first[2]}, op,
                                                   {second[0], second[1], second[2]});
                 return text ? *text : QStringLiteral("nothing");
             }),
             result);
}

void TestNumbers::zeroMixedFraction() {
    QVERIFY(IsZeroMixedFraction(0, 0, 5));
    QVERIFY(IsZeroMixedFraction(-1, 3, 3)); // -1 3/3
    QVERIFY(!IsZeroMixedFraction(0, 1, 5));
    QVERIFY(!IsZeroMixedFraction(1, 3, 3));
}

void TestNumbers::proportion_data() {
    QTest::addColumn<int>("unknown");
    QTest::addColumn<QStringList>("terms");
    QTest::addColumn<QString>("working");
    QTest::newRow("x in A") << 0 << QStringList{"x", "3", "10", "6"}
                            << "x*6 = 3*10\r\nx*6 = 30\r\nx = 30/6\r\nx = 5";
    QTest::newRow("x in B") << 1 << QStringList{"2", "x", "4", "10"}
                            << "2*10 = x*4\r\n20 = x*4\r\n20/4 = x\r\nx = 5";
    QTest::newRow("x in C") << 2 << QStringList{"3", "4", "x", "8"}
                            << "3*8 = 4*x\r\n24 = 4*x\r\n24/4 = x\r\nx = 6";
    QTest::newRow("x in D") << 3 << QStringList{"3", "4", "6", "x"}
                            << "3*x = 4*6\r\n3*x = 24\r\nx = 24/3\r\nx = 8";
    QTest::newRow("sample") << 1 << QStringList{"9", "x", "12", "4"}
                            << "9*4 = x*12\r\n36 = x*12\r\n36/12 = x\r\nx = 3";
    QTest::newRow("fractional answer")
        << 0 << QStringList{"x", "1", "1", "3"}
        << "x*3 = 1*1\r\nx*3 = 1\r\nx = 1/3\r\nx = 0.333333333333333";
    QTest::newRow("zero divisor") << 0 << QStringList{"x", "3", "10", "0"} << "fails";
    QTest::newRow("second x") << 0 << QStringList{"x", "x", "10", "6"} << "fails";
    QTest::newRow("not a number") << 3 << QStringList{"a", "4", "6", "x"} << "fails";
}

void TestNumbers::proportion() {
    QFETCH(int, unknown);
    QFETCH(QStringList, terms);
    QFETCH(QString, working);
    QCOMPARE(outcome([&] {
                 return ProportionWorking(unknown, {terms[0], terms[1], terms[2], terms[3]});
             }),
             working);
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
