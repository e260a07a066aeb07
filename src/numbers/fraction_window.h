#pragma once

#include "common/tool_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zq {

// "Fraction Calculator": two mixed fractions and an operator, worked out and reduced.
class FractionMix : public ToolWindow {
    Q_OBJECT
public:
    explicit FractionMix(QWidget *parent = nullptr);

    QLineEdit *Text6;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QComboBox *Combo1;
    QLineEdit *Text7;
    QLineEdit *Text3;
    QLineEdit *Text4;
    QPushButton *Command1;
    QPlainTextEdit *Text5;

public slots:
    void Form_Load();
    void Command1_Click();
};

// "Fraction Equation Solver": A/B = C/D with one term "x".
class FractionEquality : public ToolWindow {
    Q_OBJECT
public:
    explicit FractionEquality(QWidget *parent = nullptr);

    QLineEdit *Text1;
    QLineEdit *Text2;
    QLabel *Label2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    QPushButton *Command1;
    QPlainTextEdit *Text5;
    QPushButton *Command2;
    QPushButton *Command3;

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
};

} // namespace zq
