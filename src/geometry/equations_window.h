#pragma once

#include "common/tool_window.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zq {

// "Equation Solver": a·x ∘ b = c worked out in five lines.
class EquationSolver : public ToolWindow {
    Q_OBJECT
public:
    explicit EquationSolver(QWidget *parent = nullptr);

    QLineEdit *Text4;
    QLabel *Label2;
    QComboBox *Combo1;
    QLineEdit *Text3;
    QLabel *Label1;
    QLineEdit *Text2;
    QPushButton *Command1;
    QPlainTextEdit *Text1;
    QAction *save;

public slots:
    void Form_Load();
    void Command1_Click();
    void save_Click();
};

// "Quadratic Equation Solver": a·x² + b·x + c = k; only digits and minus signs stay typed.
class QuadraticEq : public ToolWindow {
    Q_OBJECT
public:
    explicit QuadraticEq(QWidget *parent = nullptr);

    QLabel *Label6;
    QLabel *Label8;
    QLabel *Label9;
    QLineEdit *txtA;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLineEdit *txtB;
    QLabel *Label4;
    QLabel *Label5;
    QLineEdit *txtC;
    QLabel *Label7;
    QLineEdit *txtNum;
    QPushButton *cmdSolve;
    QLabel *lblState;
    QLabel *lblRoot1;
    QLabel *lblRoot2;
    QLabel *lblDoubleRoot;

public slots:
    void cmdSolve_Click();
    void txtA_Change();
    void txtB_Change();
    void txtC_Change();
    void txtNum_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void keepDigitsAndMinus(QLineEdit *box);
    bool m_filtering = false;
};

// "Simultaneous Equation Solver": two linear equations in x and y by Cramer's rule.
class Simultaneous : public ToolWindow {
    Q_OBJECT
public:
    explicit Simultaneous(QWidget *parent = nullptr);

    QLineEdit *txtA;
    QLineEdit *txtB;
    QLineEdit *txtH;
    QLineEdit *txtC;
    QLineEdit *txtD;
    QLineEdit *txtK;
    QPushButton *cmdCalculate;
    QLabel *Label12;
    QLabel *lblSolutionX;
    QLabel *Label13;
    QLabel *lblSolutionY;

public slots:
    void cmdCalculate_Click();
};

} // namespace zq
