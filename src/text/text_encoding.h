#pragma once

#include <QByteArray>
#include <QString>

namespace zq {

// How the text tools turn text into bytes and back: the program's single-byte code page, or
// UTF-8 as the standard command-line tools read text.
enum class TextEncoding { CodePage, Utf8 };

// The name the windows offer it by: "Windows-1252" or "UTF-8".
QString encodingName(TextEncoding encoding);

// The text's bytes. A character the code page lacks is never turned into another's byte:
// `problem` then says which one and where, and there are no bytes.
struct EncodedText {
    QByteArray bytes;
    QString problem;
};
EncodedText encodeText(const QString &text, TextEncoding encoding);

// The text of some bytes. Bytes that are not UTF-8 are a problem (which byte); every byte has
// a character in the code page.
struct DecodedText {
    QString text;
    QString problem;
};
DecodedText decodeText(const QByteArray &bytes, TextEncoding encoding);

// The character at a UTF-16 index: both halves of a pair outside the basic plane.
QString characterAt(const QString &text, qsizetype index);

// The place of the character at a UTF-16 index as a reader counts it: 1 for the first, a
// character outside the basic plane (two UTF-16 units) counting one.
qsizetype characterNumber(const QString &text, qsizetype index);

// The characters of a text as the encoding counts them: every Unicode character once in UTF-8,
// every byte in the code page (a line break counts two either way).
qsizetype characterCount(const QString &text, TextEncoding encoding);

} // namespace zq
