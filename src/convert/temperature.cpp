#include "convert/temperature.h"

#include "common/float_faults.h"
#include "common/interface_language.h"
#include "common/number_rules.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>

namespace zq {
namespace {

// Names and value texts are English, UTF-8, translated in the context "zq::Temperature".
struct TemperatureScale {
    const char *name;
    const char *value;       // a value on this scale, "%1 °C"
    double absoluteZero;     // the coldest there is, on this scale
    bool countsDown = false; // Delisle's degrees grow as it gets colder
};

constexpr std::array<TemperatureScale, TemperatureScaleCount> Scales = {{
    {QT_TRANSLATE_NOOP("zq::Temperature", "Celsius"), QT_TRANSLATE_NOOP("zq::Temperature", "%1 °C"),
     -273.15},
    {QT_TRANSLATE_NOOP("zq::Temperature", "Delisle"),
     QT_TRANSLATE_NOOP("zq::Temperature", "%1 °De"), 559.725, true},
    {QT_TRANSLATE_NOOP("zq::Temperature", "Fahrenheit"),
     QT_TRANSLATE_NOOP("zq::Temperature", "%1 °F"), -459.67},
    {QT_TRANSLATE_NOOP("zq::Temperature", "Kelvin"), QT_TRANSLATE_NOOP("zq::Temperature", "%1 K"),
     0},
    {QT_TRANSLATE_NOOP("zq::Temperature", "Newton"), QT_TRANSLATE_NOOP("zq::Temperature", "%1 °N"),
     -90.1395},
    {QT_TRANSLATE_NOOP("zq::Temperature", "Rankine"), QT_TRANSLATE_NOOP("zq::Temperature", "%1 °R"),
     0},
    {QT_TRANSLATE_NOOP("zq::Temperature", "Réaumur"),
     QT_TRANSLATE_NOOP("zq::Temperature", "%1 °Re"), -218.52},
    {QT_TRANSLATE_NOOP("zq::Temperature", "Rømer"), QT_TRANSLATE_NOOP("zq::Temperature", "%1 °Rø"),
     -135.90375},
}};

using Formula = double (*)(double);

// Formulas[source][target], evaluated exactly as bracketed; the diagonal is unused.
constexpr std::array<std::array<Formula, 8>, 8> Formulas = {{
    {{nullptr, [](double x) { return (100 - x) * 3 / 2; }, [](double x) { return x * 9 / 5 + 32; },
      [](double x) { return x + 273.15; }, [](double x) { return x * 33 / 100; },
      [](double x) { return x * 9 / 5 + 491.67; }, [](double x) { return x * 0.8; },
      [](double x) { return x * 21 / 40 + 7.5; }}},
    {{[](double x) { return 100 - (x + x) / 3; }, nullptr, [](double x) { return 212 - x * 6 / 5; },
      [](double x) { return 373.15 - (x + x) / 3; }, [](double x) { return 33 - x * 11 / 50; },
      [](double x) { return 671.67 - x * 6 / 5; }, [](double x) { return 80 - x * 8 / 15; },
      [](double x) { return 60 - x * 7 / 20; }}},
    {{[](double x) { return (x - 32) * 5 / 9; }, [](double x) { return (212 - x) * 5 / 6; },
      nullptr, [](double x) { return (x - 32) / 1.8 + 273.15; },
      [](double x) { return (x - 32) * 11 / 60; }, [](double x) { return x + 459.67; },
      [](double x) { return (x - 32) / 2.25; }, [](double x) { return (x - 32) * 7 / 24 + 7.5; }}},
    {{[](double x) { return x - 273.15; }, [](double x) { return (373.15 - x) * 3 / 2; },
      [](double x) { return (x - 273.15) * 1.8 + 32; }, nullptr,
      [](double x) { return (x - 273.15) * 33 / 100; }, [](double x) { return x * 9 / 5; },
      [](double x) { return (x - 273.15) * 0.8; },
      [](double x) { return (x - 273.15) * 21 / 40 + 7.5; }}},
    {{[](double x) { return x * 100 / 33; }, [](double x) { return (33 - x) * 50 / 11; },
      [](double x) { return x * 60 / 11 + 32; }, [](double x) { return x * 100 / 33 + 273.15; },
      nullptr, [](double x) { return x * 60 / 11 + 491.67; }, [](double x) { return x * 80 / 33; },
      [](double x) { return x * 35 / 22 + 7.5; }}},
    {{[](double x) { return x * 5 / 9 - 273.15; }, [](double x) { return (671.67 - x) * 5 / 6; },
      [](double x) { return x - 459.67; }, [](double x) { return x * 5 / 9; },
      [](double x) { return (x - 491.67) * 11 / 60; }, nullptr,
      [](double x) { return ((x - 32) - 459.67) / 2.25; },
      [](double x) { return (x - 491.67) * 7 / 24 + 7.5; }}},
    {{[](double x) { return x * 1.25; }, [](double x) { return (80 - x) * 15 / 8; },
      [](double x) { return x * 2.25 + 32; }, [](double x) { return x * 1.25 + 273.15; },
      [](double x) { return x * 33 / 80; }, [](double x) { return (x * 2.25 + 32) + 459.67; },
      nullptr, [](double x) { return x * 21 / 32 + 7.5; }}},
    {{[](double x) { return (x - 7.5) * 40 / 21; }, [](double x) { return (60 - x) * 20 / 7; },
      [](double x) { return (x - 7.5) * 24 / 7 + 32; },
      [](double x) { return (x - 7.5) * 40 / 21 + 273.15; },
      [](double x) { return (x - 7.5) * 22 / 35; },
      [](double x) { return (x - 7.5) * 24 / 7 + 491.67; },
      [](double x) { return (x - 7.5) * 32 / 21; }, nullptr}},
}};

QString translated(const char *text) {
    return QCoreApplication::translate("zq::Temperature", text);
}

// The value's text with the scale's unit: "212 °F".
QString valueText(std::size_t scale, double value) {
    return translated(Scales[scale].value).arg(FormatNumberText(value));
}

bool isScale(int scale) {
    return scale >= 0 && scale < TemperatureScaleCount;
}

} // namespace

QString TemperatureScaleName(int scale) {
    return isScale(scale) ? translated(Scales[std::size_t(scale)].name) : QString();
}

std::optional<int> temperatureScaleIndex(const QString &scaleName) {
    const int scale = IndexOfNamed(Scales, scaleName, "zq::Temperature",
                                   [](const TemperatureScale &entry) { return entry.name; });
    return scale >= 0 ? std::optional<int>(scale) : std::nullopt;
}

std::optional<QString> BelowAbsoluteZero(int scale, double x) {
    if (!isScale(scale))
        return std::nullopt;
    const TemperatureScale &chosen = Scales[std::size_t(scale)];
    if (chosen.countsDown ? x > chosen.absoluteZero : x < chosen.absoluteZero)
        return valueText(std::size_t(scale), chosen.absoluteZero);
    return std::nullopt;
}

QString ConvertTemperature(int scale, double x) {
    if (!isScale(scale))
        return {};
    QStringList lines;
    for (std::size_t target = 0; target < Scales.size(); ++target) {
        const Formula formula = Formulas[std::size_t(scale)][target];
        if (!formula)
            continue;
        lines << valueText(target, checkedFloat([&] { return formula(x); }));
    }
    return lines.join(QLatin1String("\r\n"));
}

} // namespace zq
