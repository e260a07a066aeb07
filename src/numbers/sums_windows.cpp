#include "numbers/sums_windows.h"

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

Sum1toN::Sum1toN(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("Sum1toN"));
    setWindowTitle(tr("Sum of Numbers N to N"));
    DescribeBoxes(this, {{"Text1", tr("From")}, {"Text2", tr("To")}, {"Text3", tr("Sum")}});
    Text1 = TextBox("Text1", this, 9);
    Text2 = TextBox("Text2", this, 9);
    Command1 = CommandButton(tr("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text3 = ResultBox("Text3", this);
    Label3 = Caption(QString(), "Label3", this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0);
    grid->addWidget(new QLabel(tr("to"), this), 0, 1);
    grid->addWidget(Text2, 0, 2);
    grid->addWidget(Command1, 1, 0, 1, 3, Qt::AlignHCenter);
    grid->addWidget(Text3, 2, 0, 1, 3);
    grid->addWidget(Label3, 3, 0, 1, 3);
    connect(Command1, &QPushButton::clicked, this, &Sum1toN::Command1_Click);
}

void Sum1toN::Command1_Click() {
    const Computation computing(this);
    ShowStatus(Label3, PleaseWait());
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2});
        const double a = ReadStrictNumber(Text1), b = ReadStrictNumber(Text2);
        Text3->setText(FormatNumberText(
            RejectOnFailure({Text1, Text2}, TooLargeToCompute(), [&] { return SumRange(a, b); })));
    });
    Label3->clear();
}

MultipleNtoN::MultipleNtoN(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("MultipleNtoN"));
    setWindowTitle(tr("Product of Numbers N to N"));
    DescribeBoxes(this, {{"Text1", tr("From")}, {"Text2", tr("To")}, {"Text3", tr("Product")}});
    Text1 = TextBox("Text1", this, 3);
    Text2 = TextBox("Text2", this, 3);
    Command1 = CommandButton(tr("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text3 = ResultBox("Text3", this);
    Label1 = Caption(tr("1 between 170"), "Label1", this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0);
    grid->addWidget(new QLabel(tr("to"), this), 0, 1);
    grid->addWidget(Text2, 0, 2);
    grid->addWidget(Label1, 1, 0, 1, 3);
    grid->addWidget(Command1, 2, 0, 1, 3, Qt::AlignHCenter);
    grid->addWidget(Text3, 3, 0, 1, 3);
    connect(Command1, &QPushButton::clicked, this, &MultipleNtoN::Command1_Click);
}

void MultipleNtoN::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2});
        const double a = ReadStrictNumber(Text1), b = ReadStrictNumber(Text2);
        Text3->setText(FormatNumberText(RejectOnFailure({Text1, Text2},
                                                        tr("The product is too large for a double"),
                                                        [&] { return ProductRange(a, b); })));
    });
}

SumDifferenceCubes::SumDifferenceCubes(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("SumDifferenceCubes"));
    setWindowTitle(tr("Sum or Difference of Cubes"));
    DescribeBoxes(this, {{"Text1", tr("a")},
                         {"Combo1", tr("Operation")},
                         {"Text2", tr("b")},
                         {"Text3", tr("Result")}});
    Text1 = TextBox("Text1", this);
    Combo1 = EditableComboBox("Combo1", this);
    Text2 = TextBox("Text2", this);
    Command1 = CommandButton(tr("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text3 = ResultBox("Text3", this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0);
    grid->addWidget(Combo1, 0, 1);
    grid->addWidget(Text2, 0, 2);
    grid->addWidget(Command1, 1, 0, 1, 3, Qt::AlignHCenter);
    grid->addWidget(Text3, 2, 0, 1, 3);
    connect(Command1, &QPushButton::clicked, this, &SumDifferenceCubes::Command1_Click);
    Form_Load();
}

void SumDifferenceCubes::Form_Load() {
    Combo1->addItems({QStringLiteral("+"), QStringLiteral("-")});
    Combo1->setCurrentIndex(0);
}

void SumDifferenceCubes::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        if (Combo1->findText(Combo1->currentText(), Qt::MatchExactly) < 0)
            RejectInput(Combo1, tr("+ or - from the list"));
        RequireNumbers({Text1, Text2});
        const double a = ReadStrictNumber(Text1), b = ReadStrictNumber(Text2);
        const auto result = RejectOnFailure({Text1, Text2}, TooLargeToCompute(), [&] {
            return SumDifferenceOfCubes(a, Combo1->currentText(), b);
        });
        if (result)
            ShowNumber(Text3, *result);
    });
}

} // namespace zq
