#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace zq {

// MD5 (RFC 1321) and SHA-256 (FIPS 180-4), the program's own, as lower-case hexadecimal.
enum class DigestKind { MD5, SHA256 };

QString Digest(DigestKind kind, const QByteArray &bytes);

// A digest of bytes that come in pieces (a file read block by block).
class Digester {
public:
    explicit Digester(DigestKind kind);
    ~Digester();
    Digester(const Digester &) = delete;
    Digester &operator=(const Digester &) = delete;

    void add(const char *bytes, qsizetype size);
    // Ends the message and gives its digest.
    QString finish();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// The digest of a file's bytes, read in blocks so that memory stays flat whatever its size.
// `progress` hears of each block (bytes read, file size) and stops the reading by returning
// false. A file that cannot be read gives `problem` saying why.
struct FileDigest {
    QString digest, problem;
    bool cancelled = false;
};
using DigestProgress = std::function<bool(qint64 done, qint64 total)>;
FileDigest DigestFile(DigestKind kind, const QString &fileName,
                      const DigestProgress &progress = {});

// Whether SHA-256 may use the processor's SHA instructions where present (tests and benchmarks
// compare both ways). Returns the previous setting.
bool allowShaInstructions(bool allowed);

} // namespace zq
