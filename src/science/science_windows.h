#pragma once

#include "common/tool_window.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zq {

// "Relative Atomic Mass Calculator": the mass of an element or a formula, result lines the user
// can keep in a second list.
class RAMfrm : public ToolWindow {
    Q_OBJECT
public:
    explicit RAMfrm(QWidget *parent = nullptr);
    QLineEdit *txtForm;
    QPushButton *cmdElem, *cmdComp;
    QListWidget *lstResults, *lstImportant;
    QAction *Save, *AtomNo;
public slots:
    void cmdElem_Click();
    void cmdComp_Click();
    void lstResults_DblClick();
    void lstImportant_DblClick();
    void Save_Click();
    void AtomNo_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// "Atomic Numbers of Elements".
class RAMAtomNo : public ToolWindow {
    Q_OBJECT
public:
    explicit RAMAtomNo(QWidget *parent = nullptr);
    QPlainTextEdit *Text1;
};

// "Resistor Color Code Calculator".
class ResistorColor : public ToolWindow {
    Q_OBJECT
public:
    explicit ResistorColor(QWidget *parent = nullptr);
    QListWidget *List1, *List2, *List3, *List4;
    QPushButton *Command1;
    QPlainTextEdit *Text1;
    QLabel *Label1;
    QLineEdit *Text2;
public slots:
    void Form_Load();
    void Command1_Click();
};

// "Ohm's Law Calculator": the chosen one of volts, amperes and ohms from the other two.
class OhmLaw : public ToolWindow {
    Q_OBJECT
public:
    explicit OhmLaw(QWidget *parent = nullptr);
    QLineEdit *Text1, *Text2, *Text3;
    QRadioButton *Option3, *Option2, *Option1;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

// "Electrical Calculators": 23 formulas chosen from a list.
class Electrical : public ToolWindow {
    Q_OBJECT
public:
    explicit Electrical(QWidget *parent = nullptr);
    QComboBox *Combo1;
    QLabel *Label1, *Label2, *Label3;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5;
    QPushButton *Command1;
public slots:
    void Form_Load();
    void Combo1_Click();
    void Command1_Click();
};

} // namespace zq
