#pragma once

#include "common/tool_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zq {

// "Sum of Numbers N to N".
class Sum1toN : public ToolWindow {
    Q_OBJECT
public:
    explicit Sum1toN(QWidget *parent = nullptr);
    QLineEdit *Text1;
    QLineEdit *Text2;
    QPushButton *Command1;
    QLineEdit *Text3;
    QLabel *Label3;
public slots:
    void Command1_Click();
};

// "Product of Numbers N to N".
class MultipleNtoN : public ToolWindow {
    Q_OBJECT
public:
    explicit MultipleNtoN(QWidget *parent = nullptr);
    QLineEdit *Text1;
    QLineEdit *Text2;
    QPushButton *Command1;
    QLineEdit *Text3;
    QLabel *Label1;
public slots:
    void Command1_Click();
};

// "Sum or Difference of Cubes".
class SumDifferenceCubes : public ToolWindow {
    Q_OBJECT
public:
    explicit SumDifferenceCubes(QWidget *parent = nullptr);
    QLineEdit *Text1;
    QComboBox *Combo1;
    QLineEdit *Text2;
    QPushButton *Command1;
    QLineEdit *Text3;
public slots:
    void Form_Load();
    void Command1_Click();
};

} // namespace zq
