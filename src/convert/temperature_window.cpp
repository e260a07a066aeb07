#include "convert/temperature_window.h"

#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/number_rules.h"
#include "common/text_boxes.h"
#include "common/window_access.h"
#include "convert/temperature.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zq {

FahrenheitC::FahrenheitC(QWidget *parent) : ToolWindow(parent) {
    setObjectName(QStringLiteral("FahrenheitC"));
    setWindowTitle(tr("Temperature Converter"));
    DescribeBoxes(this, {{"Text2", tr("Temperature")},
                         {"Combo1", tr("Scale")},
                         {"Text1", tr("Converted temperatures")}});

    Text2 = TextBox("Text2", this);
    Text2->setMinimumWidth(twips(1335));
    Combo1 = EditableComboBox("Combo1", this); // typed text never becomes a new scale
    Combo1->setMinimumWidth(twips(1335));
    Text1 = MultiLineResultBox("Text1", this, 2775, 1515);
    Command1 = CommandButton(tr("Convert"), "Command1", this);
    Command1->setMinimumWidth(twips(1335));
    DefaultButton(Command1);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(twips(120), twips(240), twips(120), twips(90));
    grid->addWidget(Text2, 0, 0);
    grid->addWidget(Combo1, 0, 1);
    grid->addWidget(Text1, 1, 0, 1, 2);
    grid->addWidget(Command1, 2, 0, 1, 2, Qt::AlignHCenter);
    setTabOrder(Text2, Combo1);
    setTabOrder(Combo1, Text1);
    setTabOrder(Text1, Command1);

    connect(Command1, &QPushButton::clicked, this, &FahrenheitC::Command1_Click);
    Form_Load();
    RecomputeOnChange(Command1, {Combo1});
}

void FahrenheitC::Form_Load() {
    for (int scale = 0; scale < TemperatureScaleCount; ++scale)
        Combo1->addItem(TemperatureScaleName(scale));
    // Nothing picked; the text field shows the scale used (Celsius) until another is chosen.
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(TemperatureScaleName(0));
}

void FahrenheitC::Command1_Click() {
    Computation computing(this);
    silentErrorExit([&] {
        Text1->clear();
        // The scale is the one named in the box: picked, or typed as shown or in English.
        const std::optional<int> scale = temperatureScaleIndex(Combo1->currentText());
        if (!scale)
            RejectInput(Combo1, tr("A scale from the list"));
        const double x = ReadStrictNumber(Text2);
        if (const std::optional<QString> zero = BelowAbsoluteZero(*scale, x))
            RejectInput(Text2, tr("Below absolute zero, %1").arg(*zero));
        setMultiLineText(Text1, ConvertTemperature(*scale, x));
    });
}

} // namespace zq
