#pragma once

#include <QByteArray>
#include <QString>

namespace zq {

// The low-byte rule: each UTF-16 code unit gives its low 8 bits.
QByteArray LowBytes(const QString &text);

// MD5 (RFC 1321) as 32 lower-case hexadecimal digits.
class MD5 {
public:
    // The digest of a text, its characters taken by the low-byte rule.
    QString Digest(const QString &message) const;
    // The digest of a file's bytes; the empty text when the file cannot be read.
    QString MD5File(const QString &fileName) const;
};

// SHA-256 (FIPS 180-2) as 64 lower-case hexadecimal digits.
class CSHA256 {
public:
    // The digest of a text, its characters taken by the low-byte rule.
    QString SHA256(const QString &message) const;
};

// Whether SHA-256 may use the processor's SHA instructions where present (tests and benchmarks
// compare both ways). Returns the previous setting.
bool allowShaInstructions(bool allowed);

} // namespace zq
