#pragma once

#include "common/tool_window.h"
#include "geometry/shapes.h"

#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zq {

struct ShapeCalculatorDesign;

// The one window behind the perimeter, area and volume calculators: a shape list, up to three
// labelled inputs that follow the chosen shape, Calculate and the result.
class ShapeCalculator : public ToolWindow {
    Q_OBJECT
public:
    ShapeCalculator(const ShapeCalculatorDesign &design, QWidget *parent = nullptr);

    QComboBox *Combo1;
    QLabel *Label1;
    QLineEdit *Text1;
    QLabel *Label2;
    QLineEdit *Text2;
    QLineEdit *Text4; // shares Text2's place; only some solids use it
    QLabel *Label3;
    QLineEdit *Text3;
    QPushButton *Command1;
    QPlainTextEdit *Text5;
    QLabel *Label4 = nullptr; // the value of pi, where the formulas use it

public slots:
    void Form_Load();
    void Combo1_Click();
    void Command1_Click();

private:
    void showInputsOf(const Shape &shape);
    // The item chosen from the list, else the shape whose name is typed, in the interface
    // language or in English; nullptr for none.
    const Shape *chosenShape() const;
    const ShapeTable &m_table;
};

// Builds Perimeter, AreaCalculator or HacimOlcer, or returns nullptr.
QWidget *createShapeCalculator(const QString &windowName, QWidget *parent = nullptr);

// "Map Scale Calculator": distance on the map, real distance or scale from the other two.
class MapScale : public ToolWindow {
    Q_OBJECT
public:
    explicit MapScale(QWidget *parent = nullptr);

    QLineEdit *Text1;
    QLabel *Label1;
    QLineEdit *Text2;
    QLabel *Label2;
    QLineEdit *Text3;
    QLabel *Label3;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QPushButton *Command1;

public slots:
    void Command1_Click();
};

} // namespace zq
