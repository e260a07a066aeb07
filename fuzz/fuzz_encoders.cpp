#include "common/code_page.h"
#include "fuzz_support.h"
#include "text/digests.h"
#include "text/encoders.h"

// Base64 and hex both ways, HTML escaping, reversal: what goes out comes back.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const fuzz::TimeBound bound;
    const QString text = fuzz::text(data, size);
    const QString inCodePage = zq::fromCodePage(zq::toCodePage(text));
    zq::Base64Decode(text);
    fuzz::check(zq::Base64Decode(zq::Base64Encode(text)) == inCodePage, "Base64 round trip");
    zq::HexPairsToText(text);
    QString hex = zq::TextToHexPairs(text);
    hex.remove(QLatin1Char(' '));
    fuzz::check(zq::HexPairsToText(hex) == zq::fromCodePage(zq::LowBytes(text)), "hex round trip");
    const QString escaped = zq::EscapeHtmlForBlogger(text);
    for (const char special : {'<', '>', '"', '\''})
        fuzz::check(!escaped.contains(QLatin1Char(special)), "an HTML character escaped");
    fuzz::check(zq::ReverseText(zq::ReverseText(text)) == inCodePage, "reversal round trip");
    fuzz::check(zq::CountAll(text) == text.size(), "count of all");
    return 0;
}
