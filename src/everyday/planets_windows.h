#pragma once

#include "common/tool_window.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zq {

// "Weight on Other Planets" and "Earth Year on Other Planets": one number over a table of
// bodies, a line a body.
class WeightPlanet : public ToolWindow {
    Q_OBJECT
public:
    explicit WeightPlanet(QWidget *parent = nullptr);
    QLineEdit *Text1;
    QPlainTextEdit *Text2;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

class YearsPlanet : public ToolWindow {
    Q_OBJECT
public:
    explicit YearsPlanet(QWidget *parent = nullptr);
    QLineEdit *Text1;
    QPlainTextEdit *Text2;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

} // namespace zq
