#pragma once

#include "common/tool_window.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zq {

// "Hexadecimal to Decimal": either way, chosen by the two options.
class HexDecA : public ToolWindow {
    Q_OBJECT
public:
    explicit HexDecA(QWidget *parent = nullptr);

    QRadioButton *Option1;
    QRadioButton *Option2;
    QLineEdit *Text1;
    QPushButton *Command1;
    QPlainTextEdit *Text2;

public slots:
    void Command1_Click();
};

// "Binary to Number": one box holds the input before and the result after converting.
class Binary : public ToolWindow {
    Q_OBJECT
public:
    explicit Binary(QWidget *parent = nullptr);

    QRadioButton *Option1;
    QRadioButton *Option2;
    QLabel *Label1;
    QPushButton *Command1;
    QPlainTextEdit *Text1;

public slots:
    void Command1_Click();
};

// "Seconds to Minutes to Hours".
class SecondsMin : public ToolWindow {
    Q_OBJECT
public:
    explicit SecondsMin(QWidget *parent = nullptr);

    QLineEdit *Text1;
    QPushButton *Command1;
    QLineEdit *Text2;

public slots:
    void Command1_Click();
};

} // namespace zq
