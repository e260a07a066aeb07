#include "common/interface_language.h"

#include <atomic>

namespace zq {
namespace {

std::atomic<QLocale::Language> shown{QLocale::English};

} // namespace

QLocale::Language InterfaceLanguage() {
    return shown.load();
}

void SetInterfaceLanguage(QLocale::Language language) {
    shown.store(language);
}

QString FoldedForMatching(const QString &text) {
    // Splitting characters into base and marks drops the accents and the dot of "İ".
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString plain;
    plain.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing && c.category() != QChar::Mark_Enclosing &&
            c.category() != QChar::Mark_SpacingCombining)
            plain += c;
    return plain.toCaseFolded().replace(QChar(0x0131), u'i');
}

} // namespace zq
