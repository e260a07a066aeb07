#include "convert/temperature.h"

#include "common/float_faults.h"
#include "common/number_rules.h"

#include <QStringList>

#include <array>
#include <string_view>

namespace zq {
namespace {

struct TemperatureScale {
    std::u16string_view name;
    std::u16string_view unit;
    double absoluteZero;     // the coldest there is, on this scale
    bool countsDown = false; // Delisle's degrees grow as it gets colder
};

constexpr std::array<TemperatureScale, 8> Scales = {{
    {u"Celsius", u" °C", -273.15},
    {u"Delisle", u" °De", 559.725, true},
    {u"Fahrenheit", u" °F", -459.67},
    {u"Kelvin", u" K", 0},
    {u"Newton", u" °N", -90.1395},
    {u"Rankine", u" °R", 0},
    {u"Réaumur", u" °Re", -218.52},
    {u"Rømer", u" °Rø", -135.90375},
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

QString text(std::u16string_view view) {
    return QString::fromUtf16(view.data(), view.size());
}

} // namespace

std::optional<QString> BelowAbsoluteZero(const QString &scaleName, double x) {
    const std::optional<int> index = temperatureScaleIndex(scaleName);
    if (!index)
        return std::nullopt;
    const TemperatureScale &scale = Scales[std::size_t(*index)];
    if (scale.countsDown ? x > scale.absoluteZero : x < scale.absoluteZero)
        return FormatNumberText(scale.absoluteZero) + text(scale.unit);
    return std::nullopt;
}

std::optional<int> temperatureScaleIndex(const QString &scaleName) {
    for (std::size_t i = 0; i < Scales.size(); ++i)
        if (scaleName == text(Scales[i].name))
            return static_cast<int>(i);
    return std::nullopt;
}

QString ConvertTemperature(const QString &scaleName, double x) {
    const std::optional<int> source = temperatureScaleIndex(scaleName);
    if (!source)
        return {};
    QStringList lines;
    for (std::size_t target = 0; target < Scales.size(); ++target) {
        const Formula formula = Formulas[*source][target];
        if (!formula)
            continue;
        const double value = checkedFloat([&] { return formula(x); });
        lines << FormatNumberText(value) + text(Scales[target].unit);
    }
    return lines.join(QLatin1String("\r\n"));
}

} // namespace zq
