#pragma once

#include "common/tool_window.h"
#include "everyday/stopwatch.h"

#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace zq {

// "Hijri to Gregorian": a date converted between the two calendars.
class Hijri : public ToolWindow {
    Q_OBJECT
public:
    explicit Hijri(QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2, *Text3, *Text4;
    QRadioButton *Option1, *Option2;
    QPushButton *Command1;
    QLabel *Label4;
    QAction *Save;
public slots:
    void Command1_Click();
    void Save_Click();
};

// "Date Calculator": days from one date to another.
class DateCalculate : public ToolWindow {
    Q_OBJECT
public:
    explicit DateCalculate(QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2, *Text3;
    QPushButton *Command2;
    QLabel *Label4;
public slots:
    void Command2_Click();
};

// "Birthday Calculator": age in years, months and days and in several units, and the weekday.
class Birthday : public ToolWindow {
    Q_OBJECT
public:
    explicit Birthday(QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2, *Text3;
    QPlainTextEdit *Text4;
    QPushButton *Command1;
    QLabel *Label4;
public slots:
    void Command1_Click();
};

// "Zodiac Calculator": the sign of a day and month.
class Burclar : public ToolWindow {
    Q_OBJECT
public:
    explicit Burclar(QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2, *Text3;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

// "Stopwatch": hours, minutes, seconds and 64ths of a second. The count follows a monotonic
// clock, so a busy machine delays the display but never loses time.
class Stopwatch : public ToolWindow {
    Q_OBJECT
public:
    explicit Stopwatch(QWidget *parent = nullptr);
    QPushButton *Command1, *Command2, *Command3;
    QLabel *Label1, *Label2, *Label3, *Label4;
    QTimer *Timer1;

    // The clock in nanoseconds; tests put in a clock of their own.
    void setClock(std::function<qint64()> nanoseconds);

public slots:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Timer1_Timer();

private:
    void showTexts(const QStringList &texts);
    std::function<qint64()> m_clock;
    qint64 m_ticksBefore = 0; // counted before the latest start
    qint64 m_startedAt = 0;   // the clock at the latest start
};

} // namespace zq
