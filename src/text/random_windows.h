#pragma once

#include "common/tool_window.h"

#include <span>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zq {

// "Random Password Generator".
class RandomNumber : public ToolWindow {
    Q_OBJECT
public:
    explicit RandomNumber(QWidget *parent = nullptr);
    QComboBox *Combo1;
    QLabel *Label1;
    QLineEdit *Text2;
    QPushButton *Command1;
    QPlainTextEdit *Text1;
    QAction *Save;
public slots:
    void Form_Load();
    void Command1_Click();
    void Save_Click();
};

// "Random Lottery Numbers Generator": one ticket for each of three games.
class Lotto : public ToolWindow {
    Q_OBJECT
public:
    explicit Lotto(QWidget *parent = nullptr);
    QLabel *numberLabel(int number) const; // Label1..Label13, Label25..Label30
    QPushButton *Command1;
    QAction *Save;
public slots:
    void Command1_Click();
    void Save_Click();

private:
    QStringList texts(std::span<const int> labels) const;
    void showNumbers(std::span<const int> labels, const int *numbers);
    QLabel *m_labels[31] = {};
};

} // namespace zq
