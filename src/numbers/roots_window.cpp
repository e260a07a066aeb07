#include "numbers/roots_window.h"

#include "common/calc_error.h"
#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/number_rules.h"
#include "common/numeric_types.h"
#include "common/save_result.h"
#include "common/text_boxes.h"
#include "common/window_access.h"
#include "numbers/roots.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zq {

SquareCubeRoot::SquareCubeRoot(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("SquareCubeRoot"));
    setWindowTitle(tr("Square (Root), Cube (Root) Calculator"));
    const Form form = FieldForm(this, {{"Label4", tr("Enter Number"), "Text1"},
                                       {"Label1", tr("Square"), "Text2", {}, nullptr, true},
                                       {"Label2", tr("Cube"), "Text3", {}, nullptr, true},
                                       {"Label3", tr("Square Root"), "Text4", {}, nullptr, true},
                                       {"Label5", tr("Cube Root"), "Text5", {}, nullptr, true}});
    Label4 = form.captions[0], Label1 = form.captions[1], Label2 = form.captions[2];
    Label3 = form.captions[3], Label5 = form.captions[4];
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2];
    Text4 = form.boxes[3], Text5 = form.boxes[4];
    for (QLineEdit *box : form.boxes)
        box->setMinimumWidth(std::max(box->minimumWidth(), twips(2400)));
    Save = MenuBarItem("Save", tr("Save"));

    connect(Text1, &QLineEdit::textChanged, this, &SquareCubeRoot::Text1_Change);
    connect(Save, &QAction::triggered, this, &SquareCubeRoot::Save_Click);
}

void SquareCubeRoot::Text1_Change() {
    if (Text1->text().isEmpty()) {
        EmptyResults(this); // nothing typed yet: nothing to say of the box
        ClearInputMark(Text1);
        return;
    }
    const Computation computing(this);
    silentErrorExit([&] {
        const double x = ReadStrictNumber(Text1);
        ShowNumber(Text2,
                   RejectOnFailure({Text1}, TooLargeToCompute(), [x] { return SquareOf(x); }));
        ShowNumber(Text3, RejectOnFailure({Text1}, TooLargeToCompute(), [x] { return CubeOf(x); }));
        // A negative number has a square and a cube, but the power function gives it no roots.
        try {
            ShowNumber(Text4, PowerOf(x, 1.0 / 2));
            ShowNumber(Text5, PowerOf(x, 1.0 / 3));
        } catch (const CalcError &) {
            Text4->clear();
            Text5->clear();
            MarkInput(Text1, InputState::Warning, tr("No roots of a negative number"));
        }
    });
}

void SquareCubeRoot::Save_Click() {
    // The file keeps its English words in every language.
    SaveResultText(this, QStringLiteral("SquareCubeRoot.txt"),
                   {QString(), QStringLiteral("(") + Text1->text() + QStringLiteral(")"),
                    QStringLiteral("Square = ") + Text2->text(),
                    QStringLiteral("Square Root = ") + Text4->text(),
                    QStringLiteral("Cube = ") + Text3->text(),
                    QStringLiteral("Cube Root = ") + Text5->text()},
                   SavedMessage());
}

nthRoot::nthRoot(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("nthRoot"));
    setWindowTitle(tr("nth Root Calculator"));
    DescribeBoxes(this,
                  {{"Text2", tr("Root degree")}, {"Text1", tr("Number")}, {"Text3", tr("Root")}});
    Text2 = TextBox("Text2", this);
    Text2->setMaximumWidth(twips(500));
    Label1 = Caption(tr("V", "the radical sign, drawn as a letter"), "Label1", this);
    QFont radical = Label1->font();
    radical.setPointSizeF(radical.pointSizeF() * 2);
    Label1->setFont(radical);
    Label2 = Caption(QStringLiteral("________"), "Label2", this);
    Text1 = TextBox("Text1", this);
    Text3 = ResultBox("Text3", this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Text2, 0, 0, Qt::AlignBottom);
    grid->addWidget(Label2, 0, 2, Qt::AlignBottom);
    grid->addWidget(Label1, 1, 1);
    grid->addWidget(Text1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("="), this), 1, 3);
    grid->addWidget(Text3, 1, 4);
    Save = MenuBarItem("Save", tr("Save"));

    connect(Text1, &QLineEdit::textChanged, this, &nthRoot::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &nthRoot::Text2_Change);
    connect(Save, &QAction::triggered, this, &nthRoot::Save_Click);
}

void nthRoot::Text1_Change() {
    if (!AllTyped(this, {Text1, Text2}))
        return;
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2});
        const double x = ReadStrictNumber(Text1);
        const double n = RequireNonZero(Text2, tr("A root degree other than zero"));
        ShowNumber(Text3,
                   RejectOnFailure({Text1, Text2}, tr("No real root of a negative number here"),
                                   [&] { return NthRoot(x, n); }));
    });
}

void nthRoot::Text2_Change() {
    Text1_Change();
}

void nthRoot::Save_Click() {
    SaveResultText(this, QStringLiteral("nthRoot.txt"),
                   {QString(), Text1->text() + QStringLiteral(" ^ (1/") + Text2->text() +
                                   QStringLiteral(")") + QStringLiteral(" = ") + Text3->text()},
                   SavedMessage());
}

Percent::Percent(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("Percent"));
    setWindowTitle(tr("% Percentage Calculator"));
    DescribeBoxes(
        this,
        {{"Text1", tr("Percent rate")}, {"Text2", tr("Amount")}, {"Text3", tr("Percent amount")}});
    Text1 = TextBox("Text1", this);
    Label1 = Caption(QStringLiteral("%"), "Label1", this);
    Text2 = TextBox("Text2", this);
    Text3 = TextBox("Text3", this);
    Option3 = OptionButton(tr("Percent Rate"), "Option3", this);
    Option2 = OptionButton(tr("Amount"), "Option2", this);
    Option1 = OptionButton(tr("Percent Amount"), "Option1", this);
    Option1->setChecked(true);
    Command1 = CommandButton(tr("Calculate"), "Command1", this);
    DefaultButton(Command1);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0);
    grid->addWidget(Label1, 0, 1);
    grid->addWidget(Text2, 0, 2);
    grid->addWidget(Text3, 0, 3);
    grid->addWidget(Option3, 1, 0, 1, 2);
    grid->addWidget(Option2, 1, 2);
    grid->addWidget(Option1, 1, 3);
    grid->addWidget(Command1, 2, 0, 1, 4, Qt::AlignHCenter);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    connect(Command1, &QPushButton::clicked, this, &Percent::Command1_Click);
}

void Percent::Command1_Click() {
    // The option names the box worked out from the other two.
    ComputeSoughtBox(this, {{Option1, Text3, Text1, Text2, nullptr,
                             [](double rate, double amount) {
                                 return PercentOf(PercentPart::PercentAmount, rate, amount, 0);
                             }},
                            {Option3, Text1, Text2, Text3, Text2,
                             [](double amount, double percent) {
                                 return PercentOf(PercentPart::Rate, 0, amount, percent);
                             }},
                            {Option2, Text2, Text1, Text3, Text1, [](double rate, double percent) {
                                 return PercentOf(PercentPart::Amount, rate, 0, percent);
                             }}});
}

DivisionOperation::DivisionOperation(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("DivisionOperation"));
    setWindowTitle(tr("Division Operation"));
    DescribeBoxes(this, {{"Text1", tr("Dividend")},
                         {"Text2", tr("Divisor")},
                         {"Text3", tr("Remainder")},
                         {"Text4", tr("Quotient")}});
    Text1 = TextBox("Text1", this, 9);
    Label2 = Caption(QString(), "Label2", this);
    Text2 = TextBox("Text2", this, 9);
    Label3 = Caption(QStringLiteral("______________"), "Label3", this);
    Text4 = ResultBox("Text4", this);
    Text3 = ResultBox("Text3", this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0, Qt::AlignTop);
    grid->addWidget(Label2, 0, 1, 3, 1);
    grid->addWidget(Text2, 0, 2);
    grid->addWidget(Label3, 1, 2);
    grid->addWidget(Text4, 2, 2);
    grid->addWidget(Text3, 2, 0);
    grid->setVerticalSpacing(0);

    connect(Text1, &QLineEdit::textChanged, this, &DivisionOperation::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &DivisionOperation::Text2_Change);
    Form_Activate();
}

void DivisionOperation::Text1_Change() {
    if (!AllTyped(this, {Text1, Text2}))
        return;
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2});
        const double d = ReadRoundedNumber(Text1, -2147483648.0, 2147483647);
        const double s = ReadRoundedNumber(Text2, -2147483648.0, 2147483647);
        if (s == 0)
            RejectInput(Text2, tr("A divisor other than zero"));
        const IntegerDivision result = RejectOnFailure({Text1, Text2}, TooLargeToCompute(), [&] {
            return DivideIntegers(toInt32(d), toInt32(s));
        });
        Text3->setText(QString::number(result.remainder));
        Text4->setText(QString::number(result.quotient));
    });
}

void DivisionOperation::Text2_Change() {
    Text1_Change();
}

void DivisionOperation::Form_Activate() {
    // The division sign's vertical bar: five bars, one a line.
    const QString bars = QStringLiteral("|||||");
    QString drawn;
    for (QChar bar : bars)
        drawn += bar + QStringLiteral("\n");
    Label2->setText(drawn);
}

bool DivisionOperation::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return ToolWindow::event(event);
}

} // namespace zq
