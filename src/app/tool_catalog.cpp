#include "app/tool_catalog.h"

#include <array>

namespace zq {
namespace {

// Catalog order; the list shows the titles sorted.
constexpr std::array<ToolEntry, 92> Catalog = {{
    {u"Adsense Code Converter", u"AdsenseCC", ToolTarget::ModalWindow},
    {u"Auto Loan Calculator", u"AutoLoan", ToolTarget::ModalWindow},
    {u"Base64 to String", u"Base64String", ToolTarget::ModalWindow},
    {u"Birthday Calculator", u"Birthday", ToolTarget::ModalWindow},
    {u"Body Mass Index Calculator", u"BodyMass", ToolTarget::ModalWindow},
    {u"Calculator (Windows)", u"", ToolTarget::SystemCalculator},
    {u"Compound Interest Calculator", u"CompoundInterest", ToolTarget::ModalWindow},
    {u"Divisibility Calculator", u"Divisibility", ToolTarget::ModalWindow},
    {u"Division Operation", u"DivisionOperation", ToolTarget::ModalWindow},
    {u"Equation Solver", u"EquationSolver", ToolTarget::ModalWindow},
    {u"Temperature Converter", u"FahrenheitC", ToolTarget::ModalWindow},
    {u"Hex to ASCII", u"hex2ascii", ToolTarget::ModalWindow},
    {u"Hexadecimal to Decimal", u"HexDecA", ToolTarget::ModalWindow},
    {u"Hypotenuse Calculator", u"Hypotenuse", ToolTarget::ModalWindow},
    {u"MD5 Hash Calculator", u"MD5Ch", ToolTarget::ModalWindow},
    {u"nth Root Calculator", u"nthRoot", ToolTarget::ModalWindow},
    {u"Percentage % Calculator", u"Percent", ToolTarget::ModalWindow},
    {u"Prime Factor Calculator", u"PrimeFactor", ToolTarget::ModalWindow},
    {u"Prime, Non-Prime Numbers", u"PrimeNonPrime", ToolTarget::ModalWindow},
    {u"Quadratic Equation Solver", u"QuadraticEq", ToolTarget::ModalWindow},
    {u"Random Password Generator", u"RandomNumber", ToolTarget::ModalWindow},
    {u"Random Lottery Numbers Generator", u"Lotto", ToolTarget::ModalWindow},
    {u"SHA256 Hash Calculator", u"SHA256", ToolTarget::ModalWindow},
    {u"Simultaneous Equation Solver", u"Simultaneous", ToolTarget::ModalWindow},
    {u"Square Root, Cube Root Calculator", u"SquareCubeRoot", ToolTarget::ModalWindow},
    {u"Stopwatch", u"Stopwatch", ToolTarget::ModalWindow},
    {u"Sum of Numbers N to N", u"Sum1toN", ToolTarget::ModalWindow},
    {u"Sum or Difference of Cubes", u"SumDifferenceCubes", ToolTarget::ModalWindow},
    {u"Energy-Power Converter", u"Watt", ToolTarget::ModalWindow},
    {u"Hijri to Gregorian", u"Hijri", ToolTarget::ModalWindow},
    {u"Relative Atomic Mass Calculator", u"RAMfrm", ToolTarget::ModalWindow},
    {u"Greatest Common Factor Calculator", u"GreatestCommon", ToolTarget::ModalWindow},
    {u"Least Common Multiple Calculator", u"LeastCommon", ToolTarget::ModalWindow},
    {u"Simplifying Fractions Calculator", u"SimplifyingFraction", ToolTarget::ModalWindow},
    {u"Numbers to String", u"NumbersEnglish", ToolTarget::ModalWindow},
    {u"Reverse the String", u"Reverse", ToolTarget::ModalWindow},
    {u"Byte Converter", u"ByteConvert", ToolTarget::ModalWindow},
    {u"Seconds to Minutes to Hours", u"SecondsMin", ToolTarget::ModalWindow},
    {u"Weight Converter", u"KgPound", ToolTarget::ModalWindow},
    {u"Volume Converter", u"LiterGallon", ToolTarget::ModalWindow},
    {u"Weight on Other Planets", u"WeightPlanet", ToolTarget::ModalWindow},
    {u"Factorial Calculator", u"Factorial", ToolTarget::ModalWindow},
    {u"Length Converter", u"UnitConvert", ToolTarget::ModalWindow},
    {u"Fuel Consumption Calculator", u"Mileage", ToolTarget::ModalWindow},
    {u"Mortgage Calculator", u"Mortgage", ToolTarget::ModalWindow},
    {u"Area Converter", u"SmSf", ToolTarget::ModalWindow},
    {u"Voltage Converter", u"Voltage", ToolTarget::ModalWindow},
    {u"Electric Current Converter", u"ElectricCurrent", ToolTarget::ModalWindow},
    {u"Geometric Progression Calculator", u"GeometricProgression", ToolTarget::ModalWindow},
    {u"Depreciation Calculator", u"Depreciation", ToolTarget::ModalWindow},
    {u"Fraction Calculator", u"FractionMix", ToolTarget::ModalWindow},
    {u"Restaurant Bill Calculator", u"MenuTracking", ToolTarget::ModelessWindow},
    {u"Resistor Color Code Calculator", u"ResistorColor", ToolTarget::ModalWindow},
    {u"Ohm's Law Calculator", u"OhmLaw", ToolTarget::ModalWindow},
    {u"Numbers to Roman", u"Roman", ToolTarget::ModalWindow},
    {u"Fibonacci Calculator", u"fibonacci", ToolTarget::ModalWindow},
    {u"Coordinate Draw", u"Draw", ToolTarget::ModalWindow},
    {u"Character Number Calculator", u"CharacterNumber", ToolTarget::ModalWindow},
    {u"Zodiac Calculator", u"Burclar", ToolTarget::ModalWindow},
    {u"Binary to Number", u"Binary", ToolTarget::ModalWindow},
    {u"Pascal's Triangle Calculator", u"Pascal", ToolTarget::ModalWindow},
    {u"Fraction Equation Solver", u"FractionEquality", ToolTarget::ModalWindow},
    {u"Multiplication Table", u"MultiplicationTable", ToolTarget::ModalWindow},
    {u"Sine, Cosine, Tangent, Arc-Cotangent", u"SinCosinTan", ToolTarget::ModalWindow},
    {u"DLL-OCX Registration", u"DllOcx", ToolTarget::ModalWindow},
    {u"Angle Converter", u"DegGradRad", ToolTarget::ModalWindow},
    {u"Product of Numbers N to N", u"MultipleNtoN", ToolTarget::ModalWindow},
    {u"Volume Calculator", u"HacimOlcer", ToolTarget::ModalWindow},
    {u"Natural Gas Consumption Calculator", u"NaturalGas", ToolTarget::ModalWindow},
    {u"Map Scale Calculator", u"MapScale", ToolTarget::ModalWindow},
    {u"Combination & Permutation", u"KombiPermu", ToolTarget::ModalWindow},
    {u"Arithmetic Progression Calculator", u"ArithmeticProgression", ToolTarget::ModalWindow},
    {u"Speed Converter", u"Speed", ToolTarget::ModalWindow},
    {u"Earth Year on Other Planets", u"YearsPlanet", ToolTarget::ModalWindow},
    {u"Simple Interest Calculator", u"SimpleInterest", ToolTarget::ModalWindow},
    {u"Perimeter Calculator", u"Perimeter", ToolTarget::ModalWindow},
    {u"Area Calculator", u"AreaCalculator", ToolTarget::ModalWindow},
    {u"Astronomical Time Converter", u"AstronomicalTime", ToolTarget::ModalWindow},
    {u"Numbers Converter", u"NumberConverter", ToolTarget::ModalWindow},
    {u"Water Consumption Calculator", u"WaterConsumption", ToolTarget::ModalWindow},
    {u"Electricity Consumption Calculator", u"ElectricConsumption", ToolTarget::ModalWindow},
    {u"Wind Chill Index Calculator", u"WindChill", ToolTarget::ModalWindow},
    {u"Heat Index Calculator", u"HeatIndex", ToolTarget::ModalWindow},
    {u"Date Calculator", u"DateCalculate", ToolTarget::ModalWindow},
    {u"Bass Fishing Boat Speed Calculator", u"BassBoat", ToolTarget::ModalWindow},
    {u"Body Surface Area Calculator", u"BodySurface", ToolTarget::ModalWindow},
    {u"Creatinine Calculator", u"Creatinine", ToolTarget::ModalWindow},
    {u"Growth Rate Calculator", u"GrowthRate", ToolTarget::ModalWindow},
    {u"Electrical Calculators", u"Electrical", ToolTarget::ModalWindow},
    {u"Maximum Heart Rate Calculator", u"HeartRate", ToolTarget::ModalWindow},
    {u"Profit Calculator", u"Profit", ToolTarget::ModalWindow},
    {u"Financial Lease Calculator", u"FinancialLease", ToolTarget::ModalWindow},
}};

QString listSortKey(const QString &title) {
    QString key = title;
    key.remove(QLatin1Char('\''));
    key.remove(QLatin1Char('-'));
    return key;
}

} // namespace

std::span<const ToolEntry> ToolCatalog() {
    return Catalog;
}

bool catalogListLess(const QString &a, const QString &b) {
    const int byKey = listSortKey(a).compare(listSortKey(b), Qt::CaseInsensitive);
    if (byKey != 0)
        return byKey < 0;
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

} // namespace zq
