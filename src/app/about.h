#pragma once

#include "common/tool_window.h"

class QLineEdit;
class QPushButton;

namespace zq {

class ClickLabel;

class About : public ToolWindow {
    Q_OBJECT
public:
    explicit About(QWidget *parent = nullptr);

    ClickLabel *Label1;
    ClickLabel *Label5;
    ClickLabel *Label4;
    ClickLabel *Label3;
    QLineEdit *Text1;
    ClickLabel *Label2;
    QPushButton *Command1;

public slots:
    void Label5_DblClick();
    void Label4_Click();
    void Label2_Click();
    void Command1_Click();
};

} // namespace zq
