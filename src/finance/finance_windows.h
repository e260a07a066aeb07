#pragma once

#include "common/tool_window.h"

class QLineEdit;
class QPushButton;

namespace zq {

// "Auto Loan Calculator": the monthly payment, rounded, and the total built from it.
class AutoLoan : public ToolWindow {
    Q_OBJECT
public:
    explicit AutoLoan(QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

// "Mortgage Calculator": payment, total and interest in the grouped two-decimal form.
class Mortgage : public ToolWindow {
    Q_OBJECT
public:
    explicit Mortgage(QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

// "Financial Lease Calculator": the payment with a residual value, and the total of the
// unrounded payments.
class FinancialLease : public ToolWindow {
    Q_OBJECT
public:
    explicit FinancialLease(QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

class CompoundInterest : public ToolWindow {
    Q_OBJECT
public:
    explicit CompoundInterest(QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2, *Text3, *Text4;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

class SimpleInterest : public ToolWindow {
    Q_OBJECT
public:
    explicit SimpleInterest(QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2, *Text3, *Text5, *Text4;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

class Depreciation : public ToolWindow {
    Q_OBJECT
public:
    explicit Depreciation(QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

class GrowthRate : public ToolWindow {
    Q_OBJECT
public:
    explicit GrowthRate(QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2, *Text3, *Text4;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

// "Profit Calculator": gross profit, then cost and mark-up from the rounded boxes.
class Profit : public ToolWindow {
    Q_OBJECT
public:
    explicit Profit(QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

} // namespace zq
