#include "app/tool_catalog.h"

#include "common/interface_language.h"

#include <QCollator>
#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace zq {
namespace {

// Catalog order; the list shows the titles sorted. The last column holds words people search
// with that a title lacks: abbreviations, units, synonyms.
constexpr std::array<ToolEntry, 92> Catalog = {{
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Adsense Code Converter"), "AdsenseCC",
     ToolTarget::ModalWindow, ToolCategory::TextAndCodes,
     QT_TRANSLATE_NOOP("zq::ToolKeywords",
                       "html escape entities blogger advert ads web page code")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Auto Loan Calculator"), "AutoLoan",
     ToolTarget::ModalWindow, ToolCategory::Finance,
     QT_TRANSLATE_NOOP(
         "zq::ToolKeywords",
         "car vehicle loan credit finance monthly payment interest annuity instalment")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Base64 to String"), "Base64String",
     ToolTarget::ModalWindow, ToolCategory::TextAndCodes,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "encode decode text email attachment base 64 b64")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Birthday Calculator"), "Birthday",
     ToolTarget::ModalWindow, ToolCategory::EverydayHealthAndDates,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "age born birth weekday days weeks months how old")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Body Mass Index Calculator"), "BodyMass",
     ToolTarget::ModalWindow, ToolCategory::EverydayHealthAndDates,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "BMI weight height obesity overweight kg lb health")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Calculator (Windows)"), "", ToolTarget::SystemCalculator,
     ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "system desktop arithmetic add subtract")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Compound Interest Calculator"), "CompoundInterest",
     ToolTarget::ModalWindow, ToolCategory::Finance,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "savings investment deposit years finance rate")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Divisibility Calculator"), "Divisibility",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "remainder divisible modulo rules divide")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Division Operation"), "DivisionOperation",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "long division quotient remainder integer divide")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Equation Solver"), "EquationSolver",
     ToolTarget::ModalWindow, ToolCategory::EquationsAndGeometry,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "linear unknown solve algebra")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Temperature Converter"), "FahrenheitC",
     ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "celsius fahrenheit kelvin rankine reaumur romer "
                                           "delisle newton degrees °C °F unit convert")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Hex to ASCII"), "hex2ascii", ToolTarget::ModalWindow,
     ToolCategory::TextAndCodes,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "hexadecimal bytes text characters encode decode")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Hexadecimal to Decimal"), "HexDecA",
     ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "hex base number hexadecimal decimal unit convert")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Hypotenuse Calculator"), "Hypotenuse",
     ToolTarget::ModalWindow, ToolCategory::EquationsAndGeometry,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "right triangle pythagoras legs side geometry")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "MD5 Hash Calculator"), "MD5Ch", ToolTarget::ModalWindow,
     ToolCategory::TextAndCodes,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "hash checksum digest fingerprint file")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "nth Root Calculator"), "nthRoot",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "radical root power exponent")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Percentage % Calculator"), "Percent",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "percent rate amount share proportion discount")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Prime Factor Calculator"), "PrimeFactor",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords",
                       "factorise factorize factorization factors prime composite")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Prime, Non-Prime Numbers"), "PrimeNonPrime",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "list table composite sieve")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Quadratic Equation Solver"), "QuadraticEq",
     ToolTarget::ModalWindow, ToolCategory::EquationsAndGeometry,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "roots discriminant parabola polynomial second degree")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Random Password Generator"), "RandomNumber",
     ToolTarget::ModalWindow, ToolCategory::TextAndCodes,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "random secure characters letters symbols")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Random Lottery Numbers Generator"), "Lotto",
     ToolTarget::ModalWindow, ToolCategory::TextAndCodes,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "lotto lottery powerball mega millions random ticket")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "SHA256 Hash Calculator"), "SHA256",
     ToolTarget::ModalWindow, ToolCategory::TextAndCodes,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "hash checksum digest fingerprint file sha 256")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Simultaneous Equation Solver"), "Simultaneous",
     ToolTarget::ModalWindow, ToolCategory::EquationsAndGeometry,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "system linear equations cramer unknowns")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Square Root, Cube Root Calculator"), "SquareCubeRoot",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "square cube power radical sqrt")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Stopwatch"), "Stopwatch", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "timer elapsed time clock")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Sum of Numbers N to N"), "Sum1toN",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "total series addition range")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Sum or Difference of Cubes"), "SumDifferenceCubes",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "cube power algebra")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Energy-Power Converter"), "Watt",
     ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     QT_TRANSLATE_NOOP(
         "zq::ToolKeywords",
         "energy power joule watt kilowatt kWh horsepower hp calorie btu unit convert")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Hijri to Gregorian"), "Hijri", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "islamic muslim calendar date convert")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Relative Atomic Mass Calculator"), "RAMfrm",
     ToolTarget::ModalWindow, ToolCategory::ScienceAndElectricity,
     QT_TRANSLATE_NOOP("zq::ToolKeywords",
                       "molar molecular mass chemistry formula element molecule g/mol weight")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Greatest Common Factor Calculator"), "GreatestCommon",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "GCF GCD HCF divisor")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Least Common Multiple Calculator"), "LeastCommon",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "LCM multiple")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Simplifying Fractions Calculator"),
     "SimplifyingFraction", ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "reduce lowest terms numerator denominator")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Numbers to String"), "NumbersEnglish",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "words spell english turkish text")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Reverse the String"), "Reverse", ToolTarget::ModalWindow,
     ToolCategory::TextAndCodes, QT_TRANSLATE_NOOP("zq::ToolKeywords", "backwards text mirror")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Byte Converter"), "ByteConvert", ToolTarget::ModalWindow,
     ToolCategory::UnitsAndBases,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "data storage file size bit byte KB kilobyte MB "
                                           "megabyte GB gigabyte terabyte unit convert")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Seconds to Minutes to Hours"), "SecondsMin",
     ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "time duration seconds minutes hours unit convert")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Weight Converter"), "KgPound", ToolTarget::ModalWindow,
     ToolCategory::UnitsAndBases,
     QT_TRANSLATE_NOOP("zq::ToolKeywords",
                       "mass kg kilogram lb pound oz ounce gram stone ton unit convert")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Volume Converter"), "LiterGallon",
     ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     QT_TRANSLATE_NOOP("zq::ToolKeywords",
                       "capacity liter litre ml milliliter gallon pint cup cubic unit convert")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Weight on Other Planets"), "WeightPlanet",
     ToolTarget::ModalWindow, ToolCategory::EverydayHealthAndDates,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "gravity moon mars jupiter space")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Factorial Calculator"), "Factorial",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "product permutations")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Length Converter"), "UnitConvert",
     ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     QT_TRANSLATE_NOOP(
         "zq::ToolKeywords",
         "distance km kilometre kilometer m meter metre cm centimetre centimeter mile "
         "feet foot inch yard unit convert")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Fuel Consumption Calculator"), "Mileage",
     ToolTarget::ModalWindow, ToolCategory::EverydayHealthAndDates,
     QT_TRANSLATE_NOOP("zq::ToolKeywords",
                       "mileage mpg economy car petrol gasoline liters gallons km/l")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Mortgage Calculator"), "Mortgage",
     ToolTarget::ModalWindow, ToolCategory::Finance,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "home house loan credit interest monthly payment")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Area Converter"), "SmSf", ToolTarget::ModalWindow,
     ToolCategory::UnitsAndBases,
     QT_TRANSLATE_NOOP("zq::ToolKeywords",
                       "surface square meter foot acre hectare land unit convert")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Voltage Converter"), "Voltage", ToolTarget::ModalWindow,
     ToolCategory::UnitsAndBases,
     QT_TRANSLATE_NOOP("zq::ToolKeywords",
                       "voltage volt millivolt kilovolt electric unit convert")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Electric Current Converter"), "ElectricCurrent",
     ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "current ampere amp milliampere electric unit convert")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Geometric Progression Calculator"),
     "GeometricProgression", ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "GP sequence series ratio")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Depreciation Calculator"), "Depreciation",
     ToolTarget::ModalWindow, ToolCategory::Finance,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "asset value declining balance accounting")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Fraction Calculator"), "FractionMix",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "mixed add subtract multiply divide")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Restaurant Bill Calculator"), "MenuTracking",
     ToolTarget::ModelessWindow, ToolCategory::Finance,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "tip menu discount service food total")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Resistor Color Code Calculator"), "ResistorColor",
     ToolTarget::ModalWindow, ToolCategory::ScienceAndElectricity,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "colour bands ohm Ω resistance electronics")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Ohm's Law Calculator"), "OhmLaw",
     ToolTarget::ModalWindow, ToolCategory::ScienceAndElectricity,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "resistance voltage current volt ampere ohm Ω")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Numbers to Roman"), "Roman", ToolTarget::ModalWindow,
     ToolCategory::Numbers, QT_TRANSLATE_NOOP("zq::ToolKeywords", "numerals convert")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Fibonacci Calculator"), "fibonacci",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "sequence series")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Coordinate Draw"), "Draw", ToolTarget::ModalWindow,
     ToolCategory::EquationsAndGeometry,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "plot graph curve axes")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Character Number Calculator"), "CharacterNumber",
     ToolTarget::ModalWindow, ToolCategory::TextAndCodes,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "count characters letters length")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Zodiac Calculator"), "Burclar", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "zodiac sign astrology horoscope star")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Binary to Number"), "Binary", ToolTarget::ModalWindow,
     ToolCategory::UnitsAndBases,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "bits base decimal unit convert")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Pascal's Triangle Calculator"), "Pascal",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "binomial coefficients")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Fraction Equation Solver"), "FractionEquality",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "proportion ratio cross multiplication")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Multiplication Table"), "MultiplicationTable",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "times multiply")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Sine, Cosine, Tangent, Arc-Cotangent"), "SinCosinTan",
     ToolTarget::ModalWindow, ToolCategory::EquationsAndGeometry,
     QT_TRANSLATE_NOOP("zq::ToolKeywords",
                       "trigonometry sin cos tan cotangent arctangent radians angle")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "DLL-OCX Registration"), "DllOcx",
     ToolTarget::ModalWindow, ToolCategory::ProgramAndSystem,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "register component library regsvr windows")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Angle Converter"), "DegGradRad", ToolTarget::ModalWindow,
     ToolCategory::UnitsAndBases,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "angle degree ° radian grade gradian unit convert")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Product of Numbers N to N"), "MultipleNtoN",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "multiply range")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Volume Calculator"), "HacimOlcer",
     ToolTarget::ModalWindow, ToolCategory::EquationsAndGeometry,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "cube cylinder sphere cone solid capacity")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Natural Gas Consumption Calculator"), "NaturalGas",
     ToolTarget::ModalWindow, ToolCategory::EverydayHealthAndDates,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "bill VAT tax invoice cubic meter utility")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Map Scale Calculator"), "MapScale",
     ToolTarget::ModalWindow, ToolCategory::EquationsAndGeometry,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "distance km cm")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Combination & Permutation"), "KombiPermu",
     ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "combinations permutations nCr nPr choose")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Arithmetic Progression Calculator"),
     "ArithmeticProgression", ToolTarget::ModalWindow, ToolCategory::Numbers,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "AP sequence series difference")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Speed Converter"), "Speed", ToolTarget::ModalWindow,
     ToolCategory::UnitsAndBases,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "velocity km/h kph mph knot mach unit convert")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Earth Year on Other Planets"), "YearsPlanet",
     ToolTarget::ModalWindow, ToolCategory::EverydayHealthAndDates,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "orbit period space")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Simple Interest Calculator"), "SimpleInterest",
     ToolTarget::ModalWindow, ToolCategory::Finance,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "savings loan finance rate")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Perimeter Calculator"), "Perimeter",
     ToolTarget::ModalWindow, ToolCategory::EquationsAndGeometry,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "circumference shapes geometry")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Area Calculator"), "AreaCalculator",
     ToolTarget::ModalWindow, ToolCategory::EquationsAndGeometry,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "surface shapes circle geometry")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Astronomical Time Converter"), "AstronomicalTime",
     ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "time day month year sidereal lunar unit convert")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Numbers Converter"), "NumberConverter",
     ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     QT_TRANSLATE_NOOP("zq::ToolKeywords",
                       "scale million billion thousand dozen googol unit convert")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Water Consumption Calculator"), "WaterConsumption",
     ToolTarget::ModalWindow, ToolCategory::EverydayHealthAndDates,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "bill utility invoice tariff")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Electricity Consumption Calculator"),
     "ElectricConsumption", ToolTarget::ModalWindow, ToolCategory::EverydayHealthAndDates,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "electricity kWh bill utility invoice")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Wind Chill Index Calculator"), "WindChill",
     ToolTarget::ModalWindow, ToolCategory::EverydayHealthAndDates,
     QT_TRANSLATE_NOOP("zq::ToolKeywords",
                       "cold weather feels like temperature celsius fahrenheit")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Heat Index Calculator"), "HeatIndex",
     ToolTarget::ModalWindow, ToolCategory::EverydayHealthAndDates,
     QT_TRANSLATE_NOOP("zq::ToolKeywords",
                       "humidity weather feels like temperature celsius fahrenheit")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Date Calculator"), "DateCalculate",
     ToolTarget::ModalWindow, ToolCategory::EverydayHealthAndDates,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "days between dates difference calendar")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Bass Fishing Boat Speed Calculator"), "BassBoat",
     ToolTarget::ModalWindow, ToolCategory::EverydayHealthAndDates,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "propeller rpm pitch gear mph")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Body Surface Area Calculator"), "BodySurface",
     ToolTarget::ModalWindow, ToolCategory::EverydayHealthAndDates,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "BSA du bois health")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Creatinine Calculator"), "Creatinine",
     ToolTarget::ModalWindow, ToolCategory::EverydayHealthAndDates,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "kidney clearance cockcroft gault health")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Growth Rate Calculator"), "GrowthRate",
     ToolTarget::ModalWindow, ToolCategory::Finance,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "cagr percent change %")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Electrical Calculators"), "Electrical",
     ToolTarget::ModalWindow, ToolCategory::ScienceAndElectricity,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "watt volt ampere torque kva lumen lux candela")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Maximum Heart Rate Calculator"), "HeartRate",
     ToolTarget::ModalWindow, ToolCategory::EverydayHealthAndDates,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "pulse bpm exercise fitness health")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Profit Calculator"), "Profit", ToolTarget::ModalWindow,
     ToolCategory::Finance,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "margin markup cost revenue price %")},
    {QT_TRANSLATE_NOOP("zq::ToolCatalog", "Financial Lease Calculator"), "FinancialLease",
     ToolTarget::ModalWindow, ToolCategory::Finance,
     QT_TRANSLATE_NOOP("zq::ToolKeywords", "leasing residual loan credit finance payment")},
}};

constexpr std::array<const char *, ToolCategoryCount> CategoryNames = {
    QT_TRANSLATE_NOOP("zq::ToolCatalog", "Units and bases"),
    QT_TRANSLATE_NOOP("zq::ToolCatalog", "Numbers"),
    QT_TRANSLATE_NOOP("zq::ToolCatalog", "Equations and geometry"),
    QT_TRANSLATE_NOOP("zq::ToolCatalog", "Finance"),
    QT_TRANSLATE_NOOP("zq::ToolCatalog", "Everyday, health and dates"),
    QT_TRANSLATE_NOOP("zq::ToolCatalog", "Text and codes"),
    QT_TRANSLATE_NOOP("zq::ToolCatalog", "Science and electricity"),
    QT_TRANSLATE_NOOP("zq::ToolCatalog", "Program and system")};

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

QString toolCategoryName(ToolCategory category) {
    return QCoreApplication::translate("zq::ToolCatalog", CategoryNames[std::size_t(category)]);
}

QString ToolEntry::titleText() const {
    return QCoreApplication::translate("zq::ToolCatalog", title);
}

QString ToolEntry::keywordsText() const {
    return QCoreApplication::translate("zq::ToolKeywords", keywords);
}

int toolCountIn(ToolCategory category) {
    return int(std::count_if(Catalog.begin(), Catalog.end(), [category](const ToolEntry &entry) {
        return entry.category == category;
    }));
}

namespace {

// The order of the language the titles are shown in ("Açı" before "Adsense" in Turkish), made
// again when that language changes.
const QCollator &titleCollator() {
    static QCollator collator;
    static QLocale::Language madeFor = QLocale::AnyLanguage;
    if (madeFor != InterfaceLanguage()) {
        madeFor = InterfaceLanguage();
        collator = QCollator(QLocale(madeFor));
        collator.setCaseSensitivity(Qt::CaseInsensitive);
    }
    return collator;
}

} // namespace

bool catalogListLess(const QString &a, const QString &b) {
    if (InterfaceLanguage() != QLocale::English) {
        const int byKey = titleCollator().compare(listSortKey(a), listSortKey(b));
        return byKey != 0 ? byKey < 0 : titleCollator().compare(a, b) < 0;
    }
    const int byKey = listSortKey(a).compare(listSortKey(b), Qt::CaseInsensitive);
    if (byKey != 0)
        return byKey < 0;
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

} // namespace zq
