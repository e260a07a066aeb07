#pragma once

#include "common/tool_window.h"
#include "text/digests.h"

#include <span>

class QAction;
class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zq {

// The digest windows: the digest of the typed text, in the encoding chosen, or of a file
// picked or dropped on the window.
class DigestWindow : public ToolWindow {
    Q_OBJECT
public:
    DigestWindow(DigestKind kind, const char *name, const char *title, QWidget *parent);
    QLineEdit *Text1, *Text2;
    QPushButton *Command1, *cmdFile;
    QLabel *lblEncoding, *lblSource;
    QComboBox *cmbEncoding;
    // Works out the digest of a file, with a progress bar and Cancel when it takes a while.
    void hashFile(const QString &fileName);
public slots:
    void Command1_Click();
    void cmdFile_Click();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    DigestKind m_kind;
};

// "MD5 Hash Calculator".
class MD5Ch : public DigestWindow {
    Q_OBJECT
public:
    explicit MD5Ch(QWidget *parent = nullptr);
};

// "SHA256 Hash Calculator".
class SHA256 : public DigestWindow {
    Q_OBJECT
public:
    explicit SHA256(QWidget *parent = nullptr);
};

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
