#pragma once

#include "common/tool_window.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zq {

// "Sine,Cosine,Tangent,Arc-Cotangent": five values of one angle in radians.
class SinCosinTan : public ToolWindow {
    Q_OBJECT
public:
    explicit SinCosinTan(QWidget *parent = nullptr);

    QLineEdit *Text1;
    QLabel *Label1;
    QPushButton *Command1;
    QPlainTextEdit *Text2;

public slots:
    void Command1_Click();
};

// "Hypotenuse Calculator": the legs typed beside a drawn right triangle.
class Hypotenuse : public ToolWindow {
    Q_OBJECT
public:
    explicit Hypotenuse(QWidget *parent = nullptr);

    QLineEdit *Text1;
    QLineEdit *Text2;
    QLabel *Label1;
    QPushButton *Command1;

public slots:
    void Command1_Click();
};

} // namespace zq
