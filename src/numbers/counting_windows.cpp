#include "numbers/counting_windows.h"

#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/messages.h"
#include "common/number_rules.h"
#include "common/numeric_types.h"
#include "common/save_result.h"
#include "common/text_boxes.h"
#include "common/window_access.h"
#include "numbers/series.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zq {

Factorial::Factorial(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("Factorial"));
    setWindowTitle(tr("Factorial Calculator"));
    DescribeBoxes(this, {{"Text1", tr("Number")}, {"Text2", tr("Factorial")}});
    Text1 = TextBox("Text1", this, 3);
    Label1 = Caption(QStringLiteral("!"), "Label1", this);
    Label2 = Caption(tr("1 between 170"), "Label2", this);
    Command1 = CommandButton(tr("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text2 = ResultBox("Text2", this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0);
    grid->addWidget(Label1, 0, 1);
    grid->addWidget(Label2, 1, 0, 1, 2);
    grid->addWidget(Command1, 2, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(Text2, 3, 0, 1, 2);
    connect(Command1, &QPushButton::clicked, this, &Factorial::Command1_Click);
}

void Factorial::Command1_Click() {
    const Computation computing(this);
    // Beyond 170 the factorial leaves the double range.
    silentErrorExit(
        [&] { ShowNumber(Text2, FactorialValue(toByte(ReadRoundedNumber(Text1, 0, 170)))); });
}

Pascal::Pascal(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("Pascal"));
    setWindowTitle(tr("Pascal's Triangle Calculator"));
    DescribeBoxes(this, {{"Text1", tr("Rows")}, {"Text2", tr("Pascal's triangle")}});
    setResizable(true); // the rows grow wide: the window may be enlarged
    Text1 = TextBox("Text1", this, 2);
    Text1->setText(QStringLiteral("15"));
    Command1 = CommandButton(tr("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text2 = MultiLineResultBox("Text2", this, 6000, 4000);
    Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text2->setLineWrapMode(QPlainTextEdit::NoWrap);
    SelectAllOnCtrlA(Text2);
    Label2 = Caption(QString(), "Label2", this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0);
    grid->addWidget(Command1, 0, 1);
    grid->addWidget(Label2, 0, 2);
    grid->addWidget(Text2, 1, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(1, 1);
    Save = MenuBarItem("Save", tr("Save"));

    connect(Command1, &QPushButton::clicked, this, &Pascal::Command1_Click);
    connect(Save, &QAction::triggered, this, &Pascal::Save_Click);
}

void Pascal::Command1_Click() {
    const Computation computing(this);
    skipFailingSteps([&] { ShowStatus(Label2, PleaseWait()); }, [&] { Text2->clear(); },
                     [&] {
                         const double rows = ReadStrictNumber(Text1);
                         if (rows > 99)
                             RejectInput(Text1, tr("A number up to 99"));
                         setMultiLineText(Text2, PascalTriangleText(rows));
                     },
                     [&] { Label2->clear(); });
}

void Pascal::Save_Click() {
    SaveResultText(this, QStringLiteral("PascalsTriangle.txt"),
                   {multiLineText(Text2) + QStringLiteral("\r\n")}, SavedMessage());
}

MultiplicationTable::MultiplicationTable(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("MultiplicationTable"));
    setWindowTitle(tr("Multiplication Table"));
    DescribeBoxes(this, {{"List1", tr("Multiplication table")}});
    List1 = named(new QListWidget(this), "List1");
    MarkResult(List1);
    List1->setMinimumSize(twips(2400), twips(3600));
    auto *layout = new QGridLayout(this);
    layout->addWidget(List1, 0, 0);
    Form_Load();
}

void MultiplicationTable::Form_Load() {
    List1->addItems(MultiplicationTableLines());
}

KombiPermu::KombiPermu(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("KombiPermu"));
    setWindowTitle(tr("Combination & Permutation Calculator"));
    DescribeBoxes(this, {{"Text3", tr("Result")}});
    Label1 = Caption(tr("n"), "Label1", this);
    Text1 = TextBox("Text1", this);
    Label2 = Caption(tr("r"), "Label2", this);
    Text2 = TextBox("Text2", this);
    Command1 = CommandButton(tr("Combination"), "Command1", this);
    Command2 = CommandButton(tr("Permutation"), "Command2", this);
    DefaultButton(Command1);
    Text3 = ResultBox("Text3", this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, Qt::AlignHCenter);
    grid->addWidget(Label2, 0, 1, Qt::AlignHCenter);
    grid->addWidget(Text1, 1, 0);
    grid->addWidget(Text2, 1, 1);
    grid->addWidget(Command1, 2, 0);
    grid->addWidget(Command2, 2, 1);
    grid->addWidget(Text3, 3, 0, 1, 2);
    connect(Command1, &QPushButton::clicked, this, &KombiPermu::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &KombiPermu::Command2_Click);
}

void KombiPermu::Command1_Click() {
    showCount(Combination);
}

void KombiPermu::Command2_Click() {
    showCount(Permutation);
}

void KombiPermu::showCount(double (*count)(double n, double r)) {
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2});
        const double n = ReadStrictNumber(Text1), r = ReadStrictNumber(Text2);
        Text3->setText(FormatNumberText(
            RejectOnFailure({Text1, Text2}, TooLargeToCompute(), [&] { return count(n, r); })));
    });
}

} // namespace zq
