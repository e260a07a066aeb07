#include "fuzz_support.h"
#include "text/digests.h"

#include <QCryptographicHash>

#include <algorithm>

// The program's digests against Qt's of the same bytes, whole and fed in pieces, with and
// without the processor's SHA instructions.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const fuzz::TimeBound bound;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto qt = [&](QCryptographicHash::Algorithm algorithm) {
        return QString::fromLatin1(QCryptographicHash::hash(bytes, algorithm).toHex());
    };
    fuzz::check(zq::Digest(zq::DigestKind::MD5, bytes) == qt(QCryptographicHash::Md5), "MD5");
    zq::allowShaInstructions(size % 2 == 0);
    zq::Digester pieces(zq::DigestKind::SHA256);
    const qsizetype piece = size == 0 ? 1 : qsizetype(data[0] % 97 + 1);
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        pieces.add(bytes.constData() + at, std::min(piece, bytes.size() - at));
    fuzz::check(pieces.finish() == qt(QCryptographicHash::Sha256), "SHA-256");
    return 0;
}
