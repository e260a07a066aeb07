// Renders every window of the registry to PNG files: zentiqua_screenshots <folder> [light|dark].
// The scale comes from QT_SCALE_FACTOR, so scripts/screenshots runs it once for each scale, and
// the language from the environment, as for the program (LANGUAGE=de).
#include "app/main_window.h"
#include "app/translations.h"
#include "app/window_registry.h"
#include "help/help_window.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <functional>
#include <memory>

namespace {

QPalette darkPalette() {
    QPalette palette;
    const QColor window(45, 45, 48), base(30, 30, 30), text(230, 230, 230);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(90, 160, 255));
    return palette;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zq::loadTranslations(QLocale::system());
    const QStringList arguments = app.arguments();
    const QString folder = arguments.value(1, QStringLiteral("screenshots"));
    const bool dark = arguments.value(2) == QLatin1String("dark");
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
    QDir().mkpath(folder);
    int failures = 0;
    for (const QString &name : zq::windowNames()) {
        std::unique_ptr<QWidget> window(zq::createWindow(name));
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        // The plot window shows its curve rather than an empty surface.
        if (name == QLatin1String("Draw"))
            if (auto *draw = window->findChild<QPushButton *>(QStringLiteral("Command1")))
                draw->click();
        QApplication::processEvents();
        if (!window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png"))))
            ++failures;
        window->close();
    }
    // Two windows in use: the main window searching, and a tool's help beside it.
    zq::Main main;
    main.show();
    main.txtSearch->setText(QStringLiteral("loan"));
    QApplication::processEvents();
    if (!main.grab().save(QDir(folder).filePath(QStringLiteral("Main-search.png"))))
        ++failures;
    std::unique_ptr<QWidget> tool(zq::createWindow(QStringLiteral("BodyMass")));
    tool->setAttribute(Qt::WA_DeleteOnClose, false);
    tool->show();
    zq::showHelpFor(tool.get());
    QApplication::processEvents();
    if (auto *help = tool->findChild<zq::Help *>();
        !help || !help->grab().save(QDir(folder).filePath(QStringLiteral("Help-BodyMass.png"))))
        ++failures;
    // A marked box, and a result out of date after an edit.
    const auto shoot = [&](const QString &windowName, const QString &file,
                           const std::function<void(QWidget *)> &use) {
        std::unique_ptr<QWidget> window(zq::createWindow(windowName));
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        use(window.get());
        QApplication::processEvents();
        if (!window->grab().save(QDir(folder).filePath(file)))
            ++failures;
    };
    const auto typeInto = [](QWidget *window, const char *box, const QString &text) {
        window->findChild<QLineEdit *>(QLatin1String(box))->setText(text);
    };
    const auto press = [](QWidget *window, const char *button) {
        window->findChild<QPushButton *>(QLatin1String(button))->click();
    };
    shoot(QStringLiteral("Factorial"), QStringLiteral("Factorial-marked.png"), [&](QWidget *w) {
        typeInto(w, "Text1", QStringLiteral("20"));
        press(w, "Command1");
        typeInto(w, "Text1", QStringLiteral("171"));
        press(w, "Command1");
    });
    shoot(QStringLiteral("KgPound"), QStringLiteral("KgPound-stale.png"), [&](QWidget *w) {
        typeInto(w, "Text1", QStringLiteral("12"));
        press(w, "Command1");
        typeInto(w, "Text1", QStringLiteral("120"));
    });
    // A loan worked out, with numbers in the locale's forms.
    shoot(QStringLiteral("Mortgage"), QStringLiteral("Mortgage-used.png"), [&](QWidget *w) {
        typeInto(w, "Text1", QLocale().toString(250000));
        typeInto(w, "Text2", QStringLiteral("20"));
        typeInto(w, "Text3", QLocale().toString(4.5));
        press(w, "Command1");
    });
    return failures == 0 ? 0 : 1;
}
