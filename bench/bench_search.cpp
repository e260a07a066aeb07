// Finding tools by typed words: the catalog's 92 titles and their keywords for each text a
// user might type, one keystroke at a time (target: under 1 ms a keystroke).
#include "app/main_window.h"
#include "app/tool_search.h"

#include <QApplication>
#include <QLineEdit>

#include "widgets_benchmark_main.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

constexpr std::array Typed = {
    "l",     "lo",      "loan",           "bmi",   "conv",
    "kg lb", "Réaumur", "sum of numbers", "xyzzy", "temperature celsius fahrenheit"};

void BM_FindTools(benchmark::State &state) {
    const QString typed = QString::fromUtf8(Typed[static_cast<std::size_t>(state.range(0))]);
    for (auto _ : state)
        benchmark::DoNotOptimize(zq::findTools(typed));
    state.SetLabel(Typed[static_cast<std::size_t>(state.range(0))]);
}
BENCHMARK(BM_FindTools)->DenseRange(0, int(Typed.size()) - 1)->Unit(benchmark::kMicrosecond);

// The same through the main window: the search field's text changed, the list refiltered and
// reordered, and the window painted.
void BM_SearchField(benchmark::State &state) {
    zq::Main window;
    window.show();
    const QString typed = QString::fromUtf8(Typed[static_cast<std::size_t>(state.range(0))]);
    for (auto _ : state) {
        window.txtSearch->setText(typed);
        window.repaint();
        state.PauseTiming();
        window.txtSearch->clear();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetLabel(Typed[static_cast<std::size_t>(state.range(0))]);
}
BENCHMARK(BM_SearchField)->DenseRange(0, int(Typed.size()) - 1)->Unit(benchmark::kMicrosecond);

} // namespace

ZQ_WIDGETS_BENCHMARK_MAIN()
