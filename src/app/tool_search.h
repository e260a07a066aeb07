#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zq {

// The words of a text as a search compares them: case and accents ignored, split at every
// character that is not a letter or a digit ("Ohm's" gives "ohm" and "s").
QStringList searchWords(const QString &text);

// The catalog titles that the typed text finds: each typed word (or its singular: "pounds",
// "pound") must begin some word of the title or of the tool's keywords. Small words without a
// subject ("to", "of", "between") and numbers ("70 kg") are needed only by tools that have
// them. Titles found by their own words come first, then those that need a keyword, each group
// in the list's order. A text of symbols alone ("%", "°", "Ω") finds the tools whose title or
// keywords hold them; a text of blanks finds every title.
// Titles and keywords are matched in the language of the program's texts and in English.
QStringList findTools(const QString &typed);
// The same tools as their places in the catalog.
QList<int> findToolPlaces(const QString &typed);

} // namespace zq
