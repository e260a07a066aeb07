#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// The main() of a benchmark program that shows windows: an offscreen application around
// Google Benchmark's runner.
#define ZQ_WIDGETS_BENCHMARK_MAIN()                                                                \
    int main(int argc, char **argv) {                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        QApplication app(argc, argv);                                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
