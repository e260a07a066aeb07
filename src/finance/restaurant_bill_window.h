#pragma once

#include "common/tool_window.h"

#include <QString>

#include <map>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace zq {

// "Restaurant Bill Calculator": tick what was ordered, type quantities and prices, add a tip or
// take a discount, and total. Shown beside the main window; Escape does not close it.
class MenuTracking : public ToolWindow {
    Q_OBJECT
public:
    explicit MenuTracking(QWidget *parent = nullptr);

    // The menu rows' controls by number: Check1..Check29, Text3..Text54.
    QCheckBox *menuCheck(int number) const { return m_checks.at(number); }
    QLineEdit *menuBox(int number) const { return m_boxes.at(number); }

    QCheckBox *Check30; // service tipping
    QLineEdit *Text55;
    QCheckBox *Check6; // discount
    QLineEdit *Text59;
    QCheckBox *Check31, *Check32, *Check33; // $, €, TL
    QLineEdit *Text1;                       // the total
    QLineEdit *Text2;                       // discounted or not
    QLineEdit *TextMasaNo;
    QLabel *Label4; // date and time
    // Hidden, as they always were: the sum (twice), the currency and the last record saved,
    // written for whoever reads them; the window keeps these in members of its own.
    QLineEdit *Text56, *Text57, *Text58, *Text100;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5;
    QTimer *Timer1;

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Check30_Click();
    void Check6_Click();
    void Check31_Click();
    void Check32_Click();
    void Check33_Click();
    void Timer1_Timer();

private:
    void chooseCurrency(QCheckBox *chosen);
    void keepSum(const QString &sum);
    QString m_currency; // the symbol ticked last
    QString m_sum;      // the sum of the last total, before a tip or discount
    std::map<int, QCheckBox *> m_checks;
    std::map<int, QLineEdit *> m_boxes;
};

// "Bill Summary": the saved bills, a line an entry.
class MenuTrackingALT : public ToolWindow {
    Q_OBJECT
public:
    explicit MenuTrackingALT(QWidget *parent = nullptr);
    QListWidget *List1;
    QPushButton *Command1;
public slots:
    void Form_Load();
    void Command1_Click();
};

} // namespace zq
