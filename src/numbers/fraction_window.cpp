#include "numbers/fraction_window.h"

#include "common/calc_error.h"
#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/text_boxes.h"
#include "common/window_access.h"
#include "numbers/fraction_calculator.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>

namespace zq {
namespace {

QLineEdit *termBox(const char *name, QWidget *parent) {
    auto *box = TextBox(name, parent);
    box->setMaximumWidth(twips(900));
    box->setAlignment(Qt::AlignCenter);
    return box;
}

QLabel *fractionBar(const QString &bar, QWidget *parent) {
    // Both bars of each window carry the name Label1.
    return Caption(bar, "Label1", parent);
}

void fillIfEmpty(QLineEdit *box, const QString &text) {
    if (box->text().isEmpty())
        box->setText(text);
}

} // namespace

FractionMix::FractionMix(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("FractionMix"));
    setWindowTitle(tr("Fraction Calculator"));
    DescribeBoxes(this, {{"Text6", tr("First whole number")},
                         {"Text1", tr("First numerator")},
                         {"Text2", tr("First denominator")},
                         {"Combo1", tr("Operation")},
                         {"Text7", tr("Second whole number")},
                         {"Text3", tr("Second numerator")},
                         {"Text4", tr("Second denominator")},
                         {"Text5", tr("Result")}});

    Text6 = termBox("Text6", this);
    Text1 = termBox("Text1", this);
    Text2 = termBox("Text2", this);
    Combo1 = EditableComboBox("Combo1", this);
    Text7 = termBox("Text7", this);
    Text3 = termBox("Text3", this);
    Text4 = termBox("Text4", this);
    Command1 = CommandButton(tr("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text5 = MultiLineResultBox("Text5", this, 4200, 1700);
    SelectAllOnCtrlA(Text5);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Text6, 1, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(fractionBar(QStringLiteral("________"), this), 1, 1, Qt::AlignCenter);
    grid->addWidget(Text2, 2, 1);
    grid->addWidget(Combo1, 1, 2);
    grid->addWidget(Text7, 1, 3);
    grid->addWidget(Text3, 0, 4);
    grid->addWidget(fractionBar(QStringLiteral("________"), this), 1, 4, Qt::AlignCenter);
    grid->addWidget(Text4, 2, 4);
    grid->addWidget(Command1, 3, 0, 1, 5, Qt::AlignHCenter);
    grid->addWidget(Text5, 4, 0, 1, 5);
    setTabOrder(Text6, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Combo1);
    setTabOrder(Combo1, Text7);
    setTabOrder(Text7, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Command1);
    setTabOrder(Command1, Text5);

    connect(Command1, &QPushButton::clicked, this, &FractionMix::Command1_Click);
    Form_Load();
    RecomputeOnChange(Command1, {Combo1});
}

void FractionMix::Form_Load() {
    Combo1->addItems(
        {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("*"), QStringLiteral("/")});
    Combo1->setCurrentIndex(0);
}

void FractionMix::Command1_Click() {
    const Computation computing(this);
    fillIfEmpty(Text6, QStringLiteral("0"));
    fillIfEmpty(Text7, QStringLiteral("0"));
    silentErrorExit([&] {
        if (Combo1->findText(Combo1->currentText(), Qt::MatchExactly) < 0)
            RejectInput(Combo1, tr("An operator from the list: + - * /"));
        RequireNumbers({Text6, Text1, Text2, Text7, Text3, Text4});
        for (QLineEdit *denominator : {Text2, Text4})
            RequireNonZero(denominator, tr("A denominator other than zero"));
        if (Combo1->currentText() == QLatin1String("/") &&
            IsZeroMixedFraction(ReadStrictNumber(Text7), ReadStrictNumber(Text3),
                                ReadStrictNumber(Text4)))
            RejectInput(Text3, tr("Dividing by zero: the second fraction is zero"));
        const auto text =
            FractionMixText({Text6->text(), Text1->text(), Text2->text()}, Combo1->currentText(),
                            {Text7->text(), Text3->text(), Text4->text()});
        if (text)
            setMultiLineText(Text5, *text);
    });
}

FractionEquality::FractionEquality(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("FractionEquality"));
    setWindowTitle(tr("Fraction Equation Solver"));
    DescribeBoxes(this, {{"Text1", tr("A")},
                         {"Text2", tr("B")},
                         {"Text3", tr("C")},
                         {"Text4", tr("D")},
                         {"Text5", tr("Working")}});

    Text1 = termBox("Text1", this);
    Text2 = termBox("Text2", this);
    Label2 = Caption(QStringLiteral("="), "Label2", this);
    Text3 = termBox("Text3", this);
    Text4 = termBox("Text4", this);
    Command1 = CommandButton(tr("Solve"), "Command1", this);
    DefaultButton(Command1);
    Text5 = MultiLineResultBox("Text5", this, 3000, 1300);
    SelectAllOnCtrlA(Text5);
    Command2 = CommandButton(tr("Sample"), "Command2", this);
    Command3 = CommandButton(tr("Clear"), "Command3", this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0);
    grid->addWidget(fractionBar(QStringLiteral("_______"), this), 1, 0, Qt::AlignCenter);
    grid->addWidget(Text2, 2, 0);
    grid->addWidget(Label2, 1, 1, Qt::AlignCenter);
    grid->addWidget(Text3, 0, 2);
    grid->addWidget(fractionBar(QStringLiteral("_______"), this), 1, 2, Qt::AlignCenter);
    grid->addWidget(Text4, 2, 2);
    grid->addWidget(Command1, 1, 3);
    grid->addWidget(Text5, 3, 0, 1, 4);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);
    grid->addLayout(buttons, 4, 0, 1, 4);

    connect(Command1, &QPushButton::clicked, this, &FractionEquality::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FractionEquality::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &FractionEquality::Command3_Click);
}

void FractionEquality::Command1_Click() {
    const Computation computing(this, {Text5});
    const std::array<QLineEdit *, 4> boxes = {Text1, Text2, Text3, Text4};
    for (QLineEdit *box : boxes) {
        QString text = box->text();
        text.replace(QLatin1Char('X'), QLatin1Char('x'));
        box->setText(text);
        fillIfEmpty(box, QStringLiteral("x"));
    }
    silentErrorExit([&] {
        int unknown = -1, unknowns = 0;
        for (int position = 0; position < 4; ++position)
            if (boxes[position]->text() == QLatin1String("x"))
                unknown = position, ++unknowns;
        if (unknowns != 1) {
            for (QLineEdit *box : boxes)
                if (unknowns == 0 || box->text() == QLatin1String("x"))
                    MarkInput(box, InputState::Error, tr("Exactly one term is x"));
            throw CalcError(CalcError::Kind::InvalidArgument, "one unknown needed");
        }
        QList<QWidget *> known;
        for (QLineEdit *box : boxes)
            if (box != boxes[unknown])
                known << box;
        RequireNumbers(known);
        // x is found by dividing by the term across from it.
        RequireNonZero(boxes[3 - unknown], tr("A number other than zero"));
        setMultiLineText(Text5, ProportionWorking(unknown, {Text1->text(), Text2->text(),
                                                            Text3->text(), Text4->text()}));
    });
}

void FractionEquality::Command2_Click() {
    const Computation computing(this, {Text5});
    silentErrorExit([&] {
        Text1->setText(QStringLiteral("9"));
        Text2->setText(QStringLiteral("x"));
        Text3->setText(QStringLiteral("12"));
        Text4->setText(QStringLiteral("4"));
        setMultiLineText(Text5, ProportionWorking(1, {Text1->text(), Text2->text(), Text3->text(),
                                                      Text4->text()}));
    });
}

void FractionEquality::Command3_Click() {
    for (QLineEdit *box : {Text1, Text2, Text3, Text4})
        box->clear();
    EmptyResults(this, {Text5});
}

} // namespace zq
