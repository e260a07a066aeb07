// Digests and Base64 on a megabyte, each beside its reference measured in the same run:
// OpenSSL's MD5 and SHA-256 (with the processor's SHA instructions where present, and in a
// second run of this program without them, and without its SIMD code), and Qt's and
// OpenSSL's Base64. The machine may be shared, so every figure is the best of seven runs.
#include "text/digests.h"
#include "text/encoders.h"
#include "text/text_encoding.h"

#include <QCoreApplication>
#include <QMap>
#include <QProcess>

#include <benchmark/benchmark.h>

#ifdef ZQ_OPENSSL
#include <openssl/evp.h>
#endif

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sstream>
#include <vector>

namespace {

const QByteArray &megabyte() {
    static const QByteArray bytes = [] {
        QByteArray built(1 << 20, Qt::Uninitialized);
        for (int i = 0; i < built.size(); ++i)
            built[i] = char(' ' + (i * 79) % 95);
        return built;
    }();
    return bytes;
}

const QString &encodedMegabyte() {
    static const QString text = zq::Base64Encode(megabyte(), zq::Base64Padding::Padded);
    return text;
}

// The fastest of the runs, in seconds per megabyte.
double fastest(const std::vector<double> &times) {
    return *std::min_element(times.begin(), times.end());
}

struct Measured {
    const char *name;
    std::function<void()> once; // one pass over the megabyte
};

std::vector<Measured> measured() {
    std::vector<Measured> all = {
        {"MD5", [] { benchmark::DoNotOptimize(zq::Digest(zq::DigestKind::MD5, megabyte())); }},
        {"SHA256",
         [] { benchmark::DoNotOptimize(zq::Digest(zq::DigestKind::SHA256, megabyte())); }},
        {"SHA256 portable",
         [] {
             const bool previous = zq::allowShaInstructions(false);
             benchmark::DoNotOptimize(zq::Digest(zq::DigestKind::SHA256, megabyte()));
             zq::allowShaInstructions(previous);
         }},
        {"Base64 encode",
         [] { benchmark::DoNotOptimize(zq::Base64Encode(megabyte(), zq::Base64Padding::Padded)); }},
        {"Base64 decode", [] { benchmark::DoNotOptimize(zq::Base64Decode(encodedMegabyte())); }},
        {"text to UTF-8 bytes",
         [] {
             static const QString text = QString::fromLatin1(megabyte());
             benchmark::DoNotOptimize(zq::encodeText(text, zq::TextEncoding::Utf8));
         }},
        {"text to code-page bytes",
         [] {
             static const QString text = QString::fromLatin1(megabyte());
             benchmark::DoNotOptimize(zq::encodeText(text, zq::TextEncoding::CodePage));
         }},
        {"Qt toBase64", [] { benchmark::DoNotOptimize(megabyte().toBase64()); }},
        {"Qt fromBase64",
         [] {
             static const QByteArray encoded = megabyte().toBase64();
             benchmark::DoNotOptimize(QByteArray::fromBase64(encoded));
         }},
    };
#ifdef ZQ_OPENSSL
    const auto openSsl = [](const EVP_MD *(*algorithm)()) {
        return [algorithm] {
            unsigned char digest[EVP_MAX_MD_SIZE];
            unsigned int length = 0;
            EVP_Digest(megabyte().constData(), megabyte().size(), digest, &length, algorithm(),
                       nullptr);
        };
    };
    all.push_back({"OpenSSL MD5", openSsl(&EVP_md5)});
    all.push_back({"OpenSSL SHA256", openSsl(&EVP_sha256)});
    all.push_back({"OpenSSL EncodeBlock", [] {
                       static QByteArray out(megabyte().size() / 3 * 4 + 8, Qt::Uninitialized);
                       EVP_EncodeBlock(
                           reinterpret_cast<unsigned char *>(out.data()),
                           reinterpret_cast<const unsigned char *>(megabyte().constData()),
                           int(megabyte().size()));
                   }});
    all.push_back({"OpenSSL DecodeBlock", [] {
                       static const QByteArray encoded = megabyte().toBase64();
                       static QByteArray out(encoded.size(), Qt::Uninitialized);
                       EVP_DecodeBlock(reinterpret_cast<unsigned char *>(out.data()),
                                       reinterpret_cast<const unsigned char *>(encoded.constData()),
                                       int(encoded.size()));
                   }});
#endif
    return all;
}

// Notes the fastest run of each benchmark, in MiB/s, besides showing the runs as usual.
class BestReporter : public benchmark::ConsoleReporter {
public:
    QMap<QString, double> best;
    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &run : runs)
            if (run.aggregate_name == "best") {
                const double seconds =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
                best[QString::fromStdString(run.run_name.function_name)] = 1 / seconds;
            }
        ConsoleReporter::ReportRuns(runs);
    }
};

// OpenSSL's SHA-256 in a run of this program with some processor features masked out of its
// view (OPENSSL_ia32cap): the references of the portable code.
double openSslSha256Without(const char *program, const QString &mask) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("OPENSSL_ia32cap"), mask);
    child.setProcessEnvironment(environment);
    child.start(QString::fromLocal8Bit(program), {QStringLiteral("--reference-only")});
    child.waitForFinished(120000);
    return child.readAllStandardOutput().trimmed().toDouble();
}

void printBeside(const QMap<QString, double> &best, const char *ours, const char *reference,
                 double referenceFigure = 0) {
    const double mine = best.value(QLatin1String(ours)),
                 theirs =
                     referenceFigure > 0 ? referenceFigure : best.value(QLatin1String(reference));
    if (mine > 0 && theirs > 0)
        std::printf("%-24s %7.0f MiB/s   %-46s %7.0f MiB/s   ratio %.2f\n", ours, mine, reference,
                    theirs, mine / theirs);
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const bool referenceOnly = app.arguments().contains(QStringLiteral("--reference-only"));
    for (const Measured &entry : measured()) {
        if (referenceOnly && QLatin1String(entry.name) != QLatin1String("OpenSSL SHA256"))
            continue;
        benchmark::RegisterBenchmark(entry.name,
                                     [once = entry.once](benchmark::State &state) {
                                         for (auto _ : state)
                                             once();
                                     })
            ->Unit(benchmark::kMicrosecond)
            ->Repetitions(7)
            ->ComputeStatistics("best", fastest)
            ->DisplayAggregatesOnly(true);
    }
    benchmark::Initialize(&argc, argv);
    BestReporter reporter;
    if (referenceOnly) { // only the figure, for the run that asked for it
        std::ostringstream unused;
        reporter.SetOutputStream(&unused);
        reporter.SetErrorStream(&unused);
        benchmark::RunSpecifiedBenchmarks(&reporter);
        std::printf("%.1f\n", reporter.best.value(QStringLiteral("OpenSSL SHA256")));
        return 0;
    }
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("\nOn a megabyte, the best of seven runs, beside its reference:\n");
    printBeside(reporter.best, "MD5", "OpenSSL MD5");
    printBeside(reporter.best, "SHA256", "OpenSSL SHA256");
#ifdef ZQ_OPENSSL
    printBeside(reporter.best, "SHA256 portable", "OpenSSL SHA256 without SHA instructions",
                openSslSha256Without(argv[0], QStringLiteral(":~0x20000000")));
    printBeside(reporter.best, "SHA256 portable", "OpenSSL SHA256 without SHA or SIMD",
                openSslSha256Without(argv[0], QStringLiteral("~0x1000020000000000:~0x20000020")));
#endif
    printBeside(reporter.best, "Base64 encode", "Qt toBase64");
    printBeside(reporter.best, "Base64 encode", "OpenSSL EncodeBlock");
    printBeside(reporter.best, "Base64 decode", "Qt fromBase64");
    printBeside(reporter.best, "Base64 decode", "OpenSSL DecodeBlock");
    return 0;
}
