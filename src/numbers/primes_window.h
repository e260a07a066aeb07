#pragma once

#include "common/tool_window.h"

#include <QString>

#include <cstdint>

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zq {

class LazyListView;
class PrimeTableModel;

// "Prime Factor Calculator".
class PrimeFactor : public ToolWindow {
    Q_OBJECT
public:
    explicit PrimeFactor(QWidget *parent = nullptr);

    QLineEdit *Text1;
    QPushButton *Command1;
    QPlainTextEdit *Text2;
    QLabel *Label1;
    QAction *Save;

public slots:
    void Command1_Click();
    void Save_Click();

private:
    QString m_savedVerdict; // the verdict shown, as the file keeps it: in English
};

// "Prime,Non-Prime Numbers": every number from 1 to N marked prime or non-prime. The list
// makes each line only when it is shown, so any N up to 2,147,483,647 shows at once.
class PrimeNonPrime : public ToolWindow {
    Q_OBJECT
public:
    explicit PrimeNonPrime(QWidget *parent = nullptr);

    QLineEdit *Text1;
    QPushButton *Command1;
    LazyListView *List1;
    QAction *Save;

public slots:
    void Command1_Click();
    void Save_Click();

private:
    PrimeTableModel *m_table;
};

// "Divisibility Calculator".
class Divisibility : public ToolWindow {
    Q_OBJECT
public:
    explicit Divisibility(QWidget *parent = nullptr);

    QLineEdit *Text1;
    QLineEdit *Text12;
    QLineEdit *Text5;
    QLabel *Label5;
    QPushButton *Command1;
    QPushButton *Command2;

public slots:
    void Command1_Click();
    void Command2_Click();
};

// "Divisibility Rules": fixed help text, closed by OK (Enter or Escape).
class DivisibilityRules : public ToolWindow {
    Q_OBJECT
public:
    explicit DivisibilityRules(QWidget *parent = nullptr);

    QLabel *Label1;
    QLabel *Label2;
    QPushButton *Command1;

public slots:
    void Command1_Click();
};

} // namespace zq
