#pragma once

#include <QString>

class QLineEdit;
class QPlainTextEdit;

namespace zq {

// Reads a converter's input box: every "," becomes "." in the box itself (the user sees the
// change), then the trimmed text is read with ParseNumber.
double ReadNumberField(QLineEdit *textBox);

// Engines see line breaks as CR LF; a multi-line text box holds LF.
QString toEngineLineBreaks(const QString &boxText);
QString toBoxLineBreaks(const QString &engineText);

QString multiLineText(const QPlainTextEdit *textBox);
void setMultiLineText(QPlainTextEdit *textBox, const QString &engineText);

} // namespace zq
