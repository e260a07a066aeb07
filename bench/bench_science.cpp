// Relative atomic mass of formulas of 10,000 characters, engine alone and through the window.
#include "app/window_registry.h"
#include "science/atomic_mass.h"

#include <QLineEdit>
#include <QPushButton>

#include "widgets_benchmark_main.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QString longFormula(const QString &unit) {
    return unit.repeated(10000 / unit.size());
}

void BM_CompoundMass(benchmark::State &state, const char *unit) {
    const QString formula = longFormula(QLatin1String(unit));
    for (auto _ : state) {
        zq::MassResults results;
        benchmark::DoNotOptimize(zq::CompoundMass(formula, results));
    }
}
BENCHMARK_CAPTURE(BM_CompoundMass, hydrates, "CuSO4.5H2O+")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CompoundMass, nested, "K4[Fe(CN)6]")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CompoundMass, unknown_symbols, "x1")->Unit(benchmark::kMillisecond);

void BM_CompoundMassButton(benchmark::State &state) {
    std::unique_ptr<QWidget> window(zq::createWindow(QStringLiteral("RAMfrm")));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    window->findChild<QLineEdit *>(QStringLiteral("txtForm"))
        ->setText(longFormula(QStringLiteral("CuSO4.5H2O+")));
    auto *button = window->findChild<QPushButton *>(QStringLiteral("cmdComp"));
    for (auto _ : state) {
        button->click();
        window->repaint();
    }
}
BENCHMARK(BM_CompoundMassButton)->Unit(benchmark::kMillisecond);

} // namespace

ZQ_WIDGETS_BENCHMARK_MAIN()
