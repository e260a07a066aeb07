// The hostile pass of the tests, timed: every hostile text pasted into every box of every
// window, every button clicked and every menu item triggered. Prints the slowest steps, each
// beside the target of 2 seconds a step. Window names given as arguments time those alone.
#include "app/window_registry.h"
#include "hostile_pass.h"
#include "unattended.h"

#include <QMap>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr qint64 TargetMs = 2000;

struct Timed {
    qint64 ms;
    QString window, act;
    int text;
};

// A hostile text as a reader can take it in: short ones quoted, long ones by their length.
QString described(const QString &text) {
    if (text.size() <= 16) {
        QString shown;
        for (QChar c : text)
            shown += c.isPrint() && c.unicode() < 0x80
                         ? QString(c)
                         : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        return QLatin1Char('"') + shown + QLatin1Char('"');
    }
    return QStringLiteral("%1 × \"%2\"").arg(text.size()).arg(text.front());
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Unattended unattended(zq::MessageAnswer::Yes);

    std::vector<Timed> steps;
    const QStringList texts = hostileTexts();
    // Window names given on the command line time those windows alone.
    QStringList names = QApplication::arguments().mid(1);
    if (names.isEmpty())
        names = zq::windowNames();
    for (const QString &name : names) {
        for (int text = 0; text < texts.size(); ++text) {
            std::unique_ptr<QWidget> window(zq::createWindow(name));
            window->setAttribute(Qt::WA_DeleteOnClose, false);
            window->show();
            runHostilePass(window.get(), texts[text],
                           [&](const QString &act, bool done, qint64 ms) {
                               if (done)
                                   steps.push_back({ms, name, act, text});
                           });
        }
    }
    // The windows whose passes take longest in all: where the suite's time goes.
    QMap<QString, qint64> perWindow;
    for (const Timed &step : steps)
        perWindow[step.window] += step.ms;
    QList<std::pair<qint64, QString>> windows;
    for (auto it = perWindow.cbegin(); it != perWindow.cend(); ++it)
        windows.append({it.value(), it.key()});
    std::sort(windows.begin(), windows.end(), std::greater<>());
    for (qsizetype i = 0; i < std::min<qsizetype>(8, windows.size()); ++i)
        std::printf("%s %-20s %7lld ms in all its passes\n", i == 0 ? "longest" : "       ",
                    qPrintable(windows[i].second), static_cast<long long>(windows[i].first));
    std::sort(steps.begin(), steps.end(),
              [](const Timed &a, const Timed &b) { return a.ms > b.ms; });
    std::printf("hostile pass: %zu steps in %lld windows\n", steps.size(),
                static_cast<long long>(names.size()));
    for (std::size_t i = 0; i < std::min<std::size_t>(5, steps.size()); ++i)
        std::printf("%s %-14s %-24s %-16s %5lld ms (target < %lld ms)\n",
                    i == 0 ? "slowest" : "       ", qPrintable(steps[i].window),
                    qPrintable(steps[i].act), qPrintable(described(texts[steps[i].text])),
                    static_cast<long long>(steps[i].ms), static_cast<long long>(TargetMs));
    return 0;
}
