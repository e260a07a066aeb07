#include "everyday/calendar_windows.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <memory>

class TestEverydayWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_folder = std::make_unique<TemporaryWorkingFolder>(); }
    void cleanup() { m_folder.reset(); }
    void formWindows_data();
    void formWindows();
    void hijriConvertsAndSaves();
    void birthday();
    void stopwatch();
    void bodyMassColours_data();
    void bodyMassColours();
    void bodyMassUnits();
    void unitSwitchesChangeCaptions();
    void mileageOptionsGoInPairs();

private:
    std::unique_ptr<TemporaryWorkingFolder> m_folder;
};

void TestEverydayWindows::initTestCase() {
    QLocale::setDefault(pointLocale());
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestEverydayWindows::formWindows_data() {
    addFormCases({
        {"DateCalculate", {"Text1=1/1/2013", "Text2=3/1/2013"}, {"Text3=59"}},
        {"DateCalculate", {"Text1=1 March 2013", "Text2=Jan 1 2013"}, {"Text3=-59"}},
        {"DateCalculate", {"Text1=someday", "Text2=3/1/2013"}, {"Text3=", "Text1#error"}},
        {"Burclar", {"Text1=23", "Text2=7"}, {"Text3=Leo"}},
        {"Burclar", {"Text1=30", "Text2=2"}, {"Text3=", "Text1#error", "Text2#error"}},
        {"Burclar", {"Text1=29", "Text2=2"}, {"Text3=Pisces"}},
        {"Burclar", {"Text1=32", "Text2=1"}, {"Text3=", "Text1#error"}},
        {"Burclar", {"Text1=1", "Text2=-1"}, {"Text3=", "Text2#error"}},
        {"BodySurface", {"Text1=70", "Text2=175"}, {"Text3=1.85"}},
        {"BodySurface", {"Text1=", "Text2=x"}, {"Text3=0", "Text1#warning", "Text2#warning"}},
        {"BodySurface", {"Text1=-70", "Text2=175"}, {"Text3=", "Text1#error"}},
        {"Creatinine", {"Text1=72", "Text2=40", "Text3=1"}, {"Text4=100"}},
        {"Creatinine", {"Text1=72", "Text2=40", "Text3=0"}, {"Text4=", "Text3#error"}},
        {"Creatinine", {"Text1=72", "Text2=140", "Text3=1"}, {"Text4=", "Text2#error"}},
        {"Creatinine", {"Text1=72", "Text2=139", "Text3=1"}, {"Text4=1"}},
        {"HeartRate", {"Text1=30"}, {"Text2=190"}},
        {"HeartRate", {"Text1="}, {"Text2=", "Text1#error"}},
        {"HeatIndex", {"Text1=32", "Text2=70"}, {"Text3=40.41"}},
        {"HeatIndex", {"Text1=32", "Text2="}, {"Text3=", "Text2#error"}},
        {"WindChill", {"Text1=-10", "Text2=20"}, {"Text3=-17.861"}},
        {"WindChill", {"Text1=10", "Text2=-5"}, {"Text3=", "Text2#error"}},
        {"WeightPlanet",
         {"Text1=70"},
         {"Text2=26.46 Mercury\n63.49 Venus\n11.62 Moon\n26.39 Mars\n"
          "165.48 Jupiter\n64.12 Saturn\n62.23 Uranus\n78.75 Neptune\n"
          "4.69 Pluto\n1955.8 Sun"}},
        {"WeightPlanet", {"Text1=heavy"}, {"Text2=", "Text1#error"}},
        {"YearsPlanet",
         {"Text1=2"},
         {"Text2=0.482 Mercury\n1.23 Venus\n3.748 Mars\n23.716 Jupiter\n"
          "59.304 Saturn\n168.654 Uranus\n330.278 Neptune\n"
          "496.13 Pluto"}},
        {"Mileage",
         {},
         {"txtUsMpg=33.33 MPG\n3.00 Gal/100 mi", "txtKpl=14.17 km/L\n7.06 L/100 km"}},
        {"Mileage", {"txtFuel=0"}, {"txtUsMpg=", "txtKpl=", "txtFuel#error"}},
        {"Mileage", {"txtFuel=3 gallons"}, {"txtKpl=14.17 km/L\n7.06 L/100 km", "txtFuel#warning"}},
        {"WaterConsumption", {"Text1=30", "Text2=75"}, {"Text3=2.5", "Text4=1", "Text5=2.5"}},
        {"WaterConsumption", {"Text1=31", "Text2=62"}, {"Text3=2", "Text4=1.03", "Text5=2.06"}},
        // No step runs on what a failed step left: no consumption, no results at all.
        {"WaterConsumption",
         {"Text1=0", "Text2=62"},
         {"Text3=", "Text4=", "Text5=", "Text1#error"}},
        {"ElectricConsumption", {"Text1=300", "Text2=45"}, {"Text3=0.15", "Text4=10", "Text5=1.5"}},
        {"NaturalGas",
         {"Text1=60", "Text2=90", "Text3="},
         {"Text3=0", "Text4=1.5", "Text5=0", "Text6=2", "Text7=3"}},
        {"NaturalGas", {"Text1=60", "Text2=90", "Text3=18"}, {"Text5=16.2"}},
        {"BassBoat", {"Text1=5000", "Text2=21", "Text3=1.75"}, {"Text4=51.14", "Text5=82.3"}},
        {"BassBoat", {"Text1=5000", "Text2=21", "Text3=0"}, {"Text4=", "Text5=", "Text3#error"}},
    });
}

void TestEverydayWindows::formWindows() {
    QFETCH(QString, window);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    if (typed.isEmpty()) { // as opened: Enter on the first box
        const auto form = openWindow(window);
        for (const QString &expected : shown)
            setText(form.get(), expected.section('=', 0, 0), "old");
        QTest::keyClick(form->findChild<QLineEdit *>(), Qt::Key_Return);
        for (const QString &expected : shown)
            QCOMPARE(textOf(form.get(), expected.section('=', 0, 0)), expected.section('=', 1));
        return;
    }
    verifyFormRow(window, typed, shown);
}

void TestEverydayWindows::hijriConvertsAndSaves() {
    MessageRecorder messages;
    const LocaleScope comma(commaLocale());
    const auto window = openWindow("Hijri");
    type(window.get(), "Text1", "1");
    type(window.get(), "Text2", "9");
    typeAndEnter(window.get(), "Text3", "1444");
    QCOMPARE(textOf(window.get(), "Text4"), QStringLiteral("23.03.2023"));
    // A Hijri year is taken as typed: 46 AH is in the seventh century.
    typeAndEnter(window.get(), "Text3", "46");
    QVERIFY(textOf(window.get(), "Text4").endsWith(".0666"));
    QCOMPARE(markOf(window.get(), "Text3"), QString());
    typeAndEnter(window.get(), "Text3", "1444");
    control<QRadioButton>(window.get(), "Option2")->click();
    type(window.get(), "Text1", "23");
    type(window.get(), "Text2", "3");
    // A Gregorian year of two digits falls in 1930 to 2029, and the box says which.
    typeAndEnter(window.get(), "Text3", "23");
    QCOMPARE(markOf(window.get(), "Text3"), QStringLiteral("warning"));
    QCOMPARE(control(window.get(), "Text3")->toolTip(), QStringLiteral("Year read as 2023"));
    QCOMPARE(textOf(window.get(), "Text4"), QStringLiteral("01.09.1444"));
    typeAndEnter(window.get(), "Text3", "2023");
    const QString hijri = textOf(window.get(), "Text4");
    QCOMPARE(hijri, QStringLiteral("01.09.1444"));
    control<QAction>(window.get(), "Save")->trigger();
    control<QAction>(window.get(), "Save")->trigger();
    const QByteArray entry = "\r\n23.3.2023 = " + hijri.toLatin1() + "\r\n";
    QCOMPARE(fileContents("HijriGregorian.txt"), entry + entry);
    QCOMPARE(messages.messages.last().text,
             savedMessage("Saved to the program's location.", "HijriGregorian.txt"));
    typeAndEnter(window.get(), "Text1", "32");
    QCOMPARE(textOf(window.get(), "Text4"), QString());
}

void TestEverydayWindows::birthday() {
    const auto window = openWindow("Birthday");
    type(window.get(), "Text1", "25");
    type(window.get(), "Text2", "12");
    typeAndEnter(window.get(), "Text3", "2000");
    const QStringList lines = textOf(window.get(), "Text4").split('\n');
    QCOMPARE(lines.size(), 7);
    const qint64 days = QDate(2000, 12, 25).daysTo(QDate::currentDate());
    QCOMPARE(lines[3], QStringLiteral("Age in Days: %1").arg(days));
    QCOMPARE(lines[1], QStringLiteral("Age in Minutes: %1").arg(days * 1440));
    QCOMPARE(lines[6], QStringLiteral("Born Day: Monday"));
    typeAndEnter(window.get(), "Text1", "x");
    QCOMPARE(textOf(window.get(), "Text4"), QString());
    QCOMPARE(markOf(window.get(), "Text1"), QStringLiteral("error"));
}

void TestEverydayWindows::stopwatch() {
    const auto window = openWindow("Stopwatch");
    auto *watch = static_cast<zq::Stopwatch *>(window.get());
    qint64 now = 0;
    watch->setClock([&now] { return now; });
    auto shown = [&] {
        return textOf(window.get(), "Label1") + textOf(window.get(), "Label2") +
               textOf(window.get(), "Label3") + textOf(window.get(), "Label4");
    };
    QCOMPARE(shown(), QStringLiteral("0 0:0 0:0 0.0 0"));
    QVERIFY(!watch->Timer1->isActive());
    click(window.get(), "Command1");
    QVERIFY(watch->Timer1->isActive());
    now = 1000000000; // 64 ticks
    watch->Timer1_Timer();
    QCOMPARE(shown(), QStringLiteral("00:00:01.00"));
    click(window.get(), "Command2");
    now += 5000000000;
    watch->Timer1_Timer();
    QCOMPARE(shown(), QStringLiteral("00:00:01.00"));
    click(window.get(), "Command1"); // continues where it paused
    now += 15625000 * 3;
    watch->Timer1_Timer();
    QCOMPARE(shown(), QStringLiteral("00:00:01.03"));
    click(window.get(), "Command3"); // reset while running
    QCOMPARE(shown(), QStringLiteral("0 0:0 0:0 0.0 0"));
    QVERIFY(watch->Timer1->isActive());
    now += qint64(86400 - 1) * 1000000000 + 63 * 15625000;
    watch->Timer1_Timer();
    QCOMPARE(shown(), QStringLiteral("23:59:59.63"));
    now += 15625000;
    watch->Timer1_Timer();
    QCOMPARE(shown(), QStringLiteral("00:00:00.00"));
}

void TestEverydayWindows::bodyMassColours_data() {
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("bmi");
    QTest::addColumn<QString>("marked"); // label=colour, the rest black
    QTest::newRow("normal") << "70"
                            << "22.9"
                            << "Label4=blue";
    QTest::newRow("exactly 18.4") << "56.35"
                                  << "18.4"
                                  << "Label3=red";
    QTest::newRow("30: obesity only") << "91.875"
                                      << "30"
                                      << "Label6=red";
    QTest::newRow("between bands") << "55.125"
                                   << "18"
                                   << "Label3=red";
}

void TestEverydayWindows::bodyMassColours() {
    QFETCH(QString, weight);
    QFETCH(QString, bmi);
    QFETCH(QString, marked);
    const auto window = openWindow("BodyMass");
    QCOMPARE(window->windowTitle(), QStringLiteral("BMI Calculator"));
    type(window.get(), "Text1", weight);
    typeAndEnter(window.get(), "Text2", "175");
    QCOMPARE(textOf(window.get(), "Text3"), bmi);
    for (const QString label : {"Label3", "Label4", "Label5", "Label6"}) {
        const QColor expected =
            marked.startsWith(label) ? QColor(marked.section('=', 1)) : QColor(Qt::black);
        QCOMPARE(control<QLabel>(window.get(), label)->palette().color(QPalette::WindowText),
                 expected);
    }
}

void TestEverydayWindows::bodyMassUnits() {
    const auto window = openWindow("BodyMass");
    QVERIFY(!control(window.get(), "Text4")->isVisible());
    type(window.get(), "Text1", "154");
    control<QCheckBox>(window.get(), "Check2")->click();
    QVERIFY(!control<QCheckBox>(window.get(), "Check1")->isChecked());
    QVERIFY(control(window.get(), "Text4")->isVisible());
    QCOMPARE(textOf(window.get(), "Label1"), QStringLiteral("ft"));
    QCOMPARE(textOf(window.get(), "Label2"), QStringLiteral("lbs"));
    QCOMPARE(textOf(window.get(), "Text1"), QString());
    type(window.get(), "Text1", "154");
    type(window.get(), "Text2", "5");
    typeAndEnter(window.get(), "Text4", "9");
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("22.7"));
    // An empty inches box is no inches, said with a mark: 154 lb at 5 ft is a BMI of 30.1.
    typeAndEnter(window.get(), "Text4", "");
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("30.1"));
    QCOMPARE(markOf(window.get(), "Text4"), QStringLiteral("warning"));
    QCOMPARE(control<QLabel>(window.get(), "Label4")->palette().color(QPalette::WindowText),
             QColor(Qt::black));
    // Back to metric: the boxes are emptied, and so is the result that answered them.
    control<QCheckBox>(window.get(), "Check1")->click();
    QVERIFY(!control(window.get(), "Text4")->isVisible());
    QCOMPARE(textOf(window.get(), "Label1"), QStringLiteral("cm"));
    QCOMPARE(textOf(window.get(), "Text3"), QString());
}

void TestEverydayWindows::unitSwitchesChangeCaptions() {
    const auto heat = openWindow("HeatIndex");
    QVERIFY(textOf(heat.get(), "Label4").startsWith("Caution = 27-32 °C\n"));
    setText(heat.get(), "Text1", "90");
    control<QRadioButton>(heat.get(), "Option2")->click();
    QCOMPARE(textOf(heat.get(), "Label4"),
             QStringLiteral("Caution = 80-90 °F\nExtreme Caution = 90-105 °F\nDanger = 105-130 "
                            "°F\nExtreme Danger = over 130 °F"));
    QCOMPARE(textOf(heat.get(), "Text1"), QStringLiteral("90"));
    typeAndEnter(heat.get(), "Text2", "70");
    QCOMPARE(textOf(heat.get(), "Text3"), QStringLiteral("105.92"));
    const auto chill = openWindow("WindChill");
    control<QRadioButton>(chill.get(), "Option2")->click();
    QCOMPARE(textOf(chill.get(), "Label2"), QStringLiteral("V (mi/h)"));
    control<QRadioButton>(chill.get(), "Option1")->click();
    QCOMPARE(textOf(chill.get(), "Label2"), QStringLiteral("V (km/h)"));
}

void TestEverydayWindows::mileageOptionsGoInPairs() {
    const auto window = openWindow("Mileage");
    auto checked = [&](const char *name) {
        return control<QRadioButton>(window.get(), name)->isChecked();
    };
    QVERIFY(checked("optMiles") && checked("optUsGallons"));
    control<QRadioButton>(window.get(), "optKilometers")->click();
    QVERIFY(checked("optLiters") && !checked("optMiles") && !checked("optUsGallons"));
    type(window.get(), "txtDistance", "500");
    typeAndEnter(window.get(), "txtFuel", "40");
    QCOMPARE(textOf(window.get(), "txtKpl"), QStringLiteral("12.50 km/L\n8.00 L/100 km"));
    control<QRadioButton>(window.get(), "optUsGallons")->click();
    QVERIFY(checked("optMiles") && !checked("optKilometers"));
}

QTEST_MAIN(TestEverydayWindows)
#include "tst_everyday_windows.moc"
