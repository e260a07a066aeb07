// A result on screen answers the input on screen, in every window: a box that cannot be read is
// marked and its window's results are emptied, one read leniently is marked and the result
// stands, an edit puts the results out of date, and the next computation sets all right again.
#include "common/computation.h"
#include "common/input_marks.h"
#include "example_steps.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>

namespace {

// Windows that compute as a box is typed in: an edit leaves their results current.
const QStringList ComputeAsTyped = {"SquareCubeRoot", "nthRoot", "DivisionOperation"};

QList<zq::ExampleStep> stepsOf(const QString &bullets) {
    return zq::helpExamples(QStringLiteral("## Example\n") + bullets).value(0);
}

// Runs the steps; a step that fails names itself.
void runSteps(QWidget *window, const QList<zq::ExampleStep> &steps) {
    for (const zq::ExampleStep &step : steps) {
        const QString failure = run(window, step);
        QVERIFY2(failure.isEmpty(), qPrintable(step.line + ": " + failure));
    }
}

// The controls an example shows results in, and the button it computes with.
struct ExampleParts {
    QStringList results;
    QString compute;
};

ExampleParts partsOf(const QList<zq::ExampleStep> &steps) {
    ExampleParts parts;
    QStringList typed;
    for (const zq::ExampleStep &step : steps) {
        if (step.act == Act::Type || step.act == Act::Choose)
            typed << step.control;
        if (step.act == Act::Press)
            parts.compute = step.control;
        if ((step.act == Act::Shows || step.act == Act::Lists) && !step.value.isEmpty() &&
            !typed.contains(step.control) && !parts.results.contains(step.control))
            parts.results << step.control;
    }
    return parts;
}

void press(QWidget *window, const QString &compute) {
    if (!compute.isEmpty())
        run(window, stepsOf("- Press {" + compute + "}.\n").value(0));
}

} // namespace

class TestMarksWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyNumberBox_data();
    void everyNumberBox();
    void cases_data();
    void cases();
    void auditedAnswers_data();
    void auditedAnswers() { cases(); }
    void birthdayByTheCalendar();
    void captions_data();
    void captions();
    void longResultShowsItsBeginning();
    void frameShowsInLightAndDark();
};

void TestMarksWindows::initTestCase() {
    QLocale::setDefault(pointLocale());
    QApplication::setQuitOnLastWindowClosed(false);
}

// Each number box the help's worked examples type in, in every window.
void TestMarksWindows::everyNumberBox_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("example");
    QTest::addColumn<QString>("box");
    for (const QString &window : zq::windowNames()) {
        const auto examples = zq::helpExamples(zq::helpPageSource(window));
        for (int i = 0; i < examples.size(); ++i) {
            QStringList boxes;
            for (const zq::ExampleStep &step : examples[i]) {
                bool number = false;
                step.value.toDouble(&number);
                if (step.act == Act::Type && number && !boxes.contains(step.control))
                    boxes << step.control;
            }
            if (partsOf(examples[i]).results.isEmpty())
                continue;
            for (const QString &box : boxes)
                QTest::addRow("%s %d %s", qPrintable(window), i, qPrintable(box))
                    << window << i << box;
        }
    }
}

namespace {

// Text that is no number (where the box takes letters): a mark where it is, the note, and the
// results back as the window opened them.
void checkUnreadable(const QString &window, const QList<zq::ExampleStep> &steps,
                     const QString &box) {
    const ExampleParts parts = partsOf(steps);
    const auto opened = openWindow(window);
    QStringList designed;
    for (const QString &result : parts.results)
        designed << shownText(control(opened.get(), result));
    runSteps(opened.get(), steps);
    typeInto(control(opened.get(), box), "abc");
    if (shownText(control(opened.get(), box)) != "abc")
        return; // a key filter took the letters away
    press(opened.get(), parts.compute);
    const QString mark = markOf(opened.get(), box);
    QVERIFY2(mark == "error" || mark == "warning", qPrintable(mark));
    auto *note = control<QLabel>(opened.get(), "lblNote");
    QVERIFY(note->isVisible() && !note->text().isEmpty());
    QCOMPARE(control(opened.get(), box)->toolTip(), zq::InputMessageOf(control(opened.get(), box)));
    if (mark == "error")
        for (qsizetype i = 0; i < parts.results.size(); ++i)
            QVERIFY2(shownText(control(opened.get(), parts.results[i])) == designed[i],
                     qPrintable(parts.results[i]));
    // Typing in the box again takes its mark away.
    typeInto(control(opened.get(), box), "1");
    if (!ComputeAsTyped.contains(window))
        QCOMPARE(markOf(opened.get(), box), QString());
}

// An edit puts the results out of date; the next computation makes them current again.
void checkEdit(const QString &window, const QList<zq::ExampleStep> &steps, const QString &box) {
    const ExampleParts parts = partsOf(steps);
    const auto opened = openWindow(window);
    runSteps(opened.get(), steps);
    auto *typedBox = control<QLineEdit>(opened.get(), box);
    const QString typed = typedBox->text();
    typeInto(typedBox, typed.size() < typedBox->maxLength() ? typed + "1" : typed.chopped(1));
    for (const QString &result : parts.results) {
        QWidget *shown = control(opened.get(), result);
        QCOMPARE(zq::IsStale(shown),
                 !ComputeAsTyped.contains(window) && !shownText(shown).isEmpty());
    }
    typeInto(typedBox, typed);
    press(opened.get(), parts.compute);
    runSteps(opened.get(), steps); // the same results again, current
    for (const QString &result : parts.results)
        QVERIFY2(!zq::IsStale(control(opened.get(), result)), qPrintable(result));
    QCOMPARE(markOf(opened.get(), box), QString());
    QVERIFY(!control(opened.get(), "lblNote")->isVisible());
}

} // namespace

void TestMarksWindows::everyNumberBox() {
    QFETCH(QString, window);
    QFETCH(int, example);
    QFETCH(QString, box);
    TemporaryWorkingFolder folder;
    MessageRecorder messages;
    const QList<zq::ExampleStep> steps = zq::helpExamples(zq::helpPageSource(window))[example];
    checkUnreadable(window, steps, box);
    if (!QTest::currentTestFailed())
        checkEdit(window, steps, box);
}

// What a user does and sees, in the terms of the help's worked examples.
void TestMarksWindows::cases_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("steps");
    const struct {
        const char *name, *window, *steps;
    } rows[] = {
        {"a fraction, then no number and zero", "SimplifyingFraction",
         "- Type `12` in {Text1}.\n- Type `18` in {Text2}.\n- Press {Command1}.\n"
         "- {Text3} shows `2/3`.\n"
         "- Type `abc` in {Text2}.\n- Press {Command1}.\n- {Text3} shows ``.\n"
         "- {Text2} is marked in red: `A number is needed`.\n"
         "- {lblNote} shows `A number is needed`.\n"
         "- Type `0` in {Text2}.\n- Press {Command1}.\n- {Text3} shows ``.\n"
         "- {Text2} is marked in red: `A number other than zero`.\n"},
        {"no quadratic keeps no roots", "QuadraticEq",
         "- Type `1` in {txtA}.\n- Type `-3` in {txtB}.\n- Type `2` in {txtC}.\n"
         "- Press {cmdSolve}.\n- {lblRoot1} shows `2`.\n- {lblRoot2} shows `1`.\n"
         "- Type `0` in {txtA}.\n- Press {cmdSolve}.\n"
         "- {lblState} shows `This isn't a quadratic equation.`.\n"
         "- {lblRoot1} shows ``.\n- {lblRoot2} shows ``.\n"
         "- {txtA} is marked in red: `A number other than zero`.\n"},
        {"an empty coefficient counts as 1", "QuadraticEq",
         "- Type `0` in {txtC}.\n- Press {cmdSolve}.\n- {lblRoot1} shows `0`.\n"
         "- {lblRoot2} shows `-1`.\n- {txtA} is marked in amber: `Empty, read as 1`.\n"
         "- {txtB} is marked in amber: `Empty, read as 1`.\n"},
        {"a date that is no date", "DateCalculate",
         "- Type `1/1/2013` in {Text1}.\n- Type `3/1/2013` in {Text2}.\n- Press {Command2}.\n"
         "- {Text3} shows `59`.\n- {lblDays} shows `days`.\n"
         "- Type `someday` in {Text1}.\n- Press {Command2}.\n- {Text3} shows ``.\n"
         "- {Text1} is marked in red: `A date is needed`.\n"},
        {"a mortgage without a term", "Mortgage",
         "- Type `100000` in {Text1}.\n- Type `30` in {Text2}.\n- Type `6` in {Text3}.\n"
         "- Press {Command1}.\n- {Text4} shows `599.55`.\n"
         "- Type `x` in {Text2}.\n- Press {Command1}.\n- {Text4} shows ``.\n"
         "- {Text5} shows ``.\n- {Text6} shows ``.\n"
         "- {Text2} is marked in red: `A number is needed`.\n"},
        {"no Roman numeral below zero", "Roman",
         "- Type `1994` in {Text1}.\n- Press {Command1}.\n- {Text2} shows `MCMXCIV`.\n"
         "- Type `-5` in {Text1}.\n- Press {Command1}.\n- {Text2} shows ``.\n"
         "- {Text1} is marked in red: `A whole number from 0 to 2147483647`.\n"
         "- Type `2.5` in {Text1}.\n- Press {Command1}.\n- {Text2} shows `II`.\n"
         "- {Text1} is marked in amber: `Read as 2`.\n"},
        {"171 after 20", "Factorial",
         "- Type `20` in {Text1}.\n- Press {Command1}.\n"
         "- {Text2} shows `2.43290200817664E+18`.\n"
         "- Type `171` in {Text1}.\n- Press {Command1}.\n- {Text2} shows ``.\n"
         "- {Text1} is marked in red: `A whole number from 0 to 170`.\n"
         "- {lblNote} shows `A whole number from 0 to 170`.\n"},
        {"a percentage of no amount", "Percent",
         "- Type `20` in {Text1}.\n- Type `50` in {Text2}.\n- Press {Command1}.\n"
         "- {Text3} shows `10`.\n- Type `abc` in {Text1}.\n- Press {Command1}.\n"
         "- {Text3} shows ``.\n- {Text1} is marked in red: `A number is needed`.\n"},
        {"English units empty the BMI", "BodyMass",
         "- Type `70` in {Text1}.\n- Type `175` in {Text2}.\n- Press {Command1}.\n"
         "- {Text3} shows `22.9`.\n- Tick {Check2}.\n- {Text3} shows ``.\n"},
        {"no weight, and part of one", "KgPound",
         "- Type `abc` in {Text1}.\n- Press {Command1}.\n- {Text2} shows `0`.\n"
         "- {Text1} is marked in amber: `Not a number, read as 0`.\n"
         "- Type `12abc` in {Text1}.\n- Press {Command1}.\n"
         "- {Text2} shows `26.4554714621853`.\n"
         "- {Text1} is marked in amber: `Read as 12`.\n"
         "- Type `12` in {Text1}.\n- Press {Command1}.\n- {lblNote} shows ``.\n"},
        {"an edit puts the result out of date", "KgPound",
         "- Type `1` in {Text1}.\n- Press {Command1}.\n- {Text2} shows `2.20462262184878`.\n"
         "- {lblUnit} shows `Pound`.\n- Type `2` in {Text1}.\n- {Text2} is out of date.\n"
         "- Press {Command1}.\n- {Text2} shows `4.40924524369755`.\n"},
        {"another unit converts at once", "KgPound",
         "- Type `1` in {Text1}.\n- Press {Command1}.\n- Choose `Gram` in {List2}.\n"
         "- {Text2} shows `1000`.\n- {lblUnit} shows `Gram`.\n"},
        {"another scale converts at once", "FahrenheitC",
         "- Type `100` in {Text2}.\n- Press {Command1}.\n- Choose `Fahrenheit` in {Combo1}.\n"
         "- {Text1} lists `37.7777777777778 °C`.\n"},
        {"another encoding digests at once", "MD5Ch",
         "- Choose `Windows-1252` in {cmbEncoding}.\n- Type `é` in {Text1}.\n"
         "- Press {Command1}.\n- {Text2} shows `3406877694691ddd1dfb0aca54681407`.\n"
         "- Choose `UTF-8` in {cmbEncoding}.\n"
         "- {Text2} shows `66ddcd97cfdeabb2f6fb8a999b4bc76f`.\n"},
        {"a password of no length", "RandomNumber",
         "- Press {Command1}.\n- {Text1} holds `10` characters.\n- Type `ten` in {Text2}.\n"
         "- Press {Command1}.\n- {Text1} shows ``.\n"
         "- {Text2} is marked in red: `A number is needed`.\n"},
        {"a drawing's bound that is no number", "Draw",
         "- Type `abc` in {Text1}.\n- Press {Command1}.\n"
         "- {Text1} is marked in amber: `Not a number, read as 0`.\n"},
        {"a character the code page lacks", "SHA256",
         "- Choose `Windows-1252` in {cmbEncoding}.\n- Type `abc` in {Text1}.\n"
         "- Press {Command1}.\n"
         "- {Text2} shows `ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad`.\n"
         "- Type `😀` in {Text1}.\n- Press {Command1}.\n- {Text2} shows ``.\n"
         "- {Text1} is marked in red: `Has characters Windows-1252 lacks`.\n"},
        {"text that is not Base64", "Base64String",
         "- Type `@@` in {Text1}.\n- Press {Command1}.\n- {Text2} shows ``.\n"
         "- {Text1} is marked in red: `Not Base64`.\n"},
        {"a marked box explains itself", "Creatinine",
         "- Type `72` in {Text1}.\n- Type `140` in {Text2}.\n- Type `1` in {Text3}.\n"
         "- Press {Command1}.\n- {Text4} shows ``.\n"
         "- {Text2} is marked in red: `An age below 140`.\n"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.window << row.steps;
}

void TestMarksWindows::cases() {
    QFETCH(QString, window);
    QFETCH(QString, steps);
    TemporaryWorkingFolder folder;
    MessageRecorder messages;
    const auto opened = openWindow(window);
    runSteps(opened.get(), stepsOf(steps));
}

// Answers an outside audit found wrong, as the references give them.
void TestMarksWindows::auditedAnswers_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("steps");
    const struct {
        const char *name, *window, *steps;
    } rows[] = {
        {"no prime factors of a fraction", "PrimeFactor",
         "- Type `12.6` in {Text1}.\n- Press {Command1}.\n- {Text2} shows ``.\n"
         "- {Label1} shows ``.\n"
         "- {Text1} is marked in red: `A whole number from 1 to 99999999`.\n"},
        {"a formula in small letters has no mass", "RAMfrm",
         "- Type `h2so4` in {txtForm}.\n- Press {cmdComp}.\n"
         "- {lstResults} lists `No chemical has symbol so`.\n"
         "- {txtForm} is marked in red: "
         "`Symbols begin with a capital, as in H2SO4; see the list`.\n"},
        {"element 118 by its old symbol", "RAMfrm",
         "- Type `Uuo` in {txtForm}.\n- Press {cmdComp}.\n"
         "- {lstResults} lists `Oganesson (Og) = [294] g/mol`.\n"
         "- {lstResults} lists `Uuo is 294 g/mol`.\n"},
        {"below absolute zero", "FahrenheitC",
         "- Choose `Fahrenheit` in {Combo1}.\n- Type `-1000` in {Text2}.\n"
         "- Press {Command1}.\n- {Text1} shows ``.\n"
         "- {Text2} is marked in red: `Below absolute zero, -459.67 °F`.\n"
         "- Type `-459.67` in {Text2}.\n- Press {Command1}.\n- {Text1} lists `0 K`.\n"},
        {"Delisle counts down", "FahrenheitC",
         "- Choose `Delisle` in {Combo1}.\n- Type `600` in {Text2}.\n- Press {Command1}.\n"
         "- {Text2} is marked in red: `Below absolute zero, 559.725 °De`.\n"},
        {"a loan without interest", "AutoLoan",
         "- Type `12000` in {Text1}.\n- Type `0` in {Text2}.\n- Type `12` in {Text3}.\n"
         "- Press {Command1}.\n- {Text4} shows `1000`.\n- {Text5} shows `12000`.\n"},
        {"a mortgage without interest", "Mortgage",
         "- Type `12000` in {Text1}.\n- Type `7` in {Text2}.\n- Type `0` in {Text3}.\n"
         "- Press {Command1}.\n- {Text6} shows `0.00`.\n"},
        {"Pisces from 19 February", "Burclar",
         "- Type `19` in {Text1}.\n- Type `2` in {Text2}.\n- Press {Command1}.\n"
         "- {Text3} shows `Pisces`.\n"},
        {"Taurus from 20 April", "Burclar",
         "- Type `20` in {Text1}.\n- Type `4` in {Text2}.\n- Press {Command1}.\n"
         "- {Text3} shows `Taurus`.\n"},
        {"Virgo from 23 August", "Burclar",
         "- Type `23` in {Text1}.\n- Type `8` in {Text2}.\n- Press {Command1}.\n"
         "- {Text3} shows `Virgo`.\n"},
        {"Libra from 23 September", "Burclar",
         "- Type `23` in {Text1}.\n- Type `9` in {Text2}.\n- Press {Command1}.\n"
         "- {Text3} shows `Libra`.\n"},
        {"no 30 February", "Burclar",
         "- Type `30` in {Text1}.\n- Type `2` in {Text2}.\n- Press {Command1}.\n"
         "- {Text3} shows ``.\n- {Text1} is marked in red: `No such date`.\n"},
        {"heat index of cool air", "HeatIndex",
         "- Pick {Option2}.\n- Type `50` in {Text1}.\n- Type `50` in {Text2}.\n"
         "- Press {Command1}.\n- {Text3} shows `47.05`.\n- Pick {Option1}.\n"
         "- Type `0` in {Text1}.\n- Press {Command1}.\n- {Text3} shows `-2.64`.\n"},
        {"no humidity above all", "HeatIndex",
         "- Type `30` in {Text1}.\n- Type `120` in {Text2}.\n- Press {Command1}.\n"
         "- {Text3} shows ``.\n"
         "- {Text2} is marked in red: `A humidity from 0 to 100 %`.\n"},
        {"no wind, no chill", "WindChill",
         "- Pick {Option2}.\n- Type `0` in {Text1}.\n- Type `0` in {Text2}.\n"
         "- Press {Command1}.\n- {Text3} shows `0`.\n"},
        {"no wind chill in warm air", "WindChill",
         "- Pick {Option2}.\n- Type `80` in {Text1}.\n- Type `10` in {Text2}.\n"
         "- Press {Command1}.\n- {Text3} shows ``.\n"
         "- {Text1} is marked in amber: `No wind chill above 50 °F`.\n"},
        {"feet and no inches", "BodyMass",
         "- Tick {Check2}.\n- Type `154` in {Text1}.\n- Type `5` in {Text2}.\n"
         "- Press {Command1}.\n- {Text3} shows `30.1`.\n"
         "- {Text4} is marked in amber: `Empty, read as 0`.\n"},
        {"weight on the Sun", "WeightPlanet",
         "- Type `100` in {Text1}.\n- Press {Command1}.\n- {Text2} lists `2794 Sun`.\n"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.window << row.steps;
}

// Age by the calendar through the window, which counts to today: born on the first of a
// month, the days are today's day less one.
void TestMarksWindows::birthdayByTheCalendar() {
    const LocaleScope dayFirst(commaLocale()); // the boxes' day and month in that order
    const QDate today = QDate::currentDate();
    const QDate birth = QDate(today.year() - 12, today.month(), 1).addMonths(-2);
    const auto opened = openWindow("Birthday");
    type(opened.get(), "Text1", QString::number(birth.day()));
    type(opened.get(), "Text2", QString::number(birth.month()));
    typeAndEnter(opened.get(), "Text3", QString::number(birth.year()));
    const QStringList lines = textOf(opened.get(), "Text4").split('\n');
    QCOMPARE(lines.value(0), QStringLiteral("Age: 12 years 2 months %1 days").arg(today.day() - 1));
    QCOMPARE(lines.value(5), QStringLiteral("Age in Months: 146"));
}

// Boxes a user could not tell apart before have captions they see and a screen reader reads.
void TestMarksWindows::captions_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("caption");
    const char *rows[][3] = {
        {"QuadraticEq", "txtNum", "Right-hand side"}, {"BodyMass", "Text4", "Inches"},
        {"ResistorColor", "List1", "First band"},     {"ResistorColor", "List2", "Second band"},
        {"ResistorColor", "List3", "Multiplier"},     {"ResistorColor", "List4", "Tolerance"},
        {"Percent", "Text1", "Percent rate"},         {"Percent", "Text2", "Amount"},
        {"Percent", "Text3", "Percent amount"},       {"RAMfrm", "lstImportant", "Kept results"},
    };
    for (const auto &[window, box, caption] : rows)
        QTest::addRow("%s %s", window, box) << window << box << caption;
}

void TestMarksWindows::captions() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, caption);
    const auto opened = openWindow(window);
    if (window == "BodyMass")
        control<QAbstractButton>(opened.get(), "Check2")->click(); // the inches box shows
    QApplication::processEvents();
    QLabel *label = nullptr;
    for (QLabel *candidate : opened->findChildren<QLabel *>())
        if (candidate->buddy() == control(opened.get(), box))
            label = candidate;
    QVERIFY(label);
    QCOMPARE(label->text(), caption);
    QVERIFY(label->isVisible());
}

// A number too long for its box shows its beginning, and whole in the tooltip and a copy.
void TestMarksWindows::longResultShowsItsBeginning() {
    const auto opened = openWindow("Roman");
    typeAndEnter(opened.get(), "Text1", "9999999");
    auto *result = control<QLineEdit>(opened.get(), "Text2");
    QCOMPARE(result->text().size(), 10005);
    QCOMPARE(result->cursorPosition(), 0);
    QCOMPARE(result->toolTip(), result->text());
    result->selectAll();
    QCOMPARE(result->selectedText(), result->text());
    typeAndEnter(opened.get(), "Text1", "12");
    QCOMPARE(result->toolTip() == result->text(), false); // short again: the help's tooltip
}

// The frame of a marked box stands out on a light and on a dark background.
void TestMarksWindows::frameShowsInLightAndDark() {
    for (const QColor &base : {QColor(Qt::white), QColor(0x20, 0x20, 0x20)}) {
        const auto opened = openWindow("Factorial");
        QPalette palette = opened->palette();
        palette.setColor(QPalette::Base, base);
        opened->setPalette(palette);
        typeAndEnter(opened.get(), "Text1", "171");
        QWidget *box = control(opened.get(), "Text1");
        const QImage shot = box->grab().toImage();
        const QColor edge = shot.pixelColor(1, shot.height() / 2);
        QVERIFY2(edge.red() > 150 && edge.green() < 100, qPrintable(edge.name()));
        typeAndEnter(opened.get(), "Text1", "1.5");
        const QColor amber = box->grab().toImage().pixelColor(1, shot.height() / 2);
        QVERIFY2(amber.red() > 200 && amber.green() > 120 && amber.blue() < 80,
                 qPrintable(amber.name()));
        QCOMPARE(markOf(opened.get(), "Text1"), QStringLiteral("warning"));
    }
}

QTEST_MAIN(TestMarksWindows)
#include "tst_marks_windows.moc"
