#include "common/calc_error.h"
#include "common/float_faults.h"
#include "common/numeric_types.h"
#include "test_support.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace zq;

namespace {
constexpr double NoValue = std::numeric_limits<double>::quiet_NaN();
}

class TestNumericTypes : public QObject {
    Q_OBJECT

private slots:
    void narrowing_data();
    void narrowing();
    void toSingle_data();
    void toSingle();
    void currencyFromDouble_data();
    void currencyFromDouble();
    void currencyText_data();
    void currencyText();
    void currencyArithmetic();
    void floatFaults_data();
    void floatFaults();
    void floatFaultsKeepEarlierFlags();
};

// Rows: value, then the expected 16-bit, 32-bit and 8-bit results (NaN: overflow).
void TestNumericTypes::narrowing_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("int16");
    QTest::addColumn<double>("int32");
    QTest::addColumn<double>("byte");
    QTest::newRow("half to even down") << 2.5 << 2.0 << 2.0 << 2.0;
    QTest::newRow("half to even up") << 3.5 << 4.0 << 4.0 << 4.0;
    QTest::newRow("negative half") << -0.5 << 0.0 << 0.0 << 0.0;
    QTest::newRow("16-bit top") << 32767.4 << 32767.0 << 32767.0 << NoValue;
    QTest::newRow("16-bit top rounds over") << 32767.5 << NoValue << 32768.0 << NoValue;
    QTest::newRow("16-bit bottom tie") << -32768.5 << -32768.0 << -32768.0 << NoValue;
    QTest::newRow("16-bit below") << -32769.0 << NoValue << -32769.0 << NoValue;
    QTest::newRow("32-bit top") << 2147483647.4 << NoValue << 2147483647.0 << NoValue;
    QTest::newRow("32-bit over") << 2147483647.5 << NoValue << NoValue << NoValue;
    QTest::newRow("32-bit bottom") << -2147483648.0 << NoValue << -2147483648.0 << NoValue;
    QTest::newRow("byte top") << 255.4 << 255.0 << 255.0 << 255.0;
    QTest::newRow("byte over") << 255.5 << 256.0 << 256.0 << NoValue;
    QTest::newRow("byte negative") << -1.0 << -1.0 << -1.0 << NoValue;
    QTest::newRow("not a number") << NoValue << NoValue << NoValue << NoValue;
    QTest::newRow("infinity") << HUGE_VAL << NoValue << NoValue << NoValue;
}

namespace {
template <class Narrow> QByteArray narrowed(Narrow narrow, double value) {
    try {
        return exact(double(narrow(value)));
    } catch (const CalcError &error) {
        return error.kind() == CalcError::Kind::Overflow ? "overflow" : "other failure";
    }
}
QByteArray expectedNarrowed(double value) {
    return std::isnan(value) ? QByteArray("overflow") : exact(value);
}
} // namespace

void TestNumericTypes::narrowing() {
    QFETCH(double, value);
    QFETCH(double, int16);
    QFETCH(double, int32);
    QFETCH(double, byte);
    QCOMPARE(narrowed(toInt16, value), expectedNarrowed(int16));
    QCOMPARE(narrowed(toInt32, value), expectedNarrowed(int32));
    QCOMPARE(narrowed(toByte, value), expectedNarrowed(byte));
}

void TestNumericTypes::toSingle_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("tenth") << 0.1 << double(0.1f);
    QTest::newRow("largest") << double(FLT_MAX) << double(FLT_MAX);
    QTest::newRow("too large") << 1e39 << NoValue;
    QTest::newRow("too small negative") << -1e39 << NoValue;
    QTest::newRow("tiny becomes zero") << 1e-50 << 0.0;
    QTest::newRow("not a number") << NoValue << NoValue;
}

void TestNumericTypes::toSingle() {
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(narrowed(zq::toSingle, value), expectedNarrowed(expected));
}

void TestNumericTypes::currencyFromDouble_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("units");
    QTest::addColumn<bool>("overflows");
    QTest::newRow("whole") << 12.0 << qint64(120000) << false;
    QTest::newRow("four places") << 1.2345 << qint64(12345) << false;
    QTest::newRow("rounded") << 1.23456 << qint64(12346) << false;
    // 0.00005 is a little above its binary half, 0.00015 a little below.
    QTest::newRow("just above a half") << 0.00005 << qint64(1) << false;
    QTest::newRow("just below a half") << 0.00015 << qint64(1) << false;
    QTest::newRow("exact tie to even") << 0.03125 << qint64(312) << false;
    QTest::newRow("negative") << -2.5 << qint64(-25000) << false;
    QTest::newRow("largest whole part")
        << 922337203685477.0 << qint64(9223372036854770000) << false;
    QTest::newRow("too large") << 922337203685478.0 << qint64(0) << true;
    QTest::newRow("far too large") << 1e300 << qint64(0) << true;
    QTest::newRow("not a number") << NoValue << qint64(0) << true;
}

void TestNumericTypes::currencyFromDouble() {
    QFETCH(double, value);
    QFETCH(qint64, units);
    QFETCH(bool, overflows);
    if (overflows) {
        QVERIFY_THROWS_EXCEPTION(CalcError, Currency::fromDouble(value));
        return;
    }
    QCOMPARE(qint64(Currency::fromDouble(value).units()), units);
}

void TestNumericTypes::currencyText_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<qint64>("units");
    QTest::addColumn<QString>("expected");
    const QLocale point = pointLocale();
    QTest::newRow("whole") << point << qint64(50000) << "5";
    QTest::newRow("fraction") << point << qint64(15000) << "1.5";
    QTest::newRow("smallest step") << point << qint64(-1) << "-0.0001";
    QTest::newRow("largest") << point << std::numeric_limits<qint64>::max()
                             << "922337203685477.5807";
    QTest::newRow("smallest") << point << std::numeric_limits<qint64>::min()
                              << "-922337203685477.5808";
    QTest::newRow("comma") << commaLocale() << qint64(12500) << "1,25";
}

void TestNumericTypes::currencyText() {
    QFETCH(QLocale, locale);
    QFETCH(qint64, units);
    QFETCH(QString, expected);
    LocaleScope scope(locale);
    QCOMPARE(Currency::fromUnits(units).toText(), expected);
}

void TestNumericTypes::currencyArithmetic() {
    const Currency largest = Currency::fromUnits(std::numeric_limits<qint64>::max());
    const Currency step = Currency::fromUnits(1);
    QCOMPARE((Currency::fromDouble(1.5) * Currency::fromDouble(1.5)).units(), 22500);
    QCOMPARE((step * Currency::fromDouble(0.5)).units(), 0); // 0.00005: tie to even
    QCOMPARE((Currency::fromUnits(3) * Currency::fromDouble(0.5)).units(), 2); // 0.00015
    QCOMPARE((Currency::fromDouble(-1.5) * Currency::fromDouble(2)).units(), -30000);
    QCOMPARE((largest - step + step).units(), largest.units());
    QVERIFY_THROWS_EXCEPTION(CalcError, largest + step);
    QVERIFY_THROWS_EXCEPTION(CalcError,
                             Currency::fromUnits(std::numeric_limits<qint64>::min()) - step);
    QVERIFY_THROWS_EXCEPTION(CalcError, largest * Currency::fromDouble(2));
}

void TestNumericTypes::floatFaults_data() {
    QTest::addColumn<int>("computation");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("ordinary") << 0 << "0.33333333333333331";
    QTest::newRow("one over zero") << 1 << "division by zero";
    QTest::newRow("one over one over zero") << 2 << "division by zero";
    QTest::newRow("overflow") << 3 << "overflow";
    QTest::newRow("cube root of negative by pow") << 4 << "invalid argument";
    QTest::newRow("square root of negative") << 5 << "invalid argument";
    QTest::newRow("infinity passed in") << 6 << "overflow";
    QTest::newRow("zero over zero") << 7 << "invalid argument";
}

void TestNumericTypes::floatFaults() {
    QFETCH(int, computation);
    QFETCH(QString, outcome);
    volatile double zero = 0;
    volatile double big = DBL_MAX;
    volatile double negative = -8;
    volatile double infinite = HUGE_VAL;
    const auto compute = [&]() -> double {
        switch (computation) {
        case 0:
            return 1.0 / 3.0;
        case 1:
            return 1.0 / zero;
        case 2:
            return 1.0 / (1.0 / zero);
        case 3:
            return big * 2;
        case 4:
            return std::pow(negative, 1.0 / 3.0);
        case 5:
            return std::sqrt(negative);
        case 6:
            return infinite * 2;
        default:
            return zero / zero;
        }
    };
    QString result;
    try {
        result = QString::fromLatin1(exact(checkedFloat(compute)));
    } catch (const CalcError &error) {
        result = QString::fromLatin1(error.what());
    }
    QCOMPARE(result, outcome);
}

void TestNumericTypes::floatFaultsKeepEarlierFlags() {
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_OVERFLOW);
    QCOMPARE(checkedFloat([] { return 2.0 * 3.0; }), 6.0);
    QVERIFY(std::fetestexcept(FE_OVERFLOW));
    std::feclearexcept(FE_ALL_EXCEPT);
}

QTEST_GUILESS_MAIN(TestNumericTypes)
#include "tst_numeric_types.moc"
