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

constexpr UtilityDesign Utilities[] = {
    {"WaterConsumption", "Water Consumption Calculator", "Monthly Water Consumption", "ton",
     "1 Ton Water Amount", "Average Daily Water Usage", "Average Daily Water Amount"},
    {"ElectricConsumption", "Electricity Consumption Calculator", "Monthly Electric Consumption",
     "kWh", "1 kWh Electric Amount", "Average Daily Electric Usage",
     "Average Daily Electric Amount"},
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
    NameWindow(this, "Mileage", QStringLiteral("Fuel Consumption Calculator"));
    // The two captions make one control array named Label1.
    const Form form = FieldForm(this, {{"Label1", QStringLiteral("Distance"), "txtDistance"},
                                       {"Label1", QStringLiteral("Fuel"), "txtFuel"}});
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
    form.grid->addWidget(unitBox("Picture1", optKilometers, "optKilometers",
                                 QStringLiteral("Kilometers"), optMiles, "optMiles",
                                 QStringLiteral("Miles")),
                         0, 2, 1, 1);
    form.grid->addWidget(unitBox("Picture2", optLiters, "optLiters", QStringLiteral("Liters"),
                                 optUsGallons, "optUsGallons", QStringLiteral("Gallons")),
                         1, 2, 1, 1);
    optMiles->setChecked(true);
    optUsGallons->setChecked(true);
    cmdCalculate = ComputeButton(QStringLiteral("Calculate"), "cmdCalculate", this, form.grid);
    const int row = form.grid->rowCount();
    form.grid->addWidget(Caption(QStringLiteral("English"), "Label2", this), row, 0);
    form.grid->addWidget(Caption(QStringLiteral("Metric"), "Label3", this), row, 1, 1, 2);
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
        const float distance = RejectOnFailure({txtDistance}, TooLargeToCompute, [&] {
            return toSingle(ReadLenientNumber(txtDistance));
        });
        const float fuel = RejectOnFailure({txtFuel}, TooLargeToCompute,
                                           [&] { return toSingle(ReadLenientNumber(txtFuel)); });
        // Both are divisors: miles per gallon, then gallons per hundred miles.
        if (distance == 0)
            RejectInput(txtDistance, QStringLiteral("A distance other than zero"));
        if (fuel == 0)
            RejectInput(txtFuel, QStringLiteral("An amount of fuel other than zero"));
        const MileageTexts texts = RejectOnFailure({txtDistance, txtFuel}, TooLargeToCompute, [&] {
            return MileageText(distance, fuel, optKilometers->isChecked());
        });
        setMultiLineText(txtUsMpg, texts.usMpg);
        setMultiLineText(txtKpl, texts.kpl);
    });
}

UtilityConsumption::UtilityConsumption(const UtilityDesign &design, QWidget *parent)
    : ToolWindow(parent) {
    NameWindow(this, design.windowName, QLatin1String(design.title));
    const QString unit = QLatin1String(design.unit);
    const Form form = FieldForm(
        this, {{nullptr, QLatin1String(design.consumption), "Text1", unit, "Label9"},
               {nullptr, QStringLiteral("Monthly Invoice Amount"), "Text2"},
               {nullptr, QLatin1String(design.unitPrice), "Text3", {}, nullptr, true},
               {nullptr, QLatin1String(design.dailyUsage), "Text4", unit, "Label10", true},
               {nullptr, QLatin1String(design.dailyAmount), "Text5", {}, nullptr, true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2];
    Text4 = form.boxes[3], Text5 = form.boxes[4];
    Command1 = ComputeButton(QStringLiteral("Calculate"), "Command1", this, form.grid);
    connect(Command1, &QPushButton::clicked, this, &UtilityConsumption::Command1_Click);
}

void UtilityConsumption::Command1_Click() {
    // Each step reads the boxes as they then stand, so no step may run on a box a failed step
    // left behind: unreadable input fails them all.
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2});
        RequireNonZero(Text1, QStringLiteral("A consumption other than zero"));
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
    NameWindow(this, "NaturalGas", QStringLiteral("Natural Gas Consumption Calculator"));
    const QString m3 = QStringLiteral("m3");
    const Form form = FieldForm(
        this, {{nullptr, QStringLiteral("Monthly Gas Consumption"), "Text1", m3, "Label9"},
               {nullptr, QStringLiteral("Monthly Invoice Amount"), "Text2"},
               {nullptr, QStringLiteral(" VAT Percent (can be blank)"), "Text3",
                QStringLiteral("%"), "Label8"},
               {nullptr, QStringLiteral("1 m3 Gas Amount"), "Text4", {}, nullptr, true},
               {nullptr, QStringLiteral("Average Daily Gas Usage"), "Text6", m3, "Label10", true},
               {nullptr, QStringLiteral("Average Daily Gas Amount"), "Text7", {}, nullptr, true},
               {nullptr, QStringLiteral("Monthly VAT Amount"), "Text5", {}, nullptr, true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2], Text4 = form.boxes[3];
    Text6 = form.boxes[4], Text7 = form.boxes[5], Text5 = form.boxes[6];
    Command1 = ComputeButton(QStringLiteral("Calculate"), "Command1", this, form.grid);
    connect(Command1, &QPushButton::clicked, this, &NaturalGas::Command1_Click);
}

void NaturalGas::Command1_Click() {
    const Computation computing(this);
    if (Text3->text().isEmpty())
        Text3->setText(QStringLiteral("0"));
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2, Text3});
        RequireNonZero(Text1, QStringLiteral("A consumption other than zero"));
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
    NameWindow(this, "BassBoat", QStringLiteral("Bass Fishing Boat Speed Calculator"));
    const Form form =
        FieldForm(this, {{nullptr, QStringLiteral("Engine RPM"), "Text1"},
                         {nullptr, QStringLiteral("Prop Pitch in inch"), "Text2"},
                         {nullptr, QStringLiteral("Gear Ratio"), "Text3"},
                         {nullptr, QStringLiteral("True MPH"), "Text4", {}, nullptr, true},
                         {nullptr, QStringLiteral("True KPH"), "Text5", {}, nullptr, true}});
    Text1 = form.boxes[0], Text2 = form.boxes[1], Text3 = form.boxes[2];
    Text4 = form.boxes[3], Text5 = form.boxes[4];
    Command1 = ComputeButton(QStringLiteral("Calculate"), "Command1", this, form.grid);
    connect(Command1, &QPushButton::clicked, this, &BassBoat::Command1_Click);
}

void BassBoat::Command1_Click() {
    const Computation computing(this);
    silentErrorExit([&] {
        RequireNumbers({Text1, Text2, Text3});
        RequireNonZero(Text3, QStringLiteral("A gear ratio other than zero"));
        ShowNumber(Text4,
                   RoundHalfEven(BoatSpeedMph(strict(Text1), strict(Text2), strict(Text3)), 2));
        ShowNumber(Text5, RoundHalfEven(MphToKph(strict(Text4)), 2));
    });
}

} // namespace zq
