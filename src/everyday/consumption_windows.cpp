#include "everyday/consumption_windows.h"

#include "common/computation.h"
#include "common/controls.h"
#include "common/error_rules.h"
#include "common/input_marks.h"
#include "common/number_rules.h"
#include "common/numeric_types.h"
#include "common/text_boxes.h"
#include "common/window_access.h"
#include "everyday/formulas.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zq {

struct UtilityDesign {
    const char *windowName, *title;
    const char *consumption, *unit, *unitPrice, *dailyUsage, *dailyAmount;
};

namespace {

// English captions, translated in the window's context when it is made.
constexpr UtilityDesign Utilities[] = {
    {"WaterConsumption",
     QT_TRANSLATE_NOOP("zq::UtilityConsumption", "Water Consumption Calculator"),
     QT_TRANSLATE_NOOP("zq::UtilityConsumption", "Monthly Water Consumption"),
     QT_TRANSLATE_NOOP("zq::UtilityConsumption", "ton"),
     QT_TRANSLATE_NOOP("zq::UtilityConsumption", "1 Ton Water Amount"),
     QT_TRANSLATE_NOOP("zq::UtilityConsumption", "Average Daily Water Usage"),
     QT_TRANSLATE_NOOP("zq::UtilityConsumption", "Average Daily Water Amount")},
    {"ElectricConsumption",
     QT_TRANSLATE_NOOP("zq::UtilityConsumption", "Electricity Consumption Calculator"),
     QT_TRANSLATE_NOOP("zq::UtilityConsumption", "Monthly Electric Consumption"),
     QT_TRANSLATE_NOOP("zq::UtilityConsumption", "kWh"),
     QT_TRANSLATE_NOOP("zq::UtilityConsumption", "1 kWh Electric Amount"),
     QT_TRANSLATE_NOOP("zq::UtilityConsumption", "Average Daily Electric Usage"),
     QT_TRANSLATE_NOOP("zq::UtilityConsumption", "Average Daily Electric Amount")},
};

// Box = the box read strictly, rounded to `places` decimals, as a step of its own.
void roundedStep(QLineEdit *box, int places, const std::function<double()> &value) {
    silentErrorExit([&] { ShowNumber(box, RoundHalfEven(value(), places)); });
}

double strict(QLineEdit *box) {
    return ReadStrictNumber(box);
}

} // namespace

Mileage::Mileage(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "Mileage", tr("Fuel Consumption Calculator"));
    // The two captions make one control array named Label1.
    const Form form = FieldForm(
        this, {{"Label1", tr("Distance"), "txtDistance"}, {"Label1", tr("Fuel"), "txtFuel"}});
    txtDistance = form.boxes[0], txtFuel = form.boxes[1];
    txtDistance->setText(QStringLiteral("100"));
    txtFuel->setText(QStringLiteral("3"));
    auto unitBox = [this](const char *name, QRadioButton *&first, const char *firstName,
                          const QString &firstCaption, QRadioButton *&second,
                          const char *secondName, const QString &secondCaption) {
        QFrame *box = named(new QFrame(this), name);
        auto *layout = new QVBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        first = OptionButton(firstCaption, firstName, box);
        second = OptionButton(secondCaption, secondName, box);
        layout->addWidget(first);
        layout->addWidget(second);
        return box;
    };
    form.grid->addWidget(unitBox("Picture1", optKilometers, "optKilometers", tr("Kilometers"),
                                 optMiles, "optMiles", tr("Miles")),
                         0, 2, 1, 1);
    form.grid->addWidget(unitBox("Picture2", optLiters, "optLiters", tr("Liters"), optUsGallons,
                                 "optUsGallons", tr("Gallons")),
                         1, 2, 1, 1);
    optMiles->setChecked(true);
    optUsGallons->setChecked(true);
    cmdCalculate = ComputeButton(tr("Calculate"), "cmdCalculate", this, form.grid);
    const int row = form.grid->rowCount();
    form.grid->addWidget(Caption(tr("English"), "Label2", this), row, 0);
    form.grid->addWidget(Caption(tr("Metric"), "Label3", this), row, 1, 1, 2);
    txtUsMpg = MultiLineResultBox("txtUsMpg", this, 2000, 600);
    txtKpl = MultiLineResultBox("txtKpl", this, 2000, 600);
    form.grid->addWidget(txtUsMpg, row + 1, 0);
    form.grid->addWidget(txtKpl, row + 1, 1, 1, 2);
    connect(optKilometers, &QRadioButton::clicked, this, &Mileage::optKilometers_Click);
    connect(optMiles, &QRadioButton::clicked, this, &Mileage::optMiles_Click);
    connect(optLiters, &QRadioButton::clicked, this, &Mileage::optLiters_Click);
    connect(optUsGallons, &QRadioButton::clicked, this, &Mileage::optUsGallons_Click);
    connect(cmdCalculate, &QPushButton::clicked, this, &Mileage::cmdCalculate_Click);
    RecomputeOnChange(cmdCalculate, {optKilometers, optMiles, optLiters, optUsGallons});
}

// Each choice brings its partner of the same system; the other system's options clear.
void Mileage::optKilometers_Click() {
    optLiters->setChecked(true);
}

void Mileage::optMiles_Click() {
    optUsGallons->setChecked(true);
}

void Mileage::optLiters_Click() {
    optKilometers->setChecked(true);
}

void Mileage::optUsGallons_Click() {
    optMiles->setChecked(true);
}

void Mileage::cmdCalculate_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        const float distance = RejectOnFailure({txtDistance}, TooLargeToCompute(), [&] {
            return toSingle(ReadLenientNumber(txtDistance));
        });
        const float fuel = RejectOnFailure({txtFuel}, TooLargeToCompute(),
                                           [&] { return toSingle(ReadLenientNumber(txtFuel)); });
        // Both are divisors: miles per gallon, then gallons per hundred miles.
        if (distance == 0)
            RejectInput(txtDistance, tr("A distance other than zero"));
        if (fuel == 0)
            RejectInput(txtFuel, tr("An amount of fuel other than zero"));
        const MileageTexts texts =
            RejectOnFailure({txtDistance, txtFuel}, TooLargeToCompute(), [&] {
                return MileageText(distance, fuel, optKilometers->isChecked());
            });
        setMultiLineText(txtUsMpg, texts.usMpg);
        setMultiLineText(txtKpl, texts.kpl);
    });
}

UtilityConsumption::UtilityConsumption(const UtilityDesign &design, QWidget *parent)
    : ToolWindow(parent) {
    NameWindow(this, design.windowName, tr(design.title));
    const QString unit = tr(design.unit);
    const Form form =
        FieldForm(this, {{nullptr, tr(design.consumption), "Text1", unit, "Label9"},
                         {nullptr, tr("Monthly Invoice Amount"), "Text2"},
                         {nullptr, tr(design.unitPrice), "Text3", {}, nullptr, true},
                         {nullptr, tr(design.dailyUsage), "Text4", unit, "Label10", true},
                         {nullptr, tr(design.dailyAmount), "Text5", {}, nullptr, true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2];
    Text4 = form.boxes[3], Text5 = form.boxes[4];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    connect(Command1, &QPushButton::clicked, this, &UtilityConsumption::Command1_Click);
}

void UtilityConsumption::Command1_Click() {
    // Each step reads the boxes as they then stand, so no step may run on a box a failed step
    // left behind: unreadable input fails them all.
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2});
        RequireNonZero(Text1, tr("A consumption other than zero"));
    });
    if (computing.failed())
        return;
    roundedStep(Text3, 3, [&] { return UnitPrice(strict(Text2), strict(Text1)); });
    roundedStep(Text4, 2, [&] { return DailyUsage(strict(Text1)); });
    roundedStep(Text5, 2, [&] { return DailyAmount(strict(Text3), strict(Text4)); });
}

QWidget *createUtilityConsumption(const QString &windowName, QWidget *parent) {
    for (const UtilityDesign &design : Utilities)
        if (windowName == QLatin1String(design.windowName))
            return new UtilityConsumption(design, parent);
    return nullptr;
}

NaturalGas::NaturalGas(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "NaturalGas", tr("Natural Gas Consumption Calculator"));
    const QString m3 = tr("m3");
    const Form form = FieldForm(
        this, {{nullptr, tr("Monthly Gas Consumption"), "Text1", m3, "Label9"},
               {nullptr, tr("Monthly Invoice Amount"), "Text2"},
               {nullptr, tr(" VAT Percent (can be blank)"), "Text3", QStringLiteral("%"), "Label8"},
               {nullptr, tr("1 m3 Gas Amount"), "Text4", {}, nullptr, true},
               {nullptr, tr("Average Daily Gas Usage"), "Text6", m3, "Label10", true},
               {nullptr, tr("Average Daily Gas Amount"), "Text7", {}, nullptr, true},
               {nullptr, tr("Monthly VAT Amount"), "Text5", {}, nullptr, true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2], Text4 = form.boxes[3];
    Text6 = form.boxes[4], Text7 = form.boxes[5], Text5 = form.boxes[6];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    connect(Command1, &QPushButton::clicked, this, &NaturalGas::Command1_Click);
}

void NaturalGas::Command1_Click() {
    const Computation computing(this);
    if (Text3->text().isEmpty())
        Text3->setText(QStringLiteral("0"));
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2, Text3});
        RequireNonZero(Text1, tr("A consumption other than zero"));
    });
    if (computing.failed())
        return;
    roundedStep(Text4, 3, [&] { return UnitPrice(strict(Text2), strict(Text1)); });
    roundedStep(Text5, 2, [&] { return VatAmount(strict(Text2), strict(Text3)); });
    roundedStep(Text6, 2, [&] { return DailyUsage(strict(Text1)); });
    roundedStep(Text7, 2, [&] {
        return DailyAmountAtBillPrice(strict(Text2), strict(Text1), strict(Text6));
    });
}

BassBoat::BassBoat(QWidget *parent) : ToolWindow(parent) {
    NameWindow(this, "BassBoat", tr("Bass Fishing Boat Speed Calculator"));
    const Form form = FieldForm(this, {{nullptr, tr("Engine RPM"), "Text1"},
                                       {nullptr, tr("Prop Pitch in inch"), "Text2"},
                                       {nullptr, tr("Gear Ratio"), "Text3"},
                                       {nullptr, tr("True MPH"), "Text4", {}, nullptr, true},
                                       {nullptr, tr("True KPH"), "Text5", {}, nullptr, true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2];
    Text4 = form.boxes[3], Text5 = form.boxes[4];
    Command1 = ComputeButton(tr("Calculate"), "Command1", this, form.grid);
    connect(Command1, &QPushButton::clicked, this, &BassBoat::Command1_Click);
}

void BassBoat::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2, Text3});
        RequireNonZero(Text3, tr("A gear ratio other than zero"));
        ShowNumber(Text4,
                   RoundHalfEven(BoatSpeedMph(strict(Text1), strict(Text2), strict(Text3)), 2));
        ShowNumber(Text5, RoundHalfEven(MphToKph(strict(Text4)), 2));
    });
}

} // namespace zq
