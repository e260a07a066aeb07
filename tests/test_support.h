#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstdio>

// How long a wait may last before it counts as a hang: far beyond what a step takes, even
// under the sanitizers on a busy machine.
constexpr int HangBoundMs = 60000;

// Waits until a file that another process writes (into a part file renamed when complete)
// is there; false when it never came.
inline bool waitForFile(const QString &fileName) {
    const QDeadlineTimer deadline(HangBoundMs);
    while (!QFile::exists(fileName)) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
}

// Exact text of a double, so comparisons are to the last bit and failures are readable.
inline QByteArray exact(double x) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", x);
    return QByteArray(text);
}

// Pins the default locale for one test and restores it afterwards.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale &locale) : m_saved(QLocale()) {
        QLocale::setDefault(locale);
    }
    ~LocaleScope() { QLocale::setDefault(m_saved); }
    LocaleScope(const LocaleScope &) = delete;
    LocaleScope &operator=(const LocaleScope &) = delete;

private:
    QLocale m_saved;
};

inline QLocale pointLocale() {
    return QLocale(QLocale::English, QLocale::UnitedStates);
}
inline QLocale commaLocale() {
    return QLocale(QLocale::German, QLocale::Germany);
}

inline QByteArray fileContents(const QString &fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Writes a file of `size` bytes that repeat only rarely, and returns them ("" when it failed).
inline QByteArray writePatternedFile(const QString &fileName, qint64 size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char(i * 131 + i / 7);
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == size ? bytes : QByteArray();
}

// Makes a fresh temporary folder the working folder for as long as it lives.
class TemporaryWorkingFolder {
public:
    TemporaryWorkingFolder() : m_saved(QDir::currentPath()) { QDir::setCurrent(m_folder.path()); }
    ~TemporaryWorkingFolder() { QDir::setCurrent(m_saved); }
    TemporaryWorkingFolder(const TemporaryWorkingFolder &) = delete;
    TemporaryWorkingFolder &operator=(const TemporaryWorkingFolder &) = delete;

private:
    QTemporaryDir m_folder;
    QString m_saved;
};
