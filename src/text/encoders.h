#pragma once

#include <QString>

namespace zq {

// Base64 (RFC 4648 alphabet) of the text's code-page bytes, without padding or line breaks.
QString Base64Encode(const QString &text);
// The characters of the bytes a Base64 text stands for. Characters outside the alphabet
// (padding and line breaks included) keep their place in a group of four with the value -1:
// they suppress the byte they end and enter the next one as -1.
QString Base64Decode(const QString &text);
// The position of a one-character text in the Base64 alphabet, or -1.
int Base64Value(const QString &character);

// Pairs of hexadecimal digits to the characters of those code-page bytes; a pair is read up to
// its first character that is not a hexadecimal digit ("4G" is 4, "ZZ" is 0).
QString HexPairsToText(const QString &hexText);
// Each character's low byte as two upper-case hexadecimal digits and a space.
QString TextToHexPairs(const QString &text);

// The HTML special characters of an ad code escaped for a blog: "<", the double quotation mark,
// "'", ">" and an ampersand followed by a space, in that order.
QString EscapeHtmlForBlogger(const QString &text);

// The text backwards by its code-page bytes (a line break comes out as LF CR).
QString ReverseText(const QString &text);

// How often the one-character text occurs in the text; 0 for an empty one.
qsizetype CountCharacter(const QString &text, const QString &character);
// The length of the text, a line break counting two.
qsizetype CountAll(const QString &text);

} // namespace zq
