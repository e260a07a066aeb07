#pragma once

#include "common/tool_window.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zq {

// "Base64 to String": either way.
class Base64String : public ToolWindow {
    Q_OBJECT
public:
    explicit Base64String(QWidget *parent = nullptr);
    QPlainTextEdit *Text1, *Text2;
    QRadioButton *Option1, *Option2;
    QPushButton *Command1;
    QLabel *lblEncoding;
    QComboBox *cmbEncoding;
public slots:
    void Command1_Click();
};

// "Hex to ASCII": converts its one box in place, either way.
class hex2ascii : public ToolWindow {
    Q_OBJECT
public:
    explicit hex2ascii(QWidget *parent = nullptr);
    QPlainTextEdit *Text1;
    QRadioButton *Option1, *Option2;
    QPushButton *Command1, *Command2;
    QLabel *lblEncoding;
    QComboBox *cmbEncoding;
public slots:
    void Command1_Click();
    void Command2_Click();
};

// "Adsense Code Converter for Blogger": escapes a pasted ad code in place.
class AdsenseCC : public ToolWindow {
    Q_OBJECT
public:
    explicit AdsenseCC(QWidget *parent = nullptr);
    QPlainTextEdit *Text1;
    QPushButton *Command1, *Command2;
public slots:
    void Command1_Click();
    void Command2_Click();
};

// "Reverse the String".
class Reverse : public ToolWindow {
    Q_OBJECT
public:
    explicit Reverse(QWidget *parent = nullptr);
    QPlainTextEdit *Text1, *Text2;
    QPushButton *Command1;
public slots:
    void Command1_Click();
};

// "Character Number Calculator": all characters, or one character's occurrences.
class CharacterNumber : public ToolWindow {
    Q_OBJECT
public:
    explicit CharacterNumber(QWidget *parent = nullptr);
    QLabel *Label1, *Label3;
    QPlainTextEdit *Text1;
    QGroupBox *Frame1;
    QLineEdit *Text2, *Text3;
    QPushButton *Command1, *Command2;
    QLabel *lblEncoding;
    QComboBox *cmbEncoding;
public slots:
    void Command1_Click();
    void Command2_Click();
};

} // namespace zq
