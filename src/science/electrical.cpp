#include "science/electrical.h"

#include "common/calc_error.h"
#include "common/float_faults.h"
#include "common/interface_language.h"
#include "common/number_rules.h"

#include <QCoreApplication>

#include <array>
#include <cmath>
#include <string_view>

namespace zq {
namespace {

// Colour names are English, translated in the context "zq::ResistorCode".
constexpr std::array<const char *, 10> DigitColours = {
    QT_TRANSLATE_NOOP("zq::ResistorCode", "Black"),
    QT_TRANSLATE_NOOP("zq::ResistorCode", "Brown"),
    QT_TRANSLATE_NOOP("zq::ResistorCode", "Red"),
    QT_TRANSLATE_NOOP("zq::ResistorCode", "Orange"),
    QT_TRANSLATE_NOOP("zq::ResistorCode", "Yellow"),
    QT_TRANSLATE_NOOP("zq::ResistorCode", "Green"),
    QT_TRANSLATE_NOOP("zq::ResistorCode", "Blue"),
    QT_TRANSLATE_NOOP("zq::ResistorCode", "Violet"),
    QT_TRANSLATE_NOOP("zq::ResistorCode", "Gray"),
    QT_TRANSLATE_NOOP("zq::ResistorCode", "White")};
constexpr const char *Gold = QT_TRANSLATE_NOOP("zq::ResistorCode", "Gold");
constexpr const char *Silver = QT_TRANSLATE_NOOP("zq::ResistorCode", "Silver");
constexpr std::array<double, 12> Multipliers = {1,       10,       100, 1000, 10000, 100000,
                                                1000000, 10000000, 1e8, 1e9,  0.1,   0.01};

struct Tolerance {
    const char *colour, *text;
};
constexpr std::array<Tolerance, 3> Tolerances = {
    {{Gold, "+/- 5%"},
     {Silver, "+/- 10%"},
     {QT_TRANSLATE_NOOP("zq::ResistorCode", "None"), "+/- 20%"}}};

QString colourText(const char *colour) {
    return QCoreApplication::translate("zq::ResistorCode", colour);
}

QString resistanceText(const char *text, double value) {
    return QCoreApplication::translate("zq::ResistorCode", text).arg(FormatNumberText(value));
}

// The constants as the calculators have always written them.
constexpr double Root3 = 1.73205080756888;
constexpr double Pi = 3.1415926535;
constexpr double TwoPi = 6.283185307;
constexpr double WattsPerHp = 745.699872;
constexpr double KilowattsPerHp = 0.745699872;

double halfBeamAngle(double degrees) {
    return degrees * Pi / 180 / 2;
}

// The rounded rows take their factor of 10000 in and out exactly where they always did.
// Entries and captions are English, translated in the context "zq::ElectricalFormulas".
// The boxes' captions that several formulas share.
constexpr const char *Power = QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Power");
constexpr const char *SpeedRpm = QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Speed (rpm)");
constexpr const char *VoltageV = QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Voltage (V)");
constexpr const char *CurrentA = QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Current (A)");
constexpr const char *PowerFactor = QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Power Factor");
constexpr const char *TorqueLbFt = QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Torque (lb-ft)");
constexpr const char *AmpA = QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Amp (A)");
constexpr const char *VoltV = QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Volt (V)");
constexpr const char *KVA = QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "KVA");
constexpr const char *PowerHp = QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Power (hp)");
constexpr const char *Candela = QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Candela");
constexpr const char *Degree = QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Degree");

constexpr ElectricalFormula Formulas[] = {
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Horsepower to Torque"), Power, SpeedRpm, nullptr,
     [](double x1, double x2, double) { return ((x1 * 5252) / x2) * 10000 / 10000; }, true},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Watts to Torque"), Power, SpeedRpm, nullptr,
     [](double x1, double x2, double) { return ((x1 * 5252) / (x2 * WattsPerHp)) * 10000 / 10000; },
     true},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "DC Volts to Watts"), VoltageV, CurrentA, nullptr,
     [](double x1, double x2, double) { return x1 * x2; }, false},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "AC Volts to Watts (Single Phase)"), VoltageV,
     CurrentA, PowerFactor, [](double x1, double x2, double x3) { return x3 * x2 * x1; }, false},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "AC Volts to Watts (Three Phase)"), VoltageV,
     CurrentA, PowerFactor, [](double x1, double x2, double x3) { return x3 * Root3 * x2 * x1; },
     false},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Voltage Divider"), VoltageV,
     QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Resistance1"),
     QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Resistance2"), nullptr, false, true},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Kilowatts to Torque"), Power, SpeedRpm, nullptr,
     [](double x1, double x2, double) {
         return ((x1 * 5252) / (x2 * KilowattsPerHp)) * 10000 / 10000;
     },
     true},
    // The torque of the 5252 rule is in pound-feet.
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Torque to Horsepower"), TorqueLbFt, SpeedRpm,
     nullptr, [](double x1, double x2, double) { return ((x2 / 5252) * x1 * 10000) / 10000; },
     true},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "KVA Calculator (Single Phase)"), AmpA, VoltV,
     nullptr, [](double x1, double x2, double) { return x1 * x2 / 1000; }, false},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "KVA Calculator (Three Phase)"), AmpA, VoltV,
     nullptr, [](double x1, double x2, double) { return x1 * Root3 * x2 / 1000; }, false},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Volts Calculator (Single Phase)"), AmpA, KVA,
     nullptr, [](double x1, double x2, double) { return x2 * 1000 / x1; }, false},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Volts Calculator (Three Phase)"), AmpA, KVA,
     nullptr, [](double x1, double x2, double) { return x2 * 1000 / (x1 * Root3); }, false},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Amps Calculator (Single Phase)"), VoltV, KVA,
     nullptr, [](double x1, double x2, double) { return x2 * 1000 / x1; }, false},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Amps Calculator (Three Phase)"), VoltV, KVA,
     nullptr, [](double x1, double x2, double) { return x2 * 1000 / (x1 * Root3); }, false},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Torque to Watts"), TorqueLbFt, SpeedRpm, nullptr,
     [](double x1, double x2, double) { return ((x2 * WattsPerHp / 5252) * x1 * 10000) / 10000; },
     true},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Torque to Speed"), TorqueLbFt, PowerHp, nullptr,
     [](double x1, double x2, double) { return ((x2 / x1) * 10000 * 5252) / 10000; }, true},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Horsepower to Speed"), PowerHp, TorqueLbFt,
     nullptr, [](double x1, double x2, double) { return ((x1 / x2) * 10000 * 5252) / 10000; },
     true},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Speed to Horsepower"), SpeedRpm, TorqueLbFt,
     nullptr, [](double x1, double x2, double) { return ((x2 / 5252) * 10000 * x1) / 10000; },
     true},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Speed to Watts"), SpeedRpm, TorqueLbFt, nullptr,
     [](double x1, double x2, double) { return ((x2 * WattsPerHp / 5252) * x1 * 10000) / 10000; },
     true},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Candela to Lumens"), Candela, Degree, nullptr,
     [](double x1, double x2, double) { return x1 * ((1 - std::cos(halfBeamAngle(x2))) * TwoPi); },
     false},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Candela to Lux (feet)"), Candela,
     QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Distance (ft)"), nullptr,
     [](double x1, double x2, double) { return x1 * 10.76391 / std::pow(x2, 2); }, false},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Candela to Lux (meter)"), Candela,
     QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Distance (m)"), nullptr,
     [](double x1, double x2, double) { return x1 / std::pow(x2, 2); }, false},
    {QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Lumens to Candela"),
     QT_TRANSLATE_NOOP("zq::ElectricalFormulas", "Lumens (lm)"), Degree, nullptr,
     [](double x1, double x2, double) { return x1 / ((1 - std::cos(halfBeamAngle(x2))) * TwoPi); },
     false},
};

static_assert(std::string_view(Formulas[OpeningElectricalFormula].entry) ==
              "AC Volts to Watts (Single Phase)");

} // namespace

QStringList ResistorDigitColours() {
    QStringList colours;
    for (const char *colour : DigitColours)
        colours << colourText(colour);
    return colours;
}

QStringList ResistorMultiplierColours() {
    return ResistorDigitColours() << colourText(Gold) << colourText(Silver);
}

QStringList ResistorToleranceColours() {
    QStringList colours;
    for (const Tolerance &tolerance : Tolerances)
        colours << colourText(tolerance.colour);
    return colours;
}

double ResistorValue(int digit1, int digit2, int multiplier) {
    if (digit1 < 0 || digit1 > 9 || digit2 < 0 || digit2 > 9 || multiplier < 0 ||
        multiplier >= int(Multipliers.size()))
        throw CalcError(CalcError::Kind::InvalidArgument, "no such band");
    // The digits are joined as text ("0" and "2" make 02), then read as a number.
    return (digit1 * 10 + digit2) * Multipliers[std::size_t(multiplier)];
}

QString ResistorText(double value) {
    return QStringList{
        resistanceText(QT_TRANSLATE_NOOP("zq::ResistorCode", "%1 ohms"), value),
        resistanceText(QT_TRANSLATE_NOOP("zq::ResistorCode", "%1 Kohms"), value / 1000),
        resistanceText(QT_TRANSLATE_NOOP("zq::ResistorCode", "%1 Mohms"), value / 1000000)}
        .join(QLatin1String("\r\n"));
}

QString ToleranceText(int band4) {
    if (band4 < 0 || band4 >= int(Tolerances.size()))
        throw CalcError(CalcError::Kind::InvalidArgument, "no such band");
    return QLatin1String(Tolerances[std::size_t(band4)].text);
}

double OhmsLaw(OhmTarget target, const QString &volts, const QString &amperes,
               const QString &ohms) {
    switch (target) {
    case OhmTarget::Resistance: {
        const double v = ParseNumberStrict(volts), i = ParseNumberStrict(amperes);
        return checkedFloat([=] { return v / i; });
    }
    case OhmTarget::Volts: {
        const double r = ParseNumberStrict(ohms), i = ParseNumberStrict(amperes);
        return checkedFloat([=] { return r * i; });
    }
    case OhmTarget::Amperes:
        break;
    }
    const double v = ParseNumberStrict(volts), r = ParseNumberStrict(ohms);
    return checkedFloat([=] { return v / r; });
}

std::span<const ElectricalFormula> ElectricalFormulas() {
    return Formulas;
}

QString ElectricalFormulaText(const char *text) {
    return QCoreApplication::translate("zq::ElectricalFormulas", text);
}

const ElectricalFormula *FindElectricalFormula(const QString &entry) {
    const int place = IndexOfNamed(Formulas, entry, "zq::ElectricalFormulas",
                                   [](const ElectricalFormula &formula) { return formula.entry; });
    return place >= 0 ? &Formulas[place] : nullptr;
}

QString ElectricalResultText(const ElectricalFormula &formula, double x1, double x2, double x3) {
    if (formula.voltageDivider) {
        const double v1 = checkedFloat([=] { return x1 / (x3 + x2) * x2; });
        const double v2 = checkedFloat([=] { return x1 / (x2 + x3) * x3; });
        return QStringLiteral("V1 = ") + FormatNumberText(v1) + QStringLiteral("   |   V2 = ") +
               FormatNumberText(v2);
    }
    const double value = checkedFloat([&] { return formula.compute(x1, x2, x3); });
    return FormatNumberText(formula.rounded ? RoundHalfEven(value, 3) : value);
}

} // namespace zq
