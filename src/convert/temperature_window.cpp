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
    setWindowTitle(QStringLiteral("Temperature Converter"));
    DescribeBoxes(
        this, {{"Text2", "Temperature"}, {"Combo1", "Scale"}, {"Text1", "Converted temperatures"}});

    Text2 = TextBox("Text2", this);
    Text2->setMinimumWidth(twips(1335));
    Combo1 = EditableComboBox("Combo1", this); // typed text never becomes a new scale
    Combo1->setMinimumWidth(twips(1335));
    Text1 = MultiLineResultBox("Text1", this, 2775, 1515);
    Command1 = CommandButton(QStringLiteral("Convert"), "Command1", this);
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
    Combo1->addItems({QStringLiteral("Celsius"), QStringLiteral("Delisle"),
                      QStringLiteral("Fahrenheit"), QStringLiteral("Kelvin"),
                      QStringLiteral("Newton"), QStringLiteral("Rankine"),
                      QStringLiteral("Réaumur"), QStringLiteral("Rømer")});
    // Nothing picked; the text field shows the scale used until another is chosen.
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QStringLiteral("Celsius"));
}

void FahrenheitC::Command1_Click() {
    Computation computing(this);
    silentErrorExit([&] {
        Text1->clear();
        const QString scale = Combo1->currentText();
        if (!temperatureScaleIndex(scale))
            RejectInput(Combo1, QStringLiteral("A scale from the list"));
        const double x = ReadStrictNumber(Text2);
        if (const std::optional<QString> zero = BelowAbsoluteZero(scale, x))
            RejectInput(Text2, QStringLiteral("Below absolute zero, %1").arg(*zero));
        setMultiLineText(Text1, ConvertTemperature(scale, x));
    });
}

} // namespace zq
