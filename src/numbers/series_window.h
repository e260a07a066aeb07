#pragma once

#include "common/tool_window.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace zq {

struct ProgressionTerms;

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

// The arithmetic and geometric progression windows: first term, step, number of terms.
class ProgressionWindow : public ToolWindow {
    Q_OBJECT
public:
    QLabel *Label1;
    QLineEdit *Text1;
    QLabel *Label2;
    QLineEdit *Text2;
    QLabel *Label3;
    QLineEdit *Text3;
    QPushButton *Command1;
    QListWidget *List1;
    QLabel *Label4;
    QAction *Save;
public slots:
    void Command1_Click();
    void Save_Click();

protected:
    ProgressionWindow(const char *name, const QString &title, const QString &stepCaption,
                      const QString &fileName, QWidget *parent);
    virtual ProgressionTerms terms(double first, double step, double count) const = 0;
    virtual QString sumText(double first, double step, double count) const = 0;

private:
    QString m_fileName;
};

// "Arithmetic Progression Calculator".
class ArithmeticProgression : public ProgressionWindow {
    Q_OBJECT
public:
    explicit ArithmeticProgression(QWidget *parent = nullptr);

protected:
    ProgressionTerms terms(double first, double step, double count) const override;
    QString sumText(double first, double step, double count) const override;
};

// "Geometric Progression Calculator".
class GeometricProgression : public ProgressionWindow {
    Q_OBJECT
public:
    explicit GeometricProgression(QWidget *parent = nullptr);

protected:
    ProgressionTerms terms(double first, double step, double count) const override;
    QString sumText(double first, double step, double count) const override;
};

// "Fibonacci Calculator".
class fibonacci : public ToolWindow {
    Q_OBJECT
public:
    explicit fibonacci(QWidget *parent = nullptr);
    QLineEdit *Text1;
    QPushButton *Command1;
    QLineEdit *Text2;
    QLabel *Label1;
public slots:
    void Command1_Click();
};

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
