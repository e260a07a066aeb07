#pragma once

#include "common/tool_window.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zq {

struct ProgressionTerms;

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

} // namespace zq
