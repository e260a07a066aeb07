#pragma once

#include <QString>

class QLineEdit;
class QPlainTextEdit;

namespace zq {

// Reads a converter's input box: every "," becomes "." in the box itself (the user sees the
// change), then the trimmed text is read with ParseNumber.
double ReadNumberField(QLineEdit *textBox);

// The box's whole text as one number (ParseNumberStrict): throws CalcError otherwise.
double ReadStrictNumber(const QLineEdit *textBox);
// Writes a number into a box in the general number format.
void ShowNumber(QLineEdit *textBox, double value);

// Engines see line breaks as CR LF; a multi-line text box holds LF.
QString toEngineLineBreaks(const QString &boxText);
QString toBoxLineBreaks(const QString &engineText);

QString multiLineText(const QPlainTextEdit *textBox);
void setMultiLineText(QPlainTextEdit *textBox, const QString &engineText);

} // namespace zq
