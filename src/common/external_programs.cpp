#include "common/external_programs.h"

#include <QCoreApplication>
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
// What a start that failed says, for each kind of program: none found, and one that would not
// start; %1 is what was tried.
struct StartFailure {
    const char *noneFound, *notStarted;
};

constexpr StartFailure CalculatorFailure = {
    QT_TRANSLATE_NOOP("zq::ExternalPrograms", "No calculator program was found (tried %1)."),
    QT_TRANSLATE_NOOP("zq::ExternalPrograms",
                      "The calculator program could not be started (tried %1).")};
constexpr StartFailure TextEditorFailure = {
    QT_TRANSLATE_NOOP("zq::ExternalPrograms", "No text editor was found (tried %1)."),
    QT_TRANSLATE_NOOP("zq::ExternalPrograms", "The text editor could not be started (tried %1).")};

QString said(const char *text, const QString &tried) {
    return QCoreApplication::translate("zq::ExternalPrograms", text).arg(tried);
}

template <std::size_t N>
QString startFirstInstalled(const std::array<const char *, N> &candidates, StartFailure failure) {
    QStringList tried;
    for (const char *candidate : candidates)
        tried << QString::fromLatin1(candidate);
    for (const QString &candidate : std::as_const(tried)) {
        const QString path = QStandardPaths::findExecutable(candidate);
        if (path.isEmpty())
            continue;
        if (startExternalProgram(path, {}))
            return {};
        return said(failure.notStarted, path);
    }
    if (startExternalProgram(tried.front(), {}))
        return {};
    return said(failure.noneFound, tried.join(QStringLiteral(", ")));
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
    return startFirstInstalled(CalculatorPrograms, CalculatorFailure);
}

QString startTextEditor() {
    return startFirstInstalled(TextEditorPrograms, TextEditorFailure);
}

QString openHomePage() {
    if (openUrl(QUrl(homePageUrl())))
        return {};
    return QCoreApplication::translate(
               "zq::ExternalPrograms",
               "The home page could not be opened (tried %1 in the web browser).")
        .arg(homePageUrl());
}

} // namespace zq
