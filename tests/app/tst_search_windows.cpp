// Finding a tool in the main window by keyboard: the search field filters the list, and Enter,
// Down, Escape and Ctrl+F do what the user expects.
#include "app/main_window.h"
#include "app/tool_catalog.h"
#include "app/tool_search.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>

#include <memory>

using namespace zq;

namespace {

// Shown and active, as shortcuts act only in the active window.
std::unique_ptr<Main> shownMain() {
    auto window = std::make_unique<Main>();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get(), HangBoundMs))
        qWarning("the main window did not become active");
    return window;
}

QStringList shownTitles(const Main &window) {
    QStringList titles;
    for (int row = 0; row < window.List1->count(); ++row)
        if (!window.List1->item(row)->isHidden())
            titles << window.List1->item(row)->text();
    return titles;
}

void search(Main &window, const QString &typed) {
    QTest::keyClick(window.List1, Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(window.txtSearch, typed);
}

} // namespace

class TestSearchWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void typingFilters_data();
    void typingFilters();
    void clearingShowsTheWholeList();
    void enterOpensTheFirstTitleShown();
    void enterWithNothingTypedAsksForAChoice();
    void downGoesToTheFirstTitle();
    void chosenTitleOpensItsTool();
    void typeAheadSkipsHiddenTitles();
    void escapeEmptiesThenCloses();
    void categoryShowsItsTitles_data();
    void categoryShowsItsTitles();
    void searchLooksThroughEveryTool();
    void keysMoveThroughCategoriesAndTitles();
    void nothingFoundSaysSo_data();
    void nothingFoundSaysSo();
};

void TestSearchWindows::initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestSearchWindows::typingFilters_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("loan") << "loan";
    QTest::newRow("bmi") << "bmi";
    QTest::newRow("conv") << "conv";
    QTest::newRow("nothing found") << "xyzzy";
}

// The list shows just what the search finds, in its order.
void TestSearchWindows::typingFilters() {
    QFETCH(QString, typed);
    const auto window = shownMain();
    QCOMPARE(window->txtSearch->placeholderText(), QStringLiteral("Search tools (Ctrl+F)"));
    search(*window, typed);
    QCOMPARE(window->focusWidget(), window->txtSearch);
    QCOMPARE(shownTitles(*window), findTools(typed));
    QCOMPARE(window->List1->count(), 92); // hidden, not removed: About still counts them
}

void TestSearchWindows::clearingShowsTheWholeList() {
    const auto window = shownMain();
    search(*window, "hash");
    window->txtSearch->clear();
    const QStringList all = shownTitles(*window);
    QCOMPARE(all.size(), 92);
    QCOMPARE(all.front(), QStringLiteral("Adsense Code Converter"));
    QCOMPARE(all.back(), QStringLiteral("Zodiac Calculator"));
}

void TestSearchWindows::enterOpensTheFirstTitleShown() {
    const auto window = shownMain();
    search(*window, "mortgage");
    const auto probe = onNextModal([](QWidget *modal) { modal->close(); });
    QTest::keyClick(window->txtSearch, Qt::Key_Return);
    QCOMPARE(probe->openedName, QStringLiteral("Mortgage"));
}

void TestSearchWindows::enterWithNothingTypedAsksForAChoice() {
    MessageRecorder messages;
    const auto window = shownMain();
    search(*window, QString());
    QTest::keyClick(window->txtSearch, Qt::Key_Return);
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].text,
             QStringLiteral("Select or double click to a Calculator/Converter!"));
}

void TestSearchWindows::downGoesToTheFirstTitle() {
    const auto window = shownMain();
    search(*window, "interest");
    QTest::keyClick(window->txtSearch, Qt::Key_Down);
    QCOMPARE(window->focusWidget(), window->List1);
    QCOMPARE(window->List1->currentItem()->text(), findTools("interest").front());
    QTest::keyClick(window->List1, Qt::Key_Down);
    QCOMPARE(window->List1->currentItem()->text(), findTools("interest").at(1));
}

// A title chosen in the filtered list opens its own tool, whatever row it has moved to.
void TestSearchWindows::chosenTitleOpensItsTool() {
    const auto window = shownMain();
    search(*window, "loan");
    QListWidgetItem *lease =
        window->List1->findItems("Financial Lease Calculator", Qt::MatchExactly).front();
    QVERIFY(window->List1->row(lease) < 4);
    const auto probe = onNextModal([](QWidget *modal) { modal->close(); });
    doubleClickRow(window->List1, window->List1->indexFromItem(lease));
    QCOMPARE(probe->openedName, QStringLiteral("FinancialLease"));
}

void TestSearchWindows::typeAheadSkipsHiddenTitles() {
    const auto window = shownMain();
    search(*window, "loan");
    window->List1->setFocus();
    QTest::keyClicks(window->List1, "M");
    QCOMPARE(window->List1->currentItem()->text(), QStringLiteral("Mortgage Calculator"));
    QTest::qWait(QApplication::keyboardInputInterval() + 100); // a new search, not "MB"
    QTest::keyClicks(window->List1, "B"); // Base64 and the other titles with B are hidden
    QCOMPARE(window->List1->currentItem()->text(), QStringLiteral("Mortgage Calculator"));
}

void TestSearchWindows::escapeEmptiesThenCloses() {
    const auto window = shownMain();
    search(*window, "kg");
    QTest::keyClick(window->txtSearch, Qt::Key_Escape);
    QVERIFY(window->txtSearch->text().isEmpty());
    QVERIFY(window->isVisible());
    QCOMPARE(shownTitles(*window).size(), 92);
    QTest::keyClick(window->txtSearch, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
}

void TestSearchWindows::categoryShowsItsTitles_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("titles");
    QStringList all;
    for (const ToolEntry &entry : ToolCatalog())
        all << entry.titleText();
    std::sort(all.begin(), all.end(), catalogListLess);
    QTest::newRow("all") << 0 << "All tools (92)" << all;
    QTest::newRow("finance") << 4 << "Finance (9)"
                             << QStringList{
                                    "Auto Loan Calculator",      "Compound Interest Calculator",
                                    "Depreciation Calculator",   "Financial Lease Calculator",
                                    "Growth Rate Calculator",    "Mortgage Calculator",
                                    "Profit Calculator",         "Restaurant Bill Calculator",
                                    "Simple Interest Calculator"};
    QTest::newRow("science") << 7 << "Science and electricity (4)"
                             << QStringList{"Electrical Calculators", "Ohm's Law Calculator",
                                            "Relative Atomic Mass Calculator",
                                            "Resistor Color Code Calculator"};
    QTest::newRow("system") << 8 << "Program and system (1)" << QStringList{"DLL-OCX Registration"};
}

// A category shows its tools alone, in the list's order; all of them are still in the list.
void TestSearchWindows::categoryShowsItsTitles() {
    QFETCH(int, row);
    QFETCH(QString, shown);
    QFETCH(QStringList, titles);
    const auto window = shownMain();
    QCOMPARE(window->lstCategories->count(), 9);
    QCOMPARE(window->lstCategories->item(row)->text(), shown);
    window->lstCategories->setCurrentRow(row);
    QCOMPARE(shownTitles(*window), titles);
    QCOMPARE(window->List1->count(), 92);
}

// Typing searches every tool, whatever category was chosen; emptying the search keeps the
// category the search chose.
void TestSearchWindows::searchLooksThroughEveryTool() {
    const auto window = shownMain();
    window->lstCategories->setCurrentRow(4); // Finance
    search(*window, "kg");
    QCOMPARE(window->lstCategories->currentRow(), 0);
    QCOMPARE(shownTitles(*window), findTools("kg"));
    window->txtSearch->clear();
    QCOMPARE(window->lstCategories->currentRow(), 0);
    QCOMPARE(shownTitles(*window).size(), 92);
}

// Tab goes from the search to the categories to the titles; Up and Down choose a category at
// once, Enter or Right go on to its titles; Ctrl+F comes back to the search.
void TestSearchWindows::keysMoveThroughCategoriesAndTitles() {
    const auto window = shownMain();
    search(*window, QString());
    QTest::keyClick(window->txtSearch, Qt::Key_Tab);
    QCOMPARE(window->focusWidget(), window->lstCategories);
    QTest::keyClick(window->lstCategories, Qt::Key_Down);
    QCOMPARE(window->lstCategories->currentRow(), 1);
    QCOMPARE(shownTitles(*window).size(), 16); // units and bases
    QTest::keyClick(window->lstCategories, Qt::Key_Down);
    QTest::keyClick(window->lstCategories, Qt::Key_Up);
    QCOMPARE(shownTitles(*window).size(), 16);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Right}) {
        window->lstCategories->setFocus();
        QTest::keyClick(window->lstCategories, key);
        QCOMPARE(window->focusWidget(), window->List1);
        QCOMPARE(window->List1->currentItem()->text(), QStringLiteral("Angle Converter"));
    }
    window->lstCategories->setFocus();
    QTest::keyClick(window->lstCategories, Qt::Key_Tab);
    QCOMPARE(window->focusWidget(), window->List1);
    QTest::keyClick(window->List1, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(window->focusWidget(), window->txtSearch);
}

void TestSearchWindows::nothingFoundSaysSo_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("said");
    QTest::newRow("words") << "pounds of gold"
                           << "No tool matches \"pounds of gold\".";
    QTest::newRow("a sign") << "#"
                            << "No tool matches \"#\".";
    QTest::newRow("quoted by its beginning")
        << QString(61, 'q')
        << QStringLiteral("No tool matches \"%1\u2026\".").arg(QString(60, 'q'));
    QTest::newRow("found") << "pounds"
                           << "";
}

void TestSearchWindows::nothingFoundSaysSo() {
    QFETCH(QString, typed);
    QFETCH(QString, said);
    const auto window = shownMain();
    search(*window, typed);
    QCOMPARE(window->lblNoMatch->isVisible(), !said.isEmpty());
    QCOMPARE(shownTitles(*window).isEmpty(), !said.isEmpty());
    if (!said.isEmpty())
        QCOMPARE(window->lblNoMatch->text(), said);
}

QTEST_MAIN(TestSearchWindows)
#include "tst_search_windows.moc"
