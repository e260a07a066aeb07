#pragma once

#include "text/text_encoding.h"

#include <QString>

#include <initializer_list>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The parts the text tools' windows share: boxes for code-like text, the row of buttons below
// them, and the choice of encoding.
namespace zq {

// Boxes for code-like text: long lines wrap anywhere rather than run off the side.
QPlainTextEdit *CodeBox(const char *name, QWidget *parent, int width = 4800, int height = 1800);
QPlainTextEdit *CodeResultBox(const char *name, QWidget *parent, int width = 4800,
                              int height = 1800);

// Enter starts a new line in these boxes, so the buttons sit below them, centred on a new row.
QHBoxLayout *ButtonRow(QGridLayout *grid, std::initializer_list<QPushButton *> buttons);

// The choice of encoding: a caption and a list showing the remembered encoding; a new choice
// is remembered for every text tool.
QComboBox *EncodingChoice(QWidget *window, QLabel *&caption);
// The caption and the list side by side.
QHBoxLayout *EncodingRow(QLabel *caption, QComboBox *choice);
TextEncoding ChosenEncoding(const QComboBox *choice);

// What an encoding cannot do with a text, as its box is marked; the message box says more.
QString UnencodableMark(TextEncoding encoding);
QString NotDecodableMark(TextEncoding encoding);
void MarkUnencodable(QWidget *box, TextEncoding encoding);

} // namespace zq
