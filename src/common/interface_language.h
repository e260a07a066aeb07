#pragma once

#include <QCoreApplication>
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

// The place among `entries` of the one a typed or chosen name means, or -1. Each entry's name
// (nameOf) is an English text translated in `context`. The name as shown comes first, so that
// where one entry's translation is another's English name the user gets the one the list
// shows; then the English name, which reads in every language.
template <class Entries, class NameOf>
int IndexOfNamed(const Entries &entries, const QString &name, const char *context, NameOf nameOf) {
    for (bool shown : {true, false}) {
        int place = 0;
        for (const auto &entry : entries) {
            const char *english = nameOf(entry);
            if (name == (shown ? QCoreApplication::translate(context, english)
                               : QString::fromUtf8(english)))
                return place;
            ++place;
        }
    }
    return -1;
}

} // namespace zq
