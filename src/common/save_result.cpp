#include "common/save_result.h"

#include "common/messages.h"
#include "common/result_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>

#include <algorithm>

namespace zq {
namespace {

QString fullPath(const QString &fileName) {
    return QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
}

bool reportFailure(QWidget *window, const QString &fileName, const QString &failure) {
    ShowMessage(window,
                QCoreApplication::translate("zq::SaveResult", "Could not save to %1: %2")
                    .arg(fullPath(fileName), failure),
                MessageIcon::Critical);
    return false;
}

// The tool's own sentence, and on a line of its own where the file is.
void reportSaved(QWidget *window, const QString &fileName, const QString &savedMessage) {
    ShowMessage(window, savedMessage + QLatin1Char('\n') + fullPath(fileName));
}

} // namespace

bool SaveResultText(QWidget *window, const QString &fileName, const QStringList &lines,
                    const QString &savedMessage) {
    const QString failure = appendResultRecord(fileName, lines);
    if (!failure.isEmpty())
        return reportFailure(window, fileName, failure);
    reportSaved(window, fileName, savedMessage);
    return true;
}

bool SaveResultLines(QWidget *window, const QString &fileName, qint64 lineCount,
                     const std::function<QStringList(qint64 first, qint64 count)> &lines,
                     const QString &savedMessage) {
    constexpr qint64 ChunkLines = 65536;
    QProgressDialog progress(QCoreApplication::translate("zq::SaveResult", "Saving..."),
                             QCoreApplication::translate("zq::SaveResult", "Cancel"), 0, 1000,
                             window);
    progress.setWindowTitle(ApplicationTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    for (qint64 first = 0; first < lineCount; first += ChunkLines) {
        const QString failure =
            appendResultRecord(fileName, lines(first, std::min(ChunkLines, lineCount - first)));
        if (!failure.isEmpty())
            return reportFailure(window, fileName, failure);
        progress.setValue(int(std::min<qint64>(999, (first + ChunkLines) * 1000 / lineCount)));
        if (progress.wasCanceled())
            return false;
    }
    progress.reset();
    reportSaved(window, fileName, savedMessage);
    return true;
}

QString SavedMessage() {
    return QCoreApplication::translate("zq::SaveResult", "Saved to the program's location.");
}

} // namespace zq
