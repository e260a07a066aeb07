#include "common/code_page.h"
#include "fuzz_support.h"
#include "text/encoders.h"
#include "text/text_encoding.h"

#include <QByteArray>

// Base64 and hex both ways in both encodings, the decoders' reports, HTML escaping, reversal:
// what goes out comes back, and a problem comes with no result.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const fuzz::TimeBound bound;
    const QString text = fuzz::text(data, size);
    const QByteArray raw(reinterpret_cast<const char *>(data), qsizetype(size));
    // Any text given to the decoder: bytes or a problem, never both; what it accepts is
    // Base64 whose encoding decodes to the same bytes.
    const zq::Base64Decoded decoded = zq::Base64Decode(text);
    fuzz::check(decoded.problem.isEmpty() || decoded.bytes.isEmpty(), "a problem and bytes");
    if (decoded.problem.isEmpty())
        fuzz::check(
            zq::Base64Decode(zq::Base64Encode(decoded.bytes, zq::Base64Padding::Padded)).bytes ==
                decoded.bytes,
            "Base64 of what was decoded");
    for (const zq::Base64Padding padding : {zq::Base64Padding::Padded, zq::Base64Padding::Unpadded})
        fuzz::check(zq::Base64Decode(zq::Base64Encode(raw, padding)).bytes == raw,
                    "Base64 round trip of bytes");
    for (const zq::TextEncoding encoding : {zq::TextEncoding::Utf8, zq::TextEncoding::CodePage}) {
        const zq::EncodedText encoded = zq::encodeText(text, encoding);
        fuzz::check(encoded.problem.isEmpty() || encoded.bytes.isEmpty(), "encoding problem");
        if (encoded.problem.isEmpty() && text.isValidUtf16())
            fuzz::check(zq::decodeText(encoded.bytes, encoding).text == text, "text round trip");
        // Bytes that come back as text come back as the same bytes.
        const zq::DecodedText back = zq::decodeText(raw, encoding);
        if (back.problem.isEmpty())
            fuzz::check(zq::encodeText(back.text, encoding).bytes == raw, "bytes round trip");
    }
    QString hex = zq::TextToHexPairs(raw);
    hex.remove(QLatin1Char(' '));
    fuzz::check(zq::HexPairsToBytes(hex) == raw, "hex round trip");
    zq::HexPairsToBytes(text);
    const QString escaped = zq::EscapeHtmlForBlogger(text);
    for (const char special : {'<', '>', '"', '\''})
        fuzz::check(!escaped.contains(QLatin1Char(special)), "an HTML character escaped");
    const QString inCodePage = zq::fromCodePage(zq::toCodePage(text));
    fuzz::check(zq::ReverseText(zq::ReverseText(text)) == inCodePage, "reversal round trip");
    return 0;
}
