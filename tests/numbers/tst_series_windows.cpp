#include "app/window_registry.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

class TestSeriesWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sumOfNumbers();
    void productOfNumbers();
    void cubes();
    void arithmeticProgression();
    void progressionRejectsTermCounts_data();
    void progressionRejectsTermCounts();
    void geometricProgression();
    void fibonacciWindow();
    void fibonacciAsksBeforeBigIndices_data();
    void fibonacciAsksBeforeBigIndices();
    void factorialWindow();
    void pascalWindow();
    void multiplicationTable();
    void combinationWindow();
    void squareCubeRoot();
    void nthRootWindow();
    void percentWindow();
    void divisionWindow();
    void numbersInWords();
    void romanWindow();

private:
    std::unique_ptr<TemporaryWorkingFolder> m_folder;
};

void TestSeriesWindows::initTestCase() {
    QLocale::setDefault(pointLocale());
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestSeriesWindows::init() {
    m_folder = std::make_unique<TemporaryWorkingFolder>();
}

void TestSeriesWindows::cleanup() {
    m_folder.reset();
}

void TestSeriesWindows::sumOfNumbers() {
    const auto window = openWindow("Sum1toN");
    QCOMPARE(control<QLineEdit>(window.get(), "Text1")->maxLength(), 9);
    setText(window.get(), "Text1", "1");
    typeAndEnter(window.get(), "Text2", "100");
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("5050"));
    QCOMPARE(textOf(window.get(), "Label3"), QString());
    setText(window.get(), "Text1", "5");
    typeAndEnter(window.get(), "Text2", "1");
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("0"));
    typeAndEnter(window.get(), "Text2", "abc");
    QCOMPARE(textOf(window.get(), "Text3"), QString());
    QCOMPARE(markOf(window.get(), "Text2"), QStringLiteral("error"));
    QCOMPARE(textOf(window.get(), "Label3"), QString());
}

void TestSeriesWindows::productOfNumbers() {
    const auto window = openWindow("MultipleNtoN");
    QCOMPARE(textOf(window.get(), "Label1"), QStringLiteral("1 between 170"));
    QCOMPARE(control<QLineEdit>(window.get(), "Text2")->maxLength(), 3);
    setText(window.get(), "Text1", "1");
    typeAndEnter(window.get(), "Text2", "5");
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("120"));
    typeAndEnter(window.get(), "Text2", "171");
    QCOMPARE(textOf(window.get(), "Text3"), QString());
    QCOMPARE(markOf(window.get(), "Text2"), QStringLiteral("error"));
}

void TestSeriesWindows::cubes() {
    const auto window = openWindow("SumDifferenceCubes");
    auto *op = control<QComboBox>(window.get(), "Combo1");
    QCOMPARE(op->count(), 2);
    QCOMPARE(op->currentText(), QStringLiteral("+"));
    setText(window.get(), "Text1", "2");
    typeAndEnter(window.get(), "Text2", "3");
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("35"));
    op->setCurrentIndex(1);
    typeAndEnter(window.get(), "Text2", "3");
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("-19"));
}

void TestSeriesWindows::arithmeticProgression() {
    MessageRecorder messages;
    const auto window = openWindow("ArithmeticProgression");
    QCOMPARE(textOf(window.get(), "Label1"), QStringLiteral("Initial Value"));
    QCOMPARE(textOf(window.get(), "Label2"), QStringLiteral("Common Difference"));
    QCOMPARE(textOf(window.get(), "Label3"), QStringLiteral("Number of Terms"));
    setText(window.get(), "Text1", "1");
    setText(window.get(), "Text2", "2");
    typeAndEnter(window.get(), "Text3", "5");
    const QStringList lines = {"1\t1", "2\t3", "3\t5", "4\t7", "5\t9"};
    QCOMPARE(listLines(window.get()), lines);
    QCOMPARE(textOf(window.get(), "Label4"), QStringLiteral("Sum of the Series: 25"));
    control<QAction>(window.get(), "Save")->trigger();
    control<QAction>(window.get(), "Save")->trigger();
    const QByteArray record = "1\t1\r\n2\t3\r\n3\t5\r\n4\t7\r\n5\t9\r\n";
    QCOMPARE(fileContents("ArithmeticProgression.txt"), record + record);
    QCOMPARE(messages.messages.size(), 2);
    QCOMPARE(messages.messages[0].text,
             savedMessage("Saved to the program's location!", "ArithmeticProgression.txt"));
    // A first term that is no number is marked; no terms, no sum.
    setText(window.get(), "Text1", "abc");
    click(window.get(), "Command1");
    QCOMPARE(listLines(window.get()), QStringList());
    QCOMPARE(textOf(window.get(), "Label4"), QString());
    QCOMPARE(markOf(window.get(), "Text1"), QStringLiteral("error"));
}

void TestSeriesWindows::progressionRejectsTermCounts_data() {
    QTest::addColumn<QString>("terms");
    QTest::newRow("one") << "1";
    QTest::newRow("fraction") << "2.5";
    QTest::newRow("negative") << "-3";
    QTest::newRow("letters") << "x";
}

// A count that would never end the list is refused: the box is marked, the list emptied.
void TestSeriesWindows::progressionRejectsTermCounts() {
    QFETCH(QString, terms);
    const auto window = openWindow("GeometricProgression");
    setText(window.get(), "Text1", "1");
    setText(window.get(), "Text2", "2");
    typeAndEnter(window.get(), "Text3", "3");
    QCOMPARE(listLines(window.get()), (QStringList{"1\t1", "2\t2", "3\t4"}));
    typeAndEnter(window.get(), "Text3", terms);
    QCOMPARE(listLines(window.get()), QStringList());
    QCOMPARE(textOf(window.get(), "Label4"), QString());
    QCOMPARE(markOf(window.get(), "Text3"), QStringLiteral("error"));
}

void TestSeriesWindows::geometricProgression() {
    const auto window = openWindow("GeometricProgression");
    QCOMPARE(textOf(window.get(), "Label2"), QStringLiteral("Common Ratio"));
    setText(window.get(), "Text1", "1");
    setText(window.get(), "Text2", "2");
    typeAndEnter(window.get(), "Text3", "4");
    QCOMPARE(listLines(window.get()), (QStringList{"1\t1", "2\t2", "3\t4", "4\t8"}));
    QCOMPARE(textOf(window.get(), "Label4"), QStringLiteral("Sum of the Series: 15"));
    setText(window.get(), "Text2", "1");
    click(window.get(), "Command1");
    QCOMPARE(listLines(window.get()), (QStringList{"1\t1", "2\t1", "3\t1", "4\t1"}));
    QCOMPARE(textOf(window.get(), "Label4"), QString());
}

void TestSeriesWindows::fibonacciWindow() {
    MessageRecorder messages;
    const auto window = openWindow("fibonacci");
    QCOMPARE(control<QLineEdit>(window.get(), "Text1")->maxLength(), 2);
    for (const auto &[index, term] : {std::pair{"10", "55"}, {"1", "1"}, {"0", "0"}}) {
        typeAndEnter(window.get(), "Text1", index);
        QCOMPARE(textOf(window.get(), "Text2"), QString(term));
        QCOMPARE(textOf(window.get(), "Label1"), QString());
    }
    typeAndEnter(window.get(), "Text1", "ab");
    QCOMPARE(textOf(window.get(), "Text2"), QString());
    QVERIFY(messages.messages.isEmpty());
}

void TestSeriesWindows::fibonacciAsksBeforeBigIndices_data() {
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("yes") << true << "1134903170";
    QTest::newRow("no") << false << "55";
}

void TestSeriesWindows::fibonacciAsksBeforeBigIndices() {
    QFETCH(bool, yes);
    QFETCH(QString, shown);
    MessageRecorder messages;
    messages.answer = yes ? zq::MessageAnswer::Yes : zq::MessageAnswer::No;
    const auto window = openWindow("fibonacci");
    typeAndEnter(window.get(), "Text1", "10");
    typeAndEnter(window.get(), "Text1", "45");
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].text,
             QStringLiteral("Entered number is big! Calculation will take several minutes!\n"
                            "Do you want to continue?"));
    QCOMPARE(int(messages.messages[0].buttons), int(zq::MessageButtons::YesNo));
    QCOMPARE(int(messages.messages[0].icon), int(zq::MessageIcon::Information));
    QCOMPARE(textOf(window.get(), "Text2"), shown);
}

void TestSeriesWindows::factorialWindow() {
    const auto window = openWindow("Factorial");
    QCOMPARE(textOf(window.get(), "Label1"), QStringLiteral("!"));
    QCOMPARE(textOf(window.get(), "Label2"), QStringLiteral("1 between 170"));
    typeAndEnter(window.get(), "Text1", "0");
    QCOMPARE(textOf(window.get(), "Text2"), QStringLiteral("1"));
    typeAndEnter(window.get(), "Text1", "170");
    QCOMPARE(textOf(window.get(), "Text2"), QStringLiteral("7.25741561530799E+306"));
    for (const char *bad : {"171", "-1", "256", "abc"}) {
        typeAndEnter(window.get(), "Text1", "170");
        typeAndEnter(window.get(), "Text1", bad);
        QCOMPARE(textOf(window.get(), "Text2"), QString());
        QCOMPARE(markOf(window.get(), "Text1"), QStringLiteral("error"));
    }
}

void TestSeriesWindows::pascalWindow() {
    MessageRecorder messages;
    const auto window = openWindow("Pascal");
    QCOMPARE(textOf(window.get(), "Text1"), QStringLiteral("15"));
    QVERIFY(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    typeAndEnter(window.get(), "Text1", "3");
    QCOMPARE(textOf(window.get(), "Text2"), QStringLiteral("\n1\n1 1\n1 2 1\n1 3 3 1"));
    QCOMPARE(textOf(window.get(), "Label2"), QString());
    control<QAction>(window.get(), "Save")->trigger();
    QCOMPARE(fileContents("PascalsTriangle.txt"),
             QByteArray("\r\n1\r\n1 1\r\n1 2 1\r\n1 3 3 1\r\n\r\n"));
    QCOMPARE(messages.messages.value(0).text,
             savedMessage("Saved to the program's location.", "PascalsTriangle.txt"));
    // Rows past 17 need more than 16 bits: they show the true coefficients.
    typeAndEnter(window.get(), "Text1", "20");
    QVERIFY(textOf(window.get(), "Text2")
                .endsWith(" 167960 184756 167960 125970 77520 38760 "
                          "15504 4845 1140 190 20 1"));
    typeAndEnter(window.get(), "Text1", "ab");
    QCOMPARE(textOf(window.get(), "Text2"), QString());
    QCOMPARE(textOf(window.get(), "Label2"), QString());
    // The rows' box grows with the window.
    auto *rows = control<QPlainTextEdit>(window.get(), "Text2");
    const QSize before = rows->size();
    window->resize(window->width() + 200, window->height() + 100);
    QCOMPARE(rows->size(), before + QSize(200, 100));
}

void TestSeriesWindows::multiplicationTable() {
    const auto window = openWindow("MultiplicationTable");
    const QStringList lines = listLines(window.get());
    QCOMPARE(lines.size(), 100);
    QCOMPARE(lines[26], QStringLiteral("3*7 = 21"));
    QCOMPARE(lines[10], QStringLiteral("2*1 = 2"));
}

void TestSeriesWindows::combinationWindow() {
    const auto window = openWindow("KombiPermu");
    QCOMPARE(window->windowTitle(), QStringLiteral("Combination & Permutation Calculator"));
    setText(window.get(), "Text1", "5");
    typeAndEnter(window.get(), "Text2", "2");
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("10"));
    click(window.get(), "Command2");
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("20"));
}

void TestSeriesWindows::squareCubeRoot() {
    MessageRecorder messages;
    const auto window = openWindow("SquareCubeRoot");
    type(window.get(), "Text1", "9");
    const QStringList boxes = {"Text2", "Text3", "Text4", "Text5"};
    const auto results = [&] {
        QStringList texts;
        for (const QString &box : boxes)
            texts << textOf(window.get(), box);
        return texts;
    };
    QCOMPARE(results(), (QStringList{"81", "729", "3", "2.0800838230519"}));
    control<QAction>(window.get(), "Save")->trigger();
    QCOMPARE(fileContents("SquareCubeRoot.txt"),
             QByteArray("\r\n(9)\r\nSquare = 81\r\nSquare Root = 3\r\nCube = 729\r\n"
                        "Cube Root = 2.0800838230519\r\n"));
    // Replaced in one edit (pasted), -8 has a square and a cube but no real roots.
    setText(window.get(), "Text1", "-8");
    QCOMPARE(results(), (QStringList{"64", "-512", "", ""}));
    QCOMPARE(markOf(window.get(), "Text1"), QStringLiteral("warning"));
    type(window.get(), "Text1", "");
    QCOMPARE(results(), (QStringList{"", "", "", ""}));
}

void TestSeriesWindows::nthRootWindow() {
    MessageRecorder messages;
    const auto window = openWindow("nthRoot");
    type(window.get(), "Text1", "27");
    type(window.get(), "Text2", "3");
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("3"));
    type(window.get(), "Text2", "0");
    QCOMPARE(textOf(window.get(), "Text3"), QString());
    QCOMPARE(markOf(window.get(), "Text2"), QStringLiteral("error"));
    type(window.get(), "Text2", "4");
    type(window.get(), "Text1", "16");
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("2"));
    control<QAction>(window.get(), "Save")->trigger();
    QCOMPARE(fileContents("nthRoot.txt"), QByteArray("\r\n16 ^ (1/4) = 2\r\n"));
    QCOMPARE(messages.messages.value(0).text,
             savedMessage("Saved to the program's location.", "nthRoot.txt"));
}

void TestSeriesWindows::percentWindow() {
    const auto window = openWindow("Percent");
    QVERIFY(control<QRadioButton>(window.get(), "Option1")->isChecked());
    setText(window.get(), "Text1", "20");
    setText(window.get(), "Text2", "50");
    click(window.get(), "Command1");
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("10"));
    control<QRadioButton>(window.get(), "Option3")->click();
    setText(window.get(), "Text1", "");
    click(window.get(), "Command1");
    QCOMPARE(textOf(window.get(), "Text1"), QStringLiteral("20"));
    control<QRadioButton>(window.get(), "Option2")->click();
    setText(window.get(), "Text2", "");
    click(window.get(), "Command1");
    QCOMPARE(textOf(window.get(), "Text2"), QStringLiteral("50"));
}

void TestSeriesWindows::divisionWindow() {
    const auto window = openWindow("DivisionOperation");
    QCOMPARE(textOf(window.get(), "Label2"), QStringLiteral("|\n|\n|\n|\n|\n"));
    QCOMPARE(control<QLineEdit>(window.get(), "Text1")->maxLength(), 9);
    type(window.get(), "Text1", "17");
    type(window.get(), "Text2", "5");
    QCOMPARE(textOf(window.get(), "Text4"), QStringLiteral("3"));
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("2"));
    type(window.get(), "Text1", "-17");
    QCOMPARE(textOf(window.get(), "Text4"), QStringLiteral("-3"));
    QCOMPARE(textOf(window.get(), "Text3"), QStringLiteral("-2"));
    type(window.get(), "Text2", "0");
    QCOMPARE(textOf(window.get(), "Text4"), QString());
    QCOMPARE(textOf(window.get(), "Text3"), QString());
    QCOMPARE(markOf(window.get(), "Text2"), QStringLiteral("error"));
}

void TestSeriesWindows::numbersInWords() {
    const auto window = openWindow("NumbersEnglish");
    QCOMPARE(control<QLineEdit>(window.get(), "Text1")->maxLength(), 15);
    QVERIFY(control<QRadioButton>(window.get(), "Option1")->isChecked());
    typeAndEnter(window.get(), "Text1", "25");
    QCOMPARE(textOf(window.get(), "Text2"), QStringLiteral(" twenty - five"));
    control<QRadioButton>(window.get(), "Option2")->click();
    typeAndEnter(window.get(), "Text1", "25");
    QCOMPARE(textOf(window.get(), "Text2"), QStringLiteral(" yirmi - beş"));
    // Anything that is no number leaves the result empty.
    for (const char *bad : {"abc", "", "9999999999999999"}) {
        typeAndEnter(window.get(), "Text1", "25");
        typeAndEnter(window.get(), "Text1", bad);
        QCOMPARE(textOf(window.get(), "Text2"), QString());
    }
}

void TestSeriesWindows::romanWindow() {
    const auto window = openWindow("Roman");
    QCOMPARE(control<QLineEdit>(window.get(), "Text1")->maxLength(), 7);
    typeAndEnter(window.get(), "Text1", "1994");
    QCOMPARE(textOf(window.get(), "Text2"), QStringLiteral("MCMXCIV"));
    typeAndEnter(window.get(), "Text1", "-5");
    QCOMPARE(textOf(window.get(), "Text2"), QString());
    QCOMPARE(markOf(window.get(), "Text1"), QStringLiteral("error"));
    typeAndEnter(window.get(), "Text1", "2.5");
    QCOMPARE(textOf(window.get(), "Text2"), QStringLiteral("II"));
    QCOMPARE(markOf(window.get(), "Text1"), QStringLiteral("warning"));
}

QTEST_MAIN(TestSeriesWindows)
#include "tst_series_windows.moc"
