#include "fuzz_support.h"
#include "text/digests.h"

#include <QCryptographicHash>

// The program's digests against Qt's of the same low bytes, with and without the processor's
// SHA instructions.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const fuzz::TimeBound bound;
    const QString text = fuzz::text(data, size);
    const QByteArray low = zq::LowBytes(text);
    fuzz::check(
        zq::MD5().Digest(text) ==
            QString::fromLatin1(QCryptographicHash::hash(low, QCryptographicHash::Md5).toHex()),
        "MD5");
    const QString sha =
        QString::fromLatin1(QCryptographicHash::hash(low, QCryptographicHash::Sha256).toHex());
    zq::allowShaInstructions(size % 2 == 0);
    fuzz::check(zq::CSHA256().SHA256(text) == sha, "SHA-256");
    return 0;
}
