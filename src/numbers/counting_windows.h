#pragma once

#include "common/tool_window.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace zq {

// "Factorial Calculator".
class Factorial : public ToolWindow {
    Q_OBJECT
public:
    explicit Factorial(QWidget *parent = nullptr);
    QLineEdit *Text1;
    QLabel *Label1;
    QLabel *Label2;
    QPushButton *Command1;
    QLineEdit *Text2;
public slots:
    void Command1_Click();
};

// "Pascal's Triangle Calculator": resizable, the rows in a box that grows with the window.
class Pascal : public ToolWindow {
    Q_OBJECT
public:
    explicit Pascal(QWidget *parent = nullptr);
    QLineEdit *Text1;
    QPushButton *Command1;
    QPlainTextEdit *Text2;
    QLabel *Label2;
    QAction *Save;
public slots:
    void Command1_Click();
    void Save_Click();
};

// "Multiplication Table": the hundred products of 1 to 10.
class MultiplicationTable : public ToolWindow {
    Q_OBJECT
public:
    explicit MultiplicationTable(QWidget *parent = nullptr);
    QListWidget *List1;
public slots:
    void Form_Load();
};

// "Combination & Permutation Calculator".
class KombiPermu : public ToolWindow {
    Q_OBJECT
public:
    explicit KombiPermu(QWidget *parent = nullptr);
    QLabel *Label1;
    QLineEdit *Text1;
    QLabel *Label2;
    QLineEdit *Text2;
    QPushButton *Command1;
    QPushButton *Command2;
    QLineEdit *Text3;
public slots:
    void Command1_Click();
    void Command2_Click();

private:
    void showCount(double (*count)(double n, double r));
};

} // namespace zq
