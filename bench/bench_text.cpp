// Digests and encoders on a megabyte of text, beside OpenSSL's digests as Python's hashlib
// measures them on the same bytes in the same run.
#include "text/digests.h"
#include "text/encoders.h"

#include <QProcess>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

const QString &megabyte() {
    static const QString text = [] {
        QString built;
        built.reserve(1 << 20);
        for (int i = 0; i < (1 << 20); ++i)
            built += QChar(u' ' + (i * 79) % 95);
        return built;
    }();
    return text;
}

void BM_MD5(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(zq::MD5().Digest(megabyte()));
    state.SetBytesProcessed(state.iterations() * megabyte().size());
}
BENCHMARK(BM_MD5)->Unit(benchmark::kMillisecond);

void BM_SHA256(benchmark::State &state) {
    const bool instructions = state.range(0) != 0;
    const bool previous = zq::allowShaInstructions(instructions);
    for (auto _ : state)
        benchmark::DoNotOptimize(zq::CSHA256().SHA256(megabyte()));
    zq::allowShaInstructions(previous);
    state.SetBytesProcessed(state.iterations() * megabyte().size());
    state.SetLabel(instructions ? "SHA instructions where present" : "portable");
}
BENCHMARK(BM_SHA256)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_Base64(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(zq::Base64Decode(zq::Base64Encode(megabyte())));
    state.SetBytesProcessed(state.iterations() * megabyte().size());
}
BENCHMARK(BM_Base64)->Unit(benchmark::kMillisecond);

// OpenSSL through Python on the same megabyte (its bytes are ASCII: the low bytes are the
// characters).
void reportPythonHashlib() {
    const char *script = "import hashlib,sys,time\n"
                         "d=bytes((32+(i*79)%95) for i in range(1<<20))\n"
                         "for n in ('md5','sha256'):\n"
                         "  t=time.perf_counter();k=0\n"
                         "  while time.perf_counter()-t<1: hashlib.new(n,d).digest();k+=1\n"
                         "  print('%s %.0f MB/s'%(n,k*len(d)/(time.perf_counter()-t)/2**20))\n";
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QLatin1String(script)});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        std::printf("python3 hashlib: not available\n");
        return;
    }
    std::printf("OpenSSL through python3 hashlib, same megabyte:\n%s",
                python.readAllStandardOutput().constData());
}

} // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    reportPythonHashlib();
    return 0;
}
