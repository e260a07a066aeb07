#include "numbers/common_factors_window.h"

#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/number_rules.h"
#include "common/numeric_types.h"
#include "common/text_boxes.h"
#include "common/window_access.h"
#include "numbers/common_factors.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace zq {
namespace {

// The marks' messages, in the context of the windows they mark.
constexpr const char *NotBothZero = QT_TRANSLATE_NOOP("zq::TwoNumberWindow", "Not both zero");
constexpr const char *NotZero =
    QT_TRANSLATE_NOOP("zq::TwoNumberWindow", "A number other than zero");
constexpr const char *Within32Bits =
    QT_TRANSLATE_NOOP("zq::TwoNumberWindow", "A number from -2147483648 to 2147483647");

QString said(const char *message) {
    return QCoreApplication::translate("zq::TwoNumberWindow", message);
}

// Marks the boxes that made the engine fail: remainders are taken on 32-bit whole numbers,
// and a zero factor cannot divide.
void rejectOperands(const CalcError &error, QLineEdit *first, double a, QLineEdit *second,
                    double b) {
    const std::pair<QLineEdit *, double> operands[] = {{first, a}, {second, b}};
    // Zeros fail as a division by zero, or as 0/0 when both are zero.
    if (error.kind() == CalcError::Kind::DivisionByZero || (a == 0 && b == 0)) {
        for (const auto &[box, value] : operands)
            if (value == 0)
                MarkInput(box, InputState::Error,
                          a == 0 && b == 0 ? said(NotBothZero) : said(NotZero));
    } else {
        bool marked = false;
        for (const auto &[box, value] : operands)
            if (std::fabs(value) > 2147483647) {
                MarkInput(box, InputState::Error, said(Within32Bits));
                marked = true;
            }
        if (!marked)
            for (const auto &[box, value] : operands)
                MarkInput(box, InputState::Error, TooLargeToCompute());
    }
    throw error;
}

} // namespace

TwoNumberWindow::TwoNumberWindow(const char *name, const QString &title, QWidget *parent)
    : ToolWindow(parent) {
    setObjectName(QLatin1String(name));
    setWindowTitle(title);
    DescribeBoxes(
        this,
        {{"Text1", tr("First number")}, {"Text2", tr("Second number")}, {"Text3", tr("Result")}});
    Text1 = TextBox("Text1", this);
    Text2 = TextBox("Text2", this);
    Command1 = CommandButton(tr("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text3 = ResultBox("Text3", this);
    for (QLineEdit *box : {Text1, Text2, Text3})
        box->setMinimumWidth(std::max(box->minimumWidth(), twips(1800)));
    connect(Command1, &QPushButton::clicked, this, &TwoNumberWindow::Command1_Click);
}

void TwoNumberWindow::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2});
        const double a = ReadStrictNumber(Text1), b = ReadStrictNumber(Text2);
        try {
            Text3->setText(result(a, b));
        } catch (const CalcError &error) {
            rejectOperands(error, Text1, a, Text2, b);
        }
    });
}

// Side by side: the two numbers, Calculate, the result.
static void layOutSideBySide(TwoNumberWindow *window) {
    auto *grid = new QGridLayout(window);
    grid->addWidget(window->Text1, 0, 0);
    grid->addWidget(window->Text2, 0, 1);
    grid->addWidget(window->Command1, 1, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(window->Text3, 2, 0, 1, 2);
}

GreatestCommon::GreatestCommon(QWidget *parent)
    : TwoNumberWindow("GreatestCommon", tr("Greatest Common Factor Calculator"), parent) {
    layOutSideBySide(this);
}

QString GreatestCommon::result(double first, double second) const {
    return FormatSingleText(GreatestCommonFactor(first, second));
}

LeastCommon::LeastCommon(QWidget *parent)
    : TwoNumberWindow("LeastCommon", tr("Least Common Multiple Calculator"), parent) {
    layOutSideBySide(this);
}

QString LeastCommon::result(double first, double second) const {
    return FormatNumberText(LeastCommonMultiple(toSingle(first), toSingle(second)));
}

SimplifyingFraction::SimplifyingFraction(QWidget *parent)
    : TwoNumberWindow("SimplifyingFraction", tr("Simplifying Fractions Calculator"), parent) {
    Label1 = Caption(QStringLiteral("_______________"), "Label1", this);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(Text2, 2, 0);
    grid->addWidget(Command1, 1, 1);
    grid->addWidget(Text3, 1, 2);
}

QString SimplifyingFraction::result(double first, double second) const {
    return SimplifyFraction(toSingle(first), toSingle(second));
}

} // namespace zq
