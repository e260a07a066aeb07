#include "text/encoder_windows.h"

#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/messages.h"
#include "common/text_boxes.h"
#include "common/window_access.h"
#include "text/encoders.h"
#include "text/text_window_parts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>

namespace zq {
namespace {

void caretToEnd(QPlainTextEdit *box) {
    box->setFocus();
    box->moveCursor(QTextCursor::End);
}

// Longer lines take a text box a noticeable time to lay out (about half a second a megabyte).
constexpr qsizetype LongestBase64Line = 1 << 16;

} // namespace

Base64String::Base64String(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "Base64String", tr("Base64 to String"));
    DescribeBoxes(this, {{"Text1", tr("Text to convert")}, {"Text2", tr("Converted text")}});
    Text1 = CodeBox("Text1", this);
    Text2 = CodeResultBox("Text2", this);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0, 1, 2);
    OptionPair(this, {grid, grid->rowCount(), 2}, Option1, tr("Base64 to String"), Option2,
               tr("String to Base64"));
    cmbEncoding = EncodingChoice(this, lblEncoding);
    grid->addLayout(EncodingRow(lblEncoding, cmbEncoding), grid->rowCount(), 0, 1, 2);
    Command1 = CommandButton(tr("Convert"), "Command1", this);
    DefaultButton(Command1);
    ButtonRow(grid, {Command1});
    grid->addWidget(Text2, grid->rowCount(), 0, 1, 2);
    connect(Command1, &QPushButton::clicked, this, &Base64String::Command1_Click);
}

void Base64String::Command1_Click() {
    Computation computing(this, {Text2});
    const TextEncoding encoding = ChosenEncoding(cmbEncoding);
    QString problem, mark = UnencodableMark(encoding);
    if (Option1->isChecked()) {
        const Base64Decoded decoded = Base64Decode(multiLineText(Text1));
        const DecodedText text = decodeText(decoded.bytes, encoding);
        problem = !decoded.problem.isEmpty() ? decoded.problem : text.problem;
        mark = !decoded.problem.isEmpty() ? tr("Not Base64") : NotDecodableMark(encoding);
        if (problem.isEmpty())
            setMultiLineText(Text2, text.text);
    } else if (Option2->isChecked()) {
        // UTF-8 as the standard tool writes it, padded; the code page as it always was.
        const EncodedText encoded = encodeText(multiLineText(Text1), encoding);
        problem = encoded.problem;
        QString base64 =
            Base64Encode(encoded.bytes, encoding == TextEncoding::Utf8 ? Base64Padding::Padded
                                                                       : Base64Padding::Unpadded);
        // One line as long as a box lays it out at once; beyond that, lines of 76 as the
        // base64 tool writes them, so that a pasted file shows in a moment.
        if (base64.size() > LongestBase64Line)
            base64 = Base64Lines(base64, 76);
        if (problem.isEmpty())
            setMultiLineText(Text2, base64);
    }
    if (!problem.isEmpty()) {
        MarkInput(Text1, InputState::Error, mark);
        computing.fail();
        ShowMessage(this, problem);
    } else {
        ClearInputMark(Text1);
    }
}

hex2ascii::hex2ascii(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "hex2ascii", tr("Hex to ASCII"));
    DescribeBoxes(this, {{"Text1", tr("Text")}});
    Text1 = CodeBox("Text1", this);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0, 1, 2);
    OptionPair(this, {grid, grid->rowCount(), 2}, Option1, tr("Hex to Ascii"), Option2,
               tr("Ascii to Hex"));
    cmbEncoding = EncodingChoice(this, lblEncoding);
    grid->addLayout(EncodingRow(lblEncoding, cmbEncoding), grid->rowCount(), 0, 1, 2);
    Command1 = CommandButton(tr("Convert"), "Command1", this);
    Command2 = CommandButton(tr("Clear"), "Command2", this);
    DefaultButton(Command1);
    ButtonRow(grid, {Command1, Command2});
    connect(Command1, &QPushButton::clicked, this, &hex2ascii::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &hex2ascii::Command2_Click);
}

void hex2ascii::Command1_Click() {
    const TextEncoding encoding = ChosenEncoding(cmbEncoding);
    QString text = multiLineText(Text1), problem;
    if (Option1->isChecked()) {
        text.remove(QLatin1Char(' ')).remove(QLatin1Char('%')).remove(QLatin1Char(':'));
        const DecodedText decoded = decodeText(HexPairsToBytes(text), encoding);
        problem = decoded.problem;
        if (problem.isEmpty())
            setMultiLineText(Text1, decoded.text);
    } else if (Option2->isChecked()) {
        const EncodedText encoded = encodeText(text, encoding);
        problem = encoded.problem;
        if (problem.isEmpty())
            setMultiLineText(Text1, TextToHexPairs(encoded.bytes));
    }
    // The one box holds the input and then the result: a problem marks it and keeps the text.
    if (!problem.isEmpty()) {
        MarkInput(Text1, InputState::Error,
                  Option1->isChecked() ? NotDecodableMark(encoding) : UnencodableMark(encoding));
        ShowMessage(this, problem);
    } else {
        ClearInputMark(Text1);
    }
}

void hex2ascii::Command2_Click() {
    Text1->clear();
}

AdsenseCC::AdsenseCC(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "AdsenseCC", tr("Adsense Code Converter for Blogger"));
    DescribeBoxes(this, {{"Text1", tr("Ad code")}});
    Text1 = CodeBox("Text1", this, 6000, 3000);
    SelectAllOnCtrlA(Text1);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0, 1, 2);
    Command1 = CommandButton(tr("Convert"), "Command1", this);
    Command2 = CommandButton(tr("Clear"), "Command2", this);
    DefaultButton(Command1);
    ButtonRow(grid, {Command1, Command2});
    connect(Command1, &QPushButton::clicked, this, &AdsenseCC::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &AdsenseCC::Command2_Click);
}

void AdsenseCC::Command1_Click() {
    silentErrorExit([&] {
        caretToEnd(Text1);
        setMultiLineText(Text1, EscapeHtmlForBlogger(multiLineText(Text1)));
        Text1->moveCursor(QTextCursor::End);
    });
}

void AdsenseCC::Command2_Click() {
    caretToEnd(Text1);
    Text1->clear();
}

Reverse::Reverse(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "Reverse", tr("Reverse the String"));
    DescribeBoxes(this, {{"Text1", tr("Text")}, {"Text2", tr("Reversed text")}});
    Text1 = CodeBox("Text1", this, 4800, 1200);
    Text2 = CodeResultBox("Text2", this, 4800, 1200);
    Command1 = CommandButton(tr("Reverse"), "Command1", this);
    DefaultButton(Command1);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0, 1, 2);
    ButtonRow(grid, {Command1});
    grid->addWidget(Text2, grid->rowCount(), 0, 1, 2);
    connect(Command1, &QPushButton::clicked, this, &Reverse::Command1_Click);
}

void Reverse::Command1_Click() {
    const Computation computing(this);
    silentErrorExit(
        [&] { Text2->setPlainText(toBoxLineBreaks(ReverseText(multiLineText(Text1)))); });
}

CharacterNumber::CharacterNumber(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "CharacterNumber", tr("Character Number Calculator"));
    DescribeBoxes(this, {{"Text2", tr("Character to count")}});
    Label1 = Caption(tr("String"), "Label1", this);
    Text1 = CodeBox("Text1", this, 4800, 1500);
    Label1->setBuddy(Text1);
    Frame1 = named(new QGroupBox(tr("Character"), this), "Frame1");
    Text2 = TextBox("Text2", Frame1, 1);
    Text2->setMaximumWidth(twips(600));
    Command1 = CommandButton(tr("Single"), "Command1", Frame1);
    DefaultButton(Command1);
    auto *frameRow = new QHBoxLayout(Frame1);
    frameRow->addWidget(Text2);
    frameRow->addWidget(Command1);
    Label3 = Caption(tr("Result"), "Label3", this);
    Text3 = ResultBox("Text3", this);
    Label3->setBuddy(Text3);
    Command2 = CommandButton(tr("Totally"), "Command2", this);
    cmbEncoding = EncodingChoice(this, lblEncoding);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Text1, 1, 0, 1, 2);
    grid->addLayout(EncodingRow(lblEncoding, cmbEncoding), 2, 0, 1, 2);
    grid->addWidget(Frame1, 3, 0);
    grid->addWidget(Command2, 3, 1);
    grid->addWidget(Label3, 4, 0, 1, 2);
    grid->addWidget(Text3, 5, 0, 1, 2);
    connect(Command1, &QPushButton::clicked, this, &CharacterNumber::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &CharacterNumber::Command2_Click);
}

void CharacterNumber::Command1_Click() {
    const Computation computing(this, {Text3}, {Text1, Text2});
    // An empty character is found nowhere: the count stands, with a word why it is 0.
    MarkInput(Text2, Text2->text().isEmpty() ? InputState::Warning : InputState::Fine,
              tr("Empty: no character to count"));
    Text3->setText(tr("There are %n characters.", nullptr,
                      int(CountCharacter(multiLineText(Text1), Text2->text()))));
}

// All the characters, as the chosen encoding counts them.
void CharacterNumber::Command2_Click() {
    Computation computing(this, {Text3}, {Text1, cmbEncoding});
    const TextEncoding encoding = ChosenEncoding(cmbEncoding);
    const QString text = multiLineText(Text1);
    if (const QString problem = encodeText(text, encoding).problem; !problem.isEmpty()) {
        MarkUnencodable(Text1, encoding);
        computing.fail();
        ShowMessage(this, problem);
        return;
    }
    ClearInputMark(Text1);
    Text3->setText(tr("There are %n characters.", nullptr, int(characterCount(text, encoding))));
}

} // namespace zq
