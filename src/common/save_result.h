#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace zq {

// Appends the lines to the named file in the current working folder and shows the tool's saved
// message; a failed write shows a critical message naming the file and the reason instead.
// Returns whether the record was written.
bool SaveResultText(QWidget *window, const QString &fileName, const QStringList &lines,
                    const QString &savedMessage);

} // namespace zq
