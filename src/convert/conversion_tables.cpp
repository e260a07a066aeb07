#include "convert/conversion_tables.h"

#include "common/calc_error.h"
#include "common/float_faults.h"

#include <array>

namespace zq {
namespace {

// Factors written as expressions are evaluated as written, left to right.
// Weight table: 47 units.
constexpr std::array<ConversionUnit, 47> WeightUnits = {{
    {u"Milligram", 1e-06},
    {u"Gram", 0.001},
    {u"Kilogram", 1.0},
    {u"Metric Ton", 1000.0},
    {u"Short Ton", 907.18474},
    {u"Long Ton", 1016.047},
    {u"Slug", 14.5939},
    {u"Pound", 0.45359237},
    {u"Ounce", 0.0283495231},
    {u"Ounce Metric", 0.025},
    {u"Grain", 1.0 / 7000 * 0.45359237},
    {u"Grain Metric", 5e-05},
    {u"Stone", 6.35029318},
    {u"Centigram", 1e-05},
    {u"Decigram", 0.0001},
    {u"Dekagram", 0.01},
    {u"Hectogram", 0.1},
    {u"Megagram", 1000.0},
    {u"Microgram", 1e-09},
    {u"Nanogram", 1e-12},
    {u"Petagram", 1000000000000.0},
    {u"Picogram", 1e-15},
    {u"Oka", 1.282945},
    {u"Drachme", 0.0032073625},
    {u"Batman", 7.69767},
    {u"Newton", 0.10197162129779283},
    {u"French Ounce", 0.03059},
    {u"Quintal", 100.0},
    {u"Carat", 0.0002},
    {u"Troy Pound", 0.3732417216},
    {u"Troy Ounce", 1.0 / 12 * 0.3732417216},
    {u"Catty", 0.5},
    {u"Zentner", 50.0},
    {u"Pfund", 0.5},
    {u"Kiloton", 1000000.0},
    {u"Megaton", 1000000000.0},
    {u"Gigaton", 1000000000000.0},
    {u"Atomic Mass", 1.66053873e-27},
    {u"Atomic Mass(chem.)", 1.66026e-27},
    {u"Atomic Mass(phys.)", 1.65981e-27},
    {u"Electron Mass", 9.109381887154531e-31},
    {u"Proton Mass", 1.6726215850718025e-27},
    {u"Neutron Mass", 1.674927158244878e-27},
    {u"Muon Mass", 1.8835310944834768e-28},
    {u"Deuteron Mass", 3.3435830946208836e-27},
    {u"Alpha Particle Mass", 6.644655981423496e-27},
    {u"Planck Mass", 2.1767e-08},
}};

// Volume table: 49 units.
constexpr std::array<ConversionUnit, 49> VolumeUnits = {{
    {u"Liter", 1.0},
    {u"Dekaliter", 0.1},
    {u"Deciliter", 10.0},
    {u"Centiliter", 100.0},
    {u"Milliliter", 1000.0},
    {u"Hectoliter", 0.01},
    {u"Microliter", 1000000.0},
    {u"Kiloliter", 0.001},
    {u"Megaliter", 1e-06},
    {u"Cubic Micrometer", 1000000000000000.0},
    {u"Cubic Millimeter", 1000000.0},
    {u"Cubic Centimeter", 1000.0},
    {u"Cubic Decimeter", 1.0},
    {u"Cubic Decameter", 1e-06},
    {u"Cubic Hectometer", 1e-09},
    {u"Cubic Meter", 0.001},
    {u"Cubic Kilometer", 1e-12},
    {u"Cubic Foot", 0.035314666721},
    {u"Cubic Inch", 61.023744095},
    {u"Cubic Mile", 2.3991275858e-13},
    {u"Cubic Yard", 0.0013079506193},
    {u"Dram", 270.51218162},
    {u"Gallon US", 0.264172052},
    {u"Gallon UK", 0.219969157},
    {u"Cup", 4.22675284},
    {u"Cup Metric", 4.0},
    {u"Cup Japan", 5.0},
    {u"Teaspoon", 202.884136},
    {u"Teaspoon Metric", 200.0},
    {u"Tablespoon", 67.6280454},
    {u"Tablespoon Metric", 66.666666667},
    {u"Liquid Quart", 1.05668821},
    {u"Dry Quart", 0.9080829842688559},
    {u"Bushel", 0.028377593258401747},
    {u"Pony", 33.8140227},
    {u"Fifth", 1.3208602618},
    {u"Fluid Ounce US", 33.8140227},
    {u"Fluid Ounce UK", 35.195079},
    {u"Gill US", 8.4535056755},
    {u"Gill UK", 7.0390159456},
    {u"Jigger", 22.542681801},
    {u"Bucket US", 0.052834410472},
    {u"Bucket UK", 0.054992312075},
    {u"Pint US", 2.11337853145553},
    {u"Pint UK", 1.759753986392702},
    {u"Minim", 16230.73087488},
    {u"Shot EU", 40.0},
    {u"Magnum", 0.666666666666667},
    {u"Split", 5.0},
}};

// Length table: 53 units.
constexpr std::array<ConversionUnit, 53> LengthUnits = {{
    {u"Angstrom", 1e-10},
    {u"Attometer", 1e-18},
    {u"Picometer", 1e-12},
    {u"Nanometer", 1e-09},
    {u"Micrometer", 1e-06},
    {u"Millimeter", 0.001},
    {u"Centimeter", 0.01},
    {u"Decimeter", 0.1},
    {u"Dekameter", 10.0},
    {u"Hectometer", 100.0},
    {u"Micron", 1e-06},
    {u"Microinch", 2.54e-08},
    {u"Inch", 0.0254},
    {u"Feet", 0.3048},
    {u"Yard", 0.9144},
    {u"Meter", 1.0},
    {u"Kilometer", 1000.0},
    {u"Exameter", 1e+18},
    {u"Femtometer", 1e-15},
    {u"Gigameter", 1000000000.0},
    {u"Megameter", 1000000.0},
    {u"Petameter", 1000000000000000.0},
    {u"Terameter", 1000000000000.0},
    {u"Mile", 1609.344},
    {u"Nautical Mile", 1852.0},
    {u"Fathom", 1.8288},
    {u"Cable", 182.88},
    {u"Navy Cable", 219.456},
    {u"Chain", 20.1168},
    {u"Hand", 0.1016},
    {u"Ell (Arsin)", 0.68},
    {u"Fermi", 1e-15},
    {u"X-Unit", 1.00202e-13},
    {u"Astronomical Unit", 149597870000.0},
    {u"Light Year", 9460730472580800.0},
    {u"Parsec", 3.085677581491367e+16},
    {u"Kiloparsec", 3.085677581491367e+19},
    {u"Mils", 1e-05 * 2.54},
    {u"Pica", 0.0042333333333},
    {u"Rod", 5.0292},
    {u"Twip", 1.7638888889e-05},
    {u"League", 5556.0},
    {u"Link", 0.201168},
    {u"Karis", 0.2286},
    {u"Ken", 1.8181818181818181},
    {u"Reed", 2.7432},
    {u"Rope", 6.096},
    {u"Russian Archin", 0.7112},
    {u"Barleycorn", 0.008466666666666666},
    {u"Furlong", 201.168},
    {u"Thou", 2.54000000001016e-05},
    {u"Point", 0.000351459803514598},
    {u"Point Metric", 0.000375},
}};

// Area table: 29 units.
constexpr std::array<ConversionUnit, 29> AreaUnits = {{
    {u"Square Millimeter", 1.0},
    {u"Square Centimeter", 100.0},
    {u"Square Meter", 1000000.0},
    {u"Hectare", 10000000000.0},
    {u"Square Kilometer", 1000000000000.0},
    {u"Square Inch", 645.16},
    {u"Square Foot", 92903.04},
    {u"Square Yard", 836127.36},
    {u"Acre", 4046856422.4},
    {u"Square Mile", 2589988110336.0},
    {u"Dönüm", 1000000000.0},
    {u"Dekare", 1000000000.0},
    {u"Evlek", 250000000.0},
    {u"Homestead", 647497027584.0},
    {u"Jugerum", 2523000000.0},
    {u"New Evlek", 100000000.0},
    {u"Square Arsin", 574170.0},
    {u"Square Endaze", 422500.0},
    {u"Square Decimeter", 10000.0},
    {u"Square Dekameter", 100000000.0},
    {u"Square Hat", 6.9223813657407405},
    {u"Square Hektometer", 10000000000.0},
    {u"Square Kirah", 1806.25},
    {u"Square Urup", 7225.0},
    {u"Square Zirai", 574170.0},
    {u"Square Rod", 25292852.64},
    {u"Square Chain", 404685642.24},
    {u"Rood", 1011714105.6},
    {u"Are", 100000000.0},
}};

// Energy-power table: 34 units.
constexpr std::array<ConversionUnit, 34> EnergyPowerUnits = {{
    {u"Attowatt", 1e-21},
    {u"Milliwatt", 1e-06},
    {u"Centiwatt", 1e-05},
    {u"Dekawatt", 0.01},
    {u"Hectowatt", 0.1},
    {u"Watt", 0.001},
    {u"Kilowatt", 1.0},
    {u"Megawatt", 1000.0},
    {u"Gigawatt", 1000000.0},
    {u"Terawatt", 1000000000.0},
    {u"Horsepower mech.", 0.745699872},
    {u"Horsepower elect.", 0.746},
    {u"Joule", 2.7777777777778e-07},
    {u"Millijoule", 2.7777777777778e-10},
    {u"Microjoule", 2.7777777777778e-13},
    {u"Nanojoule", 2.7777777777778e-16},
    {u"Attojoule", 2.7777777777778e-25},
    {u"Kilojoule", 0.00027777777777778},
    {u"Megajoule", 0.27777777777778},
    {u"Gigajoule", 277.77777777778},
    {u"Electron Volt", 4.45049065e-26},
    {u"Kiloelectron Volt", 4.45049065e-23},
    {u"Megaelectron Volt", 4.45049065e-20},
    {u"Kiloton", 1162222.2222222222},
    {u"Megaton", 1162222222.2222223},
    {u"Gigaton", 1162222222222.2222},
    {u"Erg", 2.7777777777778e-14},
    {u"BTU", 0.00029307108333},
    {u"Calorie (IT)", 1.16300000000001e-06},
    {u"Calorie (thermochem)", 1.16222222222223e-06},
    {u"Calorie (mean)", 1.1638944444444536e-06},
    {u"Therm", 29.300111111111345},
    {u"Toe", 11630.0000000001},
    {u"KVA", 0.8},
}};

// Voltage table: 22 units.
constexpr std::array<ConversionUnit, 22> VoltageUnits = {{
    {u"Abvolt", 100000000.0},
    {u"Attovolt", 1e+18},
    {u"Centivolt", 100.0},
    {u"Decavolt", 0.1},
    {u"Decivolt", 10.0},
    {u"Exavolt", 1e-18},
    {u"Femtovolt", 1000000000000000.0},
    {u"Gigavolt", 1e-09},
    {u"Hectovolt", 0.01},
    {u"Kilovolt", 0.001},
    {u"Megavolt", 1e-06},
    {u"Microvolt", 1000000.0},
    {u"Millivolt", 1000.0},
    {u"Nanovolt", 1000000000.0},
    {u"Petavolt", 1e-15},
    {u"Picovolt", 1000000000000.0},
    {u"Statvolt", 0.00333564095198},
    {u"Teravolt", 1e-12},
    {u"Volt", 1.0},
    {u"Yoctovolt", 1e+24},
    {u"Zeptovolt", 1e+21},
    {u"Zettavolt", 1e-21},
}};

// Electric current table: 24 units.
constexpr std::array<ConversionUnit, 24> ElectricCurrentUnits = {{
    {u"Abampere", 0.1},
    {u"Ampere", 1.0},
    {u"Biot", 0.1},
    {u"Centiampere", 100.0},
    {u"Coulomb/second", 1.0},
    {u"Deciampere", 10.0},
    {u"Dekaampere", 0.1},
    {u"Franklin/second", 2997924536.84314},
    {u"Gaussian", 2997924536.84314},
    {u"Gigaampere", 1e-09},
    {u"Gilbert", 1.2566370543},
    {u"Hectoampere", 0.01},
    {u"Kiloampere", 0.001},
    {u"Megaampere", 1e-06},
    {u"Microampere", 1000000.0},
    {u"Milliampere", 1000.0},
    {u"Nanoampere", 1000000000.0},
    {u"Picoampere", 1000000000000.0},
    {u"Statampere", 2997924536.84314},
    {u"Teraampere", 1e-12},
    {u"Siemens Volt", 1.0},
    {u"Volt/Ohm", 1.0},
    {u"Watt/Volt", 1.0},
    {u"Weber/Henry", 1.0},
}};

// Angle table: 14 units.
constexpr std::array<ConversionUnit, 14> AngleUnits = {{
    {u"Degree", 1.0},
    {u"Grade", 0.9},
    {u"Radian", 57.2957795130823},
    {u"Right Angle", 90.0},
    {u"Circle", 360.0},
    {u"Quadrant", 90.0},
    {u"Quintant", 72.0},
    {u"Sextant", 60.0},
    {u"Sign", 30.0},
    {u"Pointangle", 11.25},
    {u"Milangle", 0.05625},
    {u"Centrad", 0.572957795130823},
    {u"Arc Minute", 1.0 / 60},
    {u"Centesimal Min.", 0.009000000000000001},
}};

// Speed table: 24 units.
constexpr std::array<ConversionUnit, 24> SpeedUnits = {{
    {u"Millimeter/second", 0.001},
    {u"Centimeter/second", 0.01},
    {u"Centimeter/minute", 0.000166666666666667},
    {u"Meter/second", 1.0},
    {u"Meter/minute", 0.016666666666},
    {u"Meter/hour", 0.000277777777777778},
    {u"Kilometer/second", 1000.0},
    {u"Kilometer/minute", 16.666666666},
    {u"Kilometer/hour", 0.277777777777778},
    {u"Feet/second", 0.3048},
    {u"Feet/minute", 0.00508},
    {u"Feet/hour", 8.46668360003387e-05},
    {u"Yard/second", 0.9144},
    {u"Yard/minute", 0.0152399999768352},
    {u"Yard/hour", 0.000254000508001016},
    {u"Mile/second", 1609.3439999931},
    {u"Mile/minute", 26.8224},
    {u"Mile/hour", 0.44704},
    {u"Nautical Mile/hour", 0.514444444},
    {u"Furlong/minute", 3.3528},
    {u"Knot", 0.514444444},
    {u"Mach", 343.0},
    {u"Speed of Sound", 343.0},
    {u"Speed of Light", 299792458.0},
}};

// Astronomical time table: 35 units.
constexpr std::array<ConversionUnit, 35> AstronomicalTimeUnits = {{
    {u"Day", 1.0},
    {u"Month", 1.0 / 12 * 365.242198781},
    {u"Year", 365.242198781},
    {u"Anomalistic month", 27.55454977},
    {u"Anomalistic year", 365.2596},
    {u"Sidereal year", 365.256360417},
    {u"Tropical year", 365.242198781},
    {u"Gaussian year", 365.2568983263281},
    {u"Elipse year", 346.62},
    {u"Nodical month", 27.2122199},
    {u"Sidereal month", 27.321661},
    {u"Saros", 6585.321124},
    {u"Synodic month", 29.530588},
    {u"Lunar month", 29.530588},
    {u"Lunar year", 354.367056},
    {u"Lustrum", 1826.2109939050001},
    {u"Decade", 3652.4219878100002},
    {u"Century", 36524.219878100004},
    {u"Millennium", 365242.198781},
    {u"Solar year", 365.242198781},
    {u"Calendar year", 365.0},
    {u"Leap year", 366.0},
    {u"Julian year", 365.25},
    {u"Gregorian year", 365.2425},
    {u"Islamic month", 1.0 / 12 * 354},
    {u"Islamic year", 354.0},
    {u"Islamic leap year", 355.0},
    {u"Mercury day", 58.6462},
    {u"Venus day", 243.01},
    {u"Mars day", 1.02595675},
    {u"Jupiter day", 0.41354},
    {u"Saturn day", 0.4375},
    {u"Uranus day", 0.7183333333333333},
    {u"Neptune day", 0.67125},
    {u"Pluto day", 6.3867},
}};

// Byte table: 17 units.
constexpr std::array<ConversionUnit, 17> ByteUnits = {{
    {u"Bits", 1.0},
    {u"Nibble", 4.0},
    {u"Bytes", 8.0},
    {u"Kilobits", 1024.0},
    {u"Kilobytes", 8192.0},
    {u"Megabits", 1048576.0},
    {u"Megabytes", 1024.0 * 1024.0 * 8},
    {u"Gigabits", 1073741824.0},
    {u"Gigabytes", 1024.0 * 1024.0 * 1024.0 * 8},
    {u"Terabits", 1099511627776.0},
    {u"Terabytes", 1024.0 * 1024.0 * 1024.0 * 1024.0 * 8},
    {u"Petabits", 1125899906842620.0},
    {u"Petabytes", 1024.0 * 1024.0 * 1024.0 * 1024.0 * 1024.0 * 8},
    {u"Exabits", 1.15292150460685e+18},
    {u"Exabytes", 1024.0 * 1024.0 * 1024.0 * 1024.0 * 1024.0 * 1024.0 * 8},
    {u"Zettabytes", 1024.0 * 1024.0 * 1024.0 * 1024.0 * 1024.0 * 1024.0 * 1024.0 * 8},
    {u"Yottabytes", 1024.0 * 1024.0 * 1024.0 * 1024.0 * 1024.0 * 1024.0 * 1024.0 * 1024.0 * 8},
}};

// Number-scale table: 52 units.
constexpr std::array<ConversionUnit, 52> NumberScaleUnits = {{
    {u"One", 1.0},
    {u"Two", 2.0},
    {u"Three", 3.0},
    {u"Four", 4.0},
    {u"Five", 5.0},
    {u"Six", 6.0},
    {u"Seven", 7.0},
    {u"Eight", 8.0},
    {u"Nine", 9.0},
    {u"Ten", 10.0},
    {u"Twenty", 20.0},
    {u"Thirty", 30.0},
    {u"Forty", 40.0},
    {u"Fifty", 50.0},
    {u"Sixty", 60.0},
    {u"Seventy", 70.0},
    {u"Eighty", 80.0},
    {u"Ninety", 90.0},
    {u"Hundred", 100.0},
    {u"Thousand", 1000.0},
    {u"Million", 1000000.0},
    {u"Billion", 1000000000.0},
    {u"Trillion", 1000000000000.0},
    {u"Quadrillion", 1000000000000000.0},
    {u"Quintillion", 1e+18},
    {u"Sextillion", 1e+21},
    {u"Septillion", 1e+24},
    {u"Octillion", 1e+27},
    {u"Nonillion", 1e+30},
    {u"Decillion", 1e+33},
    {u"Undecillion", 1e+36},
    {u"Duodecillion", 1e+39},
    {u"Tredecillion", 1e+42},
    {u"Quattuordecillion", 1e+45},
    {u"Quindecillion", 1e+48},
    {u"Sexdecillion", 1e+51},
    {u"Septendecillion", 1e+54},
    {u"Octodecillion", 1e+57},
    {u"Novemdecillion", 1e+60},
    {u"Vigintillion", 1e+63},
    {u"Centillion", 1e+303},
    {u"Googol", 1e+100},
    {u"Dozen", 12.0},
    {u"Bakers Dozen", 13.0},
    {u"Gross", 144.0},
    {u"Short Quire", 24.0},
    {u"Quire", 25.0},
    {u"Short Ream", 480.0},
    {u"Ream", 500.0},
    {u"Perfect Ream", 516.0},
    {u"Bundle", 1000.0},
    {u"Bale", 5000.0},
}};
} // namespace

ConversionTable conversionTable(UnitTable table) {
    using enum ConversionDirection;
    switch (table) {
    case UnitTable::Weight:
        return {WeightUnits, Size};
    case UnitTable::Volume:
        return {VolumeUnits, Count};
    case UnitTable::Length:
        return {LengthUnits, Size};
    case UnitTable::Area:
        return {AreaUnits, Size};
    case UnitTable::EnergyPower:
        return {EnergyPowerUnits, Size};
    case UnitTable::Voltage:
        return {VoltageUnits, Count};
    case UnitTable::ElectricCurrent:
        return {ElectricCurrentUnits, Count};
    case UnitTable::Angle:
        return {AngleUnits, Size};
    case UnitTable::Speed:
        return {SpeedUnits, Size};
    case UnitTable::AstronomicalTime:
        return {AstronomicalTimeUnits, Size};
    case UnitTable::Byte:
        return {ByteUnits, Size};
    case UnitTable::NumberScale:
        return {NumberScaleUnits, Size};
    }
    throw CalcError(CalcError::Kind::InvalidArgument, "unknown conversion table");
}

double ConvertByFactors(double x, double multiplying, double dividing) {
    return x * multiplying / dividing;
}

double convertUnits(const ConversionTable &table, std::size_t source, std::size_t target,
                    double x) {
    if (source >= table.units.size() || target >= table.units.size())
        throw CalcError(CalcError::Kind::InvalidArgument, "no such unit");
    double multiplying = table.units[source].factor;
    double dividing = table.units[target].factor;
    if (table.direction == ConversionDirection::Count)
        std::swap(multiplying, dividing);
    return checkedFloat([&] { return ConvertByFactors(x, multiplying, dividing); });
}

} // namespace zq
