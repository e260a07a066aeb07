#include "common/number_rules.h"

#include <QLocale>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

// Values of every magnitude the tools show: whole numbers, fractions, tiny and huge.
std::vector<double> sampleValues() {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> decade(-25, 25);
    std::vector<double> values(4096);
    for (double &value : values)
        value = mantissa(random) * std::pow(10.0, decade(random));
    return values;
}

QStringList sampleTexts() {
    QStringList texts;
    for (double value : sampleValues())
        texts << zq::FormatNumberText(value);
    return texts;
}

void BM_FormatNumberText(benchmark::State &state) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::vector<double> values = sampleValues();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zq::FormatNumberText(values[i]));
        i = (i + 1) & (values.size() - 1);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatNumberText);

void BM_ParseNumber(benchmark::State &state) {
    const QStringList texts = sampleTexts();
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zq::ParseNumber(texts[i]));
        i = (i + 1) % texts.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseNumber);

void BM_ParseNumberStrict(benchmark::State &state) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QStringList texts = sampleTexts();
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zq::ParseNumberStrict(texts[i]));
        i = (i + 1) % texts.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseNumberStrict);

} // namespace

BENCHMARK_MAIN();
