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
    void realisticQueries_data();
    void realisticQueries();
    void categories();
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
    // By title first, then by keyword, each in the list's order.
    const QStringList loans = {"Auto Loan Calculator", "Financial Lease Calculator",
                               "Mortgage Calculator", "Simple Interest Calculator"};
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
    QTest::newRow("a plural") << "pounds" << QStringList{"Weight Converter"};
    QTest::newRow("small words and a number")
        << "the 70 kg" << QStringList{"Body Mass Index Calculator", "Weight Converter"};
    QTest::newRow("a small word a tool has") << "between" << QStringList{"Date Calculator"};
    QTest::newRow("a number a tool has") << "256" << QStringList{"SHA256 Hash Calculator"};
    QTest::newRow("a number no tool has") << "70" << QStringList{};
    QTest::newRow("percent sign") << "%"
                                  << QStringList{"Percentage % Calculator",
                                                 "Growth Rate Calculator", "Profit Calculator"};
    QTest::newRow("degree sign") << "°" << QStringList{"Angle Converter", "Temperature Converter"};
    QTest::newRow("ohm sign") << "Ω"
                              << QStringList{"Ohm's Law Calculator",
                                             "Resistor Color Code Calculator"};
    QTest::newRow("a sign no tool has") << "#" << QStringList{};
}

void TestApp::search() {
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    QCOMPARE(findTools(typed), found);
}

// Every title is found by each of its own words, ahead of the tools that only have that word
// among their keywords, and a text of blanks finds the whole catalog in the list's order.
void TestApp::searchFindsEveryTitleByItsWords() {
    QStringList catalog;
    for (const ToolEntry &entry : ToolCatalog())
        catalog << entry.titleText();
    std::sort(catalog.begin(), catalog.end(), catalogListLess);
    QCOMPARE(findTools(QString()), catalog);
    QCOMPARE(findTools("  "), catalog);
    for (const QString &title : catalog) {
        for (const QString &word : searchWords(title)) {
            const QStringList found = findTools(word);
            QVERIFY2(found.contains(title), qPrintable(title + " by " + word));
            // A title's own word, or its singular ("calculators" finds "Calculator").
            const QString singular = word.endsWith('s') ? word.chopped(1) : word;
            const auto byTitle = [&singular](const QString &found) {
                const QStringList words = searchWords(found);
                return std::any_of(words.begin(), words.end(), [&singular](const QString &w) {
                    return w.startsWith(singular);
                });
            };
            QVERIFY2(std::is_partitioned(found.begin(), found.end(), byTitle), qPrintable(word));
        }
    }
    QVERIFY(findTools("conv").contains("Energy-Power Converter"));
}

// What people type, each with the title that must come first: half what a student, a
// household or a small office would type, half abbreviations, units and synonyms.
void TestApp::realisticQueries_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("first");
    const std::pair<const char *, const char *> queries[] = {
        {"days between dates", "Date Calculator"},
        {"mortgage payment", "Mortgage Calculator"},
        {"convert kg to lb", "Weight Converter"},
        {"molar mass", "Relative Atomic Mass Calculator"},
        {"password", "Random Password Generator"},
        {"how old", "Birthday Calculator"},
        {"car loan", "Auto Loan Calculator"},
        {"tip", "Restaurant Bill Calculator"},
        {"fuel economy", "Fuel Consumption Calculator"},
        {"convert celsius to fahrenheit", "Temperature Converter"},
        {"square root", "Square Root, Cube Root Calculator"},
        {"prime numbers", "Prime, Non-Prime Numbers"},
        {"lottery numbers", "Random Lottery Numbers Generator"},
        {"body mass index", "Body Mass Index Calculator"},
        {"heart rate", "Maximum Heart Rate Calculator"},
        {"electricity bill", "Electricity Consumption Calculator"},
        {"water bill", "Water Consumption Calculator"},
        {"gas bill", "Natural Gas Consumption Calculator"},
        {"compound interest", "Compound Interest Calculator"},
        {"zodiac sign", "Zodiac Calculator"},
        {"roman numerals", "Numbers to Roman"},
        {"fractions", "Fraction Calculator"},
        {"times table", "Multiplication Table"},
        {"area of a circle", "Area Calculator"},
        {"volume of a cylinder", "Volume Calculator"},
        {"convert miles to km", "Length Converter"},
        {"hash a file", "MD5 Hash Calculator"},
        {"weight on the moon", "Weight on Other Planets"},
        {"loan interest", "Auto Loan Calculator"},
        {"inches to cm", "Length Converter"},
        {"words for a number", "Numbers to String"},
        {"reduce a fraction", "Simplifying Fractions Calculator"},
        {"bmi", "Body Mass Index Calculator"},
        {"gcd", "Greatest Common Factor Calculator"},
        {"hcf", "Greatest Common Factor Calculator"},
        {"lcm", "Least Common Multiple Calculator"},
        {"mph to km/h", "Speed Converter"},
        {"kph", "Speed Converter"},
        {"btu", "Energy-Power Converter"},
        {"hp", "Energy-Power Converter"},
        {"sha256", "SHA256 Hash Calculator"},
        {"md5", "MD5 Hash Calculator"},
        {"base64", "Base64 to String"},
        {"ascii to hex", "Hex to ASCII"},
        {"gb to mb", "Byte Converter"},
        {"kb", "Byte Converter"},
        {"acre", "Area Converter"},
        {"hectares", "Area Converter"},
        {"pint", "Volume Converter"},
        {"ml", "Volume Converter"},
        {"oz", "Weight Converter"},
        {"pounds", "Weight Converter"},
        {"cagr", "Growth Rate Calculator"},
        {"vat", "Natural Gas Consumption Calculator"},
        {"rpm", "Bass Fishing Boat Speed Calculator"},
        {"nCr", "Combination & Permutation"},
        {"radians", "Angle Converter"},
        {"sqrt", "Square Root, Cube Root Calculator"},
        {"pythagoras", "Hypotenuse Calculator"},
        {"resistances", "Ohm's Law Calculator"},
        {"70 kg", "Body Mass Index Calculator"},
        {"%", "Percentage % Calculator"},
        {"°", "Angle Converter"},
        {"Ω", "Ohm's Law Calculator"},
        {"calculators", "Area Calculator"},
        {"unit", "Angle Converter"},
        {"kwh", "Electricity Consumption Calculator"},
    };
    for (const auto &[typed, first] : queries)
        QTest::newRow(typed) << QString::fromUtf8(typed) << QString::fromUtf8(first);
}

void TestApp::realisticQueries() {
    QFETCH(QString, typed);
    QFETCH(QString, first);
    QCOMPARE(findTools(typed).value(0), first);
}

// Every tool in one category; the categories in their order, each with tools.
void TestApp::categories() {
    const QStringList names = {"Units and bases",
                               "Numbers",
                               "Equations and geometry",
                               "Finance",
                               "Everyday, health and dates",
                               "Text and codes",
                               "Science and electricity",
                               "Program and system"};
    int tools = 0;
    for (int category = 0; category < ToolCategoryCount; ++category) {
        QCOMPARE(toolCategoryName(ToolCategory(category)), names[category]);
        QVERIFY(toolCountIn(ToolCategory(category)) > 0);
        tools += toolCountIn(ToolCategory(category));
    }
    QCOMPARE(tools, 92);
    // Every converter is found as a unit converter.
    for (const ToolEntry &entry : ToolCatalog())
        if (entry.category == ToolCategory::UnitsAndBases)
            QVERIFY2(findTools("unit convert").contains(entry.titleText()),
                     qPrintable(entry.titleText()));
}

void TestApp::everyToolHasKeywords() {
    for (const ToolEntry &entry : ToolCatalog())
        QVERIFY2(searchWords(entry.keywordsText()).size() >= 2, qPrintable(entry.titleText()));
}

QTEST_GUILESS_MAIN(TestApp)
#include "tst_app.moc"
