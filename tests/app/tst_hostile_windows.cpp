#include "app/window_registry.h"
#include "common/external_programs.h"
#include "hostile_pass.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QUrl>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace {

// Ends the run with the window and step named when one step has not come back for a minute:
// a hang, not slowness (the slowest steps take about a second; bench_hostile_windows times
// them). A busy or sanitized machine stays far inside the bound.
class HangWatch {
public:
    HangWatch() : m_thread([this] { watch(); }) {}
    ~HangWatch() {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_one();
        m_thread.join();
    }
    HangWatch(const HangWatch &) = delete;
    HangWatch &operator=(const HangWatch &) = delete;

    void arm(const QString &step) {
        const std::lock_guard lock(m_mutex);
        m_step = step.toStdString();
        m_armed = true;
        ++m_generation;
        m_changed.notify_one();
    }
    void disarm() {
        const std::lock_guard lock(m_mutex);
        m_armed = false;
        ++m_generation;
        m_changed.notify_one();
    }

private:
    static constexpr std::chrono::seconds Bound{60};

    void watch() {
        std::unique_lock lock(m_mutex);
        while (!m_stop) {
            if (!m_armed) {
                m_changed.wait(lock);
                continue;
            }
            const auto generation = m_generation;
            if (!m_changed.wait_for(lock, Bound,
                                    [&] { return m_stop || m_generation != generation; }))
                qFatal("hung: %s did not come back within %lld s", m_step.c_str(),
                       static_cast<long long>(Bound.count()));
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::string m_step;
    bool m_armed = false;
    bool m_stop = false;
    unsigned m_generation = 0;
    std::thread m_thread;
};

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

// One row for each window and hostile text, shared out among ZQ_SHARDS runs (CTest runs them
// side by side); this run takes the rows at positions ZQ_SHARD, ZQ_SHARD + ZQ_SHARDS, ...
void TestHostileWindows::everyWindow_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("text");
    const int shards = std::max(1, qEnvironmentVariableIntValue("ZQ_SHARDS"));
    const int shard = qEnvironmentVariableIntValue("ZQ_SHARD");
    const qsizetype texts = hostileTexts().size();
    const QStringList names = zq::windowNames();
    for (qsizetype row = shard; row < names.size() * texts; row += shards) {
        const QString &name = names[row / texts];
        QTest::addRow("%s text %d", qPrintable(name), int(row % texts)) << name << int(row % texts);
    }
}

// A hostile text pasted into every box, then every button clicked and every menu item
// triggered: nothing crashes or hangs, and the window still closes.
void TestHostileWindows::everyWindow() {
    QFETCH(QString, name);
    QFETCH(int, text);
    TemporaryWorkingFolder folder;
    MessageRecorder messages;
    messages.answer = zq::MessageAnswer::Yes;
    const zq::ExternalPrograms previous =
        zq::setExternalPrograms({[](const QString &, const QStringList &) { return true; },
                                 [](const QUrl &) { return true; }});
    std::unique_ptr<QWidget> window(zq::createWindow(name));
    QVERIFY(window);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    {
        HangWatch watch;
        runHostilePass(window.get(), hostileTexts()[text],
                       [&](const QString &act, bool done, qint64) {
                           done ? watch.disarm() : watch.arm(name + ": " + act);
                       });
    }
    if (name != "MenuTracking") { // the bill is the one window that ignores Escape
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window.get(),
                        Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }
    zq::setExternalPrograms(previous);
}

QTEST_MAIN(TestHostileWindows)
#include "tst_hostile_windows.moc"
