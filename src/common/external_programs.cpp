#include "common/external_programs.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <array>
#include <utility>

namespace zq {
namespace {

#ifdef Q_OS_WIN
constexpr std::array CalculatorPrograms = {"calc.exe"};
constexpr std::array TextEditorPrograms = {"notepad.exe"};
#else
constexpr std::array CalculatorPrograms = {"gnome-calculator", "kcalc",     "galculator",
                                           "qalculate-gtk",    "mate-calc", "xcalc"};
constexpr std::array TextEditorPrograms = {
    "gnome-text-editor", "gedit",  "kate", "kwrite", "mousepad", "pluma", "xed",
    "featherpad",        "leafpad"};
#endif

ExternalPrograms &installed() {
    static ExternalPrograms programs;
    return programs;
}

bool openUrl(const QUrl &url) {
    if (const auto &replacement = installed().openUrl)
        return replacement(url);
    return QDesktopServices::openUrl(url);
}

// Starts the first of the candidates installed on this machine; with none installed, the
// attempt with the first name fails like any other start that fails. Returns what failed.
template <std::size_t N>
QString startFirstInstalled(const std::array<const char *, N> &candidates, const QString &what) {
    QStringList tried;
    for (const char *candidate : candidates)
        tried << QString::fromLatin1(candidate);
    for (const QString &candidate : std::as_const(tried)) {
        const QString path = QStandardPaths::findExecutable(candidate);
        if (path.isEmpty())
            continue;
        if (startExternalProgram(path, {}))
            return {};
        return QStringLiteral("The %1 could not be started (tried %2).").arg(what, path);
    }
    if (startExternalProgram(tried.front(), {}))
        return {};
    return QStringLiteral("No %1 was found (tried %2).")
        .arg(what, tried.join(QStringLiteral(", ")));
}

} // namespace

bool startExternalProgram(const QString &program, const QStringList &arguments) {
    if (const auto &replacement = installed().startProgram)
        return replacement(program, arguments);
    return QProcess::startDetached(program, arguments);
}

ExternalPrograms setExternalPrograms(ExternalPrograms programs) {
    return std::exchange(installed(), std::move(programs));
}

QString homePageUrl() {
    return QStringLiteral("https://zentiqua.app/");
}

RegistrationStart startRegistrationProgram(const QStringList &arguments) {
    QString program = QStandardPaths::findExecutable(QStringLiteral("regsvr32"));
    QStringList programArguments = arguments;
    if (program.isEmpty()) {
        program = QStandardPaths::findExecutable(QStringLiteral("wine"));
        programArguments.prepend(QStringLiteral("regsvr32"));
    }
    if (program.isEmpty())
        return RegistrationStart::Missing;
    return startExternalProgram(program, programArguments) ? RegistrationStart::Started
                                                           : RegistrationStart::Failed;
}

QString startSystemCalculator() {
    return startFirstInstalled(CalculatorPrograms, QStringLiteral("calculator program"));
}

QString startTextEditor() {
    return startFirstInstalled(TextEditorPrograms, QStringLiteral("text editor"));
}

QString openHomePage() {
    if (openUrl(QUrl(homePageUrl())))
        return {};
    return QStringLiteral("The home page could not be opened (tried %1 in the web browser).")
        .arg(homePageUrl());
}

} // namespace zq
