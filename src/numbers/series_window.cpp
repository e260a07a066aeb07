#include "numbers/series_window.h"

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
namespace {

// Shows a status text at once, before a long computation keeps the window from painting.
void showStatus(QLabel *label, const QString &text) {
    label->setText(text);
    label->repaint();
}

const QString PleaseWait = QStringLiteral("Please wait...");
const QString TooLarge = QStringLiteral("Too large to compute with");

} // namespace

Sum1toN::Sum1toN(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("Sum1toN"));
    setWindowTitle(QStringLiteral("Sum of Numbers N to N"));
    DescribeBoxes(this, {{"Text1", "From"}, {"Text2", "To"}, {"Text3", "Sum"}});
    Text1 = TextBox("Text1", this, 9);
    Text2 = TextBox("Text2", this, 9);
    Command1 = CommandButton(QStringLiteral("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text3 = ResultBox("Text3", this);
    Label3 = Caption(QString(), "Label3", this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("to"), this), 0, 1);
    grid->addWidget(Text2, 0, 2);
    grid->addWidget(Command1, 1, 0, 1, 3, Qt::AlignHCenter);
    grid->addWidget(Text3, 2, 0, 1, 3);
    grid->addWidget(Label3, 3, 0, 1, 3);
    connect(Command1, &QPushButton::clicked, this, &Sum1toN::Command1_Click);
}

void Sum1toN::Command1_Click() {
    const Computation computing(this);
    showStatus(Label3, PleaseWait);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2});
        const double a = ReadStrictNumber(Text1), b = ReadStrictNumber(Text2);
        Text3->setText(FormatNumberText(
            RejectOnFailure({Text1, Text2}, TooLarge, [&] { return SumRange(a, b); })));
    });
    Label3->clear();
}

MultipleNtoN::MultipleNtoN(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("MultipleNtoN"));
    setWindowTitle(QStringLiteral("Product of Numbers N to N"));
    DescribeBoxes(this, {{"Text1", "From"}, {"Text2", "To"}, {"Text3", "Product"}});
    Text1 = TextBox("Text1", this, 3);
    Text2 = TextBox("Text2", this, 3);
    Command1 = CommandButton(QStringLiteral("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text3 = ResultBox("Text3", this);
    Label1 = Caption(QStringLiteral("1 between 170"), "Label1", this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("to"), this), 0, 1);
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
        Text3->setText(FormatNumberText(
            RejectOnFailure({Text1, Text2}, QStringLiteral("The product is too large for a double"),
                            [&] { return ProductRange(a, b); })));
    });
}

SumDifferenceCubes::SumDifferenceCubes(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("SumDifferenceCubes"));
    setWindowTitle(QStringLiteral("Sum or Difference of Cubes"));
    DescribeBoxes(this,
                  {{"Text1", "a"}, {"Combo1", "Operation"}, {"Text2", "b"}, {"Text3", "Result"}});
    Text1 = TextBox("Text1", this);
    Combo1 = EditableComboBox("Combo1", this);
    Text2 = TextBox("Text2", this);
    Command1 = CommandButton(QStringLiteral("Calculate"), "Command1", this);
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
            RejectInput(Combo1, QStringLiteral("+ or - from the list"));
        RequireNumbers({Text1, Text2});
        const double a = ReadStrictNumber(Text1), b = ReadStrictNumber(Text2);
        const auto result = RejectOnFailure({Text1, Text2}, TooLarge, [&] {
            return SumDifferenceOfCubes(a, Combo1->currentText(), b);
        });
        if (result)
            ShowNumber(Text3, *result);
    });
}

ProgressionWindow::ProgressionWindow(const char *name, const QString &title,
                                     const QString &stepCaption, const QString &fileName,
                                     QWidget *parent)
    : ToolWindow(parent), m_fileName(fileName) {
    setObjectName(QLatin1String(name));
    setWindowTitle(title);
    DescribeBoxes(this, {{"List1", "Terms"}});
    Label1 = Caption(QStringLiteral("Initial Value"), "Label1", this);
    Text1 = TextBox("Text1", this);
    Label2 = Caption(stepCaption, "Label2", this);
    Text2 = TextBox("Text2", this);
    Label3 = Caption(QStringLiteral("Number of Terms"), "Label3", this);
    Text3 = TextBox("Text3", this);
    Command1 = CommandButton(QStringLiteral("Calculate"), "Command1", this);
    DefaultButton(Command1);
    List1 = named(new QListWidget(this), "List1");
    MarkResult(List1);
    List1->setUniformItemSizes(true);
    List1->setMinimumSize(twips(3600), twips(2400));
    Label4 = Caption(QString(), "Label4", this);
    MarkResult(Label4);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Text2, 1, 1);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(Text3, 2, 1);
    grid->addWidget(Command1, 3, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(List1, 4, 0, 1, 2);
    grid->addWidget(Label4, 5, 0, 1, 2);
    Save = MenuBarItem("Save", QStringLiteral("Save"));

    connect(Command1, &QPushButton::clicked, this, &ProgressionWindow::Command1_Click);
    connect(Save, &QAction::triggered, this, &ProgressionWindow::Save_Click);
}

void ProgressionWindow::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2, Text3});
        // A count the list could never reach is refused before anything changes.
        const double count = ReadStrictNumber(Text3);
        RejectOnFailure({Text3}, QStringLiteral("A whole number from 2 to 1000000"),
                        [&] { checkProgressionTermCount(count); });
        List1->clear();
        Label4->clear();
        List1->addItem(QStringLiteral("1\t") + Text1->text());
        const double first = ReadStrictNumber(Text1);
        const double step = ReadStrictNumber(Text2);
        const ProgressionTerms more = terms(first, step, count);
        List1->addItems(more.lines);
        if (more.complete)
            Label4->setText(sumText(first, step, count));
    });
}

void ProgressionWindow::Save_Click() {
    QStringList lines;
    for (int row = 0; row < List1->count(); ++row)
        lines << List1->item(row)->text();
    SaveResultText(this, m_fileName, lines, QStringLiteral("Saved to the program's location!"));
}

ArithmeticProgression::ArithmeticProgression(QWidget *parent)
    : ProgressionWindow("ArithmeticProgression",
                        QStringLiteral("Arithmetic Progression Calculator"),
                        QStringLiteral("Common Difference"),
                        QStringLiteral("ArithmeticProgression.txt"), parent) {}

ProgressionTerms ArithmeticProgression::terms(double first, double step, double count) const {
    return ArithmeticTerms(first, step, count);
}

QString ArithmeticProgression::sumText(double first, double step, double count) const {
    return ArithmeticSumText(first, step, count);
}

GeometricProgression::GeometricProgression(QWidget *parent)
    : ProgressionWindow("GeometricProgression", QStringLiteral("Geometric Progression Calculator"),
                        QStringLiteral("Common Ratio"), QStringLiteral("GeometricProgression.txt"),
                        parent) {}

ProgressionTerms GeometricProgression::terms(double first, double step, double count) const {
    return GeometricTerms(first, step, count);
}

QString GeometricProgression::sumText(double first, double step, double count) const {
    return GeometricSumText(first, step, count);
}

fibonacci::fibonacci(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("fibonacci"));
    setWindowTitle(QStringLiteral("Fibonacci Calculator"));
    DescribeBoxes(this, {{"Text1", "Term"}, {"Text2", "Fibonacci number"}});
    Text1 = TextBox("Text1", this, 2);
    Command1 = CommandButton(QStringLiteral("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text2 = ResultBox("Text2", this);
    Label1 = Caption(QString(), "Label1", this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0);
    grid->addWidget(Command1, 0, 1);
    grid->addWidget(Text2, 1, 0, 1, 2);
    grid->addWidget(Label1, 2, 0, 1, 2);
    connect(Command1, &QPushButton::clicked, this, &fibonacci::Command1_Click);
}

void fibonacci::Command1_Click() {
    Computation computing(this);
    silentErrorExit([&] {
        if (ReadStrictNumber(Text1) >= 40 &&
            ShowMessage(this,
                        QStringLiteral("Entered number is big! Calculation will take several "
                                       "minutes!\nDo you want to continue?"),
                        MessageIcon::Information, MessageButtons::YesNo) != MessageAnswer::Yes) {
            computing.cancel();
            return;
        }
        showStatus(Label1, PleaseWait);
        const double term = ReadRoundedNumber(Text1, -32768, 32767);
        ShowNumber(Text2, RejectOnFailure({Text1}, TooLarge,
                                          [&] { return fibonacciTerm(toInt16(term)); }));
    });
    Label1->clear();
}

Factorial::Factorial(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("Factorial"));
    setWindowTitle(QStringLiteral("Factorial Calculator"));
    DescribeBoxes(this, {{"Text1", "Number"}, {"Text2", "Factorial"}});
    Text1 = TextBox("Text1", this, 3);
    Label1 = Caption(QStringLiteral("!"), "Label1", this);
    Label2 = Caption(QStringLiteral("1 between 170"), "Label2", this);
    Command1 = CommandButton(QStringLiteral("Calculate"), "Command1", this);
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
    setWindowTitle(QStringLiteral("Pascal's Triangle Calculator"));
    DescribeBoxes(this, {{"Text1", "Rows"}, {"Text2", "Pascal's triangle"}});
    setResizable(true); // the rows grow wide: the window may be enlarged
    Text1 = TextBox("Text1", this, 2);
    Text1->setText(QStringLiteral("15"));
    Command1 = CommandButton(QStringLiteral("Calculate"), "Command1", this);
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
    Save = MenuBarItem("Save", QStringLiteral("Save"));

    connect(Command1, &QPushButton::clicked, this, &Pascal::Command1_Click);
    connect(Save, &QAction::triggered, this, &Pascal::Save_Click);
}

void Pascal::Command1_Click() {
    const Computation computing(this);
    skipFailingSteps([&] { showStatus(Label2, PleaseWait); }, [&] { Text2->clear(); },
                     [&] {
                         const double rows = ReadStrictNumber(Text1);
                         if (rows > 99)
                             RejectInput(Text1, QStringLiteral("A number up to 99"));
                         setMultiLineText(Text2, PascalTriangleText(rows));
                     },
                     [&] { Label2->clear(); });
}

void Pascal::Save_Click() {
    SaveResultText(this, QStringLiteral("PascalsTriangle.txt"),
                   {multiLineText(Text2) + QStringLiteral("\r\n")},
                   QStringLiteral("Saved to the program's location."));
}

MultiplicationTable::MultiplicationTable(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("MultiplicationTable"));
    setWindowTitle(QStringLiteral("Multiplication Table"));
    DescribeBoxes(this, {{"List1", "Multiplication table"}});
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
    setWindowTitle(QStringLiteral("Combination & Permutation Calculator"));
    DescribeBoxes(this, {{"Text3", "Result"}});
    Label1 = Caption(QStringLiteral("n"), "Label1", this);
    Text1 = TextBox("Text1", this);
    Label2 = Caption(QStringLiteral("r"), "Label2", this);
    Text2 = TextBox("Text2", this);
    Command1 = CommandButton(QStringLiteral("Combination"), "Command1", this);
    Command2 = CommandButton(QStringLiteral("Permutation"), "Command2", this);
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
            RejectOnFailure({Text1, Text2}, TooLarge, [&] { return count(n, r); })));
    });
}

} // namespace zq
