#pragma once

#include <QByteArray>
#include <QString>

namespace zq {

// The single-byte code page of every file the program writes or reads: Windows-1252.
// A character the code page cannot represent becomes "?".
QByteArray toCodePage(const QString &text);
QString fromCodePage(const QByteArray &bytes);

// The position of the first character the code page cannot represent, or -1.
qsizetype firstOutsideCodePage(const QString &text);

} // namespace zq
