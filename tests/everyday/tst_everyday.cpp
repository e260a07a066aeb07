#include "common/calc_error.h"
#include "common/date_text.h"
#include "common/interface_language.h"
#include "common/number_rules.h"
#include "everyday/calendar.h"
#include "everyday/formulas.h"
#include "everyday/stopwatch.h"
#include "test_support.h"

#include <QTest>

#include <cmath>

using namespace zq;

namespace {

// The tabular Islamic calendar worked out independently: the day number of a Hijri date, with
// 11 leap years in 30 and 1 Muharram 1 on Julian day 1948440 (16 July 622).
qint64 hijriJulianDay(int year, int month, int day) {
    return day + qint64(std::ceil(29.5 * (month - 1))) + qint64(year - 1) * 354 +
           (3 + 11 * year) / 30 + 1948439;
}

} // namespace

class TestEveryday : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(pointLocale()); }
    void parseDates_data();
    void parseDates();
    void hijriBothWays();
    void dayDifferences();
    void ages_data();
    void ages();
    void birthdayLines();
    void zodiacAgainstItsTable();
    void stopwatchCount();
    void health();
    void heatIndex_data();
    void heatIndex();
    void weather_data();
    void weather();
    void planets();
    void consumption();
};

void TestEveryday::parseDates_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("iso"); // empty: no date
    const QLocale us = pointLocale(), de = commaLocale(), tr(QLocale::Turkish, QLocale::Turkey);
    const struct {
        QLocale locale;
        const char *typed, *iso;
    } rows[] = {
        {us, "3/1/2013", "2013-03-01"},
        {us, "1-3-13", "2013-01-03"},
        {us, " 2013-03-01 ", "2013-03-01"},
        {us, "1 March 2013", "2013-03-01"},
        {us, "Mar 1, 2013", "2013-03-01"},
        {us, "march 1 2013", "2013-03-01"},
        {us, "2013 Mar 1", "2013-03-01"},
        {us, "25/12/2000", "2000-12-25"},
        {us, "12.25.99", "1999-12-25"},
        {us, "1 1 29", "2029-01-01"},
        {us, "1 1 30", "1930-01-01"},
        {us, "2/29/2001", ""},
        {us, "31/31/2000", ""},
        {us, "abc", ""},
        {us, "1 2", ""},
        {us, "", ""},
        {us, "1/2/3/4", ""},
        {us, "Marchy 1 2013", ""},
        {de, "1.3.2013", "2013-03-01"},
        {de, "01/03/13", "2013-03-01"},
        {de, "2013-03-01", "2013-03-01"},
        {de, "1 Mar 2013", "2013-03-01"},
        {de, "12.25.2013", "2013-12-25"} /* 25 cannot be a month: read the other way */,
        // Month names of the language the program speaks, besides English ones.
        {de, "3 März 2024", "2024-03-03"},
        {de, "3 MARZ 2024", "2024-03-03"},
        {de, "Dezember 24 2024", "2024-12-24"},
        {tr, "3 Mart 2024", "2024-03-03"},
        {tr, "3 ŞUBAT 2024", "2024-02-03"},
        {tr, "1 ağu 2024", "2024-08-01"},
        {tr, "9 Ekim 2024", "2024-10-09"},
        {us, "3 März 2024", ""},
        {us, "3 Mart 2024", ""},
    };
    for (const auto &row : rows)
        QTest::addRow("%s '%s'", qPrintable(row.locale.name()), row.typed)
            << row.locale << row.typed << row.iso;
}

void TestEveryday::parseDates() {
    QFETCH(QLocale, locale);
    QFETCH(QString, typed);
    QFETCH(QString, iso);
    const LocaleScope scope(locale);
    SetInterfaceLanguage(locale.language());
    const std::optional<QDate> date = ParseDateText(typed);
    SetInterfaceLanguage(QLocale::English);
    QCOMPARE(date ? date->toString(Qt::ISODate) : QString(), iso);
}

void TestEveryday::hijriBothWays() {
    const LocaleScope scope(commaLocale()); // day before month
    for (int year = 1300; year <= 1500; year += 7) {
        for (int month = 1; month <= 12; ++month) {
            for (int day : {1, 15, 29}) {
                const QDate gregorian = QDate::fromJulianDay(hijriJulianDay(year, month, day));
                const QString typedDay = QString::number(day), typedMonth = QString::number(month);
                QCOMPARE(ConvertHijriText(typedDay, typedMonth, QString::number(year), true),
                         ToGregorianDateText(gregorian));
                QCOMPARE(ConvertHijriText(QString::number(gregorian.day()),
                                          QString::number(gregorian.month()),
                                          QString::number(gregorian.year()), false),
                         QStringLiteral("%1.%2.%3")
                             .arg(day, 2, 10, QLatin1Char('0'))
                             .arg(month, 2, 10, QLatin1Char('0'))
                             .arg(year)); // the year whole
            }
        }
    }
    // A Hijri year of two digits is that year, not one of this century; the dates shown carry
    // their years whole.
    QCOMPARE(ConvertHijriText("1", "1", "46", true),
             ToGregorianDateText(QDate::fromJulianDay(hijriJulianDay(46, 1, 1))));
    QVERIFY(ToGregorianDateText(QDate::fromJulianDay(hijriJulianDay(46, 1, 1))).endsWith(".0666"));
    // The 30th of a short month is no Hijri date.
    QVERIFY_THROWS_EXCEPTION(CalcError, ConvertHijriText("30", "2", "1445", true));
}

void TestEveryday::dayDifferences() {
    QCOMPARE(DaysBetweenTexts("1 January 2013", "1 March 2013"), 59);
    QCOMPARE(DaysBetweenTexts("1 March 2013", "1 January 2013"), -59);
    QCOMPARE(DaysBetweenTexts("2013-03-30", "2013-04-01"), 2); // over a clock change
    QVERIFY_THROWS_EXCEPTION(CalcError, DaysBetweenTexts("soon", "1 March 2013"));
}

// Calendar age: whole years, whole months (complete when their starting day comes round again),
// then the days left, as date libraries count a period between two dates.
void TestEveryday::ages_data() {
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("age");
    const struct {
        const char *name;
        QDate birth, today;
        const char *age;
    } rows[] = {
        {"over a short February", {2000, 12, 25}, {2013, 3, 10}, "12 years 2 months 13 days"},
        {"the day of birth", {2000, 12, 25}, {2000, 12, 25}, "0 years 0 months 0 days"},
        {"31 January to a leap 1 March", {2000, 1, 31}, {2000, 3, 1}, "0 years 1 months 1 days"},
        {"31 January to 28 February", {2013, 1, 31}, {2013, 2, 28}, "0 years 0 months 28 days"},
        {"31 January to 1 March", {2013, 1, 31}, {2013, 3, 1}, "0 years 1 months 1 days"},
        {"30 January to 1 March", {2001, 1, 30}, {2001, 3, 1}, "0 years 1 months 1 days"},
        {"29 February to 28 February", {2000, 2, 29}, {2001, 2, 28}, "0 years 11 months 30 days"},
        {"29 February to 1 March", {2000, 2, 29}, {2001, 3, 1}, "1 years 0 months 1 days"},
        {"29 February to 29 February", {2000, 2, 29}, {2004, 2, 29}, "4 years 0 months 0 days"},
        {"a month's last day to the next", {2013, 4, 30}, {2013, 5, 31}, "0 years 1 months 1 days"},
        {"born later", {2020, 1, 1}, {2013, 3, 10}, ""},
        {"no birth", {}, {2013, 3, 10}, ""},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.birth << row.today << QString(row.age);
}

void TestEveryday::ages() {
    QFETCH(QDate, birth);
    QFETCH(QDate, today);
    QFETCH(QString, age);
    QCOMPARE(AgeText(birth, today), age);
}

void TestEveryday::birthdayLines() {
    QCOMPARE(BirthdayText("25", "12", "2000", QDate(2013, 3, 10)),
             QStringLiteral("Age: 12 years 2 months 13 days\r\nAge in Minutes: 6419520\r\n"
                            "Age in Hours: 106992\r\nAge in Days: 4458\r\nAge in Weeks: 636\r\n"
                            "Age in Months: 146\r\nBorn Day: Monday"));
    QVERIFY(BirthdayText("1", "1", "2014", QDate(2013, 3, 10))
                .startsWith("Age: \r\nAge in Minutes: -427680\r\n"));
    QVERIFY_THROWS_EXCEPTION(CalcError, BirthdayText("", "", "", QDate(2013, 3, 10)));
}

// Within a month, days before its change-over day take the sign ending in it, the rest the
// sign beginning in it.
void TestEveryday::zodiacAgainstItsTable() {
    const char *beginning[] = {"Aquarius", "Pisces",  "Aries",       "Taurus",
                               "Gemini",   "Cancer",  "Leo",         "Virgo",
                               "Libra",    "Scorpio", "Sagittarius", "Capricorn"};
    // The first day of the sign that begins in each month, by the common tables.
    const int changeOver[] = {20, 19, 21, 20, 21, 21, 23, 23, 23, 23, 22, 22};
    for (int month = 1; month <= 12; ++month)
        for (int day = 0; day <= 31; ++day) {
            const int sign = day >= changeOver[month - 1] ? month - 1 : (month + 10) % 12;
            QCOMPARE(BurcBul(std::uint8_t(day), std::uint8_t(month)),
                     QLatin1String(beginning[sign]));
        }
    QCOMPARE(BurcBul(5, 0), QStringLiteral("Wrong Type"));
    QVERIFY_THROWS_EXCEPTION(CalcError, BurcBul(32, 1));
    QVERIFY_THROWS_EXCEPTION(CalcError, BurcBul(1, 13));
}

void TestEveryday::stopwatchCount() {
    QCOMPARE(StopwatchCount::afterTicks(64).labelTexts(), (QStringList{"00:", "00:", "01.", "00"}));
    const qint64 fields = ((1 * 60 + 5) * 60 + 9) * 64 + 7;
    QCOMPARE(StopwatchCount::afterTicks(fields).labelTexts(),
             (QStringList{"01:", "05:", "09.", "07"}));
    const qint64 day = StopwatchCount::TicksPerDay;
    QCOMPARE(StopwatchCount::afterTicks(day - 1).labelTexts(),
             (QStringList{"23:", "59:", "59.", "63"}));
    QCOMPARE(StopwatchCount::afterTicks(day).labelTexts(),
             (QStringList{"00:", "00:", "00.", "00"}));
    QCOMPARE(StopwatchCount::ticksIn(1000000000), 64);
    QCOMPARE(StopwatchCount::ticksIn(3 * 15625000 - 1), 2);
    QCOMPARE(StopwatchCount::ticksIn(qint64(1e18)), qint64(64e9));
}

void TestEveryday::health() {
    QCOMPARE(FormatNumberText(MetricBmi(70, 175)), QStringLiteral("22.9"));
    QCOMPARE(FormatNumberText(EnglishBmi(154, 5, 9)), QStringLiteral("22.7"));
    QVERIFY_THROWS_EXCEPTION(CalcError, MetricBmi(70, 0));
    QCOMPARE(BmiBand(18.4f), BmiCategory::Underweight);
    QCOMPARE(BmiBand(0), BmiCategory::Underweight);
    QCOMPARE(BmiBand(22.9f), BmiCategory::NormalWeight);
    QCOMPARE(BmiBand(29.9f), BmiCategory::Overweight);
    for (float between : {18.45f, 24.95f, 29.95f, 30.0f, -1.0f})
        QVERIFY(!BmiBand(between));
    QCOMPARE(FormatNumberText(RoundHalfEven(BodySurfaceArea(70, 175), 2)), QStringLiteral("1.85"));
    QVERIFY_THROWS_EXCEPTION(CalcError, BodySurfaceArea(-70, 175));
    QCOMPARE(BodySurfaceArea(0, 0), 0.0);
    QCOMPARE(CreatinineClearance(72, 40, 1, false), 100.0);
    QCOMPARE(FormatNumberText(CreatinineClearance(72, 40, 1, true)), QStringLiteral("85"));
    QVERIFY_THROWS_EXCEPTION(CalcError, CreatinineClearance(72, 40, 0, false));
    QCOMPARE(RoundHalfEven(MaximumHeartRate(30, true), 0), 180.0);
    QCOMPARE(MaximumHeartRate(30, false), 190.0);
}

namespace {

// The National Weather Service's heat index procedure, written out from its description: the
// simple formula; where its average with the temperature reaches 80 °F, the Rothfusz
// regression, less a correction below 13 % humidity from 80 to 112 °F, plus one above 85 %
// from 80 to 87 °F.
double nwsHeatIndex(double t, double rh) {
    const double simple = 0.5 * (t + 61.0 + ((t - 68.0) * 1.2) + (rh * 0.094));
    if ((simple + t) / 2 < 80)
        return simple;
    double hi = -42.379 + 2.04901523 * t + 10.14333127 * rh - .22475541 * t * rh -
                .00683783 * t * t - .05481717 * rh * rh + .00122874 * t * t * rh +
                .00085282 * t * rh * rh - .00000199 * t * t * rh * rh;
    if (rh < 13 && t >= 80 && t <= 112)
        hi -= ((13 - rh) / 4) * std::sqrt((17 - std::fabs(t - 95.)) / 17);
    else if (rh > 85 && t >= 80 && t <= 87)
        hi += ((rh - 85) / 10) * ((87 - t) / 5);
    return hi;
}

} // namespace

void TestEveryday::heatIndex_data() {
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("humidity");
    QTest::newRow("cool: the simple formula") << 50.0 << 50.0;
    QTest::newRow("mild: the simple formula") << 75.0 << 50.0;
    QTest::newRow("hot: the regression") << 90.0 << 70.0;
    QTest::newRow("dry: less") << 100.0 << 10.0;
    QTest::newRow("dry, at its hottest") << 112.0 << 5.0;
    QTest::newRow("humid: more") << 85.0 << 90.0;
    QTest::newRow("humid, at its coolest") << 80.0 << 86.0;
}

void TestEveryday::heatIndex() {
    QFETCH(double, temperature);
    QFETCH(double, humidity);
    QCOMPARE(RoundHalfEven(HeatIndexOf(temperature, humidity, true), 2),
             RoundHalfEven(nwsHeatIndex(temperature, humidity), 2));
}

void TestEveryday::weather_data() {
    QTest::addColumn<bool>("heat");
    QTest::addColumn<bool>("fahrenheit");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("second");
    QTest::addColumn<QString>("index"); // "none": not defined there
    QTest::newRow("heat °C") << true << false << 32.0 << 70.0 << "40.41";
    QTest::newRow("heat °F") << true << true << 90.0 << 70.0 << "105.92";
    QTest::newRow("heat of cool air") << true << true << 50.0 << 50.0 << "47.05";
    QTest::newRow("heat of cool air °C") << true << false << 0.0 << 50.0 << "-2.64";
    QTest::newRow("chill °C") << false << false << -10.0 << 20.0 << "-17.861";
    QTest::newRow("chill °F") << false << true << 0.0 << 15.0 << "-19.398";
    QTest::newRow("calm °C") << false << false << 10.0 << 0.0 << "10";
    QTest::newRow("calm °F") << false << true << 0.0 << 0.0 << "0";
    QTest::newRow("just windy enough") << false << false << 10.0 << 4.8 << "9.817";
    QTest::newRow("warm °F") << false << true << 80.0 << 10.0 << "none";
    QTest::newRow("warm °C") << false << false << 10.5 << 20.0 << "none";
}

void TestEveryday::weather() {
    QFETCH(bool, heat);
    QFETCH(bool, fahrenheit);
    QFETCH(double, temperature);
    QFETCH(double, second);
    QFETCH(QString, index);
    if (heat) {
        QCOMPARE(FormatNumberText(RoundHalfEven(HeatIndexOf(temperature, second, fahrenheit), 2)),
                 index);
        return;
    }
    const std::optional<double> chill = WindChillOf(temperature, second, fahrenheit);
    QCOMPARE(chill ? FormatNumberText(RoundHalfEven(*chill, 3)) : QStringLiteral("none"), index);
}

void TestEveryday::planets() {
    const QStringList weights = WeightOnPlanetsText(70).split("\r\n");
    QCOMPARE(weights.size(), 10);
    QCOMPARE(weights.first(), QStringLiteral("26.46 Mercury"));
    // The Sun's surface gravity, 274.0 m/s², over standard gravity, 9.80665 m/s².
    QCOMPARE(weights.last(), QStringLiteral("1955.8 Sun"));
    QCOMPARE(YearsOnPlanetsText(1),
             QStringLiteral("0.241 Mercury\r\n0.615 Venus\r\n1.874 Mars\r\n11.858 Jupiter\r\n"
                            "29.652 Saturn\r\n84.327 Uranus\r\n165.139 Neptune\r\n"
                            "248.065 Pluto"));
    QVERIFY(YearsOnPlanetsText(2).startsWith("0.482 Mercury\r\n"));
    QVERIFY(WeightOnPlanetsText(-10).startsWith("-3.78 Mercury"));
}

void TestEveryday::consumption() {
    MileageTexts us = MileageText(100, 3, false);
    QCOMPARE(us.usMpg, QStringLiteral("33.33 MPG\r\n3.00 Gal/100 mi"));
    QCOMPARE(us.kpl, QStringLiteral("14.17 km/L\r\n7.06 L/100 km"));
    MileageTexts metric = MileageText(500, 40, true);
    QCOMPARE(metric.usMpg, QStringLiteral("29.40 MPG\r\n3.40 Gal/100 mi"));
    QCOMPARE(metric.kpl, QStringLiteral("12.50 km/L\r\n8.00 L/100 km"));
    QVERIFY_THROWS_EXCEPTION(CalcError, MileageText(100, 0, false));
    QVERIFY_THROWS_EXCEPTION(CalcError, MileageText(0, 3, false));
    {
        const LocaleScope comma(commaLocale());
        QCOMPARE(FixedTwoText(12345.678), QStringLiteral("12345,68"));
    }
    // A bill of 45.60 for 120 units: each step takes the rounded result before it.
    QCOMPARE(RoundHalfEven(UnitPrice(45.6, 120), 3), 0.38);
    QCOMPARE(RoundHalfEven(DailyUsage(120), 2), 4.0);
    QCOMPARE(RoundHalfEven(DailyAmount(0.38, 4), 2), 1.52);
    QCOMPARE(RoundHalfEven(VatAmount(45.6, 18), 2), 8.21);
    QCOMPARE(RoundHalfEven(DailyAmountAtBillPrice(45.6, 120, 4), 2), 1.52);
    QVERIFY_THROWS_EXCEPTION(CalcError, UnitPrice(45.6, 0));
    QVERIFY_THROWS_EXCEPTION(CalcError, DailyAmountAtBillPrice(45.6, 0, 4));
    QCOMPARE(RoundHalfEven(BoatSpeedMph(5000, 21, 1.75), 2), 51.14);
    QCOMPARE(RoundHalfEven(MphToKph(51.14), 2), 82.3);
    QVERIFY_THROWS_EXCEPTION(CalcError, BoatSpeedMph(5000, 21, 0));
}

QTEST_APPLESS_MAIN(TestEveryday)
#include "tst_everyday.moc"
