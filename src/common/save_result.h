#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace zq {

// The saved message most tools show.
QString SavedMessage();

// Appends the lines to the named file in the current working folder and shows the tool's saved
// message with the file's full path on a second line; a failed write shows a critical message
// naming the file and the reason instead. Returns whether the record was written.
bool SaveResultText(QWidget *window, const QString &fileName, const QStringList &lines,
                    const QString &savedMessage);

// Saves a long list of lines in chunks (each chunk one record write), made on demand by
// lines(first, count); a progress dialog with Cancel appears when it takes long, and Cancel
// stops after the chunk being written, without a message. Returns whether all was written.
bool SaveResultLines(QWidget *window, const QString &fileName, qint64 lineCount,
                     const std::function<QStringList(qint64 first, qint64 count)> &lines,
                     const QString &savedMessage);

} // namespace zq
