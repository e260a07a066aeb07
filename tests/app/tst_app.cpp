#include "app/running_time.h"
#include "app/tool_catalog.h"
#include "app/tool_search.h"

#include <QSet>
#include <QTest>

#include <algorithm>

using namespace zq;

class TestApp : public QObject {
    Q_OBJECT

private slots:
    void catalogEntries();
    void listOrder();
    void runningTimeText_data();
    void runningTimeText();
    void uptimeIsPositiveAndMonotonic();
    void search_data();
    void search();
    void searchFindsEveryTitleByItsWords();
    void everyToolHasKeywords();
};

void TestApp::catalogEntries() {
    const auto catalog = ToolCatalog();
    QCOMPARE(catalog.size(), std::size_t(92));
    QSet<QString> titles;
    QSet<QString> windows;
    int modal = 0;
    for (const ToolEntry &entry : catalog) {
        titles.insert(entry.titleText());
        if (entry.target == ToolTarget::ModalWindow) {
            ++modal;
            windows.insert(entry.windowNameText());
        }
    }
    QCOMPARE(titles.size(), 92);
    QCOMPARE(modal, 90);
    QCOMPARE(windows.size(), 90);
    QCOMPARE(catalog.front().titleText(), QStringLiteral("Adsense Code Converter"));
    QCOMPARE(catalog[5].titleText(), QStringLiteral("Calculator (Windows)"));
    QCOMPARE(int(catalog[5].target), int(ToolTarget::SystemCalculator));
    QCOMPARE(catalog[51].windowNameText(), QStringLiteral("MenuTracking"));
    QCOMPARE(int(catalog[51].target), int(ToolTarget::ModelessWindow));
    QCOMPARE(catalog[15].windowNameText(), QStringLiteral("nthRoot"));
    QCOMPARE(catalog.back().titleText(), QStringLiteral("Financial Lease Calculator"));
}

// The order the user sees, as the catalog table lists it.
void TestApp::listOrder() {
    const QStringList shown = {"Adsense Code Converter",
                               "Angle Converter",
                               "Area Calculator",
                               "Area Converter",
                               "Arithmetic Progression Calculator",
                               "Astronomical Time Converter",
                               "Auto Loan Calculator",
                               "Base64 to String",
                               "Bass Fishing Boat Speed Calculator",
                               "Binary to Number",
                               "Birthday Calculator",
                               "Body Mass Index Calculator",
                               "Body Surface Area Calculator",
                               "Byte Converter",
                               "Calculator (Windows)",
                               "Character Number Calculator",
                               "Combination & Permutation",
                               "Compound Interest Calculator",
                               "Coordinate Draw",
                               "Creatinine Calculator",
                               "Date Calculator",
                               "Depreciation Calculator",
                               "Divisibility Calculator",
                               "Division Operation",
                               "DLL-OCX Registration",
                               "Earth Year on Other Planets",
                               "Electric Current Converter",
                               "Electrical Calculators",
                               "Electricity Consumption Calculator",
                               "Energy-Power Converter",
                               "Equation Solver",
                               "Factorial Calculator",
                               "Fibonacci Calculator",
                               "Financial Lease Calculator",
                               "Fraction Calculator",
                               "Fraction Equation Solver",
                               "Fuel Consumption Calculator",
                               "Geometric Progression Calculator",
                               "Greatest Common Factor Calculator",
                               "Growth Rate Calculator",
                               "Heat Index Calculator",
                               "Hex to ASCII",
                               "Hexadecimal to Decimal",
                               "Hijri to Gregorian",
                               "Hypotenuse Calculator",
                               "Least Common Multiple Calculator",
                               "Length Converter",
                               "Map Scale Calculator",
                               "Maximum Heart Rate Calculator",
                               "MD5 Hash Calculator",
                               "Mortgage Calculator",
                               "Multiplication Table",
                               "Natural Gas Consumption Calculator",
                               "nth Root Calculator",
                               "Numbers Converter",
                               "Numbers to Roman",
                               "Numbers to String",
                               "Ohm's Law Calculator",
                               "Pascal's Triangle Calculator",
                               "Percentage % Calculator",
                               "Perimeter Calculator",
                               "Prime Factor Calculator",
                               "Prime, Non-Prime Numbers",
                               "Product of Numbers N to N",
                               "Profit Calculator",
                               "Quadratic Equation Solver",
                               "Random Lottery Numbers Generator",
                               "Random Password Generator",
                               "Relative Atomic Mass Calculator",
                               "Resistor Color Code Calculator",
                               "Restaurant Bill Calculator",
                               "Reverse the String",
                               "Seconds to Minutes to Hours",
                               "SHA256 Hash Calculator",
                               "Simple Interest Calculator",
                               "Simplifying Fractions Calculator",
                               "Simultaneous Equation Solver",
                               "Sine, Cosine, Tangent, Arc-Cotangent",
                               "Speed Converter",
                               "Square Root, Cube Root Calculator",
                               "Stopwatch",
                               "Sum of Numbers N to N",
                               "Sum or Difference of Cubes",
                               "Temperature Converter",
                               "Voltage Converter",
                               "Volume Calculator",
                               "Volume Converter",
                               "Water Consumption Calculator",
                               "Weight Converter",
                               "Weight on Other Planets",
                               "Wind Chill Index Calculator",
                               "Zodiac Calculator"};
    QStringList sorted;
    for (const ToolEntry &entry : ToolCatalog())
        sorted << entry.titleText();
    std::sort(sorted.begin(), sorted.end(), catalogListLess);
    QCOMPARE(sorted, shown);
}

void TestApp::runningTimeText_data() {
    QTest::addColumn<qint64>("uptime");
    QTest::addColumn<QString>("text");
    QTest::newRow("just started") << qint64(0) << "PC running while 0 minutes.";
    QTest::newRow("half a minute to even") << qint64(30000) << "PC running while 0 minutes.";
    QTest::newRow("1.5 minutes") << qint64(90000) << "PC running while 2 minutes.";
    QTest::newRow("2.5 minutes") << qint64(150000) << "PC running while 2 minutes.";
    QTest::newRow("just past 2.5") << qint64(150001) << "PC running while 3 minutes.";
    QTest::newRow("120.5 minutes") << qint64(7230000) << "PC running while 120 minutes.";
    QTest::newRow("largest 32-bit count")
        << qint64(2147483647) << "PC running while 35791 minutes.";
    // The boot clock does not wrap: past 2^31 and 2^32 ms the count keeps rising.
    QTest::newRow("past 2^31 ms") << qint64(2147483648LL + 60000 * 10)
                                  << "PC running while 35801 minutes.";
    QTest::newRow("past 2^32 ms") << qint64(4294967296LL) << "PC running while 71583 minutes.";
    QTest::newRow("a year") << qint64(31536000000LL) << "PC running while 525600 minutes.";
    QTest::newRow("never negative") << qint64(-120000) << "PC running while 0 minutes.";
}

void TestApp::runningTimeText() {
    QFETCH(qint64, uptime);
    QFETCH(QString, text);
    QCOMPARE(zq::runningTimeText(uptime), text);
}

void TestApp::uptimeIsPositiveAndMonotonic() {
    const qint64 first = machineUptimeMs();
    QVERIFY(first > 0);
    QTest::qWait(20);
    QVERIFY(machineUptimeMs() >= first + 10);
}

void TestApp::search_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");
    const QStringList loans = {"Auto Loan Calculator", "Mortgage Calculator",
                               "Simple Interest Calculator", "Financial Lease Calculator"};
    QTest::newRow("by title, then by keyword") << "loan" << loans;
    QTest::newRow("capitals") << "LOAN" << loans;
    QTest::newRow("capital first") << "Loan" << loans;
    QTest::newRow("abbreviation") << "bmi" << QStringList{"Body Mass Index Calculator"};
    QTest::newRow("password") << "password" << QStringList{"Random Password Generator"};
    QTest::newRow("apostrophe ends a word")
        << "ohm" << QStringList{"Ohm's Law Calculator", "Resistor Color Code Calculator"};
    QTest::newRow("unit") << "kg" << QStringList{"Body Mass Index Calculator", "Weight Converter"};
    QTest::newRow("unit with a slash") << "km/h" << QStringList{"Speed Converter"};
    QTest::newRow("accents ignored") << "Réaumur" << QStringList{"Temperature Converter"};
    QTest::newRow("two words") << "sum cube" << QStringList{"Sum or Difference of Cubes"};
    QTest::newRow("words in any order")
        << "interest compound" << QStringList{"Compound Interest Calculator"};
    QTest::newRow("a word of the title and one of the keywords")
        << "weight kg" << QStringList{"Body Mass Index Calculator", "Weight Converter"};
    QTest::newRow("nothing") << "xyzzy" << QStringList{};
    QTest::newRow("not the middle of a word") << "oan" << QStringList{};
}

void TestApp::search() {
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    QCOMPARE(findTools(typed), found);
}

// Every title is found by each of its own words, ahead of the tools that only have that word
// among their keywords, and a text without words finds the whole catalog in its order.
void TestApp::searchFindsEveryTitleByItsWords() {
    QStringList catalog;
    for (const ToolEntry &entry : ToolCatalog())
        catalog << entry.titleText();
    QCOMPARE(findTools(QString()), catalog);
    QCOMPARE(findTools(" - "), catalog);
    for (const QString &title : catalog) {
        for (const QString &word : searchWords(title)) {
            const QStringList found = findTools(word);
            QVERIFY2(found.contains(title), qPrintable(title + " by " + word));
            const auto byTitle = [&word](const QString &found) {
                const QStringList words = searchWords(found);
                return std::any_of(words.begin(), words.end(),
                                   [&word](const QString &w) { return w.startsWith(word); });
            };
            QVERIFY2(std::is_partitioned(found.begin(), found.end(), byTitle), qPrintable(word));
        }
    }
    QVERIFY(findTools("conv").contains("Energy-Power Converter"));
}

void TestApp::everyToolHasKeywords() {
    for (const ToolEntry &entry : ToolCatalog())
        QVERIFY2(searchWords(entry.keywordsText()).size() >= 2, qPrintable(entry.titleText()));
}

QTEST_GUILESS_MAIN(TestApp)
#include "tst_app.moc"
