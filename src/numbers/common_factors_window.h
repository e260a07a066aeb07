#pragma once

#include "common/tool_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zq {

// The three two-number windows share one frame: Text1 and Text2 in, Calculate, Text3 out.
class TwoNumberWindow : public ToolWindow {
    Q_OBJECT
public:
    QLineEdit *Text1;
    QLineEdit *Text2;
    QPushButton *Command1;
    QLineEdit *Text3;

public slots:
    void Command1_Click();

protected:
    TwoNumberWindow(const char *name, const QString &title, QWidget *parent);
    // The result text for the two numbers; throws CalcError when there is none.
    virtual QString result(double first, double second) const = 0;
};

// "Greatest Common Factor Calculator".
class GreatestCommon : public TwoNumberWindow {
    Q_OBJECT
public:
    explicit GreatestCommon(QWidget *parent = nullptr);

protected:
    QString result(double first, double second) const override;
};

// "Least Common Multiple Calculator".
class LeastCommon : public TwoNumberWindow {
    Q_OBJECT
public:
    explicit LeastCommon(QWidget *parent = nullptr);

protected:
    QString result(double first, double second) const override;
};

// "Simplifying Fractions Calculator": Text1 over Text2 with a fraction bar between them.
class SimplifyingFraction : public TwoNumberWindow {
    Q_OBJECT
public:
    explicit SimplifyingFraction(QWidget *parent = nullptr);

    QLabel *Label1;

protected:
    QString result(double first, double second) const override;
};

} // namespace zq
