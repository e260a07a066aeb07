#pragma once

#include "common/tool_window.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zq {

// "Square (Root), Cube (Root) Calculator": recomputed as the user types.
class SquareCubeRoot : public ToolWindow {
    Q_OBJECT
public:
    explicit SquareCubeRoot(QWidget *parent = nullptr);
    QLabel *Label4;
    QLineEdit *Text1;
    QLabel *Label1;
    QLineEdit *Text2;
    QLabel *Label2;
    QLineEdit *Text3;
    QLabel *Label3;
    QLineEdit *Text4;
    QLabel *Label5;
    QLineEdit *Text5;
    QAction *Save;
public slots:
    void Text1_Change();
    void Save_Click();
};

// "nth Root Calculator": the degree small at the upper left of a drawn radical sign.
class nthRoot : public ToolWindow {
    Q_OBJECT
public:
    explicit nthRoot(QWidget *parent = nullptr);
    QLineEdit *Text2;
    QLabel *Label1;
    QLabel *Label2;
    QLineEdit *Text1;
    QLineEdit *Text3;
    QAction *Save;
public slots:
    void Text1_Change();
    void Text2_Change();
    void Save_Click();
};

// "% Percentage Calculator": the box whose option is selected is computed from the others.
class Percent : public ToolWindow {
    Q_OBJECT
public:
    explicit Percent(QWidget *parent = nullptr);
    QLineEdit *Text1;
    QLabel *Label1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QRadioButton *Option3;
    QRadioButton *Option2;
    QRadioButton *Option1;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

// "Division Operation": quotient and remainder laid out like a written long division.
class DivisionOperation : public ToolWindow {
    Q_OBJECT
public:
    explicit DivisionOperation(QWidget *parent = nullptr);
    QLineEdit *Text1;
    QLabel *Label2;
    QLineEdit *Text2;
    QLabel *Label3;
    QLineEdit *Text4;
    QLineEdit *Text3;
public slots:
    void Text1_Change();
    void Text2_Change();
    void Form_Activate();

protected:
    bool event(QEvent *event) override;
};

} // namespace zq
