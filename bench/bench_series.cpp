// Series and numerals: the longest sum the window accepts, Fibonacci terms and Roman numerals.
#include "numbers/number_words.h"
#include "numbers/series.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SumRange1To999999999(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(zq::SumRange(1, 999999999));
}
BENCHMARK(BM_SumRange1To999999999)->Unit(benchmark::kMillisecond)->Iterations(3);

// The largest index the window's 16-bit value allows ends past the double range.
void BM_FibonacciLargestFiniteIndex(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(zq::fibonacciTerm(1476));
}
BENCHMARK(BM_FibonacciLargestFiniteIndex)->Unit(benchmark::kMicrosecond);

void BM_NumberToRoman9999999(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(zq::NumberToRoman(9999999));
}
BENCHMARK(BM_NumberToRoman9999999)->Unit(benchmark::kMicrosecond);

void BM_NumberToEnglishWordsLargest(benchmark::State &state) {
    const zq::Currency largest = zq::Currency::fromDouble(922337203685477.0);
    for (auto _ : state)
        benchmark::DoNotOptimize(zq::NumberToEnglishWords(largest));
}
BENCHMARK(BM_NumberToEnglishWordsLargest)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
