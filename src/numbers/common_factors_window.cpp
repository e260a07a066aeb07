#include "numbers/common_factors_window.h"

#include "common/controls.h"
#include "common/window_access.h"
#include "common/error_rules.h"
#include "common/number_rules.h"
#include "common/numeric_types.h"
#include "numbers/common_factors.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zq {
namespace {

float singleOf(const QString &text) {
    return toSingle(ParseNumberStrict(text));
}

} // namespace

TwoNumberWindow::TwoNumberWindow(const char *name, const QString &title, QWidget *parent)
    : ToolWindow(parent) {
    setObjectName(QLatin1String(name));
    setWindowTitle(title);
    DescribeBoxes(this,
                  {{"Text1", "First number"}, {"Text2", "Second number"}, {"Text3", "Result"}});
    Text1 = TextBox("Text1", this);
    Text2 = TextBox("Text2", this);
    Command1 = CommandButton(QStringLiteral("Calculate"), "Command1", this);
    DefaultButton(Command1);
    Text3 = ResultBox("Text3", this);
    for (QLineEdit *box : {Text1, Text2, Text3})
        box->setMinimumWidth(twips(1800));
    connect(Command1, &QPushButton::clicked, this, &TwoNumberWindow::Command1_Click);
}

void TwoNumberWindow::Command1_Click() {
    silentErrorExit([&] { Text3->setText(result(Text1->text(), Text2->text())); });
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
    : TwoNumberWindow("GreatestCommon", QStringLiteral("Greatest Common Factor Calculator"),
                      parent) {
    layOutSideBySide(this);
}

QString GreatestCommon::result(const QString &first, const QString &second) const {
    return FormatSingleText(
        GreatestCommonFactor(ParseNumberStrict(first), ParseNumberStrict(second)));
}

LeastCommon::LeastCommon(QWidget *parent)
    : TwoNumberWindow("LeastCommon", QStringLiteral("Least Common Multiple Calculator"), parent) {
    layOutSideBySide(this);
}

QString LeastCommon::result(const QString &first, const QString &second) const {
    return FormatNumberText(LeastCommonMultiple(singleOf(first), singleOf(second)));
}

SimplifyingFraction::SimplifyingFraction(QWidget *parent)
    : TwoNumberWindow("SimplifyingFraction", QStringLiteral("Simplifying Fractions Calculator"),
                      parent) {
    Label1 = Caption(QStringLiteral("_______________"), "Label1", this);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(Text2, 2, 0);
    grid->addWidget(Command1, 1, 1);
    grid->addWidget(Text3, 1, 2);
}

QString SimplifyingFraction::result(const QString &first, const QString &second) const {
    return SimplifyFraction(singleOf(first), singleOf(second));
}

} // namespace zq
