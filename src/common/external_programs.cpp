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
// attempt with the first name fails like any other start that fails.
template <std::size_t N> void startFirstInstalled(const std::array<const char *, N> &candidates) {
    for (const char *candidate : candidates) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(candidate));
        if (!path.isEmpty()) {
            startExternalProgram(path, {});
            return;
        }
    }
    startExternalProgram(QString::fromLatin1(candidates.front()), {});
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

void startSystemCalculator() {
    startFirstInstalled(CalculatorPrograms);
}

void startTextEditor() {
    startFirstInstalled(TextEditorPrograms);
}

void openHomePage() {
    openUrl(QUrl(homePageUrl()));
}

} // namespace zq
