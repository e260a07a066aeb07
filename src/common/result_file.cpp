#include "common/result_file.h"

#include "common/code_page.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/file.h>
#endif

namespace zq {
namespace {

// Holds the file for this program alone while a record goes in, so that another program
// appending at the same time cannot slip in between measuring the file and writing to it.
class ExclusiveAppend {
public:
    explicit ExclusiveAppend([[maybe_unused]] int handle) {
#ifdef Q_OS_UNIX
        m_handle = handle;
        while (flock(m_handle, LOCK_EX) == -1 && errno == EINTR) {
        }
#endif
    }
    ~ExclusiveAppend() {
#ifdef Q_OS_UNIX
        flock(m_handle, LOCK_UN);
#endif
    }
    ExclusiveAppend(const ExclusiveAppend &) = delete;
    ExclusiveAppend &operator=(const ExclusiveAppend &) = delete;

private:
    [[maybe_unused]] int m_handle = -1;
};

} // namespace

QString appendResultRecord(const QString &fileName, const QStringList &lines) {
    QString record;
    for (const QString &line : lines) {
        record += line;
        record += QLatin1String("\r\n");
    }
    const QByteArray bytes = toCodePage(record);

    QFile file(fileName);
    const bool existed = file.exists();
    // Unbuffered: the record goes to the file in one write, and nothing is left in a buffer
    // that would stand in the way of taking a failed record back out.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return file.errorString();
    const ExclusiveAppend exclusive(file.handle());
    const qint64 sizeBefore = file.size();
    if (file.write(bytes) != bytes.size()) {
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
