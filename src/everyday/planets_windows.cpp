#include "everyday/planets_windows.h"

#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/text_boxes.h"
#include "common/window_access.h"
#include "everyday/formulas.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zq {
namespace {

// The bodies' lines, across the form below its boxes.
QPlainTextEdit *resultLines(const char *name, QWidget *window, QGridLayout *grid, int width,
                            int height) {
    QPlainTextEdit *box = MultiLineResultBox(name, window, width, height);
    grid->addWidget(box, grid->rowCount(), 0, 1, 3);
    return box;
}

} // namespace

WeightPlanet::WeightPlanet(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "WeightPlanet", tr("Weight on Other Planets"));
    DescribeBoxes(this, {{"Text1", tr("Weight")}, {"Text2", tr("Weight on other planets")}});
    const Form form = FieldForm(this, {{nullptr, tr("Weight"), "Text1", tr("kg"), "Label1"}});
    Text1 = form.boxes[0];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    Text2 = resultLines("Text2", this, form.grid, 3200, 2600);
    connect(Command1, &QPushButton::clicked, this, &WeightPlanet::Command1_Click);
}

void WeightPlanet::Command1_Click() {
    const Computation computing(this);
    Text2->clear();
    silentErrorExit([&] { setMultiLineText(Text2, WeightOnPlanetsText(ReadStrictNumber(Text1))); });
}

YearsPlanet::YearsPlanet(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "YearsPlanet", tr("Earth Year on Other Planets"));
    DescribeBoxes(this, {{"Text2", tr("Years on other planets")}});
    const Form form = FieldForm(this, {{"Label1", tr("Earth Year"), "Text1"}});
    Text1 = form.boxes[0];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    Text2 = resultLines("Text2", this, form.grid, 3200, 2200);
    connect(Command1, &QPushButton::clicked, this, &YearsPlanet::Command1_Click);
}

void YearsPlanet::Command1_Click() {
    const Computation computing(this);
    Text2->clear();
    silentErrorExit([&] { setMultiLineText(Text2, YearsOnPlanetsText(ReadStrictNumber(Text1))); });
}

} // namespace zq
