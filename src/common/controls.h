#pragma once

#include "common/tool_window.h"

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zq {

// The controls tool windows are made of, each created with its name.
QPushButton *CommandButton(const QString &caption, const char *name, QWidget *parent);
QLineEdit *TextBox(const char *name, QWidget *parent, int maxLength = 0);
QPlainTextEdit *MultiLineBox(const char *name, QWidget *parent, int widthTwips, int heightTwips);
QLabel *Caption(const QString &text, const char *name, QWidget *parent);
// A combo box whose text can be typed; typed text never becomes a new item.
QComboBox *EditableComboBox(const char *name, QWidget *parent);
QRadioButton *OptionButton(const QString &caption, const char *name, QWidget *parent);

} // namespace zq
