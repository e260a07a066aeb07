#pragma once

#include "common/tool_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zq {

// "BMI Calculator": metric or English, the weight category marked in colour.
class BodyMass : public ToolWindow {
    Q_OBJECT
public:
    explicit BodyMass(QWidget *parent = nullptr);
    QCheckBox *Check1, *Check2;
    QLineEdit *Text1, *Text2, *Text4, *Text3;
    QLabel *Label1, *Label2, *Label8, *Label7;
    QLabel *lblInches;                         // the inches box's caption, shown with it
    QLabel *Label3, *Label4, *Label5, *Label6; // the categories
    QPushButton *Command1;
public slots:
    void Check1_Click();
    void Check2_Click();
    void Command1_Click();
};

class BodySurface : public ToolWindow {
    Q_OBJECT
public:
    explicit BodySurface(QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2, *Text3;
    QLabel *Label4;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

class Creatinine : public ToolWindow {
    Q_OBJECT
public:
    explicit Creatinine(QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2, *Text3, *Text4;
    QRadioButton *Option1, *Option2;
    QLabel *Label5;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

class HeartRate : public ToolWindow {
    Q_OBJECT
public:
    explicit HeartRate(QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2;
    QRadioButton *Option1, *Option2;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

// "Heat Index Calculator" in °C or °F, with the list of caution levels of the unit.
class HeatIndex : public ToolWindow {
    Q_OBJECT
public:
    explicit HeatIndex(QWidget *parent = nullptr);
    QRadioButton *Option1, *Option2;
    QLineEdit *Text1, *Text2, *Text3;
    QLabel *Label4;
    QPushButton *Command1;
public slots:
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
};

class WindChill : public ToolWindow {
    Q_OBJECT
public:
    explicit WindChill(QWidget *parent = nullptr);
    QRadioButton *Option1, *Option2;
    QLineEdit *Text1, *Text2, *Text3;
    QLabel *Label2;
    QPushButton *Command1;
public slots:
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
};

} // namespace zq
