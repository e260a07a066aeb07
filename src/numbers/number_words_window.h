#pragma once

#include "common/tool_window.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zq {

// "Numbers to String": a number in English or Turkish words.
class NumbersEnglish : public ToolWindow {
    Q_OBJECT
public:
    explicit NumbersEnglish(QWidget *parent = nullptr);
    QLineEdit *Text1;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QPushButton *Command1;
    QPlainTextEdit *Text2;
public slots:
    void Command1_Click();
};

// "Numbers to Roman".
class Roman : public ToolWindow {
    Q_OBJECT
public:
    explicit Roman(QWidget *parent = nullptr);
    QLineEdit *Text1;
    QPushButton *Command1;
    QLineEdit *Text2;
public slots:
    void Command1_Click();
};

} // namespace zq
