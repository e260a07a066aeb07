#include "science/electrical.h"

#include "common/calc_error.h"
#include "common/float_faults.h"
#include "common/number_rules.h"

#include <array>
#include <cmath>

namespace zq {
namespace {

constexpr std::array<const char *, 10> DigitColours = {
    "Black", "Brown", "Red", "Orange", "Yellow", "Green", "Blue", "Violet", "Gray", "White"};
constexpr std::array<double, 12> Multipliers = {1,       10,       100, 1000, 10000, 100000,
                                                1000000, 10000000, 1e8, 1e9,  0.1,   0.01};

struct Tolerance {
    const char *colour, *text;
};
constexpr std::array<Tolerance, 3> Tolerances = {
    {{"Gold", "+/- 5%"}, {"Silver", "+/- 10%"}, {"None", "+/- 20%"}}};

template <std::size_t N> QStringList names(const std::array<const char *, N> &list) {
    QStringList result;
    for (const char *name : list)
        result << QLatin1String(name);
    return result;
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
constexpr ElectricalFormula Formulas[] = {
    {"Horsepower to Torque", "Power", "Speed (rpm)", nullptr,
     [](double x1, double x2, double) { return ((x1 * 5252) / x2) * 10000 / 10000; }, true},
    {"Watts to Torque", "Power", "Speed (rpm)", nullptr,
     [](double x1, double x2, double) { return ((x1 * 5252) / (x2 * WattsPerHp)) * 10000 / 10000; },
     true},
    {"DC Volts to Watts", "Voltage (V)", "Current (A)", nullptr,
     [](double x1, double x2, double) { return x1 * x2; }, false},
    {"AC Volts to Watts (Single Phase)", "Voltage (V)", "Current (A)", "Power Factor",
     [](double x1, double x2, double x3) { return x3 * x2 * x1; }, false},
    {"AC Volts to Watts (Three Phase)", "Voltage (V)", "Current (A)", "Power Factor",
     [](double x1, double x2, double x3) { return x3 * Root3 * x2 * x1; }, false},
    {"Voltage Divider", "Voltage (V)", "Resistance1", "Resistance2", nullptr, false, true},
    {"Kilowatts to Torque", "Power", "Speed (rpm)", nullptr,
     [](double x1, double x2, double) {
         return ((x1 * 5252) / (x2 * KilowattsPerHp)) * 10000 / 10000;
     },
     true},
    // The torque of the 5252 rule is in pound-feet.
    {"Torque to Horsepower", "Torque (lb-ft)", "Speed (rpm)", nullptr,
     [](double x1, double x2, double) { return ((x2 / 5252) * x1 * 10000) / 10000; }, true},
    {"KVA Calculator (Single Phase)", "Amp (A)", "Volt (V)", nullptr,
     [](double x1, double x2, double) { return x1 * x2 / 1000; }, false},
    {"KVA Calculator (Three Phase)", "Amp (A)", "Volt (V)", nullptr,
     [](double x1, double x2, double) { return x1 * Root3 * x2 / 1000; }, false},
    {"Volts Calculator (Single Phase)", "Amp (A)", "KVA", nullptr,
     [](double x1, double x2, double) { return x2 * 1000 / x1; }, false},
    {"Volts Calculator (Three Phase)", "Amp (A)", "KVA", nullptr,
     [](double x1, double x2, double) { return x2 * 1000 / (x1 * Root3); }, false},
    {"Amps Calculator (Single Phase)", "Volt (V)", "KVA", nullptr,
     [](double x1, double x2, double) { return x2 * 1000 / x1; }, false},
    {"Amps Calculator (Three Phase)", "Volt (V)", "KVA", nullptr,
     [](double x1, double x2, double) { return x2 * 1000 / (x1 * Root3); }, false},
    {"Torque to Watts", "Torque (lb-ft)", "Speed (rpm)", nullptr,
     [](double x1, double x2, double) { return ((x2 * WattsPerHp / 5252) * x1 * 10000) / 10000; },
     true},
    {"Torque to Speed", "Torque (lb-ft)", "Power (hp)", nullptr,
     [](double x1, double x2, double) { return ((x2 / x1) * 10000 * 5252) / 10000; }, true},
    {"Horsepower to Speed", "Power (hp)", "Torque (lb-ft)", nullptr,
     [](double x1, double x2, double) { return ((x1 / x2) * 10000 * 5252) / 10000; }, true},
    {"Speed to Horsepower", "Speed (rpm)", "Torque (lb-ft)", nullptr,
     [](double x1, double x2, double) { return ((x2 / 5252) * 10000 * x1) / 10000; }, true},
    {"Speed to Watts", "Speed (rpm)", "Torque (lb-ft)", nullptr,
     [](double x1, double x2, double) { return ((x2 * WattsPerHp / 5252) * x1 * 10000) / 10000; },
     true},
    {"Candela to Lumens", "Candela", "Degree", nullptr,
     [](double x1, double x2, double) { return x1 * ((1 - std::cos(halfBeamAngle(x2))) * TwoPi); },
     false},
    {"Candela to Lux (feet)", "Candela", "Distance (ft)", nullptr,
     [](double x1, double x2, double) { return x1 * 10.76391 / std::pow(x2, 2); }, false},
    {"Candela to Lux (meter)", "Candela", "Distance (m)", nullptr,
     [](double x1, double x2, double) { return x1 / std::pow(x2, 2); }, false},
    {"Lumens to Candela", "Lumens (lm)", "Degree", nullptr,
     [](double x1, double x2, double) { return x1 / ((1 - std::cos(halfBeamAngle(x2))) * TwoPi); },
     false},
};

} // namespace

QStringList ResistorDigitColours() {
    return names(DigitColours);
}

QStringList ResistorMultiplierColours() {
    return ResistorDigitColours() << QStringLiteral("Gold") << QStringLiteral("Silver");
}

QStringList ResistorToleranceColours() {
    QStringList colours;
    for (const Tolerance &tolerance : Tolerances)
        colours << QLatin1String(tolerance.colour);
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
    return FormatNumberText(value) + QStringLiteral(" ohms\r\n") + FormatNumberText(value / 1000) +
           QStringLiteral(" Kohms\r\n") + FormatNumberText(value / 1000000) +
           QStringLiteral(" Mohms");
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
