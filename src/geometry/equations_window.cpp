#include "geometry/equations_window.h"

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
#include "geometry/equations.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>

#include <algorithm>

namespace zq {
namespace {

QLineEdit *termBox(const char *name, QWidget *parent, int maxLength = 0) {
    auto *box = TextBox(name, parent, maxLength);
    box->setMaximumWidth(twips(1000));
    box->setAlignment(Qt::AlignCenter);
    return box;
}

QLabel *sign(const QString &text, const char *name, QWidget *parent) {
    auto *label = Caption(text, name, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

EquationSolver::EquationSolver(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("EquationSolver"));
    setWindowTitle(tr("Equation Solver"));
    DescribeBoxes(this, {{"Text4", tr("a")},
                         {"Combo1", tr("Operation")},
                         {"Text3", tr("b")},
                         {"Text2", tr("c")},
                         {"Text1", tr("Working")}});
    Text4 = termBox("Text4", this);
    Label2 = sign(tr("X"), "Label2", this);
    Combo1 = EditableComboBox("Combo1", this);
    Combo1->setMinimumWidth(twips(600));
    Text3 = termBox("Text3", this);
    Label1 = sign(QStringLiteral("="), "Label1", this);
    Text2 = termBox("Text2", this);
    Command1 = CommandButton(tr("Solve"), "Command1", this);
    DefaultButton(Command1);
    Text1 = MultiLineResultBox("Text1", this, 4500, 1500);
    save = MenuBarItem("save", tr("Save"));

    auto *grid = new QGridLayout(this);
    int column = 0;
    for (QWidget *part :
         std::initializer_list<QWidget *>{Text4, Label2, Combo1, Text3, Label1, Text2})
        grid->addWidget(part, 0, column++);
    grid->addWidget(Command1, 0, column);
    grid->addWidget(Text1, 1, 0, 1, column + 1);

    connect(Command1, &QPushButton::clicked, this, &EquationSolver::Command1_Click);
    connect(save, &QAction::triggered, this, &EquationSolver::save_Click);
    Form_Load();
    RecomputeOnChange(Command1, {Combo1});
}

void EquationSolver::Form_Load() {
    Combo1->addItems(
        {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("*"), QStringLiteral("/")});
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QStringLiteral("+"));
}

void EquationSolver::Command1_Click() {
    const Computation computing(this);
    Text1->clear();
    skipFailingSteps([&] {
        const QString op = Combo1->currentText();
        if (Combo1->findText(op, Qt::MatchExactly) < 0)
            RejectInput(Combo1, tr("An operator from the list: + - * /"));
        // b and c may be left empty: they count as 0.
        const double b = ReadLenientNumber(Text3, 0, EmptyBox::Optional);
        ReadLenientNumber(Text2, 0, EmptyBox::Optional);
        RequireNonZero(Text4, tr("A number other than zero"));
        if (op == QLatin1String("*") && b == 0)
            RejectInput(Text3, tr("A number other than zero: it divides"));
        setMultiLineText(Text1, RejectOnFailure({Text4, Text3, Text2}, TooLargeToCompute(), [&] {
                             return SolveLinearEquation(Text4->text(), op, Text3->text(),
                                                        Text2->text());
                         }));
    });
}

void EquationSolver::save_Click() {
    SaveResultText(this, QStringLiteral("EquationSolver.txt"),
                   {QStringLiteral("\r\n") + multiLineText(Text1) + QStringLiteral("\r\n")},
                   SavedMessage());
}

QuadraticEq::QuadraticEq(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("QuadraticEq"));
    setWindowTitle(tr("Quadratic Equation Solver"));
    Label6 = sign(tr("a"), "Label6", this);
    Label8 = sign(tr("b"), "Label8", this);
    Label9 = sign(tr("c"), "Label9", this);
    auto *rightSide = Caption(tr("Right-hand side"), "lblRightSide", this);
    txtA = termBox("txtA", this, 10);
    Label1 = sign(tr("x"), "Label1", this);
    Label2 = sign(QStringLiteral("2"), "Label2", this);
    QFont raised = Label2->font();
    raised.setPointSizeF(raised.pointSizeF() * 0.75);
    Label2->setFont(raised);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3 = sign(QStringLiteral("+"), "Label3", this);
    txtB = termBox("txtB", this, 10);
    Label4 = sign(tr("x"), "Label4", this);
    Label5 = sign(QStringLiteral("+"), "Label5", this);
    txtC = termBox("txtC", this, 10);
    Label7 = sign(QStringLiteral("="), "Label7", this);
    txtNum = termBox("txtNum", this, 10);
    cmdSolve = CommandButton(tr("Solve"), "cmdSolve", this);
    DefaultButton(cmdSolve);
    lblState = Caption(QString(), "lblState", this);
    lblRoot1 = Caption(QString(), "lblRoot1", this);
    lblRoot2 = Caption(QString(), "lblRoot2", this);
    lblDoubleRoot = Caption(QString(), "lblDoubleRoot", this);
    lblDoubleRoot->hide();
    for (QLabel *result : {lblState, lblRoot1, lblRoot2, lblDoubleRoot})
        MarkResult(result);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label6, 0, 0);
    grid->addWidget(Label8, 0, 4);
    grid->addWidget(Label9, 0, 7);
    grid->addWidget(rightSide, 0, 9);
    const std::initializer_list<QWidget *> line = {txtA,   Label1, Label2, Label3, txtB,
                                                   Label4, Label5, txtC,   Label7, txtNum};
    int column = 0;
    for (QWidget *part : line)
        grid->addWidget(part, 1, column++);
    grid->addWidget(cmdSolve, 2, 0, 1, column, Qt::AlignHCenter);
    grid->addWidget(lblState, 3, 0, 1, column);
    // The single root is shown in the first root's place.
    grid->addWidget(lblRoot1, 4, 0, 1, 5);
    grid->addWidget(lblDoubleRoot, 4, 0, 1, 5);
    grid->addWidget(lblRoot2, 4, 5, 1, 5);
    setTabOrder(txtA, txtB);
    setTabOrder(txtB, txtC);
    setTabOrder(txtC, txtNum);
    setTabOrder(txtNum, cmdSolve);

    connect(cmdSolve, &QPushButton::clicked, this, &QuadraticEq::cmdSolve_Click);
    connect(txtA, &QLineEdit::textChanged, this, &QuadraticEq::txtA_Change);
    connect(txtB, &QLineEdit::textChanged, this, &QuadraticEq::txtB_Change);
    connect(txtC, &QLineEdit::textChanged, this, &QuadraticEq::txtC_Change);
    txtNum->installEventFilter(this);
    Label6->setBuddy(txtA);
    Label8->setBuddy(txtB);
    Label9->setBuddy(txtC);
    rightSide->setBuddy(txtNum);
}

void QuadraticEq::keepDigitsAndMinus(QLineEdit *box) {
    if (m_filtering)
        return; // the removal's own change
    const QScopedValueRollback<bool> filtering(m_filtering, true);
    while (!box->text().isEmpty()) {
        const QString last = box->text().right(1);
        if (ParseNumber(last) != 0 || last == QLatin1String("0") || last == QLatin1String("-"))
            return;
        // The last character goes wherever the caret is (a click in a centred box puts it
        // anywhere); the caret stays where it was, as far as the shorter text allows.
        const int caret = box->cursorPosition();
        box->setSelection(int(box->text().size()) - 1, 1);
        box->del();
        box->setCursorPosition(std::min(caret, int(box->text().size())));
    }
}

void QuadraticEq::txtA_Change() {
    keepDigitsAndMinus(txtA);
}

void QuadraticEq::txtB_Change() {
    keepDigitsAndMinus(txtB);
}

void QuadraticEq::txtC_Change() {
    keepDigitsAndMinus(txtC);
}

void QuadraticEq::txtNum_Click() {
    keepDigitsAndMinus(txtNum);
}

bool QuadraticEq::eventFilter(QObject *watched, QEvent *event) {
    if (watched == txtNum && event->type() == QEvent::MouseButtonRelease)
        txtNum_Click();
    return ToolWindow::eventFilter(watched, event);
}

void QuadraticEq::cmdSolve_Click() {
    // A right-hand side beyond 16 bits or a discriminant beyond the currency range is
    // rejected, and the labels emptied.
    Computation computing(this);
    silentErrorExit([&] {
        // An empty a or b means a coefficient of 1 (x² + x); c and the right-hand side may be
        // left empty for 0.
        const double a = ReadLenientNumber(txtA, 1);
        const double b = ReadLenientNumber(txtB, 1);
        const double c = ReadLenientNumber(txtC, 0, EmptyBox::Optional);
        const double k = RoundHalfEven(ReadLenientNumber(txtNum, 0, EmptyBox::Optional));
        RequireRange(txtNum, k, -32768, 32767, tr("A whole number from -32768 to 32767"));
        const QuadraticSolution solution =
            RejectOnFailure({txtA, txtB, txtC, txtNum}, TooLargeToCompute(),
                            [&] { return SolveQuadratic(a, b, c, toInt16(k)); });
        switch (solution.verdict) {
        case QuadraticVerdict::NotQuadratic:
            MarkInput(txtA, InputState::Error, tr("A number other than zero"));
            computing.fail();
            computing.keep(lblState);
            lblState->setText(tr("This isn't a quadratic equation."));
            return;
        case QuadraticVerdict::NoRealRoot:
            lblState->setText(tr("The equation has no real root"));
            lblRoot1->clear();
            lblRoot1->show();
            lblRoot2->clear();
            lblDoubleRoot->clear();
            lblDoubleRoot->hide();
            return;
        case QuadraticVerdict::TwoRoots:
            lblState->setText(tr("Equation Roots:"));
            lblDoubleRoot->clear();
            lblDoubleRoot->hide();
            lblRoot1->show();
            lblRoot1->setText(FormatNumberText(solution.root1));
            lblRoot2->setText(FormatNumberText(solution.root2));
            return;
        case QuadraticVerdict::RepeatedRoot:
            lblState->setText(tr("The equation has a repeated root"));
            lblRoot1->clear();
            lblRoot1->hide(); // the single root takes its place
            lblRoot2->clear();
            lblDoubleRoot->show();
            lblDoubleRoot->setText(FormatNumberText(solution.root1));
            return;
        }
    });
}

Simultaneous::Simultaneous(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("Simultaneous"));
    setWindowTitle(tr("Simultaneous Equation Solver"));
    DescribeBoxes(this, {{"txtA", tr("a")},
                         {"txtB", tr("b")},
                         {"txtH", tr("h")},
                         {"txtC", tr("c")},
                         {"txtD", tr("d")},
                         {"txtK", tr("k")}});
    auto *grid = new QGridLayout(this);
    // Each equation: box "x" "+" box "y" "=" box, the captions named Label3 to Label10.
    const char *captionNames[2][4] = {{"Label3", "Label4", "Label5", "Label6"},
                                      {"Label7", "Label8", "Label9", "Label10"}};
    const char *boxNames[2][3] = {{"txtA", "txtB", "txtH"}, {"txtC", "txtD", "txtK"}};
    QLineEdit *boxes[2][3];
    for (int row = 0; row < 2; ++row) {
        for (int i = 0; i < 3; ++i)
            boxes[row][i] = termBox(boxNames[row][i], this);
        const char *const *names = captionNames[row];
        QWidget *parts[] = {
            boxes[row][0], sign(tr("x"), names[0], this), sign(QStringLiteral("+"), names[1], this),
            boxes[row][1], sign(tr("y"), names[2], this), sign(QStringLiteral("="), names[3], this),
            boxes[row][2]};
        for (int column = 0; column < 7; ++column)
            grid->addWidget(parts[column], row, column);
    }
    txtA = boxes[0][0], txtB = boxes[0][1], txtH = boxes[0][2];
    txtC = boxes[1][0], txtD = boxes[1][1], txtK = boxes[1][2];
    cmdCalculate = CommandButton(tr("Solve"), "cmdCalculate", this);
    DefaultButton(cmdCalculate);
    Label12 = sign(tr("x ="), "Label12", this);
    lblSolutionX = Caption(QString(), "lblSolutionX", this);
    Label13 = sign(tr("y ="), "Label13", this);
    lblSolutionY = Caption(QString(), "lblSolutionY", this);
    MarkResult(lblSolutionX);
    MarkResult(lblSolutionY);
    grid->addWidget(cmdCalculate, 2, 0, 1, 8, Qt::AlignHCenter);
    grid->addWidget(Label12, 3, 0);
    grid->addWidget(lblSolutionX, 3, 1, 1, 7);
    grid->addWidget(Label13, 4, 0);
    grid->addWidget(lblSolutionY, 4, 1, 1, 7);
    setTabOrder(txtA, txtB);
    setTabOrder(txtB, txtH);
    setTabOrder(txtH, txtC);
    setTabOrder(txtC, txtD);
    setTabOrder(txtD, txtK);
    setTabOrder(txtK, cmdCalculate);

    connect(cmdCalculate, &QPushButton::clicked, this, &Simultaneous::cmdCalculate_Click);
}

void Simultaneous::cmdCalculate_Click() {
    Computation computing(this);
    lblSolutionX->clear();
    lblSolutionY->clear();
    silentErrorExit([&] {
        RequireNumbers({txtA, txtB, txtH, txtC, txtD, txtK});
        const auto solution =
            RejectOnFailure({txtA, txtB, txtH, txtC, txtD, txtK}, TooLargeToCompute(), [&] {
                return SolveSimultaneous(ReadStrictNumber(txtA), ReadStrictNumber(txtB),
                                         ReadStrictNumber(txtH), ReadStrictNumber(txtC),
                                         ReadStrictNumber(txtD), ReadStrictNumber(txtK));
            });
        if (!solution) {
            computing.fail();
            ShowMessage(this, tr("The equations are parallel!"));
            return;
        }
        lblSolutionX->setText(FormatNumberText(solution->x));
        lblSolutionY->setText(FormatNumberText(solution->y));
    });
}

} // namespace zq
