#include "common/save_result.h"

#include "common/messages.h"
#include "common/result_file.h"

#include <QDir>
#include <QFileInfo>

namespace zq {

bool SaveResultText(QWidget *window, const QString &fileName, const QStringList &lines,
                    const QString &savedMessage) {
    const QString failure = appendResultRecord(fileName, lines);
    if (!failure.isEmpty()) {
        const QString path = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
        ShowMessage(window, QStringLiteral("Could not save to %1: %2").arg(path, failure),
                    MessageIcon::Critical);
        return false;
    }
    ShowMessage(window, savedMessage);
    return true;
}

} // namespace zq
