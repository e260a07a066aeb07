#include "app/tool_search.h"

#include "app/tool_catalog.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zq {
namespace {

// Drops accents after splitting characters into their base and marks ("é" becomes "e").
QString withoutAccents(const QString &text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString plain;
    plain.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing && c.category() != QChar::Mark_Enclosing &&
            c.category() != QChar::Mark_SpacingCombining)
            plain += c;
    return plain;
}

struct SearchEntry {
    QString title;
    QStringList titleWords, keywordWords;
    QString titleText, keywordText; // as written, for symbols
};

// The catalog's words, worked out once, when first searched.
const std::vector<SearchEntry> &searchEntries() {
    static const std::vector<SearchEntry> entries = [] {
        std::vector<SearchEntry> built;
        for (const ToolEntry &entry : ToolCatalog())
            built.push_back({entry.titleText(), searchWords(entry.titleText()),
                             searchWords(entry.keywordsText()), entry.titleText(),
                             entry.keywordsText()});
        return built;
    }();
    return entries;
}

// Words that carry no subject: a tool need not have them.
constexpr std::array<const char16_t *, 12> SmallWords = {
    u"a", u"an", u"and", u"between", u"for", u"from", u"in", u"into", u"of", u"per", u"the", u"to"};

bool isSmallWord(const QString &word) {
    return std::any_of(SmallWords.begin(), SmallWords.end(),
                       [&word](const char16_t *small) { return word == QStringView(small); });
}

// A number typed beside a unit ("70 kg"): a tool need not have it either.
bool isNumberWord(const QString &word) {
    return std::all_of(word.begin(), word.end(), [](QChar c) { return c.isDigit(); });
}

// The typed word and its singulars in plain English: "pounds" also looks for "pound",
// "inches" for "inch", "batteries" for "battery".
QStringList wordForms(const QString &word) {
    QStringList forms{word};
    if (word.size() > 4 && word.endsWith(QLatin1String("ies")))
        forms << word.chopped(3) + QLatin1Char('y');
    if (word.size() > 3 && word.endsWith(QLatin1String("es")))
        forms << word.chopped(2);
    if (word.size() > 3 && word.endsWith(QLatin1Char('s')) && !word.endsWith(QLatin1String("ss")))
        forms << word.chopped(1);
    return forms;
}

struct TypedWord {
    QStringList forms;
    bool optional; // a small word or a number, needed only where the tool has it
};

bool begins(const QStringList &words, const TypedWord &typed) {
    return std::any_of(words.begin(), words.end(), [&typed](const QString &word) {
        return std::any_of(typed.forms.begin(), typed.forms.end(),
                           [&word](const QString &form) { return word.startsWith(form); });
    });
}

// The symbols of a text that holds no word ("%", "°", "Ω").
QStringList symbolsOf(const QString &text) {
    QStringList symbols;
    for (QChar c : text)
        if (!c.isSpace() && !symbols.contains(c))
            symbols << QString(c);
    return symbols;
}

bool holdsAll(const QString &text, const QStringList &symbols) {
    return std::all_of(symbols.begin(), symbols.end(),
                       [&text](const QString &symbol) { return text.contains(symbol); });
}

QStringList inListOrder(QStringList titles) {
    std::sort(titles.begin(), titles.end(), catalogListLess);
    return titles;
}

} // namespace

QStringList searchWords(const QString &text) {
    const QString folded = withoutAccents(text).toCaseFolded();
    QStringList words;
    QString word;
    for (QChar c : folded) {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

QStringList findTools(const QString &typed) {
    QStringList byTitle, byKeyword;
    const QStringList words = searchWords(typed);
    if (words.isEmpty()) {
        const QStringList symbols = symbolsOf(typed);
        for (const SearchEntry &entry : searchEntries()) {
            if (symbols.isEmpty() || holdsAll(entry.titleText, symbols))
                byTitle << entry.title;
            else if (holdsAll(entry.titleText + entry.keywordText, symbols))
                byKeyword << entry.title;
        }
        return inListOrder(byTitle) + inListOrder(byKeyword);
    }
    std::vector<TypedWord> wanted;
    for (const QString &word : words)
        wanted.push_back({wordForms(word), isSmallWord(word) || isNumberWord(word)});
    const bool anyRequired = std::any_of(wanted.begin(), wanted.end(),
                                         [](const TypedWord &word) { return !word.optional; });
    for (const SearchEntry &entry : searchEntries()) {
        // Every word needed must begin a word of the title or keywords; with only optional
        // words typed, one of them must.
        bool allInTitle = true, allFound = true, anyFound = false, anyInTitle = false;
        for (const TypedWord &word : wanted) {
            const bool inTitle = begins(entry.titleWords, word);
            const bool found = inTitle || begins(entry.keywordWords, word);
            anyFound = anyFound || found;
            anyInTitle = anyInTitle || inTitle;
            if (word.optional)
                continue;
            allInTitle = allInTitle && inTitle;
            allFound = allFound && found;
        }
        if (!anyFound || !allFound)
            continue;
        ((anyRequired ? allInTitle : anyInTitle) ? byTitle : byKeyword) << entry.title;
    }
    return inListOrder(byTitle) + inListOrder(byKeyword);
}

} // namespace zq
