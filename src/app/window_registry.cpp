#include "app/window_registry.h"

#include "app/about.h"
#include "app/main_window.h"
#include "app/windows_run_time.h"
#include "convert/factor_converter_window.h"
#include "convert/number_bases_window.h"
#include "convert/temperature_window.h"
#include "everyday/calendar_windows.h"
#include "everyday/consumption_windows.h"
#include "everyday/health_windows.h"
#include "everyday/planets_windows.h"
#include "finance/finance_windows.h"
#include "finance/restaurant_bill_window.h"
#include "geometry/draw_window.h"
#include "geometry/equations_window.h"
#include "geometry/shape_calculator_window.h"
#include "geometry/trigonometry_window.h"
#include "help/help_window.h"
#include "numbers/common_factors_window.h"
#include "numbers/counting_windows.h"
#include "numbers/fraction_window.h"
#include "numbers/number_words_window.h"
#include "numbers/primes_window.h"
#include "numbers/progression_windows.h"
#include "numbers/roots_window.h"
#include "numbers/sums_windows.h"
#include "science/science_windows.h"
#include "system/dll_ocx.h"
#include "text/digest_windows.h"
#include "text/encoder_windows.h"
#include "text/random_windows.h"

#include <array>

namespace zq {
namespace {

using Factory = QWidget *(*)(const QString &windowName, QWidget *parent);

struct Registration {
    const char *name;
    Factory create;
};

template <class Window> QWidget *make(const QString &, QWidget *parent) {
    return new Window(parent);
}

constexpr std::array Registry = {
    Registration{"About", &make<About>},
    Registration{"AdsenseCC", &make<AdsenseCC>},
    Registration{"AreaCalculator", &createShapeCalculator},
    Registration{"ArithmeticProgression", &make<ArithmeticProgression>},
    Registration{"AstronomicalTime", &createFactorConverter},
    Registration{"AutoLoan", &make<AutoLoan>},
    Registration{"Base64String", &make<Base64String>},
    Registration{"BassBoat", &make<BassBoat>},
    Registration{"Binary", &make<Binary>},
    Registration{"Birthday", &make<Birthday>},
    Registration{"BodyMass", &make<BodyMass>},
    Registration{"BodySurface", &make<BodySurface>},
    Registration{"Burclar", &make<Burclar>},
    Registration{"ByteConvert", &createFactorConverter},
    Registration{"CharacterNumber", &make<CharacterNumber>},
    Registration{"CompoundInterest", &make<CompoundInterest>},
    Registration{"Creatinine", &make<Creatinine>},
    Registration{"DateCalculate", &make<DateCalculate>},
    Registration{"DegGradRad", &createFactorConverter},
    Registration{"Depreciation", &make<Depreciation>},
    Registration{"Divisibility", &make<Divisibility>},
    Registration{"DivisibilityRules", &make<DivisibilityRules>},
    Registration{"DivisionOperation", &make<DivisionOperation>},
    Registration{"DllOcx", &make<DllOcx>},
    Registration{"DllOcxHelp", &make<DllOcxHelp>},
    Registration{"Draw", &make<Draw>},
    Registration{"Electrical", &make<Electrical>},
    Registration{"ElectricConsumption", &createUtilityConsumption},
    Registration{"ElectricCurrent", &createFactorConverter},
    Registration{"EquationSolver", &make<EquationSolver>},
    Registration{"Factorial", &make<Factorial>},
    Registration{"FahrenheitC", &make<FahrenheitC>},
    Registration{"fibonacci", &make<fibonacci>},
    Registration{"FinancialLease", &make<FinancialLease>},
    Registration{"FractionEquality", &make<FractionEquality>},
    Registration{"FractionMix", &make<FractionMix>},
    Registration{"GeometricProgression", &make<GeometricProgression>},
    Registration{"GreatestCommon", &make<GreatestCommon>},
    Registration{"GrowthRate", &make<GrowthRate>},
    Registration{"HacimOlcer", &createShapeCalculator},
    Registration{"HeartRate", &make<HeartRate>},
    Registration{"Help", &make<Help>},
    Registration{"HeatIndex", &make<HeatIndex>},
    Registration{"hex2ascii", &make<hex2ascii>},
    Registration{"HexDecA", &make<HexDecA>},
    Registration{"Hijri", &make<Hijri>},
    Registration{"Hypotenuse", &make<Hypotenuse>},
    Registration{"KgPound", &createFactorConverter},
    Registration{"KombiPermu", &make<KombiPermu>},
    Registration{"LeastCommon", &make<LeastCommon>},
    Registration{"LiterGallon", &createFactorConverter},
    Registration{"Lotto", &make<Lotto>},
    Registration{"Main", &make<Main>},
    Registration{"MapScale", &make<MapScale>},
    Registration{"MD5Ch", &make<MD5Ch>},
    Registration{"MenuTracking", &make<MenuTracking>},
    Registration{"MenuTrackingALT", &make<MenuTrackingALT>},
    Registration{"Mileage", &make<Mileage>},
    Registration{"Mortgage", &make<Mortgage>},
    Registration{"MultipleNtoN", &make<MultipleNtoN>},
    Registration{"MultiplicationTable", &make<MultiplicationTable>},
    Registration{"NaturalGas", &make<NaturalGas>},
    Registration{"nthRoot", &make<nthRoot>},
    Registration{"NumberConverter", &createFactorConverter},
    Registration{"NumbersEnglish", &make<NumbersEnglish>},
    Registration{"OhmLaw", &make<OhmLaw>},
    Registration{"Pascal", &make<Pascal>},
    Registration{"Percent", &make<Percent>},
    Registration{"Perimeter", &createShapeCalculator},
    Registration{"PrimeFactor", &make<PrimeFactor>},
    Registration{"PrimeNonPrime", &make<PrimeNonPrime>},
    Registration{"Profit", &make<Profit>},
    Registration{"QuadraticEq", &make<QuadraticEq>},
    Registration{"RAMAtomNo", &make<RAMAtomNo>},
    Registration{"RAMfrm", &make<RAMfrm>},
    Registration{"RandomNumber", &make<RandomNumber>},
    Registration{"ResistorColor", &make<ResistorColor>},
    Registration{"Reverse", &make<Reverse>},
    Registration{"Roman", &make<Roman>},
    Registration{"SecondsMin", &make<SecondsMin>},
    Registration{"SHA256", &make<SHA256>},
    Registration{"SimpleInterest", &make<SimpleInterest>},
    Registration{"SimplifyingFraction", &make<SimplifyingFraction>},
    Registration{"Simultaneous", &make<Simultaneous>},
    Registration{"SinCosinTan", &make<SinCosinTan>},
    Registration{"SmSf", &createFactorConverter},
    Registration{"Speed", &createFactorConverter},
    Registration{"SquareCubeRoot", &make<SquareCubeRoot>},
    Registration{"Stopwatch", &make<Stopwatch>},
    Registration{"Sum1toN", &make<Sum1toN>},
    Registration{"SumDifferenceCubes", &make<SumDifferenceCubes>},
    Registration{"UnitConvert", &createFactorConverter},
    Registration{"Voltage", &createFactorConverter},
    Registration{"WaterConsumption", &createUtilityConsumption},
    Registration{"Watt", &createFactorConverter},
    Registration{"WeightPlanet", &make<WeightPlanet>},
    Registration{"WindChill", &make<WindChill>},
    Registration{"WindowsRunTime", &make<WindowsRunTime>},
    Registration{"YearsPlanet", &make<YearsPlanet>},
};

} // namespace

QWidget *createWindow(const QString &windowName, QWidget *parent) {
    installHelp();
    for (const Registration &entry : Registry)
        if (windowName == QLatin1String(entry.name))
            return entry.create(windowName, parent);
    return nullptr;
}

QStringList windowNames() {
    QStringList names;
    for (const Registration &entry : Registry)
        names << QString::fromLatin1(entry.name);
    return names;
}

} // namespace zq
