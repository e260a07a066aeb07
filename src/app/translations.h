#pragma once

class QLocale;

namespace zq {

// Installs the program's translation for the first of the locale's UI languages that the
// program speaks (English, its source language, needs none) and Qt's own translation for that
// language where the system has one, replacing any installed earlier. Returns whether the
// program speaks the language: English, Turkish or German.
bool loadTranslations(const QLocale &locale);

} // namespace zq
