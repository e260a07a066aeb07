#include "common/result_file.h"

#include "common/code_page.h"

#include <QFile>

namespace zq {

QString appendResultRecord(const QString &fileName, const QStringList &lines) {
    QString record;
    for (const QString &line : lines) {
        record += line;
        record += QLatin1String("\r\n");
    }
    const QByteArray bytes = toCodePage(record);

    QFile file(fileName);
    const bool existed = file.exists();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return file.errorString();
    const qint64 sizeBefore = file.size();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.resize(sizeBefore); // no half record stays behind
        file.close();
        if (!existed)
            file.remove();
        return reason;
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return {};
}

} // namespace zq
