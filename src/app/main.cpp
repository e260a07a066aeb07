#include "app/main_window.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentiqua"));
    QApplication::setApplicationVersion(QStringLiteral("1.4.0"));
    QApplication::setWindowIcon(zq::applicationIcon());

    zq::Main window;
    window.show();
    return QApplication::exec();
}
