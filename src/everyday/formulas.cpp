#include "everyday/formulas.h"

#include "common/float_faults.h"
#include "common/number_rules.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>
#include <cmath>

namespace zq {
namespace {

struct Body {
    const char *name; // English, marked for translation; shown after the number
    double value;
};

constexpr std::array<Body, 10> SurfaceGravity = {
    {{QT_TRANSLATE_NOOP("zq::Planets", "Mercury"), 0.378},
     {QT_TRANSLATE_NOOP("zq::Planets", "Venus"), 0.907},
     {QT_TRANSLATE_NOOP("zq::Planets", "Moon"), 0.166},
     {QT_TRANSLATE_NOOP("zq::Planets", "Mars"), 0.377},
     {QT_TRANSLATE_NOOP("zq::Planets", "Jupiter"), 2.364},
     {QT_TRANSLATE_NOOP("zq::Planets", "Saturn"), 0.916},
     {QT_TRANSLATE_NOOP("zq::Planets", "Uranus"), 0.889},
     {QT_TRANSLATE_NOOP("zq::Planets", "Neptune"), 1.125},
     {QT_TRANSLATE_NOOP("zq::Planets", "Pluto"), 0.067},
     {QT_TRANSLATE_NOOP("zq::Planets", "Sun"), 27.94}}};

// Semi-major axes in astronomical units.
constexpr std::array<Body, 8> OrbitAxis = {{{QT_TRANSLATE_NOOP("zq::Planets", "Mercury"), 0.387},
                                            {QT_TRANSLATE_NOOP("zq::Planets", "Venus"), 0.723},
                                            {QT_TRANSLATE_NOOP("zq::Planets", "Mars"), 1.52},
                                            {QT_TRANSLATE_NOOP("zq::Planets", "Jupiter"), 5.2},
                                            {QT_TRANSLATE_NOOP("zq::Planets", "Saturn"), 9.58},
                                            {QT_TRANSLATE_NOOP("zq::Planets", "Uranus"), 19.23},
                                            {QT_TRANSLATE_NOOP("zq::Planets", "Neptune"), 30.1},
                                            {QT_TRANSLATE_NOOP("zq::Planets", "Pluto"), 39.48}}};

// The heat-index coefficients c1 to c9; the small ones as a mantissa and a power of ten.
struct Coefficient {
    double mantissa;
    int exponent;
    double value() const { return exponent == 0 ? mantissa : mantissa * std::pow(10.0, -exponent); }
};

constexpr std::array<Coefficient, 9> HeatCelsius = {{{-8.784695, 0},
                                                     {1.61139411, 0},
                                                     {2.338549, 0},
                                                     {0.14611605, 0},
                                                     {1.2308094, 2},
                                                     {1.6424828, 2},
                                                     {2.211732, 3},
                                                     {7.2546, 4},
                                                     {3.582, 6}}};
constexpr std::array<Coefficient, 9> HeatFahrenheit = {{{-42.379, 0},
                                                        {2.04901523, 0},
                                                        {10.14333127, 0},
                                                        {0.22475541, 0},
                                                        {6.83783, 3},
                                                        {5.481717, 2},
                                                        {1.22874, 3},
                                                        {8.5282, 4},
                                                        {1.99, 6}}};

constexpr float MilesPerKilometre = 0.6213712f;
constexpr float GallonsPerLitre = 0.26417205f;

template <std::size_t N, class Amount>
QString bodyLines(const std::array<Body, N> &bodies, Amount amount) {
    QStringList lines;
    for (const Body &body : bodies)
        lines << FormatNumberText(amount(body.value)) + QLatin1Char(' ') +
                     QCoreApplication::translate("zq::Planets", body.name);
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

double MetricBmi(double weight, double height) {
    const double ratio = checkedFloat([=] { return weight / (height * height); });
    return checkedFloat([=] { return RoundHalfEven(ratio, 5) * 10000; });
}

double EnglishBmi(double weight, double feet, double inches) {
    const double total = checkedFloat([=] { return feet * 12 + inches; });
    return RoundHalfEven(checkedFloat([=] { return weight / (total * total) * 703; }), 1);
}

std::optional<BmiCategory> BmiBand(float bmi) {
    if (bmi >= 0 && bmi <= 18.4f)
        return BmiCategory::Underweight;
    if (bmi >= 18.5f && bmi <= 24.9f)
        return BmiCategory::NormalWeight;
    if (bmi >= 25 && bmi <= 29.9f)
        return BmiCategory::Overweight;
    return std::nullopt;
}

double BodySurfaceArea(double weight, double height) {
    return checkedFloat(
        [=] { return 0.007184 * std::pow(weight, 0.425) * std::pow(height, 0.725); });
}

double CreatinineClearance(double weight, double age, double serumCreatinine, bool female) {
    return checkedFloat([=] {
        const double clearance = (140 - age) * weight / (72 * serumCreatinine);
        return female ? clearance * 0.85 : clearance;
    });
}

double MaximumHeartRate(double age, bool female) {
    return checkedFloat([=] { return female ? 206 - 0.88 * age : 220 - age; });
}

double HeatIndexOf(double t, double r, bool fahrenheit) {
    // The National Weather Service's procedure, in °F: a simple formula first, the regression
    // only where the simple one and the air temperature average 80 °F or more.
    const double f = fahrenheit ? t : t * 9 / 5 + 32;
    return checkedFloat([&] {
        const double simple = 0.5 * (f + 61.0 + ((f - 68.0) * 1.2) + (r * 0.094));
        if ((simple + f) / 2 < 80)
            return fahrenheit ? simple : (simple - 32) * 5 / 9;
        const auto &c = fahrenheit ? HeatFahrenheit : HeatCelsius;
        const double regression = c[0].value() + c[1].value() * t + c[2].value() * r -
                                  c[3].value() * t * r - c[4].value() * t * t -
                                  c[5].value() * r * r + c[6].value() * t * t * r +
                                  c[7].value() * t * r * r - c[8].value() * t * t * r * r;
        // Its two corrections, in °F: very dry air from 80 to 112 °F, very humid air from
        // 80 to 87 °F.
        double correction = 0;
        if (r < 13 && f >= 80 && f <= 112)
            correction = -((13 - r) / 4) * std::sqrt((17 - std::fabs(f - 95.0)) / 17);
        else if (r > 85 && f >= 80 && f <= 87)
            correction = ((r - 85) / 10) * ((87 - f) / 5);
        return regression + (fahrenheit ? correction : correction * 5 / 9);
    });
}

std::optional<double> WindChillOf(double t, double v, bool fahrenheit) {
    // The 2001 index holds from 50 °F (10 °C) down; in air calmer than 3 mi/h (4.8 km/h) the
    // wind chills nothing: the felt temperature is the air's.
    if (t > (fahrenheit ? 50 : 10))
        return std::nullopt;
    if (v < (fahrenheit ? 3 : 4.8))
        return t;
    return checkedFloat([=] {
        const double w = std::pow(v, 0.16);
        return fahrenheit ? 35.74 + 0.6215 * t - 35.75 * w + 0.4275 * t * w
                          : 13.12 + 0.6215 * t - 11.37 * w + 0.3965 * t * w;
    });
}

QString WeightOnPlanetsText(double weight) {
    return bodyLines(SurfaceGravity, [weight](double factor) {
        return checkedFloat([=] { return weight * factor; });
    });
}

QString YearsOnPlanetsText(double years) {
    return bodyLines(OrbitAxis, [years](double axis) {
        const double period = RoundHalfEven(std::pow(std::sqrt(axis), 3), 3);
        return checkedFloat([=] { return years * period; });
    });
}

MileageTexts MileageText(float distance, float fuel, bool metric) {
    // Every step is kept in single precision.
    float d = distance, f = fuel;
    if (metric) {
        d = checkedFloat([=] { return d * MilesPerKilometre; });
        f = checkedFloat([=] { return f * GallonsPerLitre; });
    }
    const float mpg = checkedFloat([=] { return d / f; });
    const float gallonsPer100 = checkedFloat([=] { return 100 / mpg; });
    const float litres = checkedFloat([=] { return f / GallonsPerLitre; });
    const float km = checkedFloat([=] { return d / MilesPerKilometre; });
    const float kpl = checkedFloat([=] { return km / litres; });
    const float litresPer100 = checkedFloat([=] { return 100 / kpl; });
    const auto lines = [](const QString &first, const QString &second) {
        return first + QStringLiteral("\r\n") + second;
    };
    return {lines(QCoreApplication::translate("zq::Mileage", "%1 MPG").arg(FixedTwoText(mpg)),
                  QCoreApplication::translate("zq::Mileage", "%1 Gal/100 mi")
                      .arg(FixedTwoText(gallonsPer100))),
            lines(QCoreApplication::translate("zq::Mileage", "%1 km/L").arg(FixedTwoText(kpl)),
                  QCoreApplication::translate("zq::Mileage", "%1 L/100 km")
                      .arg(FixedTwoText(litresPer100)))};
}

QString FixedTwoText(double x) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(x, 'f', 2);
}

double BoatSpeedMph(double rpm, double pitch, double gearRatio) {
    return checkedFloat([=] {
        const double theoretical = rpm * pitch * (1 / gearRatio) / 1056;
        return theoretical - theoretical * 0.1;
    });
}

double MphToKph(double mph) {
    return checkedFloat([=] { return mph * 1.6092981671882; });
}

double UnitPrice(double invoice, double consumption) {
    return checkedFloat([=] { return invoice / consumption; });
}

double DailyUsage(double monthlyConsumption) {
    return checkedFloat([=] { return monthlyConsumption / 30; });
}

double DailyAmount(double unitPrice, double dailyUsage) {
    return checkedFloat([=] { return unitPrice * dailyUsage; });
}

double VatAmount(double invoice, double vatPercent) {
    return checkedFloat([=] { return invoice * vatPercent / 100; });
}

double DailyAmountAtBillPrice(double invoice, double consumption, double dailyUsage) {
    return checkedFloat([=] { return invoice / consumption * dailyUsage; });
}

} // namespace zq
