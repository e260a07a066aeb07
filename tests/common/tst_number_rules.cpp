#include "common/calc_error.h"
#include "common/number_rules.h"
#include "test_support.h"

#include <QTest>

#include <cfloat>
#include <cstring>
#include <limits>
#include <random>

using namespace zq;

class TestNumberRules : public QObject {
    Q_OBJECT

private slots:
    void parseNumber_data();
    void parseNumber();
    void parseNumberHugeInput();
    void parseNumberStrict_data();
    void parseNumberStrict();
    void parseNumberStrictFails_data();
    void parseNumberStrictFails();
    void formatNumberText_data();
    void formatNumberText();
    void formatNumberTextRejectsNonFinite();
    void formatNumberTextMatchesPrintf_data();
    void formatNumberTextMatchesPrintf();
    void formatSingleText_data();
    void formatSingleText();
    void formatSingleTextMatchesPrintf();
    void signedNumberText();
    void roundHalfEven_data();
    void roundHalfEven();
    void roundHalfEvenRejectsNegativePlaces();
};

void TestNumberRules::parseNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("unit after number") << "12.5kg" << 12.5;
    QTest::newRow("comma is no decimal point") << "1,5" << 1.0;
    QTest::newRow("blanks removed before the sign") << " - 3" << -3.0;
    QTest::newRow("blanks inside digits") << "12 34" << 1234.0;
    QTest::newRow("tab and line feed removed") << "\t4\n2" << 42.0;
    QTest::newRow("carriage return stops") << "\r5" << 0.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("exponent D") << "1d2" << 100.0;
    QTest::newRow("negative exponent") << "25E-2" << 0.25;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("exponent sign without digits") << "1e+" << 1.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("double sign") << "--1" << 0.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("second point stops") << "1.5.6" << 1.5;
    QTest::newRow("leading zeros") << "007.25" << 7.25;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("minus alone") << "-" << 0.0;
    QTest::newRow("hex") << "&H1F" << 31.0;
    QTest::newRow("hex lower case") << "&hff" << 255.0;
    QTest::newRow("hex 16-bit negative") << "&HFFFF" << -1.0;
    QTest::newRow("hex 16-bit top") << "&H8000" << -32768.0;
    QTest::newRow("hex beyond 16 bits") << "&H10000" << 65536.0;
    QTest::newRow("hex 32-bit negative") << "&HFFFFFFFF" << -1.0;
    QTest::newRow("hex 32-bit top") << "&H7FFFFFFF" << 2147483647.0;
    QTest::newRow("hex stops at non-digit") << "&H1G" << 1.0;
    QTest::newRow("hex with blanks") << "& H 1F" << 31.0;
    QTest::newRow("hex without digits") << "&H" << 0.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal 16-bit negative") << "&o177777" << -1.0;
    QTest::newRow("octal stops at 8") << "&O78" << 7.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("ampersand other") << "&X1" << 0.0;
    QTest::newRow("overflow") << "1e400" << inf;
    QTest::newRow("negative overflow") << "-1e400" << -inf;
    QTest::newRow("underflow") << "1e-400" << 0.0;
    QTest::newRow("long zero fraction") << "0." + QString(400, QLatin1Char('0')) + "1" << 0.0;
    QTest::newRow("long integer") << "1" + QString(400, QLatin1Char('0')) << inf;
    QTest::newRow("long integer small exponent")
        << "1" + QString(400, QLatin1Char('0')) + "e-399" << 10.0;
    QTest::newRow("largest double") << "1.7976931348623157e308" << DBL_MAX;
    QTest::newRow("smallest subnormal") << "4.9406564584124654e-324" << 4.9406564584124654e-324;
    QTest::newRow("correct rounding") << "0.1" << 0.1;
}

void TestNumberRules::parseNumber() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(exact(ParseNumber(text)), exact(expected));
}

void TestNumberRules::parseNumberHugeInput() {
    // A megabyte of digits is read without trouble.
    const QString digits = QStringLiteral("0.") + QString(1 << 20, QLatin1Char('3'));
    QCOMPARE(exact(ParseNumber(digits)), exact(1.0 / 3.0));
    QCOMPARE(exact(ParseNumber(QString(1 << 20, QLatin1Char(' ')) + "8")), exact(8));
}

void TestNumberRules::parseNumberStrict_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    const QLocale point = pointLocale();
    const QLocale comma = commaLocale();
    QTest::newRow("point: decimal") << point << "1.5" << 1.5;
    QTest::newRow("point: group") << point << "1,500" << 1500.0;
    QTest::newRow("point: groups and decimals") << point << "1,234,567.89" << 1234567.89;
    QTest::newRow("point: loose group") << point << "1,5" << 15.0;
    QTest::newRow("point: blanks") << point << "  42\t" << 42.0;
    QTest::newRow("point: sign and exponent") << point << "-1.5e3" << -1500.0;
    QTest::newRow("point: plus and leading point") << point << "+.5" << 0.5;
    QTest::newRow("point: trailing point") << point << "5." << 5.0;
    QTest::newRow("point: exponent upper") << point << "2E-3" << 0.002;
    QTest::newRow("point: hex") << point << "&HFF" << 255.0;
    QTest::newRow("point: hex 16-bit") << point << "&HFFFF" << -1.0;
    QTest::newRow("point: octal") << point << " &O10 " << 8.0;
    QTest::newRow("point: underflow") << point << "1e-400" << 0.0;
    QTest::newRow("comma: decimal") << comma << "1,5" << 1.5;
    QTest::newRow("comma: group") << comma << "1.500" << 1500.0;
    QTest::newRow("comma: groups and decimals") << comma << "1.234.567,89" << 1234567.89;
    QTest::newRow("comma: exponent") << comma << "1,5e2" << 150.0;
    QTest::newRow("comma: negative") << comma << "-0,25" << -0.25;
}

void TestNumberRules::parseNumberStrict() {
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    LocaleScope scope(locale);
    QCOMPARE(exact(ParseNumberStrict(text)), exact(expected));
}

void TestNumberRules::parseNumberStrictFails_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    const QLocale point = pointLocale();
    const int nan = int(CalcError::Kind::NotANumber);
    const int overflow = int(CalcError::Kind::Overflow);
    QTest::newRow("empty") << point << "" << nan;
    QTest::newRow("blanks only") << point << "   " << nan;
    QTest::newRow("letters") << point << "abc" << nan;
    QTest::newRow("unit after number") << point << "12kg" << nan;
    QTest::newRow("two points") << point << "1.5.6" << nan;
    QTest::newRow("blank inside") << point << "1 5" << nan;
    QTest::newRow("exponent without digits") << point << "1e" << nan;
    QTest::newRow("D exponent") << point << "1d2" << nan;
    QTest::newRow("double sign") << point << "--1" << nan;
    QTest::newRow("sign alone") << point << "-" << nan;
    QTest::newRow("point alone") << point << "." << nan;
    QTest::newRow("leading group separator") << point << ",5" << nan;
    QTest::newRow("hex without digits") << point << "&H" << nan;
    QTest::newRow("hex bad digit") << point << "&HFG" << nan;
    QTest::newRow("line feed") << point << "5\n" << nan;
    QTest::newRow("too large") << point << "1e400" << overflow;
    QTest::newRow("hex beyond 32 bits") << point << "&H100000000" << overflow;
    QTest::newRow("comma: second decimal") << commaLocale() << "1,5,6" << nan;
    QTest::newRow("comma: point decimals after comma") << commaLocale() << "1,5.3" << nan;
}

void TestNumberRules::parseNumberStrictFails() {
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(int, kind);
    LocaleScope scope(locale);
    try {
        const double value = ParseNumberStrict(text);
        QFAIL(qPrintable(QStringLiteral("read as %1").arg(value)));
    } catch (const CalcError &error) {
        QCOMPARE(int(error.kind()), kind);
    }
}

void TestNumberRules::formatNumberText_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    const QLocale point = pointLocale();
    const QLocale comma = commaLocale();
    QTest::newRow("pound factor") << point << 0.45359237 << "0.45359237";
    QTest::newRow("one third") << point << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("two thirds") << point << 2.0 / 3 << "0.666666666666667";
    QTest::newRow("1e15") << point << 1e15 << "1E+15";
    QTest::newRow("15 digits") << point << 123456789012345.0 << "123456789012345";
    QTest::newRow("0.0001") << point << 0.0001 << "0.0001";
    QTest::newRow("0.00001") << point << 0.00001 << "1E-05";
    QTest::newRow("1e-20") << point << 1e-20 << "1E-20";
    QTest::newRow("1.5e-20") << point << 1.5e-20 << "1.5E-20";
    QTest::newRow("18 digits") << point << 123456789012345678.0 << "1.23456789012346E+17";
    QTest::newRow("negative half") << point << -0.5 << "-0.5";
    QTest::newRow("million") << point << 1000000.0 << "1000000";
    QTest::newRow("zero") << point << 0.0 << "0";
    QTest::newRow("negative zero") << point << -0.0 << "0";
    QTest::newRow("rounds up to 1E+15") << point << 999999999999999.9 << "1E+15";
    QTest::newRow("rounds to whole") << point << 0.1 + 0.2 << "0.3";
    QTest::newRow("rounds to ten") << point << 9.9999999999999999 << "10";
    QTest::newRow("negative exponent form") << point << -1e-5 << "-1E-05";
    QTest::newRow("three-digit exponent") << point << 1e100 << "1E+100";
    QTest::newRow("largest") << point << DBL_MAX << "1.79769313486232E+308";
    QTest::newRow("subnormal") << point << 4.9406564584124654e-324 << "4.94065645841247E-324";
    QTest::newRow("trailing fraction zeros") << point << 1234.5 << "1234.5";
    QTest::newRow("small plain") << point << 0.00012345 << "0.00012345";
    QTest::newRow("comma: half") << comma << 0.5 << "0,5";
    QTest::newRow("comma: exponent") << comma << 1.5e-20 << "1,5E-20";
    QTest::newRow("comma: whole") << comma << 1234567.0 << "1234567";
    QTest::newRow("comma: no group separator") << comma << 12345.678 << "12345,678";
}

void TestNumberRules::formatNumberText() {
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    LocaleScope scope(locale);
    QCOMPARE(FormatNumberText(value), expected);
}

void TestNumberRules::formatNumberTextRejectsNonFinite() {
    for (double value :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()})
        QVERIFY_THROWS_EXCEPTION(CalcError, FormatNumberText(value));
}

void TestNumberRules::formatNumberTextMatchesPrintf_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("point") << pointLocale();
    QTest::newRow("comma") << commaLocale();
}

// The C library's %.15G writes the same general format; compare over every magnitude.
void TestNumberRules::formatNumberTextMatchesPrintf() {
    QFETCH(QLocale, locale);
    LocaleScope scope(locale);
    const QChar separator = locale.decimalPoint().front();
    std::mt19937_64 random(20261206);
    std::uniform_int_distribution<int> decade(-30, 30);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    for (int i = 0; i < 60000; ++i) {
        double value = 0;
        if (i % 3 == 0) {
            const std::uint64_t bits = random();
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value) || value == 0)
                continue;
        } else if (i % 3 == 1) {
            value = mantissa(random) * std::pow(10.0, decade(random));
        } else {
            // Whole and nearly whole numbers around the 15-digit boundary.
            value = std::nearbyint(mantissa(random) * 1e15) + (i % 2 ? 0.5 : 0);
        }
        if (value == 0)
            continue;
        char expected[48];
        std::snprintf(expected, sizeof expected, "%.15G", value);
        const QString wanted = QString::fromLatin1(expected).replace(QLatin1Char('.'), separator);
        const QString actual = FormatNumberText(value);
        if (actual != wanted)
            QFAIL(qPrintable(QStringLiteral("%1: %2 instead of %3")
                                 .arg(QString::fromLatin1(exact(value)), actual, wanted)));
    }
}

void TestNumberRules::formatSingleText_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one third") << 1.0f / 3 << "0.3333333";
    QTest::newRow("tenth") << 0.1f << "0.1";
    QTest::newRow("seven digits") << 1234567.0f << "1234567";
    QTest::newRow("eight digits") << 12345678.0f << "1.234568E+07";
    QTest::newRow("small") << 0.00001f << "1E-05";
    QTest::newRow("negative") << -2.5f << "-2.5";
    QTest::newRow("zero") << 0.0f << "0";
}

void TestNumberRules::formatSingleText() {
    QFETCH(float, value);
    QFETCH(QString, expected);
    LocaleScope scope(pointLocale());
    QCOMPARE(FormatSingleText(value), expected);
}

void TestNumberRules::formatSingleTextMatchesPrintf() {
    LocaleScope scope(pointLocale());
    std::mt19937 random(1206);
    for (int i = 0; i < 30000; ++i) {
        const std::uint32_t bits = random();
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value) || value == 0)
            continue;
        char expected[48];
        std::snprintf(expected, sizeof expected, "%.7G", double(value));
        QCOMPARE(FormatSingleText(value), QString::fromLatin1(expected));
    }
}

// The signed-number text form keeps "." whatever the locale and marks non-negative numbers
// with a leading space.
void TestNumberRules::signedNumberText() {
    LocaleScope scope(commaLocale());
    QCOMPARE(SignedNumberText(5), QStringLiteral(" 5"));
    QCOMPARE(SignedNumberText(-5), QStringLiteral("-5"));
    QCOMPARE(SignedNumberText(1.5), QStringLiteral(" 1.5"));
    QCOMPARE(SignedNumberText(0), QStringLiteral(" 0"));
    QCOMPARE(SignedNumberText(1e20), QStringLiteral(" 1E+20"));
    QCOMPARE(SignedSingleText(1.0f / 3), QStringLiteral(" 0.3333333"));
    QCOMPARE(SignedSingleText(-16777217.0f), QStringLiteral("-1.677722E+07"));
}

void TestNumberRules::roundHalfEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<double>("expected");
    QTest::newRow("0.5") << 0.5 << 0 << 0.0;
    QTest::newRow("1.5") << 1.5 << 0 << 2.0;
    QTest::newRow("2.5") << 2.5 << 0 << 2.0;
    QTest::newRow("3.5") << 3.5 << 0 << 4.0;
    QTest::newRow("-2.5") << -2.5 << 0 << -2.0;
    QTest::newRow("-3.5") << -3.5 << 0 << -4.0;
    QTest::newRow("2.4999") << 2.4999 << 0 << 2.0;
    QTest::newRow("0.125 at 2") << 0.125 << 2 << 0.12;
    QTest::newRow("0.375 at 2") << 0.375 << 2 << 0.38;
    // 2.675 and 1.005 lie just below their halves in binary.
    QTest::newRow("2.675 at 2") << 2.675 << 2 << 2.67;
    QTest::newRow("1.005 at 2") << 1.005 << 2 << 1.0;
    QTest::newRow("123.456 at 1") << 123.456 << 1 << 123.5;
    QTest::newRow("-0.125 at 2") << -0.125 << 2 << -0.12;
    QTest::newRow("large whole") << 1e20 << 2 << 1e20;
    QTest::newRow("many places") << 0.1 << 20 << 0.1;
}

void TestNumberRules::roundHalfEven() {
    QFETCH(double, value);
    QFETCH(int, places);
    QFETCH(double, expected);
    QCOMPARE(exact(RoundHalfEven(value, places)), exact(expected));
}

void TestNumberRules::roundHalfEvenRejectsNegativePlaces() {
    QVERIFY_THROWS_EXCEPTION(CalcError, RoundHalfEven(1.5, -1));
}

QTEST_GUILESS_MAIN(TestNumberRules)
#include "tst_number_rules.moc"
