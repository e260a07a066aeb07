#pragma once

#include "common/tool_window.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zq {

// "Temperature Converter": one value on one scale to all seven others.
class FahrenheitC : public ToolWindow {
    Q_OBJECT
public:
    explicit FahrenheitC(QWidget *parent = nullptr);

    QLineEdit *Text2;
    QComboBox *Combo1;
    QPlainTextEdit *Text1;
    QPushButton *Command1;

public slots:
    void Form_Load();
    void Command1_Click();
};

} // namespace zq
