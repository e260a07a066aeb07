#include "app/window_registry.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace {

void selectUnit(QWidget *window, const QString &list, const QString &unit) {
    auto *units = control<QListWidget>(window, list);
    units->setCurrentItem(units->findItems(unit, Qt::MatchExactly).value(0));
}

} // namespace

class TestConversionWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void convertersOpenWithDefaults_data();
    void convertersOpenWithDefaults();
    void convertersConvert_data();
    void convertersConvert();
    void commaAndLetters();
    void overflowEmptiesResult();
    void temperatureWindow();
    void hexWindow();
    void binaryWindow();
    void secondsWindow();
};

void TestConversionWindows::initTestCase() {
    QLocale::setDefault(pointLocale());
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestConversionWindows::convertersOpenWithDefaults_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("boxes"); // input, result, left list, right list, button
    QTest::addColumn<QString>("leftUnit");
    QTest::addColumn<QString>("rightUnit");
    QTest::addColumn<int>("units");
    const QStringList plain = {"Text1", "Text2", "List1", "List2", "Command1"};
    const QStringList swapped = {"Text1", "Text2", "List2", "List1", "Command1"};
    QTest::newRow("KgPound") << "KgPound"
                             << "Weight Converter" << plain << "Kilogram"
                             << "Pound" << 47;
    QTest::newRow("LiterGallon") << "LiterGallon"
                                 << "Volume Converter"
                                 << QStringList{"txtLength", "TextSonuc", "cmbTujuan", "cmbAsal",
                                                "Command1"}
                                 << "Liter"
                                 << "Gallon US" << 49;
    QTest::newRow("UnitConvert") << "UnitConvert"
                                 << "Length Converter"
                                 << QStringList{"txtLength", "TextSonuc", "cmbAsal", "cmbTujuan",
                                                "cmdConvert"}
                                 << "Feet"
                                 << "Meter" << 53;
    QTest::newRow("SmSf") << "SmSf"
                          << "Area Converter" << plain << "Square Meter"
                          << "Square Foot" << 29;
    QTest::newRow("Watt") << "Watt"
                          << "Energy-Power Converter" << plain << "Kilowatt"
                          << "Horsepower mech." << 34;
    QTest::newRow("Voltage") << "Voltage"
                             << "Voltage Converter" << swapped << "Volt"
                             << "Millivolt" << 22;
    QTest::newRow("ElectricCurrent") << "ElectricCurrent"
                                     << "Electric Current Converter" << swapped << "Ampere"
                                     << "Milliampere" << 24;
    QTest::newRow("DegGradRad") << "DegGradRad"
                                << "Angle Converter" << plain << "Grade"
                                << "Degree" << 14;
    QTest::newRow("Speed") << "Speed"
                           << "Speed Converter" << plain << "Meter/second"
                           << "Feet/second" << 24;
    QTest::newRow("AstronomicalTime")
        << "AstronomicalTime"
        << "Astronomical Time Converter" << plain << "Anomalistic month"
        << "Day" << 35;
    QTest::newRow("ByteConvert") << "ByteConvert"
                                 << "Byte Converter" << plain << "Gigabytes"
                                 << "Megabytes" << 17;
    QTest::newRow("NumberConverter") << "NumberConverter"
                                     << "Numbers Converter" << plain << "Hundred"
                                     << "One" << 52;
}

void TestConversionWindows::convertersOpenWithDefaults() {
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QStringList, boxes);
    QFETCH(QString, leftUnit);
    QFETCH(QString, rightUnit);
    QFETCH(int, units);
    const auto converter = openWindow(window);
    QVERIFY(converter);
    QCOMPARE(converter->objectName(), window);
    QCOMPARE(converter->windowTitle(), caption);
    QCOMPARE(textOf(converter.get(), boxes[0]), QString());
    QCOMPARE(textOf(converter.get(), boxes[1]), QString());
    auto *left = control<QListWidget>(converter.get(), boxes[2]);
    auto *right = control<QListWidget>(converter.get(), boxes[3]);
    QVERIFY(left && right);
    // the source list stands on the left
    QVERIFY(left->mapTo(converter.get(), QPoint()).x() <
            right->mapTo(converter.get(), QPoint()).x());
    QCOMPARE(left->count(), units);
    QCOMPARE(right->count(), units);
    QCOMPARE(left->currentItem()->text(), leftUnit);
    QCOMPARE(right->currentItem()->text(), rightUnit);
    auto *button = control<QPushButton>(converter.get(), boxes[4]);
    QVERIFY(button && button->isDefault());
    QCOMPARE(button->text(), QStringLiteral("Convert"));
}

void TestConversionWindows::convertersConvert_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("size direction") << "KgPound"
                                    << "Text1"
                                    << "Text2"
                                    << "1"
                                    << "2.20462262184878";
    QTest::newRow("count direction") << "LiterGallon"
                                     << "txtLength"
                                     << "TextSonuc"
                                     << "1"
                                     << "0.264172052";
    QTest::newRow("length") << "UnitConvert"
                            << "txtLength"
                            << "TextSonuc"
                            << "10"
                            << "3.048";
    QTest::newRow("count with swapped names") << "Voltage"
                                              << "Text1"
                                              << "Text2"
                                              << "1"
                                              << "1000";
    QTest::newRow("bytes") << "ByteConvert"
                           << "Text1"
                           << "Text2"
                           << "1"
                           << "1024";
}

void TestConversionWindows::convertersConvert() {
    QFETCH(QString, window);
    QFETCH(QString, input);
    QFETCH(QString, result);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    const auto converter = openWindow(window);
    typeAndEnter(converter.get(), input, typed);
    QCOMPARE(textOf(converter.get(), result), expected);
}

void TestConversionWindows::commaAndLetters() {
    const auto converter = openWindow("KgPound");
    typeAndEnter(converter.get(), "Text1", "1,5");
    QCOMPARE(textOf(converter.get(), "Text1"), QStringLiteral("1.5"));
    QCOMPARE(textOf(converter.get(), "Text2"), QStringLiteral("3.30693393277316"));
    typeAndEnter(converter.get(), "Text1", "abc");
    QCOMPARE(textOf(converter.get(), "Text1"), QStringLiteral("abc"));
    QCOMPARE(textOf(converter.get(), "Text2"), QStringLiteral("0"));
    selectUnit(converter.get(), "List1", "Troy Ounce");
    selectUnit(converter.get(), "List2", "Gram");
    QTest::mouseClick(control(converter.get(), "Command1"), Qt::LeftButton);
    QCOMPARE(textOf(converter.get(), "Text2"), QStringLiteral("0"));
    typeAndEnter(converter.get(), "Text1", "1");
    QCOMPARE(textOf(converter.get(), "Text2"), QStringLiteral("31.1034768"));
}

void TestConversionWindows::overflowEmptiesResult() {
    MessageRecorder messages;
    const auto converter = openWindow("NumberConverter");
    selectUnit(converter.get(), "List1", "Centillion");
    typeAndEnter(converter.get(), "Text1", "1");
    QCOMPARE(textOf(converter.get(), "Text2"), QStringLiteral("1E+303"));
    typeAndEnter(converter.get(), "Text1", "1e6");
    QCOMPARE(textOf(converter.get(), "Text2"), QString());
    QCOMPARE(markOf(converter.get(), "Text1"), QStringLiteral("error"));
    QVERIFY(messages.messages.isEmpty());
    QVERIFY(converter->isVisible());
}

void TestConversionWindows::temperatureWindow() {
    const auto window = openWindow("FahrenheitC");
    QCOMPARE(window->windowTitle(), QStringLiteral("Temperature Converter"));
    auto *scales = control<QComboBox>(window.get(), "Combo1");
    QVERIFY(scales->isEditable());
    QCOMPARE(scales->count(), 8);
    QCOMPARE(scales->currentIndex(), -1);
    QCOMPARE(scales->currentText(), QStringLiteral("Celsius"));
    QCOMPARE(scales->itemText(7), QStringLiteral("Rømer"));
    typeAndEnter(window.get(), "Text2", "100");
    QCOMPARE(textOf(window.get(), "Text1"),
             QStringLiteral("0 °De\n212 °F\n373.15 K\n33 °N\n671.67 °R\n80 °Re\n60 °Rø"));
    typeAndEnter(window.get(), "Text2", "abc");
    QCOMPARE(textOf(window.get(), "Text1"), QString());
    scales->setCurrentIndex(3);
    typeAndEnter(window.get(), "Text2", "0");
    QVERIFY(textOf(window.get(), "Text1").startsWith("-273.15 °C\n559.725 °De"));
    // Enter in the scale box converts too, and typed text never becomes a new scale.
    scales->lineEdit()->setFocus();
    scales->setEditText("Fahrenheit");
    QTest::keyClick(scales->lineEdit(), Qt::Key_Return);
    QVERIFY(textOf(window.get(), "Text1").startsWith("-17.7777777777778 °C"));
    // Typed text that names no scale, even in other letter case, gives nothing.
    scales->setEditText("celsius");
    typeAndEnter(window.get(), "Text2", "100");
    QCOMPARE(textOf(window.get(), "Text1"), QString());
    QCOMPARE(scales->count(), 8);
}

void TestConversionWindows::hexWindow() {
    const auto window = openWindow("HexDecA");
    QVERIFY(control<QRadioButton>(window.get(), "Option1")->isChecked());
    typeAndEnter(window.get(), "Text1", "FF");
    QCOMPARE(textOf(window.get(), "Text2"), QStringLiteral("255"));
    typeAndEnter(window.get(), "Text1", "FG");
    QCOMPARE(textOf(window.get(), "Text2"), QString());
    QCOMPARE(markOf(window.get(), "Text1"), QStringLiteral("error"));
    typeAndEnter(window.get(), "Text1", "");
    QCOMPARE(textOf(window.get(), "Text2"), QString());
    control<QRadioButton>(window.get(), "Option2")->click();
    typeAndEnter(window.get(), "Text1", "4096");
    QCOMPARE(textOf(window.get(), "Text2"), QStringLiteral("1000"));
    for (const char *refused : {"-5", "12kg"}) {
        typeAndEnter(window.get(), "Text1", "4096");
        typeAndEnter(window.get(), "Text1", refused);
        QCOMPARE(textOf(window.get(), "Text2"), QString());
        QCOMPARE(markOf(window.get(), "Text1"), QStringLiteral("error"));
    }
}

void TestConversionWindows::binaryWindow() {
    const auto window = openWindow("Binary");
    QCOMPARE(control<QLabel>(window.get(), "Label1")->text(),
             QStringLiteral("-> (1 to 2147483647)"));
    typeAndEnter(window.get(), "Text1", "1010");
    QCOMPARE(textOf(window.get(), "Text1"), QStringLiteral("10"));
    typeAndEnter(window.get(), "Text1", "12a");
    QCOMPARE(textOf(window.get(), "Text1"), QStringLiteral("12a"));
    control<QRadioButton>(window.get(), "Option2")->click();
    typeAndEnter(window.get(), "Text1", "10");
    QCOMPARE(textOf(window.get(), "Text1"), QStringLiteral("1010"));
    typeAndEnter(window.get(), "Text1", "3000000000");
    QCOMPARE(textOf(window.get(), "Text1"), QStringLiteral("3000000000"));
    typeAndEnter(window.get(), "Text1", "2.5");
    QCOMPARE(textOf(window.get(), "Text1"), QStringLiteral("10"));
}

void TestConversionWindows::secondsWindow() {
    const auto window = openWindow("SecondsMin");
    typeAndEnter(window.get(), "Text1", "125");
    QCOMPARE(textOf(window.get(), "Text2"), QStringLiteral("2:05"));
    typeAndEnter(window.get(), "Text1", "abc");
    QCOMPARE(textOf(window.get(), "Text2"), QString());
    typeAndEnter(window.get(), "Text1", "65.5");
    QCOMPARE(textOf(window.get(), "Text2"), QStringLiteral("1:05.5"));
}

QTEST_MAIN(TestConversionWindows)
#include "tst_conversion_windows.moc"
