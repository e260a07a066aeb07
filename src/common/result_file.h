#pragma once

#include <QString>
#include <QStringList>

namespace zq {

// Appends one record to a result file in the current working folder: each line ended by CR LF,
// encoded in the code page, in a single write; the file is created when missing. Returns an
// empty text on success, otherwise the reason the record could not be written (the file is
// then left as it was).
QString appendResultRecord(const QString &fileName, const QStringList &lines);

} // namespace zq
