#pragma once

#include "common/tool_window.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zq {

// "Fuel Consumption Calculator", in single precision, US or metric.
class Mileage : public ToolWindow {
    Q_OBJECT
public:
    explicit Mileage(QWidget *parent = nullptr);
    QLineEdit *txtDistance, *txtFuel;
    QRadioButton *optKilometers, *optMiles, *optLiters, *optUsGallons;
    QPushButton *cmdCalculate;
    QPlainTextEdit *txtUsMpg, *txtKpl;
public slots:
    void optKilometers_Click();
    void optMiles_Click();
    void optLiters_Click();
    void optUsGallons_Click();
    void cmdCalculate_Click();
};

struct UtilityDesign;

// The water and the electricity consumption calculators: one tool, two sets of captions.
class UtilityConsumption : public ToolWindow {
    Q_OBJECT
public:
    UtilityConsumption(const UtilityDesign &design, QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

// Builds WaterConsumption or ElectricConsumption, or returns nullptr.
QWidget *createUtilityConsumption(const QString &windowName, QWidget *parent = nullptr);

class NaturalGas : public ToolWindow {
    Q_OBJECT
public:
    explicit NaturalGas(QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text6, *Text7, *Text5;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

class BassBoat : public ToolWindow {
    Q_OBJECT
public:
    explicit BassBoat(QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

} // namespace zq
