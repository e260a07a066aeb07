#include "common/calc_error.h"
#include "common/number_rules.h"
#include "convert/conversion_tables.h"
#include "convert/number_bases.h"
#include "convert/temperature.h"
#include "test_support.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <random>

using namespace zq;

Q_DECLARE_METATYPE(zq::UnitTable)

namespace {

std::size_t positionOf(const ConversionTable &table, const QString &name) {
    for (std::size_t i = 0; i < table.units.size(); ++i)
        if (table.units[i].englishName() == name)
            return i;
    return table.units.size();
}

QString convertText(UnitTable id, const QString &from, const QString &to, double x) {
    const ConversionTable table = conversionTable(id);
    return FormatNumberText(convertUnits(table, positionOf(table, from), positionOf(table, to), x));
}

// The scale's position, or -1 (no scale) for a name of none.
int scaleOf(const QString &name) {
    return temperatureScaleIndex(name).value_or(-1);
}

constexpr UnitTable AllTables[] = {
    UnitTable::Weight,
    UnitTable::Volume,
    UnitTable::Length,
    UnitTable::Area,
    UnitTable::EnergyPower,
    UnitTable::Voltage,
    UnitTable::ElectricCurrent,
    UnitTable::Angle,
    UnitTable::Speed,
    UnitTable::AstronomicalTime,
    UnitTable::Byte,
    UnitTable::NumberScale,
};

} // namespace

class TestConversion : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(pointLocale()); }
    void tableShapes_data();
    void tableShapes();
    void expressionFactors_data();
    void expressionFactors();
    void conversions_data();
    void conversions();
    void mendedUnits_data();
    void mendedUnits();
    void everyUnitToItself();
    void everyPairRoundTrips();
    void overflowFails();
    void temperature_data();
    void temperature();
    void temperatureRoundTrips();
    void temperatureFailures();
    void floorDivMod_data();
    void floorDivMod();
    void hexToDec_data();
    void hexToDec();
    void decToHex_data();
    void decToHex();
    void hexBothWaysAgainstQt();
    void binary_data();
    void binary();
    void binaryAgainstQt();
    void secondsToMinSec_data();
    void secondsToMinSec();
};

void TestConversion::tableShapes_data() {
    QTest::addColumn<UnitTable>("table");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("weight") << UnitTable::Weight << 47 << false << "Milligram"
                            << "Planck Mass";
    QTest::newRow("volume") << UnitTable::Volume << 49 << true << "Liter"
                            << "Split";
    QTest::newRow("length") << UnitTable::Length << 53 << false << "Angstrom"
                            << "Point Metric";
    QTest::newRow("area") << UnitTable::Area << 29 << false << "Square Millimeter"
                          << "Are";
    QTest::newRow("energy") << UnitTable::EnergyPower << 34 << false << "Attowatt"
                            << "KVA";
    QTest::newRow("voltage") << UnitTable::Voltage << 22 << true << "Abvolt"
                             << "Zettavolt";
    QTest::newRow("current") << UnitTable::ElectricCurrent << 24 << true << "Abampere"
                             << "Weber/Henry";
    QTest::newRow("angle") << UnitTable::Angle << 14 << false << "Degree"
                           << "Centesimal Min.";
    QTest::newRow("speed") << UnitTable::Speed << 24 << false << "Millimeter/second"
                           << "Speed of Light";
    QTest::newRow("astronomical") << UnitTable::AstronomicalTime << 35 << false << "Day"
                                  << "Pluto day";
    QTest::newRow("byte") << UnitTable::Byte << 17 << false << "Bits"
                          << "Yottabytes";
    QTest::newRow("numbers") << UnitTable::NumberScale << 52 << false << "One"
                             << "Bale";
}

void TestConversion::tableShapes() {
    QFETCH(UnitTable, table);
    QFETCH(int, size);
    QFETCH(bool, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    const ConversionTable units = conversionTable(table);
    QCOMPARE(int(units.units.size()), size);
    QCOMPARE(units.direction == ConversionDirection::Count, count);
    QCOMPARE(units.units.front().nameText(), first);
    QCOMPARE(units.units.back().nameText(), last);
    QSet<QString> names;
    for (const ConversionUnit &unit : units.units) {
        names.insert(unit.nameText());
        QVERIFY(unit.factor != 0 && std::isfinite(unit.factor));
    }
    QCOMPARE(names.size(), size);
}

// Factors written as expressions give exactly the doubles the tables list beside them.
void TestConversion::expressionFactors_data() {
    QTest::addColumn<UnitTable>("table");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<double>("factor");
    QTest::newRow("grain") << UnitTable::Weight << "Grain" << 6.479891000000001e-05;
    QTest::newRow("troy ounce") << UnitTable::Weight << "Troy Ounce" << 0.031103476800000002;
    QTest::newRow("mils") << UnitTable::Length << "Mils" << 2.54e-05;
    QTest::newRow("arc minute") << UnitTable::Angle << "Arc Minute" << 0.016666666666666666;
    QTest::newRow("month") << UnitTable::AstronomicalTime << "Month" << 30.436849898416668;
    QTest::newRow("islamic month") << UnitTable::AstronomicalTime << "Islamic month" << 29.5;
    QTest::newRow("megabytes") << UnitTable::Byte << "Megabytes" << 8388608.0;
    QTest::newRow("gigabytes") << UnitTable::Byte << "Gigabytes" << 8589934592.0;
    QTest::newRow("terabytes") << UnitTable::Byte << "Terabytes" << 8796093022208.0;
    QTest::newRow("petabytes") << UnitTable::Byte << "Petabytes" << 9007199254740992.0;
    QTest::newRow("exabytes") << UnitTable::Byte << "Exabytes" << 9.223372036854776e+18;
    QTest::newRow("zettabytes") << UnitTable::Byte << "Zettabytes" << 9.44473296573929e+21;
    QTest::newRow("yottabytes") << UnitTable::Byte << "Yottabytes" << 9.671406556917033e+24;
}

void TestConversion::expressionFactors() {
    QFETCH(UnitTable, table);
    QFETCH(QString, unit);
    QFETCH(double, factor);
    const ConversionTable units = conversionTable(table);
    const std::size_t position = positionOf(units, unit);
    QVERIFY(position < units.units.size());
    QCOMPARE(exact(units.units[position].factor), exact(factor));
}

void TestConversion::conversions_data() {
    QTest::addColumn<UnitTable>("table");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<double>("input");
    QTest::addColumn<QString>("expected");
    using enum UnitTable;
    QTest::newRow("kg to lb") << Weight << "Kilogram"
                              << "Pound" << 1.0 << "2.20462262184878";
    QTest::newRow("1.5 kg to lb") << Weight << "Kilogram"
                                  << "Pound" << 1.5 << "3.30693393277316";
    QTest::newRow("troy ounce to g") << Weight << "Troy Ounce"
                                     << "Gram" << 1.0 << "31.1034768";
    QTest::newRow("liter to gallon") << Volume << "Liter"
                                     << "Gallon US" << 1.0 << "0.264172052";
    QTest::newRow("gallon to liter") << Volume << "Gallon US"
                                     << "Liter" << 1.0 << "3.78541178913203";
    QTest::newRow("liter to ml") << Volume << "Liter"
                                 << "Milliliter" << 1.0 << "1000";
    QTest::newRow("feet to m") << Length << "Feet"
                               << "Meter" << 10.0 << "3.048";
    QTest::newRow("mile to km") << Length << "Mile"
                                << "Kilometer" << 1.0 << "1.609344";
    QTest::newRow("m2 to ft2") << Area << "Square Meter"
                               << "Square Foot" << 1.0 << "10.7639104167097";
    QTest::newRow("acre to dönüm")
        << Area << "Acre" << QStringLiteral("D\u00F6n\u00FCm") << 7.5 << "30.351423168";
    QTest::newRow("kW to hp") << EnergyPower << "Kilowatt"
                              << "Horsepower mech." << 1.0 << "1.34102208884381";
    QTest::newRow("V to mV") << Voltage << "Volt"
                             << "Millivolt" << 1.0 << "1000";
    QTest::newRow("A to mA") << ElectricCurrent << "Ampere"
                             << "Milliampere" << 1.0 << "1000";
    QTest::newRow("grade to degree") << Angle << "Grade"
                                     << "Degree" << 1.0 << "0.9";
    QTest::newRow("radian to degree") << Angle << "Radian"
                                      << "Degree" << 1.0 << "57.2957795130823";
    QTest::newRow("circle to degree") << Angle << "Circle"
                                      << "Degree" << 1.0 << "360";
    QTest::newRow("degree to circle") << Angle << "Degree"
                                      << "Circle" << 1.0 << "0.00277777777777778";
    QTest::newRow("m/s to ft/s") << Speed << "Meter/second"
                                 << "Feet/second" << 1.0 << "3.28083989501312";
    QTest::newRow("anomalistic month") << AstronomicalTime << "Anomalistic month"
                                       << "Day" << 1.0 << "27.55454977";
    QTest::newRow("GB to MB") << Byte << "Gigabytes"
                              << "Megabytes" << 1.0 << "1024";
    QTest::newRow("hundred") << NumberScale << "Hundred"
                             << "One" << 1.0 << "100";
    QTest::newRow("centillion") << NumberScale << "Centillion"
                                << "One" << 1.0 << "1E+303";
    // Known equalities between units, worked out by hand.
    QTest::newRow("mile in feet") << Length << "Mile"
                                  << "Feet" << 1.0 << "5280";
    QTest::newRow("yard in inches") << Length << "Yard"
                                    << "Inch" << 1.0 << "36";
    QTest::newRow("5 km in miles") << Length << "Kilometer"
                                   << "Mile" << 5.0 << "3.10685596118667";
    QTest::newRow("square mile in acres") << Area << "Square Mile"
                                          << "Acre" << 1.0 << "640";
    QTest::newRow("GB in KB") << Byte << "Gigabytes"
                              << "Kilobytes" << 1.0 << "1048576";
    QTest::newRow("mV to kV") << Voltage << "Millivolt"
                              << "Kilovolt" << 2500.0 << "0.0025";
    QTest::newRow("gross in dozens") << NumberScale << "Gross"
                                     << "Dozen" << 1.0 << "12";
    QTest::newRow("mph exact") << Speed << "Mile/hour"
                               << "Meter/second" << 1.0 << "0.44704";
    QTest::newRow("kiloton of TNT") << EnergyPower << "Kiloton"
                                    << "Kilowatt" << 1.0 << "1162222.22222222";
    QTest::newRow("dönüm in m2") << Area << QStringLiteral("D\u00F6n\u00FCm") << "Square Meter"
                                 << 1.0 << "1000";
    QTest::newRow("leap year in days") << AstronomicalTime << "Leap year"
                                       << "Day" << 2.0 << "732";
}

void TestConversion::conversions() {
    QFETCH(UnitTable, table);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(double, input);
    QFETCH(QString, expected);
    QCOMPARE(convertText(table, from, to, input), expected);
}

// Units once entered wrongly, each against its published definition worked out here.
void TestConversion::mendedUnits_data() {
    QTest::addColumn<UnitTable>("table");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("in");
    QTest::addColumn<double>("definition");
    using enum UnitTable;
    const double grain = 64.79891e-6, inch = 0.0254, mile = 1609.344, pi = std::acos(-1.0);
    const double au = 149597870700.0, tnt = 4.184e12 / 3.6e6, synodic = 29 + 45842.8 / 86400;
    const struct {
        UnitTable table;
        const char16_t *unit, *in;
        double definition;
    } rows[] = {
        {Weight, u"Batman", u"Kilogram", 6 * 1.282945},
        {Weight, u"Newton", u"Kilogram", 1 / 9.80665},
        {Weight, u"Troy Pound", u"Gram", 5760 * grain * 1000},
        {Weight, u"Troy Ounce", u"Gram", 480 * grain * 1000},
        {Volume, u"Dry Quart", u"Liter", 2150.42 / 32 * std::pow(inch * 10, 3)},
        {Volume, u"Bushel", u"Liter", 2150.42 * std::pow(inch * 10, 3)},
        {Volume, u"Pint UK", u"Liter", 4.54609 / 8},
        {Length, u"Parsec", u"Meter", 648000 / pi * au},
        {Length, u"Kiloparsec", u"Meter", 648000e3 / pi * au},
        {Length, u"Ken", u"Meter", 6 * 10.0 / 33},
        {Length, u"Barleycorn", u"Inch", 1.0 / 3},
        {Length, u"Furlong", u"Feet", 660},
        {Area, u"D\u00F6n\u00FCm", u"Square Meter", 1000},
        {Area, u"D\u00F6n\u00FCm", u"Evlek", 4},
        {Area, u"Square Endaze", u"Square Meter", 0.65 * 0.65},
        {Area, u"Square Hat", u"Square Zirai", 1.0 / (288 * 288)},
        {Area, u"Square Kirah", u"Square Meter", 0.0425 * 0.0425},
        {Area, u"Square Rod", u"Square Meter", 5.0292 * 5.0292},
        {Area, u"Square Chain", u"Acre", 0.1},
        {EnergyPower, u"Electron Volt", u"Kilowatt", 1.602176634e-19 / 3.6e6},
        {EnergyPower, u"Kiloelectron Volt", u"Electron Volt", 1e3},
        {EnergyPower, u"Megaelectron Volt", u"Electron Volt", 1e6},
        {EnergyPower, u"Kiloton", u"Kilowatt", tnt},
        {EnergyPower, u"Megaton", u"Kilowatt", tnt * 1e3},
        {EnergyPower, u"Gigaton", u"Kilowatt", tnt * 1e6},
        {Angle, u"Circle", u"Degree", 360},
        {Angle, u"Quadrant", u"Right Angle", 1},
        {Angle, u"Quintant", u"Degree", 72},
        {Angle, u"Sextant", u"Degree", 60},
        {Angle, u"Sign", u"Degree", 30},
        {Angle, u"Pointangle", u"Degree", 360.0 / 32},
        {Angle, u"Milangle", u"Degree", 360.0 / 6400},
        {Speed, u"Mile/minute", u"Meter/second", mile / 60},
        {Speed, u"Mile/hour", u"Meter/second", mile / 3600},
        {AstronomicalTime, u"Gaussian year", u"Day", 2 * pi / 0.01720209895},
        {AstronomicalTime, u"Synodic month", u"Day", synodic},
        {AstronomicalTime, u"Lunar month", u"Day", synodic},
        {AstronomicalTime, u"Lunar year", u"Day", 12 * synodic},
        {AstronomicalTime, u"Saros", u"Day", 223 * synodic},
        {AstronomicalTime, u"Uranus day", u"Day", 17.24 / 24},
        {AstronomicalTime, u"Neptune day", u"Day", 16.11 / 24},
    };
    for (const auto &row : rows) {
        const QString unit = QString::fromUtf16(row.unit), in = QString::fromUtf16(row.in);
        QTest::addRow("%s in %s", qPrintable(unit), qPrintable(in))
            << row.table << unit << in << row.definition;
    }
}

// Within 1e-7: the old factors were off by 1e-5 or more; the lunar months are given to the
// second's tenth only.
void TestConversion::mendedUnits() {
    QFETCH(UnitTable, table);
    QFETCH(QString, unit);
    QFETCH(QString, in);
    QFETCH(double, definition);
    const ConversionTable units = conversionTable(table);
    QVERIFY(positionOf(units, unit) < units.units.size());
    QVERIFY(positionOf(units, in) < units.units.size());
    const double converted =
        convertUnits(units, positionOf(units, unit), positionOf(units, in), 1.0);
    QVERIFY2(std::abs(converted / definition - 1) < 1e-7, exact(converted));
}

void TestConversion::everyUnitToItself() {
    for (UnitTable id : AllTables) {
        const ConversionTable table = conversionTable(id);
        for (std::size_t i = 0; i < table.units.size(); ++i)
            for (double x : {1.0, 123.456, -0.001, 7e-9})
                QCOMPARE(FormatNumberText(convertUnits(table, i, i, x)), FormatNumberText(x));
    }
}

// Every pair of units, there and back: the value returns, so a unit's factor is applied the same
// way on both sides of a conversion.
void TestConversion::everyPairRoundTrips() {
    for (UnitTable id : AllTables) {
        const ConversionTable table = conversionTable(id);
        for (std::size_t i = 0; i < table.units.size(); ++i)
            for (std::size_t j = 0; j < table.units.size(); ++j) {
                double there = 0;
                try {
                    there = convertUnits(table, i, j, 3.7);
                } catch (const CalcError &) {
                    continue; // beyond the double range (a centillion of yottas)
                }
                if (std::abs(there) < 1e-290 || std::abs(there) > 1e290)
                    continue;
                const double back = convertUnits(table, j, i, there);
                QVERIFY2(std::abs(back / 3.7 - 1) < 1e-12,
                         qPrintable(table.units[i].nameText() + " " + table.units[j].nameText()));
            }
    }
}

void TestConversion::overflowFails() {
    QVERIFY_THROWS_EXCEPTION(CalcError,
                             convertText(UnitTable::NumberScale, "Centillion", "One", 1e6));
    const ConversionTable weight = conversionTable(UnitTable::Weight);
    QVERIFY_THROWS_EXCEPTION(CalcError, convertUnits(weight, 0, 99, 1.0));
}

void TestConversion::temperature_data() {
    QTest::addColumn<QString>("scale");
    QTest::addColumn<double>("input");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("boiling water")
        << "Celsius" << 100.0
        << QStringList{"0 °De", "212 °F", "373.15 K", "33 °N", "671.67 °R", "80 °Re", "60 °Rø"};
    QTest::newRow("freezing water")
        << "Celsius" << 0.0
        << QStringList{"150 °De", "32 °F", "273.15 K", "0 °N", "491.67 °R", "0 °Re", "7.5 °Rø"};
    QTest::newRow("absolute zero")
        << "Kelvin" << 0.0
        << QStringList{"-273.15 °C", "559.725 °De", "-459.67 °F",    "-90.1395 °N",
                       "0 °R",       "-218.52 °Re", "-135.90375 °Rø"};
    QTest::newRow("body heat") << "Fahrenheit" << 98.6
                               << QStringList{"37 °C", "94.5 °De", "310.15 K", "", "", "", ""};
    QTest::newRow("minus forty") << "Celsius" << -40.0
                                 << QStringList{"", "-40 °F", "", "", "", "", ""};
    QTest::newRow("réaumur") << QStringLiteral("Réaumur") << 80.0
                             << QStringList{"100 °C", "0 °De",     "212 °F", "373.15 K",
                                            "33 °N",  "671.67 °R", "60 °Rø"};
}

void TestConversion::temperature() {
    QFETCH(QString, scale);
    QFETCH(double, input);
    QFETCH(QStringList, lines);
    const QStringList actual = ConvertTemperature(scaleOf(scale), input).split("\r\n");
    QCOMPARE(actual.size(), 7);
    for (int i = 0; i < 7; ++i)
        if (!lines[i].isEmpty())
            QCOMPARE(actual[i], lines[i]);
}

// Converting to any scale and back gives the value again: catches a formula entered wrongly.
void TestConversion::temperatureRoundTrips() {
    const QStringList scales = {"Celsius", "Delisle", "Fahrenheit", "Kelvin",
                                "Newton",  "Rankine", "Réaumur",    "Rømer"};
    for (const QString &source : scales) {
        const QStringList lines = ConvertTemperature(scaleOf(source), 37.5).split("\r\n");
        int line = 0;
        for (const QString &target : scales) {
            if (target == source)
                continue;
            const double there = ParseNumber(lines[line++].section(' ', 0, 0));
            const QStringList back = ConvertTemperature(scaleOf(target), there).split("\r\n");
            const int sourceLine =
                scales.indexOf(source) - (scales.indexOf(source) > scales.indexOf(target));
            const double again = ParseNumber(back[sourceLine].section(' ', 0, 0));
            QVERIFY2(std::fabs(again - 37.5) < 1e-9,
                     qPrintable(source + " -> " + target + ": " + back[sourceLine]));
        }
    }
}

void TestConversion::temperatureFailures() {
    QCOMPARE(ConvertTemperature(scaleOf("celsius"), 1), QString());
    QCOMPARE(ConvertTemperature(scaleOf(""), 1), QString());
    QVERIFY_THROWS_EXCEPTION(CalcError, ConvertTemperature(scaleOf("Celsius"), 1e308));
}

void TestConversion::floorDivMod_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("quotient");
    QTest::addColumn<double>("remainder");
    QTest::newRow("whole") << 255.0 << 16.0 << 15.0 << 15.0;
    QTest::newRow("fraction kept") << 10.5 << 16.0 << 0.0 << 10.5;
    QTest::newRow("negative") << -1.0 << 16.0 << -1.0 << 15.0;
    QTest::newRow("exact") << 32.0 << 16.0 << 2.0 << 0.0;
}

void TestConversion::floorDivMod() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, quotient);
    QFETCH(double, remainder);
    QCOMPARE(FloorDiv(a, b), quotient);
    QCOMPARE(FloorMod(a, b), remainder);
    QVERIFY_THROWS_EXCEPTION(CalcError, FloorDiv(a, 0));
}

void TestConversion::hexToDec_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // "nothing", "fails" or the value's text
    QTest::newRow("FF") << "FF"
                        << "255";
    QTest::newRow("lower case") << "1a"
                                << "26";
    QTest::newRow("zero") << "0"
                          << "0";
    QTest::newRow("leading zeros") << "000010"
                                   << "16";
    QTest::newRow("32 bits") << "FFFFFFFF"
                             << "4294967295";
    QTest::newRow("empty") << ""
                           << "nothing";
    QTest::newRow("not a digit") << "FG"
                                 << "fails";
    QTest::newRow("blank") << " 1"
                           << "fails";
    QTest::newRow("sign") << "-1"
                          << "fails";
    QTest::newRow("prefix") << "&HFF"
                            << "fails";
    QTest::newRow("too long") << QString(300, 'F') << "fails";
}

void TestConversion::hexToDec() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QString actual;
    try {
        const std::optional<double> value = HexToDec(text);
        actual = value ? FormatNumberText(*value) : QStringLiteral("nothing");
    } catch (const CalcError &) {
        actual = QStringLiteral("fails");
    }
    QCOMPARE(actual, expected);
}

void TestConversion::decToHex_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("255") << 255.0 << "FF";
    QTest::newRow("16") << 16.0 << "10";
    QTest::newRow("0") << 0.0 << "0";
    QTest::newRow("4096") << 4096.0 << "1000";
    QTest::newRow("10.5 rounds the digit") << 10.5 << "B";
    QTest::newRow("3.5 keeps its fraction") << 3.5 << "3.5";
    QTest::newRow("2^53") << 9007199254740992.0 << "20000000000000";
    QTest::newRow("negative rejected") << -5.0 << "fails";
}

void TestConversion::decToHex() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QString actual;
    try {
        actual = DecToHex(value);
    } catch (const CalcError &) {
        actual = QStringLiteral("fails");
    }
    QCOMPARE(actual, expected);
}

void TestConversion::hexBothWaysAgainstQt() {
    std::mt19937_64 random(16);
    for (int i = 0; i < 20000; ++i) {
        const qint64 n = i < 5000 ? i : qint64(random() % 9007199254740993ULL);
        const QString hex = QString::number(n, 16).toUpper();
        QCOMPARE(DecToHex(double(n)), hex);
        QCOMPARE(*HexToDec(hex.toLower()), double(n));
    }
}

void TestConversion::binary_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1010") << "1010"
                          << "10";
    QTest::newRow("empty") << ""
                           << "0";
    QTest::newRow("digit two counts as two") << "102"
                                             << "6";
    QTest::newRow("letter") << "10a"
                            << "fails";
    QTest::newRow("blank") << "1 0"
                           << "fails";
    QTest::newRow("line break") << "1\r\n"
                                << "fails";
}

void TestConversion::binary() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QString actual;
    try {
        actual = FormatNumberText(onluk(text));
    } catch (const CalcError &) {
        actual = QStringLiteral("fails");
    }
    QCOMPARE(actual, expected);
}

void TestConversion::binaryAgainstQt() {
    QCOMPARE(ToBinary(10), QStringLiteral("1010"));
    QCOMPARE(ToBinary(1), QStringLiteral("1"));
    QCOMPARE(ToBinary(0), QStringLiteral("0"));
    QCOMPARE(ToBinary(-7), QStringLiteral("-7"));
    QCOMPARE(ToBinary(2147483647), QString(31, '1'));
    std::mt19937 random(2);
    for (int i = 0; i < 20000; ++i) {
        const std::int32_t n = std::int32_t(random() >> 1);
        const QString bits = QString::number(n, 2);
        QCOMPARE(ToBinary(n), bits);
        QCOMPARE(onluk(bits), double(n));
    }
}

void TestConversion::secondsToMinSec_data() {
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("expected");
    QTest::newRow("125") << 125.0 << "2:05";
    QTest::newRow("59") << 59.0 << "0:59";
    QTest::newRow("60") << 60.0 << "1:00";
    QTest::newRow("hour has no hour part") << 3600.0 << "60:00";
    QTest::newRow("fraction") << 65.5 << "1:05.5";
    QTest::newRow("zero") << 0.0 << "0:00";
    QTest::newRow("ten seconds") << 70.0 << "1:10";
    QTest::newRow("negative") << -125.0 << "-2:05";
}

void TestConversion::secondsToMinSec() {
    QFETCH(double, seconds);
    QFETCH(QString, expected);
    QCOMPARE(SecondsToMinSec(seconds), expected);
}

QTEST_GUILESS_MAIN(TestConversion)
#include "tst_conversion.moc"
