#include "app/documents_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace zq {

QString useDocumentsFolder() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    const QString folder = QDir(documents).filePath(QStringLiteral("Zentiqua"));
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder))
        return {};
    return folder;
}

} // namespace zq
