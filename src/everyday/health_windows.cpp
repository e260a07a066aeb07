#include "everyday/health_windows.h"

#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/number_rules.h"
#include "common/numeric_types.h"
#include "common/text_boxes.h"
#include "common/window_access.h"
#include "everyday/formulas.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

namespace zq {
namespace {

void setTextColor(QLabel *label, const QColor &color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

void showRounded(QLineEdit *box, double value, int places) {
    ShowNumber(box, RoundHalfEven(value, places));
}

// The caution levels of each unit, translated where they are shown.
const char *const CelsiusLevels =
    QT_TRANSLATE_NOOP("zq::HeatIndex", "Caution = 27-32 °C\nExtreme Caution = 32-41 °C\nDanger = "
                                       "41-54 °C\nExtreme Danger = over 54 °C");
const char *const FahrenheitLevels =
    QT_TRANSLATE_NOOP("zq::HeatIndex", "Caution = 80-90 °F\nExtreme Caution = 90-105 °F\nDanger = "
                                       "105-130 °F\nExtreme Danger = over 130 °F");

} // namespace

BodyMass::BodyMass(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "BodyMass", tr("BMI Calculator"));
    Check1 = named(new QCheckBox(tr("Metric"), this), "Check1");
    Check2 = named(new QCheckBox(tr("English"), this), "Check2");
    Check1->setChecked(true);
    auto *grid = new QGridLayout(this);
    grid->addWidget(Check1, 0, 0);
    grid->addWidget(Check2, 0, 1);
    const Form measures = FieldForm(this,
                                    {{nullptr, tr("Weight"), "Text1", tr("kg"), "Label2"},
                                     {nullptr, tr("Height"), "Text2", tr("cm"), "Label1"}},
                                    grid);
    Text1 = measures.boxes[0], Text2 = measures.boxes[1];
    Label2 = measures.units[0], Label1 = measures.units[1];
    Text4 = TextBox("Text4", this);
    Label8 = Caption(tr("in"), "Label8", this);
    lblInches = Caption(tr("Inches"), "lblInches", this);
    lblInches->setBuddy(Text4);
    grid->addWidget(lblInches, 3, 0);
    grid->addWidget(Text4, 3, 1);
    grid->addWidget(Label8, 3, 2);
    for (QWidget *inches : std::initializer_list<QWidget *>{Text4, Label8, lblInches}) {
        QSizePolicy policy = inches->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        inches->setSizePolicy(policy);
        inches->hide();
    }
    const Form result =
        FieldForm(this, {{"Label7", tr("Your BMI"), "Text3", {}, nullptr, true}}, grid);
    Label7 = result.captions[0], Text3 = result.boxes[0];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, grid);
    Label3 = NoteRow(tr("Underweight = <18.5"), "Label3", this, grid);
    Label4 = NoteRow(tr("Normal weight = 18.5 - 24.9"), "Label4", this, grid);
    Label5 = NoteRow(tr("Overweight = 25 - 29.9"), "Label5", this, grid);
    Label6 = NoteRow(tr("Obesity = 30 or greater"), "Label6", this, grid);
    // The categories are marked in red and blue on black text: a light card keeps all three
    // readable whatever the desktop's colours.
    for (QLabel *category : {Label3, Label4, Label5, Label6}) {
        QPalette card = category->palette();
        card.setColor(QPalette::Window, QColor(0xFA, 0xFA, 0xFA));
        category->setPalette(card);
        category->setAutoFillBackground(true);
        category->setContentsMargins(4, 1, 4, 1);
        setTextColor(category, Qt::black);
    }
    connect(Check1, &QCheckBox::toggled, this, &BodyMass::Check1_Click);
    connect(Check2, &QCheckBox::toggled, this, &BodyMass::Check2_Click);
    connect(Command1, &QPushButton::clicked, this, &BodyMass::Command1_Click);
}

void BodyMass::Check1_Click() {
    if (!Check1->isChecked())
        return;
    Check2->setChecked(false);
    Label8->hide();
    Text4->hide();
    lblInches->hide();
    Label1->setText(tr("cm"));
    Label2->setText(tr("kg"));
    for (QLineEdit *box : {Text1, Text2, Text4})
        box->clear();
    EmptyResults(this); // the inputs it answered are gone
}

void BodyMass::Check2_Click() {
    if (!Check2->isChecked())
        return;
    Check1->setChecked(false);
    Label8->show();
    Text4->show();
    lblInches->show();
    Label1->setText(tr("ft"));
    Label2->setText(tr("lbs"));
    for (QLineEdit *box : {Text1, Text2, Text4})
        box->clear();
    EmptyResults(this); // the inputs it answered are gone
}

void BodyMass::Command1_Click() {
    const Computation computing(this);
    for (QLabel *category : {Label3, Label4, Label5, Label6})
        setTextColor(category, Qt::black);
    silentErrorExit([&] {
        const bool english = Check2->isChecked();
        RequireNumbers({Text1, Text2});
        const double weight = ReadStrictNumber(Text1), height = ReadStrictNumber(Text2);
        // Feet and inches: an empty inches box is no inches, said with a mark.
        const double inches = !english                            ? 0
                              : Text4->text().trimmed().isEmpty() ? ReadLenientNumber(Text4)
                                                                  : ReadStrictNumber(Text4);
        if (height == 0 && inches == 0)
            RejectInput(Text2, tr("A height other than zero"));
        ShowNumber(Text3, RejectOnFailure({Text1, Text2}, TooLargeToCompute(), [&] {
                       return english ? EnglishBmi(weight, height, inches)
                                      : MetricBmi(weight, height);
                   }));
        const double shown = ReadStrictNumber(Text3);
        if (const auto band = BmiBand(toSingle(shown))) {
            QLabel *marked[] = {Label3, Label4, Label5};
            setTextColor(marked[int(*band)],
                         *band == BmiCategory::Underweight ? Qt::red : Qt::blue);
        }
        if (shown >= 30)
            setTextColor(Label6, Qt::red);
    });
}

BodySurface::BodySurface(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "BodySurface", tr("Body Surface Area Calculator"));
    const Form form = FieldForm(this, {{"Label1", tr("Weight (kg)"), "Text1"},
                                       {"Label2", tr("Height (cm)"), "Text2"},
                                       {"Label3", tr("BSA"), "Text3", tr("m²"), "Label5", true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    Label4 = NoteRow(tr("Newborn = 0.25 m²\nChild of 2 years = 0.5 m²\n9 years = 1.07 m²\n"
                        "10 years = 1.14 m²\n12-13 years = 1.33 m²\nWomen = 1.6 m²\n"
                        "Men = 1.9 m²"),
                     "Label4", this, form.grid);
    connect(Command1, &QPushButton::clicked, this, &BodySurface::Command1_Click);
}

void BodySurface::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        const double weight = ReadLenientNumber(Text1), height = ReadLenientNumber(Text2);
        // The formula takes fractional powers: no negative measures.
        for (const auto &[box, value] : {std::pair{Text1, weight}, std::pair{Text2, height}})
            RequireRange(box, value, 0, std::numeric_limits<double>::infinity(),
                         tr("A number not below zero"));
        showRounded(Text3,
                    RejectOnFailure({Text1, Text2}, TooLargeToCompute(),
                                    [&] { return BodySurfaceArea(weight, height); }),
                    2);
    });
}

Creatinine::Creatinine(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "Creatinine", tr("Creatinine Calculator"));
    const Form form = FieldForm(
        this, {{"Label1", tr("Weight"), "Text1", tr("kg"), "Label2"},
               {"Label3", tr("Age"), "Text2"},
               {"Label4", tr("Serum Creatinine"), "Text3", tr("mg/dL"), "Label7"},
               {"Label8", tr("Est. Creatinine Clearance"), "Text4", tr("mL/min"), "Label6", true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2], Text4 = form.boxes[3];
    OptionPair(this, {form.grid, form.grid->rowCount(), 3}, Option1, tr("Male"), Option2,
               tr("Female"));
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    Label5 = NoteRow(tr("The results you receive from this calculator are for "
                        "informational purposes only and should not be the basis of your "
                        "medical decision making. Consult your physician to determine the "
                        "medical implications of any tests you take."),
                     "Label5", this, form.grid);
    Label5->setWordWrap(true);
    connect(Command1, &QPushButton::clicked, this, &Creatinine::Command1_Click);
    RecomputeOnChange(Command1, {Option1, Option2});
}

void Creatinine::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2, Text3});
        const double weight = ReadStrictNumber(Text1), age = ReadStrictNumber(Text2);
        // The formula takes 140 less the age: from 140 on it has no clearance to give.
        if (age >= 140)
            RejectInput(Text2, tr("An age below 140"));
        const double serum = RequireNonZero(Text3, tr("A serum creatinine other than zero"));
        showRounded(Text4,
                    RejectOnFailure({Text1, Text2, Text3}, TooLargeToCompute(),
                                    [&] {
                                        return CreatinineClearance(weight, age, serum,
                                                                   Option2->isChecked());
                                    }),
                    2);
    });
}

HeartRate::HeartRate(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "HeartRate", tr("Maximum Heart Rate Calculator"));
    const Form form = FieldForm(this, {{"Label1", tr("Age"), "Text1"},
                                       {"Label2", tr("MHR"), "Text2", tr("bpm"), "Label3", true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1];
    OptionPair(this, {form.grid, form.grid->rowCount(), 3}, Option1, tr("Male"), Option2,
               tr("Female"));
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    connect(Command1, &QPushButton::clicked, this, &HeartRate::Command1_Click);
    RecomputeOnChange(Command1, {Option1, Option2});
}

void HeartRate::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        showRounded(Text2, MaximumHeartRate(ReadStrictNumber(Text1), Option2->isChecked()), 0);
    });
}

HeatIndex::HeatIndex(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "HeatIndex", tr("Heat Index Calculator"));
    DescribeBoxes(this, {{"Text1", tr("Temperature")}});
    auto *grid = new QGridLayout(this);
    Text1 = TextBox("Text1", this);
    grid->addWidget(Text1, 0, 1);
    OptionPair(this, {grid, 1, 3}, Option1, tr("°C"), Option2, tr("°F"));
    const Form form =
        FieldForm(this,
                  {{"Label2", tr("Relative Humidity"), "Text2", QStringLiteral("%"), "Label5"},
                   {"Label1", tr("HI"), "Text3", {}, nullptr, true}},
                  grid);
    Text2 = form.boxes[0], Text3 = form.boxes[1];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, grid);
    Label4 = NoteRow(tr(CelsiusLevels), "Label4", this, grid);
    connect(Option1, &QRadioButton::clicked, this, &HeatIndex::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &HeatIndex::Option2_Click);
    connect(Command1, &QPushButton::clicked, this, &HeatIndex::Command1_Click);
    RecomputeOnChange(Command1, {Option1, Option2});
}

void HeatIndex::Option1_Click() {
    Label4->setText(tr(CelsiusLevels));
}

void HeatIndex::Option2_Click() {
    Label4->setText(tr(FahrenheitLevels));
}

void HeatIndex::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2});
        const double t = ReadStrictNumber(Text1), r = ReadStrictNumber(Text2);
        RequireRange(Text2, r, 0, 100, tr("A humidity from 0 to 100 %"));
        showRounded(Text3,
                    RejectOnFailure({Text1}, TooLargeToCompute(),
                                    [&] { return HeatIndexOf(t, r, Option2->isChecked()); }),
                    2);
    });
}

WindChill::WindChill(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "WindChill", tr("Wind Chill Index Calculator"));
    DescribeBoxes(this, {{"Text1", tr("Temperature")}});
    auto *grid = new QGridLayout(this);
    Text1 = TextBox("Text1", this);
    grid->addWidget(Text1, 0, 1);
    OptionPair(this, {grid, 1, 3}, Option1, tr("°C"), Option2, tr("°F"));
    const Form form = FieldForm(
        this,
        {{"Label2", tr("V (km/h)"), "Text2"}, {"Label1", tr("WCI"), "Text3", {}, nullptr, true}},
        grid);
    Text2 = form.boxes[0], Text3 = form.boxes[1];
    Label2 = form.captions[0];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, grid);
    connect(Option1, &QRadioButton::clicked, this, &WindChill::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &WindChill::Option2_Click);
    connect(Command1, &QPushButton::clicked, this, &WindChill::Command1_Click);
    RecomputeOnChange(Command1, {Option1, Option2});
}

void WindChill::Option1_Click() {
    Label2->setText(tr("V (km/h)"));
}

void WindChill::Option2_Click() {
    Label2->setText(tr("V (mi/h)"));
}

void WindChill::Command1_Click() {
    Computation computing(this);
    silentErrorExit([&] {
        const double t = ReadLenientNumber(Text1), v = ReadLenientNumber(Text2);
        if (v < 0)
            RejectInput(Text2, tr("A speed not below zero"));
        const bool fahrenheit = Option2->isChecked();
        const std::optional<double> chill = RejectOnFailure(
            {Text1, Text2}, TooLargeToCompute(), [&] { return WindChillOf(t, v, fahrenheit); });
        if (!chill) { // warm air: no wind chill to give
            MarkInput(Text1, InputState::Warning,
                      fahrenheit ? tr("No wind chill above 50 °F")
                                 : tr("No wind chill above 10 °C"));
            computing.fail();
            return;
        }
        showRounded(Text3, *chill, 3);
    });
}

} // namespace zq
