#pragma once

#include <QLocale>
#include <QString>

namespace zq {

// The language the program's texts are shown in: English until a translation is installed.
// Readers of typed text (month names) accept its words besides English ones.
QLocale::Language InterfaceLanguage();
void SetInterfaceLanguage(QLocale::Language language);

// A text as typed words are matched against names, in every language: accents dropped, case
// folded, and the dotted and dotless i one letter ("März" = "marz", "IŞIK" = "ışık" = "isik").
QString FoldedForMatching(const QString &text);

} // namespace zq
