#include "numbers/progression_windows.h"

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

ProgressionWindow::ProgressionWindow(const char *name, const QString &title,
                                     const QString &stepCaption, const QString &fileName,
                                     QWidget *parent)
    : ToolWindow(parent), m_fileName(fileName) {
    setObjectName(QLatin1String(name));
    setWindowTitle(title);
    DescribeBoxes(this, {{"List1", tr("Terms")}});
    const Form form = FieldForm(this, {{"Label1", tr("Initial Value"), "Text1"},
                                       {"Label2", stepCaption, "Text2"},
                                       {"Label3", tr("Number of Terms"), "Text3"}});
    Label1 = form.captions[0], Label2 = form.captions[1], Label3 = form.captions[2];
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    List1 = named(new QListWidget(this), "List1");
    MarkResult(List1);
    List1->setUniformItemSizes(true);
    List1->setMinimumSize(twips(3600), twips(2400));
    Label4 = Caption(QString(), "Label4", this);
    MarkResult(Label4);
    form.grid->addWidget(List1, form.grid->rowCount(), 0, 1, 2);
    form.grid->addWidget(Label4, form.grid->rowCount(), 0, 1, 2);
    Save = MenuBarItem("Save", tr("Save"));

    connect(Command1, &QPushButton::clicked, this, &ProgressionWindow::Command1_Click);
    connect(Save, &QAction::triggered, this, &ProgressionWindow::Save_Click);
}

void ProgressionWindow::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2, Text3});
        // A count the list could never reach is refused before anything changes.
        const double count = ReadStrictNumber(Text3);
        RejectOnFailure({Text3}, tr("A whole number from 2 to 1000000"),
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
    SaveResultText(this, m_fileName, lines, tr("Saved to the program's location!"));
}

ArithmeticProgression::ArithmeticProgression(QWidget *parent)
    : ProgressionWindow("ArithmeticProgression", tr("Arithmetic Progression Calculator"),
                        tr("Common Difference"), QStringLiteral("ArithmeticProgression.txt"),
                        parent) {}

ProgressionTerms ArithmeticProgression::terms(double first, double step, double count) const {
    return ArithmeticTerms(first, step, count);
}

QString ArithmeticProgression::sumText(double first, double step, double count) const {
    return ArithmeticSumText(first, step, count);
}

GeometricProgression::GeometricProgression(QWidget *parent)
    : ProgressionWindow("GeometricProgression", tr("Geometric Progression Calculator"),
                        tr("Common Ratio"), QStringLiteral("GeometricProgression.txt"), parent) {}

ProgressionTerms GeometricProgression::terms(double first, double step, double count) const {
    return GeometricTerms(first, step, count);
}

QString GeometricProgression::sumText(double first, double step, double count) const {
    return GeometricSumText(first, step, count);
}

fibonacci::fibonacci(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("fibonacci"));
    setWindowTitle(tr("Fibonacci Calculator"));
    DescribeBoxes(this, {{"Text1", tr("Term")}, {"Text2", tr("Fibonacci number")}});
    Text1 = TextBox("Text1", this, 2);
    Command1 = CommandButton(tr("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text2 = ResultBox("Text2", this);
    Label1 = Caption(QString(), "Label1", this);

    BoxAndButtonRows(this, Text1, Command1, {Text2, Label1});
    connect(Command1, &QPushButton::clicked, this, &fibonacci::Command1_Click);
}

void fibonacci::Command1_Click() {
    Computation computing(this);
    silentErrorExit([&] {
        if (ReadStrictNumber(Text1) >= 40 &&
            ShowMessage(this,
                        tr("Entered number is big! Calculation will take several minutes!\nDo "
                           "you want to continue?"),
                        MessageIcon::Information, MessageButtons::YesNo) != MessageAnswer::Yes) {
            computing.cancel();
            return;
        }
        ShowStatus(Label1, PleaseWait());
        const double term = ReadRoundedNumber(Text1, -32768, 32767);
        ShowNumber(Text2, RejectOnFailure({Text1}, TooLargeToCompute(),
                                          [&] { return fibonacciTerm(toInt16(term)); }));
    });
    Label1->clear();
}

} // namespace zq
