// Measures how long the program takes from process start to its main window shown.
// Run without arguments: starts itself repeatedly as a child that builds the main window
// exactly as the program does, reports "shown" once the window is exposed, and quits.
#include "app/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

int runChild(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(zq::applicationIcon());
    zq::Main window;
    window.show();
    QTimer::singleShot(0, [] {
        std::puts("shown");
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc > 1 && QByteArray(argv[1]) == "--child")
        return runChild(argc, argv);

    QCoreApplication app(argc, argv);
    const int runs = 25;
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
        while (!child.canReadLine() && child.waitForReadyRead(10000)) {
        }
        const double elapsed = clock.nsecsElapsed() / 1e6;
        child.waitForFinished();
        if (child.readLine().trimmed() != "shown") {
            std::fprintf(stderr, "the child did not show its window\n");
            return 1;
        }
        times.push_back(elapsed);
    }
    std::sort(times.begin(), times.end());
    std::printf("start to shown main window over %d runs: median %.1f ms, best %.1f ms, "
                "worst %.1f ms\n",
                runs, times[runs / 2], times.front(), times.back());
    return 0;
}
