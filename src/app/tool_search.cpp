#include "app/tool_search.h"

#include "app/tool_catalog.h"
#include "common/interface_language.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <vector>

namespace zq {
namespace {

// A tool as a search sees it: its words in the language of the program's texts and in
// English, so that "Kredit" and "loan" both find the loan tools under German.
struct SearchEntry {
    int place; // in the catalog
    QString title;
    QStringList titleWords, keywordWords;
    QString titleText, keywordText; // as written, for symbols
};

// The catalog's words, worked out when first searched in a language.
const std::vector<SearchEntry> &searchEntries() {
    static std::vector<SearchEntry> entries;
    static QString madeFor;
    const QString language = QLocale::languageToCode(InterfaceLanguage());
    if (!entries.empty() && madeFor == language)
        return entries;
    entries.clear();
    madeFor = language;
    int place = 0;
    for (const ToolEntry &entry : ToolCatalog()) {
        const QString title = entry.titleText(), keywords = entry.keywordsText();
        const QString english = entry.englishTitle(), englishKeywords = entry.englishKeywords();
        QStringList titleWords = searchWords(title), keywordWords = searchWords(keywords);
        if (english != title)
            titleWords += searchWords(english);
        if (englishKeywords != keywords)
            keywordWords += searchWords(englishKeywords);
        entries.push_back({place++, title, titleWords, keywordWords, title + english,
                           keywords + englishKeywords});
    }
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

QList<int> inListOrder(QList<const SearchEntry *> found) {
    std::sort(found.begin(), found.end(), [](const SearchEntry *a, const SearchEntry *b) {
        return catalogListLess(a->title, b->title);
    });
    QList<int> places;
    for (const SearchEntry *entry : found)
        places << entry->place;
    return places;
}

} // namespace

QStringList searchWords(const QString &text) {
    const QString folded = FoldedForMatching(text);
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
    QStringList titles;
    for (int place : findToolPlaces(typed))
        titles << ToolCatalog()[std::size_t(place)].titleText();
    return titles;
}

QList<int> findToolPlaces(const QString &typed) {
    QList<const SearchEntry *> byTitle, byKeyword;
    const QStringList words = searchWords(typed);
    if (words.isEmpty()) {
        const QStringList symbols = symbolsOf(typed);
        for (const SearchEntry &entry : searchEntries()) {
            if (symbols.isEmpty() || holdsAll(entry.titleText, symbols))
                byTitle << &entry;
            else if (holdsAll(entry.titleText + entry.keywordText, symbols))
                byKeyword << &entry;
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
        ((anyRequired ? allInTitle : anyInTitle) ? byTitle : byKeyword) << &entry;
    }
    return inListOrder(byTitle) + inListOrder(byKeyword);
}

} // namespace zq
