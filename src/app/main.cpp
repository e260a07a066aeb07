#include "app/documents_folder.h"
#include "app/main_window.h"
#include "app/translations.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentiqua"));
    QApplication::setApplicationVersion(QStringLiteral("1.4.0"));
    QApplication::setWindowIcon(zq::applicationIcon());
    zq::loadTranslations(QLocale::system());
    // The desktop menu's entry passes --documents: saved results then go to the user's
    // documents rather than the home folder or "/". From a terminal they go to the working
    // folder.
    if (QApplication::arguments().contains(QStringLiteral("--documents")))
        zq::useDocumentsFolder();

    zq::Main window;
    window.show();
    return QApplication::exec();
}
