#include "app/tool_catalog.h"

#include <algorithm>
#include <array>

namespace zq {
namespace {

// Catalog order; the list shows the titles sorted. The last column holds words people search
// with that a title lacks: abbreviations, units, synonyms.
constexpr std::array<ToolEntry, 92> Catalog = {{
    {u"Adsense Code Converter", u"AdsenseCC", ToolTarget::ModalWindow, ToolCategory::TextAndCodes,
     u"html escape entities blogger advert ads web page code"},
    {u"Auto Loan Calculator", u"AutoLoan", ToolTarget::ModalWindow, ToolCategory::Finance,
     u"car vehicle loan credit finance monthly payment interest annuity instalment"},
    {u"Base64 to String", u"Base64String", ToolTarget::ModalWindow, ToolCategory::TextAndCodes,
     u"encode decode text email attachment base 64 b64"},
    {u"Birthday Calculator", u"Birthday", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates, u"age born birth weekday days weeks months how old"},
    {u"Body Mass Index Calculator", u"BodyMass", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates, u"BMI weight height obesity overweight kg lb health"},
    {u"Calculator (Windows)", u"", ToolTarget::SystemCalculator, ToolCategory::Numbers,
     u"system desktop arithmetic add subtract"},
    {u"Compound Interest Calculator", u"CompoundInterest", ToolTarget::ModalWindow,
     ToolCategory::Finance, u"savings investment deposit years finance rate"},
    {u"Divisibility Calculator", u"Divisibility", ToolTarget::ModalWindow, ToolCategory::Numbers,
     u"remainder divisible modulo rules divide"},
    {u"Division Operation", u"DivisionOperation", ToolTarget::ModalWindow, ToolCategory::Numbers,
     u"long division quotient remainder integer divide"},
    {u"Equation Solver", u"EquationSolver", ToolTarget::ModalWindow,
     ToolCategory::EquationsAndGeometry, u"linear unknown solve algebra"},
    {u"Temperature Converter", u"FahrenheitC", ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     u"celsius fahrenheit kelvin rankine reaumur romer delisle newton degrees °C °F unit convert"},
    {u"Hex to ASCII", u"hex2ascii", ToolTarget::ModalWindow, ToolCategory::TextAndCodes,
     u"hexadecimal bytes text characters encode decode"},
    {u"Hexadecimal to Decimal", u"HexDecA", ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     u"hex base number hexadecimal decimal unit convert"},
    {u"Hypotenuse Calculator", u"Hypotenuse", ToolTarget::ModalWindow,
     ToolCategory::EquationsAndGeometry, u"right triangle pythagoras legs side geometry"},
    {u"MD5 Hash Calculator", u"MD5Ch", ToolTarget::ModalWindow, ToolCategory::TextAndCodes,
     u"hash checksum digest fingerprint file"},
    {u"nth Root Calculator", u"nthRoot", ToolTarget::ModalWindow, ToolCategory::Numbers,
     u"radical root power exponent"},
    {u"Percentage % Calculator", u"Percent", ToolTarget::ModalWindow, ToolCategory::Numbers,
     u"percent rate amount share proportion discount"},
    {u"Prime Factor Calculator", u"PrimeFactor", ToolTarget::ModalWindow, ToolCategory::Numbers,
     u"factorise factorize factorization factors prime composite"},
    {u"Prime, Non-Prime Numbers", u"PrimeNonPrime", ToolTarget::ModalWindow, ToolCategory::Numbers,
     u"list table composite sieve"},
    {u"Quadratic Equation Solver", u"QuadraticEq", ToolTarget::ModalWindow,
     ToolCategory::EquationsAndGeometry, u"roots discriminant parabola polynomial second degree"},
    {u"Random Password Generator", u"RandomNumber", ToolTarget::ModalWindow,
     ToolCategory::TextAndCodes, u"random secure characters letters symbols"},
    {u"Random Lottery Numbers Generator", u"Lotto", ToolTarget::ModalWindow,
     ToolCategory::TextAndCodes, u"lotto lottery powerball mega millions random ticket"},
    {u"SHA256 Hash Calculator", u"SHA256", ToolTarget::ModalWindow, ToolCategory::TextAndCodes,
     u"hash checksum digest fingerprint file sha 256"},
    {u"Simultaneous Equation Solver", u"Simultaneous", ToolTarget::ModalWindow,
     ToolCategory::EquationsAndGeometry, u"system linear equations cramer unknowns"},
    {u"Square Root, Cube Root Calculator", u"SquareCubeRoot", ToolTarget::ModalWindow,
     ToolCategory::Numbers, u"square cube power radical sqrt"},
    {u"Stopwatch", u"Stopwatch", ToolTarget::ModalWindow, ToolCategory::EverydayHealthAndDates,
     u"timer elapsed time clock"},
    {u"Sum of Numbers N to N", u"Sum1toN", ToolTarget::ModalWindow, ToolCategory::Numbers,
     u"total series addition range"},
    {u"Sum or Difference of Cubes", u"SumDifferenceCubes", ToolTarget::ModalWindow,
     ToolCategory::Numbers, u"cube power algebra"},
    {u"Energy-Power Converter", u"Watt", ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     u"energy power joule watt kilowatt kWh horsepower hp calorie btu unit convert"},
    {u"Hijri to Gregorian", u"Hijri", ToolTarget::ModalWindow, ToolCategory::EverydayHealthAndDates,
     u"islamic muslim calendar date convert"},
    {u"Relative Atomic Mass Calculator", u"RAMfrm", ToolTarget::ModalWindow,
     ToolCategory::ScienceAndElectricity,
     u"molar molecular mass chemistry formula element molecule g/mol weight"},
    {u"Greatest Common Factor Calculator", u"GreatestCommon", ToolTarget::ModalWindow,
     ToolCategory::Numbers, u"GCF GCD HCF divisor"},
    {u"Least Common Multiple Calculator", u"LeastCommon", ToolTarget::ModalWindow,
     ToolCategory::Numbers, u"LCM multiple"},
    {u"Simplifying Fractions Calculator", u"SimplifyingFraction", ToolTarget::ModalWindow,
     ToolCategory::Numbers, u"reduce lowest terms numerator denominator"},
    {u"Numbers to String", u"NumbersEnglish", ToolTarget::ModalWindow, ToolCategory::Numbers,
     u"words spell english turkish text"},
    {u"Reverse the String", u"Reverse", ToolTarget::ModalWindow, ToolCategory::TextAndCodes,
     u"backwards text mirror"},
    {u"Byte Converter", u"ByteConvert", ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     u"data storage file size bit byte KB kilobyte MB megabyte GB gigabyte terabyte unit convert"},
    {u"Seconds to Minutes to Hours", u"SecondsMin", ToolTarget::ModalWindow,
     ToolCategory::UnitsAndBases, u"time duration seconds minutes hours unit convert"},
    {u"Weight Converter", u"KgPound", ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     u"mass kg kilogram lb pound oz ounce gram stone ton unit convert"},
    {u"Volume Converter", u"LiterGallon", ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     u"capacity liter litre ml milliliter gallon pint cup cubic unit convert"},
    {u"Weight on Other Planets", u"WeightPlanet", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates, u"gravity moon mars jupiter space"},
    {u"Factorial Calculator", u"Factorial", ToolTarget::ModalWindow, ToolCategory::Numbers,
     u"product permutations"},
    {u"Length Converter", u"UnitConvert", ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     u"distance km kilometre kilometer m meter metre cm centimetre centimeter mile feet foot inch "
     u"yard unit convert"},
    {u"Fuel Consumption Calculator", u"Mileage", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates,
     u"mileage mpg economy car petrol gasoline liters gallons km/l"},
    {u"Mortgage Calculator", u"Mortgage", ToolTarget::ModalWindow, ToolCategory::Finance,
     u"home house loan credit interest monthly payment"},
    {u"Area Converter", u"SmSf", ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     u"surface square meter foot acre hectare land unit convert"},
    {u"Voltage Converter", u"Voltage", ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     u"voltage volt millivolt kilovolt electric unit convert"},
    {u"Electric Current Converter", u"ElectricCurrent", ToolTarget::ModalWindow,
     ToolCategory::UnitsAndBases, u"current ampere amp milliampere electric unit convert"},
    {u"Geometric Progression Calculator", u"GeometricProgression", ToolTarget::ModalWindow,
     ToolCategory::Numbers, u"GP sequence series ratio"},
    {u"Depreciation Calculator", u"Depreciation", ToolTarget::ModalWindow, ToolCategory::Finance,
     u"asset value declining balance accounting"},
    {u"Fraction Calculator", u"FractionMix", ToolTarget::ModalWindow, ToolCategory::Numbers,
     u"mixed add subtract multiply divide"},
    {u"Restaurant Bill Calculator", u"MenuTracking", ToolTarget::ModelessWindow,
     ToolCategory::Finance, u"tip menu discount service food total"},
    {u"Resistor Color Code Calculator", u"ResistorColor", ToolTarget::ModalWindow,
     ToolCategory::ScienceAndElectricity, u"colour bands ohm Ω resistance electronics"},
    {u"Ohm's Law Calculator", u"OhmLaw", ToolTarget::ModalWindow,
     ToolCategory::ScienceAndElectricity, u"resistance voltage current volt ampere ohm Ω"},
    {u"Numbers to Roman", u"Roman", ToolTarget::ModalWindow, ToolCategory::Numbers,
     u"numerals convert"},
    {u"Fibonacci Calculator", u"fibonacci", ToolTarget::ModalWindow, ToolCategory::Numbers,
     u"sequence series"},
    {u"Coordinate Draw", u"Draw", ToolTarget::ModalWindow, ToolCategory::EquationsAndGeometry,
     u"plot graph curve axes"},
    {u"Character Number Calculator", u"CharacterNumber", ToolTarget::ModalWindow,
     ToolCategory::TextAndCodes, u"count characters letters length"},
    {u"Zodiac Calculator", u"Burclar", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates, u"zodiac sign astrology horoscope star"},
    {u"Binary to Number", u"Binary", ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     u"bits base decimal unit convert"},
    {u"Pascal's Triangle Calculator", u"Pascal", ToolTarget::ModalWindow, ToolCategory::Numbers,
     u"binomial coefficients"},
    {u"Fraction Equation Solver", u"FractionEquality", ToolTarget::ModalWindow,
     ToolCategory::Numbers, u"proportion ratio cross multiplication"},
    {u"Multiplication Table", u"MultiplicationTable", ToolTarget::ModalWindow,
     ToolCategory::Numbers, u"times multiply"},
    {u"Sine, Cosine, Tangent, Arc-Cotangent", u"SinCosinTan", ToolTarget::ModalWindow,
     ToolCategory::EquationsAndGeometry,
     u"trigonometry sin cos tan cotangent arctangent radians angle"},
    {u"DLL-OCX Registration", u"DllOcx", ToolTarget::ModalWindow, ToolCategory::ProgramAndSystem,
     u"register component library regsvr windows"},
    {u"Angle Converter", u"DegGradRad", ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     u"angle degree ° radian grade gradian unit convert"},
    {u"Product of Numbers N to N", u"MultipleNtoN", ToolTarget::ModalWindow, ToolCategory::Numbers,
     u"multiply range"},
    {u"Volume Calculator", u"HacimOlcer", ToolTarget::ModalWindow,
     ToolCategory::EquationsAndGeometry, u"cube cylinder sphere cone solid capacity"},
    {u"Natural Gas Consumption Calculator", u"NaturalGas", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates, u"bill VAT tax invoice cubic meter utility"},
    {u"Map Scale Calculator", u"MapScale", ToolTarget::ModalWindow,
     ToolCategory::EquationsAndGeometry, u"distance km cm"},
    {u"Combination & Permutation", u"KombiPermu", ToolTarget::ModalWindow, ToolCategory::Numbers,
     u"combinations permutations nCr nPr choose"},
    {u"Arithmetic Progression Calculator", u"ArithmeticProgression", ToolTarget::ModalWindow,
     ToolCategory::Numbers, u"AP sequence series difference"},
    {u"Speed Converter", u"Speed", ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     u"velocity km/h kph mph knot mach unit convert"},
    {u"Earth Year on Other Planets", u"YearsPlanet", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates, u"orbit period space"},
    {u"Simple Interest Calculator", u"SimpleInterest", ToolTarget::ModalWindow,
     ToolCategory::Finance, u"savings loan finance rate"},
    {u"Perimeter Calculator", u"Perimeter", ToolTarget::ModalWindow,
     ToolCategory::EquationsAndGeometry, u"circumference shapes geometry"},
    {u"Area Calculator", u"AreaCalculator", ToolTarget::ModalWindow,
     ToolCategory::EquationsAndGeometry, u"surface shapes circle geometry"},
    {u"Astronomical Time Converter", u"AstronomicalTime", ToolTarget::ModalWindow,
     ToolCategory::UnitsAndBases, u"time day month year sidereal lunar unit convert"},
    {u"Numbers Converter", u"NumberConverter", ToolTarget::ModalWindow, ToolCategory::UnitsAndBases,
     u"scale million billion thousand dozen googol unit convert"},
    {u"Water Consumption Calculator", u"WaterConsumption", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates, u"bill utility invoice tariff"},
    {u"Electricity Consumption Calculator", u"ElectricConsumption", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates, u"electricity kWh bill utility invoice"},
    {u"Wind Chill Index Calculator", u"WindChill", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates,
     u"cold weather feels like temperature celsius fahrenheit"},
    {u"Heat Index Calculator", u"HeatIndex", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates,
     u"humidity weather feels like temperature celsius fahrenheit"},
    {u"Date Calculator", u"DateCalculate", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates, u"days between dates difference calendar"},
    {u"Bass Fishing Boat Speed Calculator", u"BassBoat", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates, u"propeller rpm pitch gear mph"},
    {u"Body Surface Area Calculator", u"BodySurface", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates, u"BSA du bois health"},
    {u"Creatinine Calculator", u"Creatinine", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates, u"kidney clearance cockcroft gault health"},
    {u"Growth Rate Calculator", u"GrowthRate", ToolTarget::ModalWindow, ToolCategory::Finance,
     u"cagr percent change %"},
    {u"Electrical Calculators", u"Electrical", ToolTarget::ModalWindow,
     ToolCategory::ScienceAndElectricity, u"watt volt ampere torque kva lumen lux candela"},
    {u"Maximum Heart Rate Calculator", u"HeartRate", ToolTarget::ModalWindow,
     ToolCategory::EverydayHealthAndDates, u"pulse bpm exercise fitness health"},
    {u"Profit Calculator", u"Profit", ToolTarget::ModalWindow, ToolCategory::Finance,
     u"margin markup cost revenue price %"},
    {u"Financial Lease Calculator", u"FinancialLease", ToolTarget::ModalWindow,
     ToolCategory::Finance, u"leasing residual loan credit finance payment"},
}};

constexpr std::array<std::u16string_view, ToolCategoryCount> CategoryNames = {
    u"Units and bases",
    u"Numbers",
    u"Equations and geometry",
    u"Finance",
    u"Everyday, health and dates",
    u"Text and codes",
    u"Science and electricity",
    u"Program and system"};

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
    const std::u16string_view name = CategoryNames[std::size_t(category)];
    return QString::fromUtf16(name.data(), name.size());
}

int toolCountIn(ToolCategory category) {
    return int(std::count_if(Catalog.begin(), Catalog.end(), [category](const ToolEntry &entry) {
        return entry.category == category;
    }));
}

bool catalogListLess(const QString &a, const QString &b) {
    const int byKey = listSortKey(a).compare(listSortKey(b), Qt::CaseInsensitive);
    if (byKey != 0)
        return byKey < 0;
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

} // namespace zq
