// A long day of use: every window of the registry opened, its help's first example run, and
// closed again, twenty rounds over. Prints the resident memory after the first round and the
// last, the growth a round in between (target: under 64 KiB), and the slowest step (target:
// under a second).
#include "app/window_registry.h"
#include "example_steps.h"
#include "unattended.h"

#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

constexpr int Rounds = 20;

// The resident set of this process, in KiB.
double residentKiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / 1024;
}

// Opens a window, runs its first example and closes it; returns the milliseconds it took.
qint64 useOnce(const QString &name) {
    QElapsedTimer clock;
    clock.start();
    {
        std::unique_ptr<QWidget> window(zq::createWindow(name));
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        const QList<QList<zq::ExampleStep>> examples =
            zq::helpExamples(zq::helpPageSource(zq::helpPageName(name)));
        if (!examples.isEmpty())
            for (const zq::ExampleStep &step : examples.front())
                run(window.get(), step);
        QApplication::processEvents();
        window->close();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    return clock.elapsed();
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Unattended unattended;

    qint64 slowest = 0;
    QString slowestWindow;
    double afterFirst = 0, afterLast = 0;
    for (int round = 1; round <= Rounds; ++round) {
        for (const QString &name : zq::windowNames()) {
            const qint64 ms = useOnce(name);
            if (ms > slowest) {
                slowest = ms;
                slowestWindow = name;
            }
        }
        (round == 1 ? afterFirst : afterLast) = residentKiB();
    }
    std::printf("%lld windows opened, run and closed in each of %d rounds\n",
                static_cast<long long>(zq::windowNames().size()), Rounds);
    std::printf("resident memory after the first round %.0f KiB, after the last %.0f KiB: "
                "%.1f KiB a round (target: under 64)\n",
                afterFirst, afterLast, (afterLast - afterFirst) / (Rounds - 1));
    std::printf("slowest step %lld ms (%s; target: under 1000)\n", static_cast<long long>(slowest),
                qPrintable(slowestWindow));
    return 0;
}
