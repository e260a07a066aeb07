#pragma once

#include <QString>
#include <QStringList>

namespace zq {

// The words of a text as a search compares them: case and accents ignored, split at every
// character that is not a letter or a digit ("Ohm's" gives "ohm" and "s").
QStringList searchWords(const QString &text);

// The catalog titles that the typed text finds: each typed word must begin some word of the
// title or of the tool's keywords. Titles found by their own words come first, then those that
// need a keyword, each group in catalog order. A text without words finds every title.
QStringList findTools(const QString &typed);

} // namespace zq
