#include "common/calc_error.h"
#include "common/number_rules.h"
#include "common/numeric_types.h"
#include "numbers/number_words.h"
#include "numbers/roots.h"
#include "numbers/series.h"
#include "test_support.h"

#include <QTest>

#include <limits>

using namespace zq;

namespace {

template <class Call> QString outcome(Call call) {
    try {
        return call();
    } catch (const CalcError &) {
        return QStringLiteral("fails");
    }
}

QString numberOutcome(const std::function<double()> &call) {
    return outcome([&] { return FormatNumberText(call()); });
}

// The sum as a plain loop adds it, one term at a time.
double plainSum(double a, double b) {
    double s = 0;
    for (double i = a; i <= b; i = i + 1)
        s = s + i;
    return s;
}

double recursiveFibonacci(int n) {
    return n < 2 ? n : recursiveFibonacci(n - 1) + recursiveFibonacci(n - 2);
}

// Pascal's triangle by Pascal's rule (each number the sum of the two above), in wide integers.
QString pascalByAddition(int rows) {
    QString text;
    std::vector<__int128> row;
    for (int i = 0; i <= rows; ++i) {
        std::vector<__int128> next(i + 1, 1);
        for (int j = 1; j < i; ++j)
            next[j] = row[j - 1] + row[j];
        row = next;
        text += "\r\n";
        for (int j = 0; j <= i; ++j) {
            __int128 value = row[j];
            QString digits;
            do {
                digits.prepend(QChar('0' + int(value % 10)));
                value /= 10;
            } while (value > 0);
            text += (j ? " " : "") + digits;
        }
    }
    return text;
}

// Roman numerals by the usual greedy table of values and symbols.
QString standardRoman(int n) {
    static const std::pair<int, const char *> Symbols[] = {
        {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
        {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"}};
    QString roman;
    for (const auto &[value, symbol] : Symbols)
        while (n >= value) {
            roman += symbol;
            n -= value;
        }
    return roman;
}

} // namespace

class TestSeries : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(pointLocale()); }
    void sumRange_data();
    void sumRange();
    void sumRangeMatchesThePlainLoop();
    void productRange_data();
    void productRange();
    void cubes_data();
    void cubes();
    void progressions();
    void progressionTermCounts_data();
    void progressionTermCounts();
    void fibonacciTerms();
    void factorials_data();
    void factorials();
    void pascal();
    void multiplicationTable();
    void combinations_data();
    void combinations();
    void roots_data();
    void roots();
    void squaresAndCubes();
    void percentages();
    void integerDivision();
    void words_data();
    void words();
    void romanNumerals_data();
    void romanNumerals();
    void romanAgainstTheStandardForm();
};

void TestSeries::sumRange_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<QString>("sum");
    QTest::newRow("1 to 100") << 1.0 << 100.0 << "5050";
    QTest::newRow("5 to 1") << 5.0 << 1.0 << "0";
    QTest::newRow("halves") << 0.5 << 3.0 << "4.5";
    QTest::newRow("symmetric") << -3.0 << 3.0 << "0";
    QTest::newRow("one term") << 7.0 << 7.0 << "7";
    QTest::newRow("terms beyond 2^53 never step") << 1e17 << 2e17 << "fails";
}

void TestSeries::sumRange() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(QString, sum);
    QCOMPARE(numberOutcome([=] { return SumRange(a, b); }), sum);
}

void TestSeries::sumRangeMatchesThePlainLoop() {
    // Ranges whose sums pass 2^53, where each addition starts to round.
    const std::pair<double, double> ranges[] = {{130000000, 150000000},
                                                {900000000, 920000000},
                                                {1, 134300000},
                                                {0, 500000000},
                                                {-5, 1000},
                                                {0, 1e6}};
    for (const auto &[a, b] : ranges)
        QCOMPARE(exact(SumRange(a, b)), exact(plainSum(a, b)));
    // 1 to 999,999,999 as the plain loop gives it (not the closed formula's 499999999500000000).
    QCOMPARE(exact(SumRange(1, 999999999)), QByteArray("4.9999999906710899e+17"));
}

void TestSeries::productRange_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<QString>("product");
    QTest::newRow("1 to 5") << 1.0 << 5.0 << "120";
    QTest::newRow("empty") << 3.0 << 2.0 << "1";
    QTest::newRow("170!") << 1.0 << 170.0 << "7.25741561530799E+306";
    QTest::newRow("170 to 171") << 170.0 << 171.0 << "29070";
    QTest::newRow("beyond doubles") << 1.0 << 171.0 << "fails";
    QTest::newRow("through zero") << -2.0 << 999.0 << "0";
    QTest::newRow("negative") << -3.0 << -1.0 << "-6";
}

void TestSeries::productRange() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(QString, product);
    QCOMPARE(numberOutcome([=] { return ProductRange(a, b); }), product);
}

void TestSeries::cubes_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<QString>("op");
    QTest::addColumn<double>("b");
    QTest::addColumn<QString>("result");
    QTest::newRow("difference") << 2.0 << "-" << 3.0 << "-19";
    QTest::newRow("sum") << 2.0 << "+" << 3.0 << "35";
    QTest::newRow("other operator") << 2.0 << "*" << 3.0 << "nothing";
    QTest::newRow("beyond doubles") << 1e200 << "+" << 1.0 << "fails";
}

void TestSeries::cubes() {
    QFETCH(double, a);
    QFETCH(QString, op);
    QFETCH(double, b);
    QFETCH(QString, result);
    QCOMPARE(outcome([&] {
                 const auto value = SumDifferenceOfCubes(a, op, b);
                 return value ? FormatNumberText(*value) : QStringLiteral("nothing");
             }),
             result);
}

void TestSeries::progressions() {
    const ProgressionTerms arithmetic = ArithmeticTerms(1, 2, 5);
    QCOMPARE(arithmetic.lines, (QStringList{"2\t3", "3\t5", "4\t7", "5\t9"}));
    QVERIFY(arithmetic.complete);
    QCOMPARE(ArithmeticSumText(1, 2, 5), QStringLiteral("Sum of the Series: 25"));
    QCOMPARE(GeometricTerms(1, 2, 4).lines, (QStringList{"2\t2", "3\t4", "4\t8"}));
    QCOMPARE(GeometricSumText(1, 2, 4), QStringLiteral("Sum of the Series: 15"));
    QCOMPARE(GeometricTerms(1, 1, 3).lines, (QStringList{"2\t1", "3\t1"}));
    QCOMPARE(GeometricSumText(1, 1, 3), QString());       // a ratio of 1 divides by zero
    QCOMPARE(ArithmeticSumText(1e9, 1e9, 10), QString()); // beyond 32 bits
    QCOMPARE(ArithmeticTerms(0.1, 0.2, 3).lines, (QStringList{"2\t0.3", "3\t0.5"}));
    QCOMPARE(ArithmeticSumText(0.5, 0, 5), QStringLiteral("Sum of the Series: 2")); // 2.5 to even
    const ProgressionTerms overflowing = GeometricTerms(1e300, 1e5, 5);
    QCOMPARE(overflowing.lines, QStringList{"2\t1E+305"});
    QVERIFY(!overflowing.complete);
}

void TestSeries::progressionTermCounts_data() {
    QTest::addColumn<double>("terms");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("two") << 2.0 << true;
    QTest::newRow("one") << 1.0 << false;
    QTest::newRow("zero") << 0.0 << false;
    QTest::newRow("negative") << -4.0 << false;
    QTest::newRow("fraction") << 2.5 << false;
    QTest::newRow("largest") << MaxProgressionTerms << true;
    QTest::newRow("too many") << MaxProgressionTerms + 1 << false;
}

void TestSeries::progressionTermCounts() {
    QFETCH(double, terms);
    QFETCH(bool, accepted);
    bool passed = true;
    try {
        checkProgressionTermCount(terms);
        QCOMPARE(ArithmeticTerms(0, 1, terms).lines.size(), qsizetype(terms) - 1);
    } catch (const CalcError &) {
        passed = false;
    }
    QCOMPARE(passed, accepted);
}

void TestSeries::fibonacciTerms() {
    QCOMPARE(fibonacciTerm(10), 55.0);
    QCOMPARE(fibonacciTerm(1), 1.0);
    QCOMPARE(fibonacciTerm(0), 0.0);
    QCOMPARE(fibonacciTerm(-5), -5.0);
    for (int n = 0; n <= 27; ++n)
        QCOMPARE(exact(fibonacciTerm(std::int16_t(n))), exact(recursiveFibonacci(n)));
    QCOMPARE(exact(fibonacciTerm(78)), exact(8944394323791464.0)); // exact in doubles
    QCOMPARE(FormatNumberText(fibonacciTerm(1476)), QStringLiteral("1.3069892237634E+308"));
    QVERIFY_THROWS_EXCEPTION(CalcError, fibonacciTerm(1477));
    QVERIFY_THROWS_EXCEPTION(CalcError, fibonacciTerm(32767));
}

void TestSeries::factorials_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("value");
    QTest::newRow("0") << 0 << "1";
    QTest::newRow("12") << 12 << "479001600";
    QTest::newRow("13") << 13 << "6227020800";
    QTest::newRow("20") << 20 << "2.43290200817664E+18";
    QTest::newRow("170") << 170 << "7.25741561530799E+306";
    QTest::newRow("171") << 171 << "fails";
    QTest::newRow("255") << 255 << "fails";
}

void TestSeries::factorials() {
    QFETCH(int, n);
    QFETCH(QString, value);
    QCOMPARE(numberOutcome([n] { return FactorialValue(std::uint8_t(n)); }), value);
}

void TestSeries::pascal() {
    QCOMPARE(PascalTriangleText(3), QStringLiteral("\r\n1\r\n1 1\r\n1 2 1\r\n1 3 3 1"));
    QCOMPARE(PascalTriangleText(0), QStringLiteral("\r\n1"));
    QCOMPARE(PascalTriangleText(-1), QString());
    QCOMPARE(PascalTriangleText(99), pascalByAddition(99));
    QVERIFY(PascalTriangleText(18).contains(" 31824 43758 48620 43758 31824 "));
    QVERIFY(PascalTriangleText(99).contains(" 50445672272782096667406248628 "));
    QVERIFY_THROWS_EXCEPTION(CalcError, PascalTriangleText(100));
}

void TestSeries::multiplicationTable() {
    const QStringList lines = MultiplicationTableLines();
    QCOMPARE(lines.size(), 100);
    QCOMPARE(lines.front(), QStringLiteral("1*1 = 1"));
    QCOMPARE(lines[26], QStringLiteral("3*7 = 21"));
    QCOMPARE(lines.back(), QStringLiteral("10*10 = 100"));
}

void TestSeries::combinations_data() {
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("combination");
    QTest::addColumn<QString>("permutation");
    QTest::newRow("5 2") << 5.0 << 2.0 << "10"
                         << "20";
    QTest::newRow("10 3") << 10.0 << 3.0 << "120"
                          << "720";
    QTest::newRow("r 0") << 5.0 << 0.0 << "1"
                         << "1";
    QTest::newRow("r above n") << 3.0 << 5.0 << "0"
                               << "0";
    QTest::newRow("52 5") << 52.0 << 5.0 << "2598960"
                          << "311875200";
    QTest::newRow("huge r") << 3.0 << 1e12 << "fails"
                            << "0";
    QTest::newRow("beyond doubles") << 400.0 << 200.0 << "fails"
                                    << "fails";
}

void TestSeries::combinations() {
    QFETCH(double, n);
    QFETCH(double, r);
    QFETCH(QString, combination);
    QFETCH(QString, permutation);
    QCOMPARE(numberOutcome([=] { return Combination(n, r); }), combination);
    QCOMPARE(numberOutcome([=] { return Permutation(n, r); }), permutation);
}

void TestSeries::roots_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("n");
    QTest::addColumn<QString>("root");
    QTest::newRow("square root") << 9.0 << 2.0 << "3";
    QTest::newRow("cube root of 9") << 9.0 << 3.0 << "2.0800838230519";
    QTest::newRow("cube root of 27") << 27.0 << 3.0 << "3";
    QTest::newRow("fourth root") << 16.0 << 4.0 << "2";
    QTest::newRow("degree 0") << 5.0 << 0.0 << "fails";
    QTest::newRow("negative radicand") << -27.0 << 3.0 << "fails";
    QTest::newRow("whole power of a negative") << -3.0 << 0.5 << "9";
}

void TestSeries::roots() {
    QFETCH(double, x);
    QFETCH(double, n);
    QFETCH(QString, root);
    QCOMPARE(numberOutcome([=] { return NthRoot(x, n); }), root);
}

void TestSeries::squaresAndCubes() {
    QCOMPARE(SquareOf(-1.5), 2.25);
    QCOMPARE(CubeOf(-1.5), -3.375);
    QVERIFY_THROWS_EXCEPTION(CalcError, SquareOf(1e200));
    QVERIFY_THROWS_EXCEPTION(CalcError, CubeOf(-1e103));
}

void TestSeries::percentages() {
    QCOMPARE(PercentOf(PercentPart::PercentAmount, 20, 50, 0), 10.0);
    QCOMPARE(PercentOf(PercentPart::Rate, 0, 50, 10), 20.0);
    QCOMPARE(PercentOf(PercentPart::Amount, 20, 0, 10), 50.0);
    QVERIFY_THROWS_EXCEPTION(CalcError, PercentOf(PercentPart::Rate, 0, 0, 10));
}

void TestSeries::integerDivision() {
    QCOMPARE(DivideIntegers(17, 5).quotient, 3);
    QCOMPARE(DivideIntegers(17, 5).remainder, 2);
    QCOMPARE(DivideIntegers(-17, 5).quotient, -3);
    QCOMPARE(DivideIntegers(-17, 5).remainder, -2);
    QCOMPARE(DivideIntegers(17, -5).remainder, 2);
    QVERIFY_THROWS_EXCEPTION(CalcError, DivideIntegers(5, 0));
    QVERIFY_THROWS_EXCEPTION(CalcError, DivideIntegers(std::numeric_limits<int>::min(), -1));
}

void TestSeries::words_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("turkish");
    QTest::newRow("0") << 0.0 << " zero"
                       << " sıfır";
    QTest::newRow("7") << 7.0 << " seven"
                       << " yedi";
    QTest::newRow("19") << 19.0 << " nineteen"
                        << " ondokuz";
    QTest::newRow("20") << 20.0 << " twenty"
                        << " yirmi";
    QTest::newRow("21") << 21.0 << " twenty - one"
                        << " yirmi - bir";
    QTest::newRow("25") << 25.0 << " twenty - five"
                        << " yirmi - beş";
    QTest::newRow("100") << 100.0 << " one hundred"
                         << " bir yüz";
    QTest::newRow("105") << 105.0 << " one hundred five"
                         << " bir yüz beş";
    QTest::newRow("120") << 120.0 << " one hundred twenty"
                         << " bir yüz yirmi";
    QTest::newRow("1000") << 1000.0 << " one thousand"
                          << " bir bin";
    QTest::newRow("1001") << 1001.0 << " one thousand one"
                          << " bir bin bir";
    QTest::newRow("1100") << 1100.0 << " one thousand one hundred"
                          << " bir bin bir yüz";
    QTest::newRow("2000005") << 2000005.0 << " two million five"
                             << " iki milyon beş";
    QTest::newRow("billion") << 1e9 << " one billion"
                             << " bir milyar";
    QTest::newRow("trillion") << 1e12 << " one trillion"
                              << " bir trilyon";
    QTest::newRow("-7") << -7.0 << " negative seven"
                        << " eksi yedi";
    QTest::newRow("fraction dropped") << 12.9 << " twelve"
                                      << " oniki";
    QTest::newRow("negative rounds down") << -0.5 << " negative one"
                                          << " eksi bir";
    QTest::newRow("-3.5") << -3.5 << " negative four"
                          << " eksi dört";
    QTest::newRow("thirties and forties") << 3040.0 << " three thousand forty"
                                          << " üç bin kırk";
    QTest::newRow("largest whole")
        << 922337203685477.0
        << " nine hundred twenty - two trillion three hundred thirty - seven billion two hundred "
           "three million six hundred eighty - five thousand four hundred seventy - seven"
        << " dokuz yüz yirmi - iki trilyon üç yüz otuz - yedi milyar iki yüz üç milyon altı yüz "
           "seksen - beş bin dört yüz yetmiş - yedi";
}

void TestSeries::words() {
    QFETCH(double, value);
    QFETCH(QString, english);
    QFETCH(QString, turkish);
    QCOMPARE(NumberToEnglishWords(Currency::fromDouble(value)), english);
    QCOMPARE(NumberToTurkishWords(Currency::fromDouble(value)), turkish);
}

void TestSeries::romanNumerals_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("roman");
    const std::pair<int, const char *> rows[] = {
        {4, "IV"},     {9, "IX"},         {14, "XIV"},          {40, "XL"},     {90, "XC"},
        {400, "CD"},   {1994, "MCMXCIV"}, {3999, "MMMCMXCIX"},  {4000, "MMMM"}, {0, ""},
        {-1, "fails"}, {-1000, "fails"},  {888, "DCCCLXXXVIII"}};
    for (const auto &[value, roman] : rows)
        QTest::newRow(qPrintable(QString::number(value))) << value << roman;
}

void TestSeries::romanNumerals() {
    QFETCH(int, value);
    QFETCH(QString, roman);
    QCOMPARE(outcome([value] { return NumberToRoman(value); }), roman);
}

void TestSeries::romanAgainstTheStandardForm() {
    for (int n = 1; n <= 3999; ++n)
        QCOMPARE(NumberToRoman(n), standardRoman(n));
    const QString largest = NumberToRoman(9999999);
    QCOMPARE(largest.size(), 9999 + 6);
    QVERIFY(largest.startsWith(QString(9999, 'M') + "CMXCIX"));
    // The smallest currency value rounded down no longer fits the type.
    QVERIFY_THROWS_EXCEPTION(CalcError, NumberToEnglishWords(Currency::fromUnits(
                                            std::numeric_limits<std::int64_t>::min())));
}

QTEST_GUILESS_MAIN(TestSeries)
#include "tst_series.moc"
