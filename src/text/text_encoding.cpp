#include "text/text_encoding.h"

#include "common/code_page.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace zq {
namespace {

// The length of a valid UTF-8 sequence that starts at `at`, or 0 when none does.
qsizetype utf8SequenceLength(const unsigned char *b, qsizetype at, qsizetype size) {
    const unsigned char lead = b[at];
    if (lead < 0x80)
        return 1;
    qsizetype length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (lead > 0xF4 || length == 0 || at + length > size)
        return 0;
    for (qsizetype i = 1; i < length; ++i)
        if ((b[at + i] & 0xC0) != 0x80)
            return 0;
    // No overlong forms, no surrogates, nothing beyond U+10FFFF.
    const unsigned char second = b[at + 1];
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
        return 0;
    return length;
}

// The position of the first byte that does not begin or continue a UTF-8 character, or -1.
qsizetype firstNonUtf8(const QByteArray &bytes) {
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.constData());
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = utf8SequenceLength(b, at, bytes.size());
        if (length == 0)
            return at;
        at += length;
    }
    return -1;
}

} // namespace

QString encodingName(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? QStringLiteral("UTF-8")
                                          : QStringLiteral("Windows-1252");
}

QString characterAt(const QString &text, qsizetype index) {
    const bool pair = text[index].isHighSurrogate() && index + 1 < text.size() &&
                      text[index + 1].isLowSurrogate();
    return text.mid(index, pair ? 2 : 1);
}

qsizetype characterNumber(const QString &text, qsizetype index) {
    qsizetype number = 0;
    for (qsizetype i = 0; i <= index && i < text.size(); ++i)
        if (!text[i].isLowSurrogate() || i == 0 || !text[i - 1].isHighSurrogate())
            ++number;
    return number;
}

EncodedText encodeText(const QString &text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return {text.toUtf8(), {}};
    const qsizetype outside = firstOutsideCodePage(text);
    if (outside < 0)
        return {toCodePage(text), {}};
    return {{},
            QCoreApplication::translate("zq::TextEncoding",
                                        "%1 has no character \"%2\" (character %3 of the text). "
                                        "Choose %4 for this text.")
                .arg(encodingName(TextEncoding::CodePage), characterAt(text, outside))
                .arg(characterNumber(text, outside))
                .arg(encodingName(TextEncoding::Utf8))};
}

DecodedText decodeText(const QByteArray &bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::CodePage)
        return {fromCodePage(bytes), {}};
    const qsizetype bad = firstNonUtf8(bytes);
    if (bad < 0) // a byte-order mark is text like any other, kept as md5sum and base64 keep it
        return {QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)
                    .decode(bytes),
                {}};
    return {{},
            QCoreApplication::translate("zq::TextEncoding",
                                        "These bytes are not UTF-8 text: byte %1 (%2 in "
                                        "hexadecimal) cannot begin or continue a character.")
                .arg(bad + 1)
                .arg(QString::number(static_cast<unsigned char>(bytes[bad]), 16)
                         .toUpper()
                         .rightJustified(2, QLatin1Char('0')))};
}

qsizetype characterCount(const QString &text, TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? characterNumber(text, text.size() - 1) : text.size();
}

} // namespace zq
