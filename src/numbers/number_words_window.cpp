#include "numbers/number_words_window.h"

#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/number_rules.h"
#include "common/numeric_types.h"
#include "common/text_boxes.h"
#include "common/window_access.h"
#include "numbers/number_words.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace zq {

NumbersEnglish::NumbersEnglish(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("NumbersEnglish"));
    setWindowTitle(tr("Numbers to String"));
    DescribeBoxes(this, {{"Text1", tr("Number")}, {"Text2", tr("In words")}});
    Text1 = TextBox("Text1", this, 15);
    Option1 = OptionButton(tr("Numbers to English"), "Option1", this);
    Option2 = OptionButton(tr("Numbers to Turkish"), "Option2", this);
    Option1->setChecked(true);
    Command1 = CommandButton(tr("Convert"), "Command1", this);
    DefaultButton(Command1);
    Text2 = MultiLineResultBox("Text2", this, 4800, 1200);

    BoxAndButtonRows(this, Text1, Command1, {Option1, Option2, Text2});
    connect(Command1, &QPushButton::clicked, this, &NumbersEnglish::Command1_Click);
    RecomputeOnChange(Command1, {Option1, Option2});
}

void NumbersEnglish::Command1_Click() {
    const Computation computing(this);
    Text2->clear();
    silentErrorExit([&] {
        const double number = ReadStrictNumber(Text1);
        Currency value;
        try {
            value = Currency::fromDouble(number);
        } catch (const CalcError &) {
            RejectInput(Text1, tr("A number from -922337203685477 to 922337203685477"));
        }
        // The words are those of the whole number below: say so when a fraction was dropped.
        if (const double whole = std::floor(number); whole != number)
            MarkInput(Text1, InputState::Warning, tr("Read as %1").arg(FormatNumberText(whole)));
        if (Option1->isChecked())
            setMultiLineText(Text2, NumberToEnglishWords(value));
        else if (Option2->isChecked())
            setMultiLineText(Text2, NumberToTurkishWords(value));
    });
}

Roman::Roman(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("Roman"));
    setWindowTitle(tr("Numbers to Roman"));
    DescribeBoxes(this, {{"Text1", tr("Number")}, {"Text2", tr("Roman numeral")}});
    Text1 = TextBox("Text1", this, 7);
    Command1 = CommandButton(tr("Convert"), "Command1", this);
    DefaultButton(Command1);
    Text2 = ResultBox("Text2", this);
    Text2->setMinimumWidth(twips(3600));

    BoxAndButtonRows(this, Text1, Command1, {Text2});
    connect(Command1, &QPushButton::clicked, this, &Roman::Command1_Click);
}

void Roman::Command1_Click() {
    const Computation computing(this);
    silentErrorExit(
        [&] { Text2->setText(NumberToRoman(toInt32(ReadRoundedNumber(Text1, 0, 2147483647)))); });
}

} // namespace zq
