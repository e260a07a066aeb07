#include "app/tool_search.h"

#include "app/tool_catalog.h"

#include <algorithm>
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
};

// The catalog's words, worked out once.
const std::vector<SearchEntry> &searchEntries() {
    static const std::vector<SearchEntry> entries = [] {
        std::vector<SearchEntry> built;
        for (const ToolEntry &entry : ToolCatalog())
            built.push_back({entry.titleText(), searchWords(entry.titleText()),
                             searchWords(entry.keywordsText())});
        return built;
    }();
    return entries;
}

bool begins(const QStringList &words, const QString &typed) {
    return std::any_of(words.begin(), words.end(),
                       [&typed](const QString &word) { return word.startsWith(typed); });
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
    const QStringList wanted = searchWords(typed);
    QStringList byTitle, byKeyword;
    for (const SearchEntry &entry : searchEntries()) {
        bool allInTitle = true, allFound = true;
        for (const QString &word : wanted) {
            const bool inTitle = begins(entry.titleWords, word);
            allInTitle = allInTitle && inTitle;
            allFound = allFound && (inTitle || begins(entry.keywordWords, word));
        }
        if (allInTitle)
            byTitle << entry.title;
        else if (allFound)
            byKeyword << entry.title;
    }
    return byTitle + byKeyword;
}

} // namespace zq
