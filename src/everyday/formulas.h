#pragma once

#include <QString>

#include <optional>

namespace zq {

// Body mass index from kilograms and centimetres, to one decimal: w / h² rounded to five places,
// times 10,000.
double MetricBmi(double weight, double height);
// From pounds, feet and inches: w / inches² · 703, rounded to one decimal.
double EnglishBmi(double weight, double feet, double inches);

enum class BmiCategory { Underweight, NormalWeight, Overweight };
// The band of a BMI compared in single precision; none between the bands or below 0.
std::optional<BmiCategory> BmiBand(float bmi);

// Body surface area (Du Bois) in m² from kilograms and centimetres.
double BodySurfaceArea(double weight, double height);
// Creatinine clearance (Cockcroft-Gault) in mL/min.
double CreatinineClearance(double weight, double age, double serumCreatinine, bool female);
// Maximum heart rate in beats a minute.
double MaximumHeartRate(double age, bool female);

// Felt temperatures in °C or °F. The heat index from temperature and relative humidity, by the
// National Weather Service's procedure (a simple formula, or where it is hot enough the
// regression with its corrections for very dry and very humid air).
double HeatIndexOf(double temperature, double humidity, bool fahrenheit);
// The wind-chill index from temperature and wind speed (km/h or mi/h): the air temperature in
// calm air, nothing above 50 °F (10 °C), where the index is not defined.
std::optional<double> WindChillOf(double temperature, double windSpeed, bool fahrenheit);

// One line a body, joined by CR LF: a weight on Earth on every planet, a number of Earth years
// in each planet's years; the bodies named in the interface language.
QString WeightOnPlanetsText(double weight);
QString YearsOnPlanetsText(double years);

// Fuel consumption in single precision from a distance and the fuel used, in miles and US
// gallons or, metric, kilometres and litres: the US and the metric result texts, their units
// in the interface language.
struct MileageTexts {
    QString usMpg, kpl;
};
MileageTexts MileageText(float distance, float fuel, bool metric);

// A number with exactly two decimals, no grouping, the locale's decimal separator ("0.00").
QString FixedTwoText(double x);

// A monthly utility bill, a step at a time: each step takes the results shown (rounded) before
// it. The price of one unit, the usage and amount a day (a month taken as 30 days), the VAT in
// the bill, and gas's daily amount from the bill's unit price unrounded. Each throws CalcError
// for a result that is not a finite number (a consumption of 0).
double UnitPrice(double invoice, double consumption);
double DailyUsage(double monthlyConsumption);
double DailyAmount(double unitPrice, double dailyUsage);
double VatAmount(double invoice, double vatPercent);
double DailyAmountAtBillPrice(double invoice, double consumption, double dailyUsage);

// A boat's true speed in miles an hour: rpm · pitch / gear ratio / 1056, less 10 %.
double BoatSpeedMph(double rpm, double pitch, double gearRatio);
// Miles an hour in km/h, by the boat tool's factor.
double MphToKph(double mph);

} // namespace zq
