// Finding a tool in the main window by keyboard: the search field filters the list, and Enter,
// Down, Escape and Ctrl+F do what the user expects.
#include "app/main_window.h"
#include "app/tool_search.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QAction>

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

QTEST_MAIN(TestSearchWindows)
#include "tst_search_windows.moc"
