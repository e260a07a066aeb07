#include "app/window_registry.h"
#include "common/lazy_list_view.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

namespace {

QStringList tableLines(QWidget *window) {
    QAbstractItemModel *model = control<zq::LazyListView>(window, "List1")->model();
    QStringList lines;
    for (int row = 0; row < model->rowCount(); ++row)
        lines << model->index(row, 0).data().toString();
    return lines;
}

} // namespace

class TestNumbersWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void primeFactorWindow_data();
    void primeFactorWindow();
    void primeFactorSavesTwice();
    void primeTableWindow();
    void primeTableAsksForANumber_data();
    void primeTableAsksForANumber();
    void primeTableLargest();
    void primeTableSaves();
    void divisibilityWindow();
    void divisibilityRules();
    void twoNumberWindows_data();
    void twoNumberWindows();
    void fractionCalculator();
    void fractionEquation();

private:
    std::unique_ptr<TemporaryWorkingFolder> m_folder;
};

void TestNumbersWindows::initTestCase() {
    QLocale::setDefault(pointLocale());
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestNumbersWindows::init() {
    m_folder = std::make_unique<TemporaryWorkingFolder>();
}

void TestNumbersWindows::cleanup() {
    m_folder.reset();
}

void TestNumbersWindows::primeFactorWindow_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("factors");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("12") << "12"
                        << "2 * 2 * 3 * "
                        << "is non-prime number";
    QTest::newRow("2") << "2"
                       << "2 * "
                       << "is prime number";
    QTest::newRow("1 is not prime") << "1"
                                    << ""
                                    << "is non-prime number";
    QTest::newRow("negative") << "-9"
                              << ""
                              << "";
    QTest::newRow("negative prime's opposite") << "-7"
                                               << ""
                                               << "";
    QTest::newRow("0") << "0"
                       << ""
                       << "";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("00") << "00"
                        << ""
                        << "";
    QTest::newRow("no number") << "abc"
                               << ""
                               << "";
    QTest::newRow("8-digit prime") << "99999989"
                                   << "99999989 * "
                                   << "is prime number";
    QTest::newRow("beyond 8 digits") << "1e99"
                                     << ""
                                     << "";
}

void TestNumbersWindows::primeFactorWindow() {
    QFETCH(QString, typed);
    QFETCH(QString, factors);
    QFETCH(QString, verdict);
    const auto window = openWindow("PrimeFactor");
    QCOMPARE(window->windowTitle(), QStringLiteral("Prime Factor Calculator"));
    QCOMPARE(control<QLineEdit>(window.get(), "Text1")->maxLength(), 8);
    control<QPlainTextEdit>(window.get(), "Text2")->setPlainText("old");
    typeAndEnter(window.get(), "Text1", typed);
    QCOMPARE(textOf(window.get(), "Text2"), factors);
    QCOMPARE(textOf(window.get(), "Label1"), verdict);
}

void TestNumbersWindows::primeFactorSavesTwice() {
    MessageRecorder messages;
    const auto window = openWindow("PrimeFactor");
    typeAndEnter(window.get(), "Text1", "12");
    auto *save = control<QAction>(window.get(), "Save");
    save->trigger();
    save->trigger();
    QCOMPARE(fileContents("PrimeFactors.txt"),
             QByteArray("\r\n2 * 2 * 3 * = 12 is non-prime number\r\n"
                        "\r\n2 * 2 * 3 * = 12 is non-prime number\r\n"));
    QCOMPARE(messages.messages.size(), 2);
    QCOMPARE(messages.messages[1].text,
             savedMessage("Saved to the program's location.", "PrimeFactors.txt"));
}

void TestNumbersWindows::primeTableWindow() {
    MessageRecorder messages;
    const auto window = openWindow("PrimeNonPrime");
    QCOMPARE(window->windowTitle(), QStringLiteral("Prime,Non-Prime Numbers"));
    typeAndEnter(window.get(), "Text1", "5");
    QCOMPARE(tableLines(window.get()), (QStringList{" 1   non-prime", " 2   prime", " 3   prime",
                                                    " 4   non-prime", " 5   prime"}));
    // It is a real list: a click selects the line under the mouse.
    auto *list = control<zq::LazyListView>(window.get(), "List1");
    const QModelIndex third = list->model()->index(2, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(third).center());
    QCOMPARE(list->currentIndex(), third);
    QVERIFY(list->selectionModel()->isSelected(third));
    // Text that is not a number clears the list and ends there.
    typeAndEnter(window.get(), "Text1", "abc");
    QCOMPARE(tableLines(window.get()), QStringList());
    QVERIFY(messages.messages.isEmpty());
}

void TestNumbersWindows::primeTableAsksForANumber_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << "";
    QTest::newRow("0") << "0";
}

void TestNumbersWindows::primeTableAsksForANumber() {
    QFETCH(QString, typed);
    MessageRecorder messages;
    const auto window = openWindow("PrimeNonPrime");
    typeAndEnter(window.get(), "Text1", "3");
    typeAndEnter(window.get(), "Text1", typed);
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].text, QStringLiteral("Enter the Number!"));
    QCOMPARE(messages.messages[0].caption, QStringLiteral("Prime,Non-Prime"));
    QCOMPARE(int(messages.messages[0].icon), int(zq::MessageIcon::Information));
    QCOMPARE(tableLines(window.get()), QStringList());
}

void TestNumbersWindows::primeTableLargest() {
    const auto window = openWindow("PrimeNonPrime");
    auto *list = control<zq::LazyListView>(window.get(), "List1");
    typeAndEnter(window.get(), "Text1", "2147483647");
    QCOMPARE(list->model()->rowCount(), 2147483647);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(list->currentIndex().row(), 2147483646);
    QCOMPARE(list->currentIndex().data().toString(), QStringLiteral(" 2147483647   prime"));
    QVERIFY(list->viewport()->rect().contains(list->visualRect(list->currentIndex())));
    QCOMPARE(list->indexAt(list->visualRect(list->currentIndex()).center()), list->currentIndex());
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(list->currentIndex().data().toString(), QStringLiteral(" 2147483646   non-prime"));
    // One more than the list can hold is read like no number: the list is left empty.
    typeAndEnter(window.get(), "Text1", "2147483648");
    QCOMPARE(list->model()->rowCount(), 0);
}

void TestNumbersWindows::primeTableSaves() {
    MessageRecorder messages;
    const auto window = openWindow("PrimeNonPrime");
    typeAndEnter(window.get(), "Text1", "5");
    control<QAction>(window.get(), "Save")->trigger();
    control<QAction>(window.get(), "Save")->trigger();
    const QByteArray five = " 1   non-prime\r\n 2   prime\r\n 3   prime\r\n 4   non-prime\r\n"
                            " 5   prime\r\n";
    QCOMPARE(fileContents("PrimeNon-PrimeNumbers.txt"), five + five);
    QCOMPARE(messages.messages.size(), 2);
    QCOMPARE(messages.messages[0].text,
             savedMessage("Saved to the program's location!", "PrimeNon-PrimeNumbers.txt"));

    // Far more lines than a 16-bit counter could count are all written.
    QFile::remove("PrimeNon-PrimeNumbers.txt");
    typeAndEnter(window.get(), "Text1", "100000");
    control<QAction>(window.get(), "Save")->trigger();
    const QList<QByteArray> lines = fileContents("PrimeNon-PrimeNumbers.txt").split('\n');
    QCOMPARE(lines.size(), 100001);
    QCOMPARE(lines[99998], QByteArray(" 99999   non-prime\r"));
    QCOMPARE(lines[99990], QByteArray(" 99991   prime\r"));
}

void TestNumbersWindows::divisibilityWindow() {
    const auto window = openWindow("Divisibility");
    QCOMPARE(textOf(window.get(), "Label5"), QStringLiteral("Divisible by x"));
    QVERIFY(!control(window.get(), "Text5")->isVisible());
    QCOMPARE(control<QLineEdit>(window.get(), "Text1")->maxLength(), 9);
    QCOMPARE(control<QLineEdit>(window.get(), "Text12")->maxLength(), 6);
    setText(window.get(), "Text1", "10");
    typeAndEnter(window.get(), "Text12", "5");
    QCOMPARE(textOf(window.get(), "Label5"), QStringLiteral("Divisible by 5"));
    QCOMPARE(textOf(window.get(), "Text5"), QStringLiteral("0"));
    setText(window.get(), "Text1", "-7");
    typeAndEnter(window.get(), "Text12", "3");
    QCOMPARE(textOf(window.get(), "Label5"), QStringLiteral("Not divisible by 3 , remainder -1"));
    typeAndEnter(window.get(), "Text12", "0"); // back to the opening text
    QCOMPARE(textOf(window.get(), "Label5"), QStringLiteral("Divisible by x"));
    QCOMPARE(textOf(window.get(), "Text5"), QString());
    QCOMPARE(markOf(window.get(), "Text12"), QStringLiteral("error"));
}

void TestNumbersWindows::divisibilityRules() {
    const auto window = openWindow("Divisibility");
    QString left;
    QString right;
    const auto probe = onNextModal([&](QWidget *rules) {
        left = rules->findChild<QLabel *>("Label1")->text();
        right = rules->findChild<QLabel *>("Label2")->text();
        QTest::keyClick(rules, Qt::Key_Escape);
    });
    QTest::mouseClick(control(window.get(), "Command2"), Qt::LeftButton);
    QCOMPARE(probe->openedName, QStringLiteral("DivisibilityRules"));
    QVERIFY(!probe->leftOpen);
    QVERIFY(left.startsWith("Divisible by 2:\nThe last digit is even (0,2,4,6,8).\n\n"));
    QVERIFY(left.contains("The last two digits are divisible by 4.\nOr last two digits are 0."));
    QVERIFY(left.endsWith("Divisible by 6:\nThe number is divisible by both 2 and 3."));
    QVERIFY(right.contains("Example: 308  (8x2=16, 30-16=14)\n\nDivisible by 8:"));
    QVERIFY(right.endsWith("Divisible by 10:\nThe last digit is 0."));
}

void TestNumbersWindows::twoNumberWindows_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("result"); // "none": no result, and a box is marked
    QTest::newRow("gcf") << "GreatestCommon"
                         << "12"
                         << "18"
                         << "6";
    QTest::newRow("gcf with 0") << "GreatestCommon"
                                << "0"
                                << "5"
                                << "5";
    QTest::newRow("gcf of fractions") << "GreatestCommon"
                                      << "7.5"
                                      << "2.5"
                                      << "2.5";
    QTest::newRow("gcf empty") << "GreatestCommon"
                               << ""
                               << "5"
                               << "none";
    QTest::newRow("lcm") << "LeastCommon"
                         << "4"
                         << "6"
                         << "12";
    QTest::newRow("lcm negative") << "LeastCommon"
                                  << "-4"
                                  << "6"
                                  << "12";
    QTest::newRow("lcm of zeros") << "LeastCommon"
                                  << "0"
                                  << "0"
                                  << "none";
    QTest::newRow("simplify") << "SimplifyingFraction"
                              << "4"
                              << "6"
                              << "2/3";
    QTest::newRow("simplify 0") << "SimplifyingFraction"
                                << "0"
                                << "4"
                                << "0/1";
    QTest::newRow("simplify over 0") << "SimplifyingFraction"
                                     << "5"
                                     << "0"
                                     << "none";
    QTest::newRow("simplify letters") << "SimplifyingFraction"
                                      << "a"
                                      << "4"
                                      << "none";
}

void TestNumbersWindows::twoNumberWindows() {
    QFETCH(QString, window);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, result);
    const auto tool = openWindow(window);
    setText(tool.get(), "Text1", "12");
    typeAndEnter(tool.get(), "Text2", "18");
    QVERIFY(!textOf(tool.get(), "Text3").isEmpty());
    setText(tool.get(), "Text1", first);
    typeAndEnter(tool.get(), "Text2", second);
    // No result: a box is marked and the previous result is gone.
    QCOMPARE(textOf(tool.get(), "Text3"), result == "none" ? QString() : result);
    QCOMPARE(markOf(tool.get(), "Text1").isEmpty() && markOf(tool.get(), "Text2").isEmpty(),
             result != "none");
}

void TestNumbersWindows::fractionCalculator() {
    const auto window = openWindow("FractionMix");
    auto *op = control<QComboBox>(window.get(), "Combo1");
    QCOMPARE(op->count(), 4);
    QCOMPARE(op->currentText(), QStringLiteral("+"));
    setText(window.get(), "Text6", "1");
    setText(window.get(), "Text1", "1");
    setText(window.get(), "Text2", "2");
    setText(window.get(), "Text3", "2");
    typeAndEnter(window.get(), "Text4", "3");
    QCOMPARE(textOf(window.get(), "Text7"), QStringLiteral("0"));
    const QString worked = "3/2 + 2/3 = \n3*3 + 2*2 / 2*3 = \n13/6 = \n13/6\n\nDecimal = "
                           "2.16666666666667";
    QCOMPARE(textOf(window.get(), "Text5"), worked);
    auto *result = control<QPlainTextEdit>(window.get(), "Text5");
    QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(result->textCursor().selectedText().size(), worked.size());
    // An operator that is not one of the four, or a zero divisor, is marked and leaves no
    // working.
    op->setEditText("x");
    typeAndEnter(window.get(), "Text4", "3");
    QCOMPARE(textOf(window.get(), "Text5"), QString());
    QCOMPARE(markOf(window.get(), "Combo1"), QStringLiteral("error"));
    op->setCurrentIndex(3);
    setText(window.get(), "Text6", "");
    setText(window.get(), "Text3", "0");
    typeAndEnter(window.get(), "Text4", "5");
    QCOMPARE(textOf(window.get(), "Text5"), QString());
    QCOMPARE(markOf(window.get(), "Text3"), QStringLiteral("error"));
    QCOMPARE(textOf(window.get(), "Text6"), QStringLiteral("0"));
}

void TestNumbersWindows::fractionEquation() {
    const auto window = openWindow("FractionEquality");
    setText(window.get(), "Text1", "2");
    setText(window.get(), "Text3", "4");
    typeAndEnter(window.get(), "Text4", "10");
    QCOMPARE(textOf(window.get(), "Text2"), QStringLiteral("x"));
    QCOMPARE(textOf(window.get(), "Text5"),
             QStringLiteral("2*10 = x*4\n20 = x*4\n20/4 = x\nx = 5"));
    // A capital X is solved as x; a zero divisor leaves the working as it was.
    setText(window.get(), "Text1", "3");
    setText(window.get(), "Text2", "4");
    setText(window.get(), "Text3", "6");
    typeAndEnter(window.get(), "Text4", "X");
    QCOMPARE(textOf(window.get(), "Text4"), QStringLiteral("x"));
    QCOMPARE(textOf(window.get(), "Text5"), QStringLiteral("3*x = 4*6\n3*x = 24\nx = 24/3\nx = 8"));
    setText(window.get(), "Text1", "0");
    typeAndEnter(window.get(), "Text4", "x");
    QCOMPARE(textOf(window.get(), "Text5"), QString());
    QCOMPARE(markOf(window.get(), "Text1"), QStringLiteral("error"));
    // The sample, Clear, then solve with every box empty: all become x, marked, with no working.
    QTest::mouseClick(control(window.get(), "Command2"), Qt::LeftButton);
    QCOMPARE(textOf(window.get(), "Text1"), QStringLiteral("9"));
    QCOMPARE(textOf(window.get(), "Text5"),
             QStringLiteral("9*4 = x*12\n36 = x*12\n36/12 = x\nx = 3"));
    QTest::mouseClick(control(window.get(), "Command3"), Qt::LeftButton);
    for (const char *box : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        QCOMPARE(textOf(window.get(), box), QString());
    QTest::mouseClick(control(window.get(), "Command2"), Qt::LeftButton);
    for (const char *box : {"Text1", "Text2", "Text3", "Text4"})
        setText(window.get(), box, "");
    QTest::mouseClick(control(window.get(), "Command1"), Qt::LeftButton);
    for (const char *box : {"Text1", "Text2", "Text3", "Text4"}) {
        QCOMPARE(textOf(window.get(), box), QStringLiteral("x"));
        QCOMPARE(markOf(window.get(), box), QStringLiteral("error"));
    }
    QCOMPARE(textOf(window.get(), "Text5"), QString());
}

QTEST_MAIN(TestNumbersWindows)
#include "tst_numbers_windows.moc"
