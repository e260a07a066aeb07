#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace zq {

// The resistor colour code: colour names (as shown) of the bands in list order, the resistance of
// bands 1 to 3 (the two digits joined as text, times the multiplier) and the tolerance of band 4.
QStringList ResistorDigitColours();
QStringList ResistorMultiplierColours();
QStringList ResistorToleranceColours();
double ResistorValue(int digit1, int digit2, int multiplier);
// "v ohms", "v/1000 Kohms" and "v/1000000 Mohms" as shown, joined by CR LF.
QString ResistorText(double value);
QString ToleranceText(int band4);

enum class OhmTarget { Resistance, Volts, Amperes };
// The missing one of volts = amperes · ohms, from the texts of the other two (read strictly).
double OhmsLaw(OhmTarget target, const QString &volts, const QString &amperes, const QString &ohms);

// One formula of the electrical calculators: its entry, the captions of its inputs (no third
// caption: the third input is hidden) and its computation. Entries and captions are English;
// ElectricalFormulaText gives them as shown.
struct ElectricalFormula {
    const char *entry;
    const char *label1, *label2, *label3;
    double (*compute)(double x1, double x2, double x3);
    bool rounded;                // to 3 places
    bool voltageDivider = false; // two values: "V1 = ...   |   V2 = ..."
};

std::span<const ElectricalFormula> ElectricalFormulas();
// The formula the calculators open with: AC Volts to Watts (Single Phase).
constexpr std::size_t OpeningElectricalFormula = 3;

// An entry or caption of the formulas as shown, in the interface language.
QString ElectricalFormulaText(const char *text);
// The formula of that entry, as shown or in English, compared exactly; or nothing.
const ElectricalFormula *FindElectricalFormula(const QString &entry);

// The result text of a formula. Throws CalcError on a division by zero or another fault.
QString ElectricalResultText(const ElectricalFormula &formula, double x1, double x2, double x3);

} // namespace zq
