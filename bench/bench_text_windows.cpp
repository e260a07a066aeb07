// Each text tool's button on a pasted megabyte, up to its result shown and painted.
#include "app/window_registry.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "widgets_benchmark_main.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

const QString &megabyte() {
    static const QString text = [] {
        QString built;
        for (int i = 0; i < (1 << 20); ++i)
            built += QChar(u'0' + (i * 7) % 43); // digits, capitals and a few signs
        return built;
    }();
    return text;
}

void BM_ButtonOnMegabyte(benchmark::State &state, const char *window, const char *option,
                         const char *button) {
    std::unique_ptr<QWidget> shown(zq::createWindow(QLatin1String(window)));
    shown->setAttribute(Qt::WA_DeleteOnClose, false);
    shown->show();
    if (option)
        shown->findChild<QAbstractButton *>(QLatin1String(option))->click();
    auto *clicked = shown->findChild<QAbstractButton *>(QLatin1String(button));
    QWidget *input = shown->findChild<QWidget *>(QStringLiteral("Text1"));
    for (auto _ : state) {
        state.PauseTiming();
        if (auto *line = qobject_cast<QLineEdit *>(input))
            line->setText(megabyte());
        else
            static_cast<QPlainTextEdit *>(input)->setPlainText(megabyte());
        QApplication::processEvents();
        state.ResumeTiming();
        clicked->click();
        QApplication::processEvents();
        shown->repaint();
    }
}

struct Button {
    const char *label, *window, *option, *button;
};

constexpr Button Buttons[] = {
    {"md5", "MD5Ch", nullptr, "Command1"},
    {"sha256", "SHA256", nullptr, "Command1"},
    {"base64_encode", "Base64String", "Option2", "Command1"},
    {"base64_decode", "Base64String", "Option1", "Command1"},
    {"ascii_to_hex", "hex2ascii", "Option2", "Command1"},
    {"hex_to_ascii", "hex2ascii", "Option1", "Command1"},
    {"reverse", "Reverse", nullptr, "Command1"},
    {"count_one", "CharacterNumber", nullptr, "Command1"},
    {"count_all", "CharacterNumber", nullptr, "Command2"},
    {"html_escaping", "AdsenseCC", nullptr, "Command1"},
};

const bool registered = [] {
    for (const Button &b : Buttons)
        benchmark::RegisterBenchmark(("BM_ButtonOnMegabyte/" + std::string(b.label)).c_str(),
                                     BM_ButtonOnMegabyte, b.window, b.option, b.button)
            ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace

ZQ_WIDGETS_BENCHMARK_MAIN()
