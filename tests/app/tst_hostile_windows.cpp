#include "app/external_programs.h"
#include "app/window_registry.h"
#include "common/tool_window.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace {

#ifdef ZQ_SANITIZED
constexpr qint64 HandlerLimitMs = 10000; // the sanitizers slow everything several times
#else
constexpr qint64 HandlerLimitMs = 2000;
#endif

QStringList hostileTexts() {
    const QString megabyte(1 << 20, QLatin1Char('9'));
    const QChar controls[] = {QChar(0), QChar(1), QChar(8), QChar(0x1B), QChar(0x7F), QChar(0x85)};
    return {QString(),
            megabyte,
            QStringLiteral("1e99999"),
            QStringLiteral("-0"),
            QStringLiteral("&HFFFFFFFF"),
            QStringLiteral("&O777777777777"),
            QStringLiteral("NaN"),
            QStringLiteral("inf"),
            QStringLiteral("1,5"),
            QString(controls, std::size(controls)) + QStringLiteral("12"),
            QString(QChar(0xD800)) + QStringLiteral("5"),
            QStringLiteral("\u202E\u05D0\u05D1 12 \u0627\u0644"),
            QStringLiteral("\U0001F600\U0001F4A9"),
            QString(1 << 20, QLatin1Char('('))};
}

// Closes whatever modal window a click opens (a summary, a help, a progress dialog), so a
// click always comes back.
class ModalCloser : public QObject {
public:
    explicit ModalCloser(QWidget *underTest) : m_underTest(underTest) {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || modal == m_underTest)
                return;
            if (auto *progress = qobject_cast<QProgressDialog *>(modal))
                progress->cancel();
            else
                modal->close();
        });
        m_timer.start();
    }

private:
    QWidget *m_underTest;
    QTimer m_timer;
};

// Every control a user can type or paste into.
QList<QWidget *> editableBoxes(QWidget *window) {
    QList<QWidget *> boxes;
    for (QLineEdit *line : window->findChildren<QLineEdit *>())
        if (!line->isReadOnly() && line->isVisible())
            boxes << line;
    for (QPlainTextEdit *plain : window->findChildren<QPlainTextEdit *>())
        if (!plain->isReadOnly() && plain->isVisible())
            boxes << plain;
    return boxes;
}

void paste(QWidget *box) {
    box->setFocus();
    if (auto *line = qobject_cast<QLineEdit *>(box)) {
        line->selectAll();
        line->paste();
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(box)) {
        plain->selectAll();
        plain->paste();
    }
}

} // namespace

class TestHostileWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyWindow_data();
    void everyWindow();
};

void TestHostileWindows::initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(pointLocale());
}

// The windows are shared out among ZQ_SHARDS runs (CTest runs them side by side); this run
// takes those at positions ZQ_SHARD, ZQ_SHARD + ZQ_SHARDS, ...
void TestHostileWindows::everyWindow_data() {
    QTest::addColumn<QString>("name");
    const int shards = std::max(1, qEnvironmentVariableIntValue("ZQ_SHARDS"));
    const int shard = qEnvironmentVariableIntValue("ZQ_SHARD");
    const QStringList names = zq::windowNames();
    for (qsizetype i = shard; i < names.size(); i += shards)
        QTest::newRow(qPrintable(names[i])) << names[i];
}

// Hostile texts pasted into every box, then every button clicked and every menu item
// triggered: nothing crashes, no handler takes long, and the window still closes.
void TestHostileWindows::everyWindow() {
    QFETCH(QString, name);
    TemporaryWorkingFolder folder;
    MessageRecorder messages;
    messages.answer = zq::MessageAnswer::Yes;
    QStringList started;
    const zq::ExternalPrograms previous = zq::setExternalPrograms(
        {[&](const QString &program, const QStringList &) { return started << program, true; },
         [](const QUrl &) { return true; }});
    std::unique_ptr<QWidget> window(zq::createWindow(name));
    QVERIFY(window);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    ModalCloser closer(window.get());
    qint64 slowest = 0;
    QString slowestAction;
    auto timed = [&](const QString &what, const std::function<void()> &act) {
        QElapsedTimer timer;
        timer.start();
        act();
        QApplication::processEvents();
        if (timer.elapsed() > slowest) {
            slowest = timer.elapsed();
            slowestAction = what;
        }
        if (!window->isVisible()) // a Close or Exit button: open it again for the next act
            window->show();
    };
    for (const QString &hostile : hostileTexts()) {
        QApplication::clipboard()->setText(hostile);
        for (QWidget *box : editableBoxes(window.get()))
            timed("paste into " + box->objectName(), [box] { paste(box); });
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
            if (button->isVisible() && button->isEnabled())
                timed("click " + button->objectName(), [button] { button->click(); });
        for (QAction *action : window->findChildren<QAction *>())
            if (!action->objectName().isEmpty() && action->isEnabled())
                timed("trigger " + action->objectName(), [action] { action->trigger(); });
    }
    QVERIFY2(slowest <= HandlerLimitMs,
             qPrintable(QStringLiteral("%1 took %2 ms").arg(slowestAction).arg(slowest)));
    if (name != "MenuTracking") { // the bill is the one window that ignores Escape
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window.get(),
                        Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }
    zq::setExternalPrograms(previous);
}

QTEST_MAIN(TestHostileWindows)
#include "tst_hostile_windows.moc"
