#include "convert/number_bases_window.h"

#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/number_rules.h"
#include "common/numeric_types.h"
#include "common/text_boxes.h"
#include "common/window_access.h"
#include "convert/number_bases.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <limits>

namespace zq {
namespace {

QPushButton *convertButton(QWidget *parent) {
    // One caption for the three windows' buttons.
    auto *button = CommandButton(QCoreApplication::translate("zq::NumberBases", "Convert"),
                                 "Command1", parent);
    DefaultButton(button);
    return button;
}

} // namespace

HexDecA::HexDecA(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("HexDecA"));
    setWindowTitle(tr("Hexadecimal to Decimal"));
    DescribeBoxes(this, {{"Text1", tr("Number")}, {"Text2", tr("Result")}});

    Option1 = OptionButton(tr("Hexadecimal to Decimal"), "Option1", this);
    Option2 = OptionButton(tr("Decimal to Hexadecimal"), "Option2", this);
    Option1->setChecked(true);
    Text1 = TextBox("Text1", this);
    Command1 = convertButton(this);
    Command1->setMinimumWidth(twips(1335));
    Text2 = MultiLineResultBox("Text2", this, 2775, 915);
    EnterClicksDefaultButton(Text2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(120), twips(120), twips(120), twips(120));
    layout->addWidget(Option1);
    layout->addWidget(Option2);
    layout->addSpacing(twips(200));
    layout->addWidget(Text1);
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    layout->addWidget(Text2);

    connect(Command1, &QPushButton::clicked, this, &HexDecA::Command1_Click);
    RecomputeOnChange(Command1, {Option1, Option2});
}

void HexDecA::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        if (Option1->isChecked()) {
            std::optional<double> value;
            try {
                value = HexToDec(Text1->text());
            } catch (const CalcError &) {
                RejectInput(Text1, tr("Hexadecimal digits only: 0 to 9 and A to F"));
            }
            ClearInputMark(Text1);
            setMultiLineText(Text2, value ? FormatNumberText(*value) : QString());
        } else if (Option2->isChecked()) {
            const double n = ReadStrictNumber(Text1);
            RequireRange(Text1, n, 0, std::numeric_limits<double>::max(),
                         tr("A number not below zero"));
            setMultiLineText(Text2, DecToHex(n));
        }
    });
}

Binary::Binary(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("Binary"));
    setWindowTitle(tr("Binary to Number"));
    DescribeBoxes(this, {{"Text1", tr("Number")}});

    Option1 = OptionButton(tr("Binary to Number"), "Option1", this);
    Option2 = OptionButton(tr("Number to Binary"), "Option2", this);
    Option1->setChecked(true);
    Label1 = Caption(tr("-> (1 to 2147483647)"), "Label1", this);
    Command1 = convertButton(this);
    Command1->setMinimumWidth(twips(1215));
    Text1 = MultiLineBox("Text1", this, 3255, 1125);
    EnterClicksDefaultButton(Text1);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(twips(120), twips(120), twips(120), twips(120));
    grid->addWidget(Command1, 0, 1, Qt::AlignRight);
    grid->addWidget(Option1, 1, 0);
    grid->addWidget(Option2, 2, 0);
    grid->addWidget(Label1, 2, 1);
    grid->addWidget(Text1, 3, 0, 1, 2);
    setTabOrder(Option1, Option2);
    setTabOrder(Option2, Command1);
    setTabOrder(Command1, Text1);

    connect(Command1, &QPushButton::clicked, this, &Binary::Command1_Click);
}

// The one box holds the input and then the result: a failure marks it and keeps what was typed.
void Binary::Command1_Click() {
    silentErrorExit([&] {
        const QString text = multiLineText(Text1);
        if (Option1->isChecked()) {
            double value = 0;
            try {
                value = onluk(text);
            } catch (const CalcError &) {
                RejectInput(Text1, tr("Binary digits only"));
            }
            ClearInputMark(Text1);
            setMultiLineText(Text1, FormatNumberText(value));
        } else if (Option2->isChecked()) {
            const double n = ReadRoundedNumber(Text1, -2147483648.0, 2147483647);
            setMultiLineText(Text1, ToBinary(toInt32(n)));
        }
    });
}

SecondsMin::SecondsMin(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("SecondsMin"));
    setWindowTitle(tr("Seconds to Minutes to Hours"));
    DescribeBoxes(this, {{"Text1", tr("Seconds")}, {"Text2", tr("Minutes and seconds")}});

    QFont bold = font();
    bold.setBold(true);
    Text1 = TextBox("Text1", this);
    Text1->setFont(bold);
    Text1->setMinimumWidth(twips(2295));
    Command1 = convertButton(this);
    Command1->setMinimumWidth(twips(1215));
    Text2 = ResultBox("Text2", this);
    Text2->setFont(bold);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(360), twips(240), twips(360), twips(240));
    layout->setSpacing(twips(195));
    layout->addWidget(Text1);
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    layout->addWidget(Text2);

    connect(Command1, &QPushButton::clicked, this, &SecondsMin::Command1_Click);
}

void SecondsMin::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] { Text2->setText(SecondsToMinSec(ReadStrictNumber(Text1))); });
}

} // namespace zq
