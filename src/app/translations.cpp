#include "app/translations.h"

#include "common/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>

namespace zq {
namespace {

// The languages the program is translated into; English is the language of its sources.
constexpr QLocale::Language Translated[] = {QLocale::Turkish, QLocale::German};

std::unique_ptr<QTranslator> &programTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator> &qtTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void removeTranslator(std::unique_ptr<QTranslator> &translator) {
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

bool isTranslated(QLocale::Language language) {
    return std::find(std::begin(Translated), std::end(Translated), language) !=
           std::end(Translated);
}

// The first UI language the program speaks; none when it speaks none of them.
std::optional<QLocale::Language> spokenLanguage(const QLocale &locale) {
    for (const QString &name : locale.uiLanguages()) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English || isTranslated(language))
            return language;
    }
    return std::nullopt;
}

void install(std::unique_ptr<QTranslator> &slot, const QString &file, const QString &folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder))
        return;
    QCoreApplication::installTranslator(translator.get());
    slot = std::move(translator);
}

} // namespace

bool loadTranslations(const QLocale &locale) {
    removeTranslator(programTranslator());
    removeTranslator(qtTranslator());
    const std::optional<QLocale::Language> spoken = spokenLanguage(locale);
    const QLocale::Language language = spoken.value_or(QLocale::English);
    SetInterfaceLanguage(language);
    if (language == QLocale::English)
        return spoken.has_value();
    const QString code = QLocale(language).name().section(QLatin1Char('_'), 0, 0);
    install(programTranslator(), QStringLiteral("zentiqua_") + code, QStringLiteral(":/i18n"));
    if (!programTranslator()) {
        SetInterfaceLanguage(QLocale::English);
        return false;
    }
    install(qtTranslator(), QStringLiteral("qtbase_") + code,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

} // namespace zq
