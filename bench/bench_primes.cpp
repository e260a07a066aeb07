// Prime tools: factorising 8-digit numbers, filling the prime table for ten million numbers,
// and saving a million lines of it.
#include "app/window_registry.h"
#include "common/messages.h"
#include "numbers/primes.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "widgets_benchmark_main.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The slowest 8-digit inputs are large primes and products of two large primes.
void BM_PrimeFactorText8Digits(benchmark::State &state) {
    const double inputs[] = {99999989, 99999971, 99460729, 99999999, 67108864, 10000019};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zq::PrimeFactorText(inputs[i]));
        i = (i + 1) % std::size(inputs);
    }
}
BENCHMARK(BM_PrimeFactorText8Digits)->Unit(benchmark::kMicrosecond);

std::unique_ptr<QWidget> primeTableWindow() {
    std::unique_ptr<QWidget> window(zq::createWindow(QStringLiteral("PrimeNonPrime")));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    return window;
}

// Show for N = 10,000,000, up to the list painted.
void BM_FillPrimeTable10M(benchmark::State &state) {
    const auto window = primeTableWindow();
    auto *input = window->findChild<QLineEdit *>(QStringLiteral("Text1"));
    auto *show = window->findChild<QPushButton *>(QStringLiteral("Command1"));
    auto *list = window->findChild<QAbstractItemView *>(QStringLiteral("List1"));
    input->setText(QStringLiteral("10000000"));
    for (auto _ : state) {
        show->click();
        list->viewport()->repaint();
    }
}
BENCHMARK(BM_FillPrimeTable10M)->Unit(benchmark::kMillisecond);

void BM_SavePrimeTable1M(benchmark::State &state) {
    QTemporaryDir folder;
    const QString saved = QDir::currentPath();
    QDir::setCurrent(folder.path());
    zq::setMessageHandler([](QWidget *, const zq::Message &) { return zq::MessageAnswer::Ok; });
    const auto window = primeTableWindow();
    window->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("1000000"));
    window->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    auto *save = window->findChild<QAction *>(QStringLiteral("Save"));
    for (auto _ : state) {
        save->trigger();
        state.PauseTiming();
        QFile::remove(QStringLiteral("PrimeNon-PrimeNumbers.txt"));
        state.ResumeTiming();
    }
    zq::setMessageHandler({});
    QDir::setCurrent(saved);
}
BENCHMARK(BM_SavePrimeTable1M)->Unit(benchmark::kMillisecond);

} // namespace

ZQ_WIDGETS_BENCHMARK_MAIN()
