// Measures how long the program takes from process start to its main window shown, beside a
// bare Qt program (an application and one shown, empty window) timed the same way in the same
// run: the floor the program cannot go below.
// Run without arguments: starts itself repeatedly as a child that builds the main window
// exactly as the program does (or the bare window), reports "shown" once the window is
// exposed, and quits. The program is timed in English and in German (its translation loaded,
// as LANGUAGE=de starts it).
#include "app/main_window.h"
#include "app/translations.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

int runChild(int argc, char *argv[], bool bare) {
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (bare) {
        window = std::make_unique<QWidget>();
    } else {
        zq::loadTranslations(QLocale::system());
        QApplication::setWindowIcon(zq::applicationIcon());
        window = std::make_unique<zq::Main>();
    }
    window->show();
    QTimer::singleShot(0, [] {
        std::puts("shown");
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return QApplication::exec();
}

// One start of a child, to its window shown, in milliseconds; negative when it failed.
double timeChild(const QString &mode, const QString &language = QStringLiteral("en")) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), language);
    child.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {mode});
    while (!child.canReadLine() && child.waitForReadyRead(10000)) {
    }
    const double elapsed = clock.nsecsElapsed() / 1e6;
    child.waitForFinished();
    return child.readLine().trimmed() == "shown" ? elapsed : -1;
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc > 1 && (QByteArray(argv[1]) == "--child" || QByteArray(argv[1]) == "--bare"))
        return runChild(argc, argv, QByteArray(argv[1]) == "--bare");

    QCoreApplication app(argc, argv);
    const int runs = 25;
    std::vector<double> program, german, bare;
    // Side by side, one of each in turn, so that a busy spell weighs on all alike.
    for (int run = 0; run < runs; ++run) {
        program.push_back(timeChild(QStringLiteral("--child")));
        german.push_back(timeChild(QStringLiteral("--child"), QStringLiteral("de")));
        bare.push_back(timeChild(QStringLiteral("--bare")));
        if (program.back() < 0 || german.back() < 0 || bare.back() < 0) {
            std::fprintf(stderr, "a child did not show its window\n");
            return 1;
        }
    }
    const double ours = median(program), floor = median(bare);
    std::printf("start to shown main window over %d runs: median %.1f ms, best %.1f ms, "
                "worst %.1f ms\n",
                runs, ours, *std::min_element(program.begin(), program.end()),
                *std::max_element(program.begin(), program.end()));
    std::printf("a bare Qt window, the same way: median %.1f ms; the program takes %.2f times "
                "as long (target: at most 1.3)\n",
                floor, ours / floor);
    std::printf("in German: median %.1f ms, %.2f times the bare window\n", median(german),
                median(german) / floor);
    return 0;
}
