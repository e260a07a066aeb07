// Each text tool's button on a pasted megabyte, up to its result shown and painted; and the
// paste itself.
#include "app/window_registry.h"
#include "common/messages.h"
#include "fresh_settings.h"
#include "text/digest_windows.h"
#include "text/digests.h"
#include "text/encoder_windows.h"
#include "text/encoders.h"
#include "text/random_windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryFile>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace {

// A megabyte of text as a document holds it: lines of eighty characters at most.
const QString &megabyte() {
    static const QString text = [] {
        QString built;
        for (int i = 0; i < (1 << 20); ++i)
            built +=
                i % 80 == 79 ? QChar(u'\n') : QChar(u'0' + (i * 7) % 43); // digits, capitals, signs
        return built;
    }();
    return text;
}

// What each button is given: a megabyte of text, or that text's Base64 or hexadecimal pairs,
// so that every button does its work rather than report bad input.
enum class Input { Text, Base64, Hex };

const QString &inputFor(Input input) {
    static const QString base64 =
        zq::Base64Lines(zq::Base64Encode(megabyte().toLatin1(), zq::Base64Padding::Padded), 76);
    static const QString hex = zq::TextToHexPairs(megabyte().toLatin1());
    return input == Input::Base64 ? base64 : input == Input::Hex ? hex : megabyte();
}

void BM_ButtonOnMegabyte(benchmark::State &state, const char *window, const char *option,
                         const char *button, Input given, bool timedPaste) {
    QString shownMessage;
    const zq::MessageHandler previous =
        zq::setMessageHandler([&](QWidget *, const zq::Message &message) {
            shownMessage = message.text;
            return zq::MessageAnswer::Ok;
        });
    std::unique_ptr<QWidget> shown(zq::createWindow(QLatin1String(window)));
    shown->setAttribute(Qt::WA_DeleteOnClose, false);
    shown->show();
    if (option)
        shown->findChild<QAbstractButton *>(QLatin1String(option))->click();
    auto *clicked = shown->findChild<QAbstractButton *>(QLatin1String(button));
    QWidget *input = shown->findChild<QWidget *>(QStringLiteral("Text1"));
    for (auto _ : state) {
        if (!timedPaste)
            state.PauseTiming();
        if (auto *line = qobject_cast<QLineEdit *>(input))
            line->setText(inputFor(given));
        else
            static_cast<QPlainTextEdit *>(input)->setPlainText(inputFor(given));
        QApplication::processEvents();
        if (!timedPaste)
            state.ResumeTiming();
        clicked->click();
        QApplication::processEvents();
        shown->repaint();
    }
    zq::setMessageHandler(previous);
    if (!shownMessage.isEmpty())
        state.SkipWithError(qPrintable(shownMessage));
}

struct Button {
    const char *label, *window, *option, *button;
    Input input = Input::Text;
    bool timedPaste = false; // the paste, the click and the result, all timed
};

constexpr Button Buttons[] = {
    {"md5", "MD5Ch", nullptr, "Command1"},
    {"sha256", "SHA256", nullptr, "Command1"},
    {"base64_encode", "Base64String", "Option2", "Command1"},
    {"base64_decode", "Base64String", "Option1", "Command1", Input::Base64},
    {"base64_encode_paste_click_result", "Base64String", "Option2", "Command1", Input::Text, true},
    {"base64_decode_paste_click_result", "Base64String", "Option1", "Command1", Input::Base64,
     true},
    {"ascii_to_hex", "hex2ascii", "Option2", "Command1"},
    {"hex_to_ascii", "hex2ascii", "Option1", "Command1", Input::Hex},
    {"reverse", "Reverse", nullptr, "Command1"},
    {"count_one", "CharacterNumber", nullptr, "Command1"},
    {"count_all", "CharacterNumber", nullptr, "Command2"},
    {"html_escaping", "AdsenseCC", nullptr, "Command1"},
};

const bool registered = [] {
    for (const Button &b : Buttons)
        benchmark::RegisterBenchmark(("BM_ButtonOnMegabyte/" + std::string(b.label)).c_str(),
                                     BM_ButtonOnMegabyte, b.window, b.option, b.button, b.input,
                                     b.timedPaste)
            ->Unit(benchmark::kMillisecond);
    return true;
}();

// The peak resident memory of this process since the last reset, and the reset (Linux).
qint64 peakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

void resetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

double bestSeconds(const std::function<void()> &run) {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

// A file of a gibibyte through each digest window, beside the engine reading the same file,
// and the window's peak memory beyond what it held idle.
void reportGibibyteFile() {
    QTemporaryFile file;
    if (!file.open())
        return;
    const QByteArray block = QByteArray("Zentiqua ").repeated((1 << 20) / 9 + 1).left(1 << 20);
    for (int i = 0; i < 1024; ++i)
        file.write(block);
    file.flush();
    std::printf("\nA 1 GiB file, the best of three readings:\n");
    for (const auto &[name, kind] :
         {std::pair{"MD5Ch", zq::DigestKind::MD5}, std::pair{"SHA256", zq::DigestKind::SHA256}}) {
        const double engine = bestSeconds([&] { zq::DigestFile(kind, file.fileName()); });
        std::unique_ptr<QWidget> shown(zq::createWindow(QLatin1String(name)));
        shown->setAttribute(Qt::WA_DeleteOnClose, false);
        shown->show();
        QApplication::processEvents();
        auto *window = static_cast<zq::DigestWindow *>(shown.get());
        resetPeak();
        const qint64 idle = peakKilobytes();
        const double throughWindow = bestSeconds([&] { window->hashFile(file.fileName()); });
        const qint64 peak = peakKilobytes();
        std::printf("%-7s engine %5.0f MiB/s, window %5.0f MiB/s (%.2f of the engine), peak memory "
                    "%+.1f MB over idle\n",
                    name, 1024 / engine, 1024 / throughWindow, engine / throughWindow,
                    (peak - idle) / 1024.0);
    }
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    reportGibibyteFile();
    return 0;
}
