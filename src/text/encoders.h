#pragma once

#include <QByteArray>
#include <QString>

namespace zq {

// Base64 (RFC 4648) of some bytes, in one line, with "=" padding or without.
enum class Base64Padding { Padded, Unpadded };
QString Base64Encode(const QByteArray &bytes, Base64Padding padding);

// Base64 broken into lines of `width` characters with CR LF, as MIME and the base64 tool write
// it; the lines decode as the unbroken text does.
QString Base64Lines(const QString &base64, qsizetype width);

// The bytes a Base64 text stands for. Spaces and line breaks between its characters are
// skipped; padding may be left out. A character outside the alphabet, padding before the end
// or that does not fit the last group, or a last group of one character is a problem, which
// `problem` names (with no bytes).
struct Base64Decoded {
    QByteArray bytes;
    QString problem;
};
Base64Decoded Base64Decode(const QString &text);

// The position of a one-character text in the Base64 alphabet, or -1.
int Base64Value(const QString &character);

// Pairs of hexadecimal digits to the bytes they stand for; a pair is read up to its first
// character that is not a hexadecimal digit ("4G" is 4, "ZZ" is 0).
QByteArray HexPairsToBytes(const QString &hexText);
// Each byte as two upper-case hexadecimal digits and a space.
QString TextToHexPairs(const QByteArray &bytes);

// The HTML special characters of an ad code escaped for a blog: "<", the double quotation mark,
// "'", ">" and an ampersand followed by a space, in that order.
QString EscapeHtmlForBlogger(const QString &text);

// The text backwards by its code-page bytes (a line break comes out as LF CR).
QString ReverseText(const QString &text);

// How often the one-character text occurs in the text; 0 for an empty one.
qsizetype CountCharacter(const QString &text, const QString &character);

} // namespace zq
