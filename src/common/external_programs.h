#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QUrl;

namespace zq {

// How the program reaches other programs; tests replace these to record instead of starting.
struct ExternalPrograms {
    // Starts a program with an argument list (never through a shell); false when it failed.
    std::function<bool(const QString &program, const QStringList &arguments)> startProgram;
    std::function<bool(const QUrl &url)> openUrl;
};

// Installs replacements (empty members restore the real ones); returns what was in place.
ExternalPrograms setExternalPrograms(ExternalPrograms programs);

// Starts a program with an argument list, through the installed replacement when there is one;
// false when it could not be started.
bool startExternalProgram(const QString &program, const QStringList &arguments);

QString homePageUrl();

// The component registration program: regsvr32 on the PATH, else regsvr32 through wine.
// Missing when neither is installed; Failed when it is there but did not start.
enum class RegistrationStart { Missing, Failed, Started };
RegistrationStart startRegistrationProgram(const QStringList &arguments);

// Each of these returns, when it could not start its program, what could not be started and
// what was tried ("No calculator program was found (tried gnome-calculator, kcalc, ...)."),
// for a message; an empty text when it started.
QString startSystemCalculator();
QString startTextEditor();
QString openHomePage();

} // namespace zq
