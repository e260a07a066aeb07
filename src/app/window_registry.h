#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace zq {

// Builds the named window as a fresh opening does (its Form_Load has run) without showing it;
// an unknown name gives nullptr.
QWidget *createWindow(const QString &windowName, QWidget *parent = nullptr);

// Every window name createWindow knows.
QStringList windowNames();

} // namespace zq
