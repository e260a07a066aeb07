#include "app/about.h"
#include "app/documents_folder.h"
#include "app/main_window.h"
#include "app/tool_catalog.h"
#include "app/window_registry.h"
#include "app/windows_run_time.h"
#include "common/click_label.h"
#include "common/external_programs.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <memory>

using namespace zq;

namespace {

// Records what the program asks other programs to do, instead of starting them.
struct ProgramRecorder {
    QStringList started;
    QList<QUrl> opened;
    bool starts = true; // false: every start fails
    ExternalPrograms previous;
    ProgramRecorder() {
        previous = setExternalPrograms({[this](const QString &program, const QStringList &) {
                                            started << program;
                                            return starts;
                                        },
                                        [this](const QUrl &url) {
                                            opened << url;
                                            return starts;
                                        }});
    }
    ~ProgramRecorder() { setExternalPrograms(previous); }
};

std::unique_ptr<Main> shownMain() {
    auto window = std::make_unique<Main>();
    window->show();
    return window;
}

QListWidgetItem *itemTitled(Main &window, const QString &title) {
    const auto found = window.List1->findItems(title, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.front();
}

int rowOf(Main &window, const QString &title) {
    return window.List1->row(itemTitled(window, title));
}

void pressEnter(Main &window) {
    QTest::keyClick(window.List1, Qt::Key_Return);
}

} // namespace

class TestAppWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void registry();
    void listShowsCatalogInOrder();
    void listShowsOneColumn();
    void startWithNothingSelected_data();
    void startWithNothingSelected();
    void doubleClickOnNothingDoesNothing();
    void calculatorEntryStartsSystemCalculator();
    void everyTitleOpensAfresh_data();
    void everyTitleOpensAfresh();
    void runningTimeFromMenu();
    void aboutCountsTheList();
    void aboutClosesOnEnterAndEscape_data();
    void aboutClosesOnEnterAndEscape();
    void links();
    void notepadStartsEditor();
    void externalProgramsGetArgumentsUnchanged();
    void escapeClosesMain();
    void documentsFolderTakesSavedResults();
    void windowGrows();
    void programsThatCannotStartSaySo();
    void runningTimeWindow_data();
    void runningTimeWindow();
};

void TestAppWindows::initTestCase() {
    // Closing a main window in a test must not end the test program.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestAppWindows::registry() {
    const QStringList names = windowNames();
    QStringList expected = {"Main",      "About",           "WindowsRunTime", "DivisibilityRules",
                            "RAMAtomNo", "MenuTrackingALT", "DllOcxHelp",     "Help"};
    for (const ToolEntry &entry : ToolCatalog())
        if (entry.target != ToolTarget::SystemCalculator)
            expected << entry.windowNameText();
    for (const QString &name : expected)
        QVERIFY2(names.contains(name), qPrintable(name));
    QCOMPARE(names.size(), expected.size());
    for (const QString &name : names) {
        std::unique_ptr<QWidget> window(createWindow(name));
        QVERIFY(window);
        QCOMPARE(window->objectName(), name);
        QVERIFY(!window->isVisible());
    }
    QVERIFY(createWindow("NoSuchWindow") == nullptr);
}

void TestAppWindows::listShowsCatalogInOrder() {
    const auto window = shownMain();
    QCOMPARE(window->List1->count(), 92);
    QCOMPARE(window->List1->item(0)->text(), QStringLiteral("Adsense Code Converter"));
    QCOMPARE(window->List1->item(91)->text(), QStringLiteral("Zodiac Calculator"));
    const int nth = rowOf(*window, "nth Root Calculator");
    QCOMPARE(rowOf(*window, "Natural Gas Consumption Calculator"), nth - 1);
    QCOMPARE(rowOf(*window, "Numbers Converter"), nth + 1);
    const int md5 = rowOf(*window, "MD5 Hash Calculator");
    QCOMPARE(rowOf(*window, "Maximum Heart Rate Calculator"), md5 - 1);
    QCOMPARE(rowOf(*window, "Mortgage Calculator"), md5 + 1);
    QVERIFY(window->List1->selectedItems().isEmpty());
}

// One column of titles, at least two dozen in sight as the window opens, none cut and none
// needing a sideways scroll bar.
void TestAppWindows::listShowsOneColumn() {
    const auto window = shownMain();
    QListWidget *list = window->List1;
    int inSight = 0;
    for (int row = 0; row < list->count(); ++row) {
        const QRect at = list->visualItemRect(list->item(row));
        QCOMPARE(at.x(), list->visualItemRect(list->item(0)).x());
        QVERIFY(at.width() >= list->fontMetrics().horizontalAdvance(list->item(row)->text()));
        inSight += list->viewport()->rect().contains(at);
    }
    QVERIFY2(inSight >= 24, qPrintable(QString::number(inSight)));
    QVERIFY(!list->horizontalScrollBar()->isVisible());
}

void TestAppWindows::startWithNothingSelected_data() {
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("Enter") << true;
    QTest::newRow("Start button") << false;
}

void TestAppWindows::startWithNothingSelected() {
    QFETCH(bool, byEnter);
    MessageRecorder messages;
    ProgramRecorder programs;
    const auto window = shownMain();
    const auto probe = onNextModal([](QWidget *modal) { modal->close(); });
    if (byEnter)
        pressEnter(*window);
    else
        QTest::mouseClick(window->StartCmd, Qt::LeftButton);
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].text,
             QStringLiteral("Select or double click to a Calculator/Converter!"));
    QCOMPARE(int(messages.messages[0].icon), int(MessageIcon::Information));
    QCOMPARE(int(messages.messages[0].buttons), int(MessageButtons::Ok));
    QCOMPARE(messages.messages[0].caption, QStringLiteral("Zentiqua"));
    QVERIFY(programs.started.isEmpty());
    QCoreApplication::processEvents();
    QCOMPARE(probe->openedName, QString());
}

void TestAppWindows::doubleClickOnNothingDoesNothing() {
    MessageRecorder messages;
    ProgramRecorder programs;
    const auto window = shownMain();
    window->List1_DblClick();
    QVERIFY(messages.messages.isEmpty());
    QVERIFY(programs.started.isEmpty());
}

void TestAppWindows::calculatorEntryStartsSystemCalculator() {
    MessageRecorder messages;
    ProgramRecorder programs;
    const auto window = shownMain();
    QListWidgetItem *item = itemTitled(*window, "Calculator (Windows)");
    window->List1->scrollToItem(item);
    const QPoint centre = window->List1->visualItemRect(item).center();
    QTest::mouseDClick(window->List1->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(window->List1->selectedItems().value(0), item);
    QCOMPARE(programs.started.size(), 1);
    pressEnter(*window);
    QCOMPARE(programs.started.size(), 2);
    QVERIFY(messages.messages.isEmpty());
    QVERIFY(window->isVisible());
}

void TestAppWindows::everyTitleOpensAfresh_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("window");
    const QStringList built = windowNames();
    for (const ToolEntry &entry : ToolCatalog())
        if (entry.target == ToolTarget::ModalWindow && built.contains(entry.windowNameText()))
            QTest::newRow(qPrintable(entry.windowNameText()))
                << entry.titleText() << entry.windowNameText();
}

void TestAppWindows::everyTitleOpensAfresh() {
    QFETCH(QString, title);
    QFETCH(QString, window);
    verifyOpensAfreshFromCatalog(title, window);
}

void TestAppWindows::runningTimeFromMenu() {
    const auto window = shownMain();
    QString label;
    const auto probe = onNextModal([&label](QWidget *modal) {
        label = modal->findChild<QLabel *>("Label1")->text();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    window->findChild<QAction *>("PCRunTime")->trigger();
    QCOMPARE(probe->openedName, QStringLiteral("WindowsRunTime"));
    QVERIFY(!probe->leftOpen);
    QVERIFY2(label.startsWith("PC running while ") && label.endsWith(" minutes."),
             qPrintable(label));
    QVERIFY(window->isVisible());
}

void TestAppWindows::aboutCountsTheList() {
    const auto window = shownMain();
    QString counted;
    const auto probe = onNextModal([&counted](QWidget *modal) {
        auto *label = modal->findChild<QLabel *>("Label5");
        QTest::mouseDClick(label, Qt::LeftButton);
        counted = label->text();
        modal->findChild<QPushButton *>("Command1")->click();
    });
    window->findChild<QAction *>("AboutA")->trigger();
    QCOMPARE(probe->openedName, QStringLiteral("About"));
    QVERIFY(!probe->leftOpen);
    QCOMPARE(counted, QStringLiteral("Number of Calculator/Converter: 92"));
}

void TestAppWindows::aboutClosesOnEnterAndEscape_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestAppWindows::aboutClosesOnEnterAndEscape() {
    QFETCH(int, key);
    const auto window = shownMain();
    QString caption;
    const auto probe = onNextModal([&caption, key](QWidget *modal) {
        // Each opening starts from the designed caption.
        caption = modal->findChild<QLabel *>("Label5")->text();
        QTest::keyClick(modal->findChild<QWidget *>("Text1"), Qt::Key(key));
    });
    window->findChild<QAction *>("AboutA")->trigger();
    QCOMPARE(probe->openedName, QStringLiteral("About"));
    QVERIFY(!probe->leftOpen);
    QCOMPARE(caption, QStringLiteral("Calculate/Convert"));
}

void TestAppWindows::links() {
    ProgramRecorder programs;
    const auto window = shownMain();
    QTest::mouseClick(window->Label1, Qt::LeftButton);
    std::unique_ptr<QWidget> about(createWindow("About"));
    about->show();
    QTest::mouseClick(about->findChild<QLabel *>("Label4"), Qt::LeftButton);
    QTest::mouseClick(about->findChild<QLabel *>("Label2"), Qt::LeftButton);
    QCOMPARE(programs.opened.size(), 3);
    for (const QUrl &url : programs.opened)
        QCOMPARE(url, QUrl(homePageUrl()));
    QVERIFY(programs.started.isEmpty());
}

void TestAppWindows::notepadStartsEditor() {
    ProgramRecorder programs;
    const auto window = shownMain();
    window->findChild<QAction *>("Notepad")->trigger();
    QCOMPARE(programs.started.size(), 1);
    QCOMPARE(window->findChild<QAction *>("Notepad")->shortcut(), QKeySequence("Ctrl+N"));
    QCOMPARE(window->findChild<QAction *>("PCRunTime")->shortcut(), QKeySequence("Ctrl+R"));
    QCOMPARE(window->findChild<QAction *>("Exit")->shortcut(), QKeySequence("Ctrl+Q"));
}

// Names with quotes, semicolons, command substitutions and line breaks reach a program as the
// very arguments they are: no shell ever reads them.
void TestAppWindows::externalProgramsGetArgumentsUnchanged() {
    QTemporaryDir folder;
    QFile script(folder.filePath("gnome-text-editor"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$0.part\"\n"
                 "/bin/mv \"$0.part\" \"$0.args\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QStringList arguments = {QStringLiteral("it's \"quoted\"; rm -rf $(pwd) `id`\nnext"),
                                   QStringLiteral("*"), QString()};
    QVERIFY(startExternalProgram(script.fileName(), arguments));
    QFile record(script.fileName() + ".args");
    QVERIFY(waitForFile(record.fileName()));
    QVERIFY(record.open(QIODevice::ReadOnly));
    QStringList received = QString::fromUtf8(record.readAll()).split(QChar(0));
    received.removeLast();
    QCOMPARE(received, arguments);
}

// Started from the desktop menu, the program saves into Documents/Zentiqua, made when missing.
void TestAppWindows::documentsFolderTakesSavedResults() {
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME"), savedConfig = qgetenv("XDG_CONFIG_HOME");
    const QString savedFolder = QDir::currentPath();
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(".config").toLocal8Bit());
    const QString folder = useDocumentsFolder();
    QCOMPARE(folder, home.filePath("Documents/Zentiqua"));
    QCOMPARE(QDir::currentPath(), folder);
    MessageRecorder messages;
    const auto window = openWindow("EquationSolver");
    control<QAction>(window.get(), "save")->trigger();
    QVERIFY(QFile::exists(home.filePath("Documents/Zentiqua/EquationSolver.txt")));
    QDir::setCurrent(savedFolder);
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);
}

void TestAppWindows::escapeClosesMain() {
    const auto window = shownMain();
    window->List1->setFocus();
    QTest::keyClick(window->List1, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    const auto again = shownMain();
    again->findChild<QAction *>("Exit")->trigger();
    QVERIFY(!again->isVisible());
}

// The window can be enlarged: the lists grow with it, the search field spans it, and Start
// and the link stay below the lists; made as small as it goes, nothing fails.
void TestAppWindows::windowGrows() {
    const auto window = shownMain();
    QVERIFY(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    QPushButton *start = window->StartCmd;
    const QSize opened = window->size(), list = window->List1->size();
    const int categories = window->lstCategories->height();
    window->resize(opened * 2);
    QApplication::processEvents();
    QVERIFY(window->List1->width() > list.width() && window->List1->height() > list.height());
    QVERIFY(window->lstCategories->height() > categories);
    const QRect client = window->centralWidget()->rect();
    QVERIFY(window->txtSearch->width() > client.width() * 9 / 10);
    const QRect lists = window->List1->geometry().united(window->lstCategories->geometry());
    QCOMPARE(start->size(), start->sizeHint());
    QVERIFY(start->y() > lists.bottom() && window->Label1->y() > lists.bottom());
    QVERIFY(window->Label1->x() > start->geometry().right());
    QCOMPARE(window->centralWidget()->childAt(start->geometry().center()), start);
    window->resize(12, 12);
    QApplication::processEvents();
    QVERIFY(window->List1->height() > 0);
}

// A title or menu item whose program cannot be started says what was tried.
void TestAppWindows::programsThatCannotStartSaySo() {
    MessageRecorder messages;
    ProgramRecorder programs;
    programs.starts = false;
    const auto window = shownMain();
    window->List1->setCurrentItem(itemTitled(*window, "Calculator (Windows)"));
    pressEnter(*window);
    window->findChild<QAction *>("Notepad")->trigger();
    QTest::mouseClick(window->Label1, Qt::LeftButton);
    QCOMPARE(messages.messages.size(), 3);
    const QRegularExpression calculator(
        "^(No calculator program was found \\(tried gnome-calculator, kcalc, galculator, "
        "qalculate-gtk, mate-calc, xcalc\\)|The calculator program could not be started "
        "\\(tried /\\S+\\))\\.$");
    QVERIFY2(calculator.match(messages.messages[0].text).hasMatch(),
             qPrintable(messages.messages[0].text));
    QVERIFY(messages.messages[1].text.contains("text editor"));
    QCOMPARE(messages.messages[2].text,
             "The home page could not be opened (tried " + homePageUrl() + " in the web browser).");
    for (const Message &message : messages.messages) {
        QCOMPARE(message.icon, MessageIcon::Information);
        QCOMPARE(message.caption, QStringLiteral("Zentiqua"));
    }
}

void TestAppWindows::runningTimeWindow_data() {
    QTest::addColumn<qint64>("uptime");
    QTest::addColumn<QString>("text");
    QTest::newRow("1.5 minutes") << qint64(90000) << "PC running while 2 minutes.";
    QTest::newRow("2.5 minutes") << qint64(150000) << "PC running while 2 minutes.";
    QTest::newRow("120.5 minutes") << qint64(7230000) << "PC running while 120 minutes.";
}

void TestAppWindows::runningTimeWindow() {
    QFETCH(qint64, uptime);
    QFETCH(QString, text);
    std::unique_ptr<QWidget> created(createWindow("WindowsRunTime"));
    auto *window = qobject_cast<WindowsRunTime *>(created.get());
    QVERIFY(window);
    QVERIFY(!window->Label1->text().isEmpty()); // filled when it opens
    QVERIFY(window->Timer1->isActive());
    QVERIFY(window->Timer1->interval() <= 1000);
    window->uptimeSource = [uptime] { return uptime; };
    window->Timer1_Timer();
    QCOMPARE(window->Label1->text(), text);
    QCOMPARE(window->windowTitle(), QString());
}

QTEST_MAIN(TestAppWindows)
#include "tst_app_windows.moc"
