// CONVERT(number, from unit, to unit): units of mass, length, time,
// pressure, force, energy, power, magnetism, temperature, volume, area,
// information and speed, by their usual abbreviations, the metric ones also
// with a decimal prefix ("km", "mN") and the units of information with a
// binary one ("kibyte"). Names are case-sensitive.
#include "platform/spread/functions.h"

#include <cmath>
#include <string_view>

namespace spread {

namespace {

enum class Dim : uint8_t { Mass, Length, Time, Pressure, Force, Energy, Power, Magnetism,
                           Temperature, Volume, Area, Information, Speed };

struct Unit {
    const wchar_t* name;
    Dim dim;
    double factor; // in the dimension's base unit (g, m, s, Pa, N, J, W, T, K, m3, m2, bit, m/s)
    uint8_t prefix; // 0: none; 1: decimal; 2: decimal and binary
    uint8_t power = 1; // a prefix counts squared in m2, cubed in m3
};

constexpr double kIn = 0.0254, kFt = 0.3048, kYd = 0.9144, kMi = 1609.344, kNmi = 1852;
constexpr double kLy = 9460730472580800.0, kPica = kIn / 72, kAng = 1e-10;
constexpr double kSurveyMi = 1609.347218694437;

constexpr double cube(double x) {
    return x * x * x;
}
constexpr double sq(double x) {
    return x * x;
}

const Unit kUnits[] = {
    // Mass
    {L"g", Dim::Mass, 1, 1},
    {L"sg", Dim::Mass, 14593.902937206365, 0},
    {L"lbm", Dim::Mass, 453.59237, 0},
    {L"u", Dim::Mass, 1.66053906660e-24, 1},
    {L"ozm", Dim::Mass, 28.349523125, 0},
    {L"grain", Dim::Mass, 0.06479891, 0},
    {L"cwt", Dim::Mass, 45359.237, 0},
    {L"shweight", Dim::Mass, 45359.237, 0},
    {L"uk_cwt", Dim::Mass, 50802.34544, 0},
    {L"lcwt", Dim::Mass, 50802.34544, 0},
    {L"hweight", Dim::Mass, 50802.34544, 0},
    {L"stone", Dim::Mass, 6350.29318, 0},
    {L"ton", Dim::Mass, 907184.74, 0},
    {L"uk_ton", Dim::Mass, 1016046.9088, 0},
    {L"LTON", Dim::Mass, 1016046.9088, 0},
    {L"brton", Dim::Mass, 1016046.9088, 0},
    // Length
    {L"m", Dim::Length, 1, 1},
    {L"mi", Dim::Length, kMi, 0},
    {L"Nmi", Dim::Length, kNmi, 0},
    {L"in", Dim::Length, kIn, 0},
    {L"ft", Dim::Length, kFt, 0},
    {L"yd", Dim::Length, kYd, 0},
    {L"ang", Dim::Length, kAng, 1},
    {L"ell", Dim::Length, 1.143, 0},
    {L"ly", Dim::Length, kLy, 1},
    {L"parsec", Dim::Length, 30856775812815500.0, 1},
    {L"pc", Dim::Length, 30856775812815500.0, 1},
    {L"Picapt", Dim::Length, kPica, 0},
    {L"Pica", Dim::Length, kPica, 0},
    {L"pica", Dim::Length, kIn / 6, 0},
    {L"survey_mi", Dim::Length, kSurveyMi, 0},
    // Time
    {L"yr", Dim::Time, 31557600, 0},
    {L"day", Dim::Time, 86400, 0},
    {L"d", Dim::Time, 86400, 0},
    {L"hr", Dim::Time, 3600, 0},
    {L"mn", Dim::Time, 60, 0},
    {L"min", Dim::Time, 60, 0},
    {L"sec", Dim::Time, 1, 1},
    {L"s", Dim::Time, 1, 1},
    // Pressure
    {L"Pa", Dim::Pressure, 1, 1},
    {L"p", Dim::Pressure, 1, 1},
    {L"atm", Dim::Pressure, 101325, 1},
    {L"at", Dim::Pressure, 101325, 1},
    {L"mmHg", Dim::Pressure, 133.322, 1},
    {L"psi", Dim::Pressure, 6894.75729316836, 0},
    {L"Torr", Dim::Pressure, 133.322368421053, 0},
    // Force
    {L"N", Dim::Force, 1, 1},
    {L"dyn", Dim::Force, 1e-5, 1},
    {L"dy", Dim::Force, 1e-5, 1},
    {L"lbf", Dim::Force, 4.4482216152605, 0},
    {L"pond", Dim::Force, 0.00980665, 1},
    // Energy
    {L"J", Dim::Energy, 1, 1},
    {L"e", Dim::Energy, 1e-7, 1},
    {L"c", Dim::Energy, 4.184, 1},
    {L"cal", Dim::Energy, 4.1868, 1},
    {L"eV", Dim::Energy, 1.602176634e-19, 1},
    {L"ev", Dim::Energy, 1.602176634e-19, 1},
    {L"HPh", Dim::Energy, 2684519.53769617, 0},
    {L"hh", Dim::Energy, 2684519.53769617, 0},
    {L"Wh", Dim::Energy, 3600, 1},
    {L"wh", Dim::Energy, 3600, 1},
    {L"flb", Dim::Energy, 1.3558179483314, 0},
    {L"BTU", Dim::Energy, 1055.05585262, 0},
    {L"btu", Dim::Energy, 1055.05585262, 0},
    // Power
    {L"HP", Dim::Power, 745.69987158227, 0},
    {L"h", Dim::Power, 745.69987158227, 0},
    {L"PS", Dim::Power, 735.49875, 0},
    {L"W", Dim::Power, 1, 1},
    {L"w", Dim::Power, 1, 1},
    // Magnetism
    {L"T", Dim::Magnetism, 1, 1},
    {L"ga", Dim::Magnetism, 1e-4, 1},
    // Temperature (the factor is unused: see toKelvin)
    {L"C", Dim::Temperature, 0, 0},
    {L"cel", Dim::Temperature, 0, 0},
    {L"F", Dim::Temperature, 0, 0},
    {L"fah", Dim::Temperature, 0, 0},
    {L"K", Dim::Temperature, 1, 1},
    {L"kel", Dim::Temperature, 1, 1},
    {L"Rank", Dim::Temperature, 0, 0},
    {L"Reau", Dim::Temperature, 0, 0},
    // Volume
    {L"tsp", Dim::Volume, 4.92892159375e-6, 0},
    {L"tspm", Dim::Volume, 5e-6, 0},
    {L"tbs", Dim::Volume, 1.478676478125e-5, 0},
    {L"oz", Dim::Volume, 2.95735295625e-5, 0},
    {L"cup", Dim::Volume, 2.365882365e-4, 0},
    {L"pt", Dim::Volume, 4.73176473e-4, 0},
    {L"us_pt", Dim::Volume, 4.73176473e-4, 0},
    {L"uk_pt", Dim::Volume, 5.6826125e-4, 1},
    {L"qt", Dim::Volume, 9.46352946e-4, 0},
    {L"uk_qt", Dim::Volume, 1.1365225e-3, 0},
    {L"gal", Dim::Volume, 3.785411784e-3, 0},
    {L"uk_gal", Dim::Volume, 4.54609e-3, 0},
    {L"l", Dim::Volume, 1e-3, 1},
    {L"L", Dim::Volume, 1e-3, 1},
    {L"lt", Dim::Volume, 1e-3, 1},
    {L"ang3", Dim::Volume, cube(kAng), 1, 3},
    {L"ang^3", Dim::Volume, cube(kAng), 1, 3},
    {L"barrel", Dim::Volume, 0.158987294928, 0},
    {L"bushel", Dim::Volume, 0.03523907016688, 0},
    {L"ft3", Dim::Volume, cube(kFt), 0},
    {L"ft^3", Dim::Volume, cube(kFt), 0},
    {L"in3", Dim::Volume, cube(kIn), 0},
    {L"in^3", Dim::Volume, cube(kIn), 0},
    {L"ly3", Dim::Volume, cube(kLy), 0},
    {L"ly^3", Dim::Volume, cube(kLy), 0},
    {L"m3", Dim::Volume, 1, 1, 3},
    {L"m^3", Dim::Volume, 1, 1, 3},
    {L"mi3", Dim::Volume, cube(kMi), 0},
    {L"mi^3", Dim::Volume, cube(kMi), 0},
    {L"yd3", Dim::Volume, cube(kYd), 0},
    {L"yd^3", Dim::Volume, cube(kYd), 0},
    {L"Nmi3", Dim::Volume, cube(kNmi), 0},
    {L"Nmi^3", Dim::Volume, cube(kNmi), 0},
    {L"Picapt3", Dim::Volume, cube(kPica), 0},
    {L"Picapt^3", Dim::Volume, cube(kPica), 0},
    {L"Pica3", Dim::Volume, cube(kPica), 0},
    {L"Pica^3", Dim::Volume, cube(kPica), 0},
    {L"GRT", Dim::Volume, 2.8316846592, 0},
    {L"regton", Dim::Volume, 2.8316846592, 0},
    {L"MTON", Dim::Volume, 1.13267386368, 0},
    // Area
    {L"uk_acre", Dim::Area, 4046.8564224, 0},
    {L"us_acre", Dim::Area, 4046.87260987425, 0},
    {L"ang2", Dim::Area, sq(kAng), 1, 2},
    {L"ang^2", Dim::Area, sq(kAng), 1, 2},
    {L"ar", Dim::Area, 100, 1},
    {L"ft2", Dim::Area, sq(kFt), 0},
    {L"ft^2", Dim::Area, sq(kFt), 0},
    {L"ha", Dim::Area, 10000, 0},
    {L"in2", Dim::Area, sq(kIn), 0},
    {L"in^2", Dim::Area, sq(kIn), 0},
    {L"ly2", Dim::Area, sq(kLy), 0},
    {L"ly^2", Dim::Area, sq(kLy), 0},
    {L"m2", Dim::Area, 1, 1, 2},
    {L"m^2", Dim::Area, 1, 1, 2},
    {L"Morgen", Dim::Area, 2500, 0},
    {L"mi2", Dim::Area, sq(kMi), 0},
    {L"mi^2", Dim::Area, sq(kMi), 0},
    {L"Nmi2", Dim::Area, sq(kNmi), 0},
    {L"Nmi^2", Dim::Area, sq(kNmi), 0},
    {L"Picapt2", Dim::Area, sq(kPica), 0},
    {L"Picapt^2", Dim::Area, sq(kPica), 0},
    {L"Pica2", Dim::Area, sq(kPica), 0},
    {L"Pica^2", Dim::Area, sq(kPica), 0},
    {L"yd2", Dim::Area, sq(kYd), 0},
    {L"yd^2", Dim::Area, sq(kYd), 0},
    // Information
    {L"bit", Dim::Information, 1, 2},
    {L"byte", Dim::Information, 8, 2},
    // Speed
    {L"admkn", Dim::Speed, 1853.184 / 3600, 0},
    {L"kn", Dim::Speed, 1852.0 / 3600, 0},
    {L"m/h", Dim::Speed, 1.0 / 3600, 1},
    {L"m/hr", Dim::Speed, 1.0 / 3600, 1},
    {L"m/s", Dim::Speed, 1, 1},
    {L"m/sec", Dim::Speed, 1, 1},
    {L"mph", Dim::Speed, 0.44704, 1},
};

struct Prefix {
    const wchar_t* name;
    double factor;
    bool binary;
};

const Prefix kPrefixes[] = {
    {L"da", 1e1, false},  {L"Y", 1e24, false}, {L"Z", 1e21, false},  {L"E", 1e18, false},
    {L"P", 1e15, false},  {L"T", 1e12, false}, {L"G", 1e9, false},   {L"M", 1e6, false},
    {L"k", 1e3, false},   {L"h", 1e2, false},  {L"e", 1e1, false},   {L"d", 1e-1, false},
    {L"c", 1e-2, false},  {L"m", 1e-3, false}, {L"u", 1e-6, false},  {L"n", 1e-9, false},
    {L"p", 1e-12, false}, {L"f", 1e-15, false}, {L"a", 1e-18, false}, {L"z", 1e-21, false},
    {L"y", 1e-24, false}, {L"ki", 1024.0, true}, {L"Mi", 1048576.0, true},
    {L"Gi", 1073741824.0, true}, {L"Ti", 1099511627776.0, true},
    {L"Pi", 1125899906842624.0, true}, {L"Ei", 1152921504606846976.0, true},
    {L"Zi", 1180591620717411303424.0, true}, {L"Yi", 1208925819614629174706176.0, true},
};

const Unit* plainUnit(std::wstring_view name) {
    for (const Unit& u : kUnits)
        if (name == u.name) return &u;
    return nullptr;
}

// The unit of a name, with the scale of its prefix (1 without one).
const Unit* findUnit(std::wstring_view name, double& scale) {
    scale = 1;
    if (const Unit* u = plainUnit(name)) return u;
    // Binary prefixes (two letters) before decimal ones.
    for (int pass = 0; pass < 2; ++pass) {
        for (const Prefix& p : kPrefixes) {
            std::wstring_view pre(p.name);
            if (p.binary != (pass == 0) || !name.starts_with(pre)) continue;
            const Unit* u = plainUnit(name.substr(pre.size()));
            if (!u || u->prefix == 0 || (p.binary && u->prefix != 2)) continue;
            scale = std::pow(p.factor, u->power);
            return u;
        }
    }
    return nullptr;
}

double toKelvin(std::wstring_view n, double x) {
    if (n == L"C" || n == L"cel") return x + 273.15;
    if (n == L"F" || n == L"fah") return (x - 32) * 5 / 9 + 273.15;
    if (n == L"Rank") return x * 5 / 9;
    if (n == L"Reau") return x * 1.25 + 273.15;
    return x;
}
double fromKelvin(std::wstring_view n, double k) {
    if (n == L"C" || n == L"cel") return k - 273.15;
    if (n == L"F" || n == L"fah") return (k - 273.15) * 9 / 5 + 32;
    if (n == L"Rank") return k * 9 / 5;
    if (n == L"Reau") return (k - 273.15) / 1.25;
    return k;
}

Slot fnConvert(Call& c) {
    double x = c.num(0), sFrom = 1, sTo = 1;
    const Unit* from = findUnit(c.text(1), sFrom);
    const Unit* to = findUnit(c.text(2), sTo);
    if (!from || !to || from->dim != to->dim) return Value::error(ErrorKind::NA);
    if (from->dim == Dim::Temperature) {
        double k = toKelvin(from->name, x * sFrom);
        return numberResult(fromKelvin(to->name, k) / sTo);
    }
    if (from == to && sFrom == sTo) return Value(x);
    return numberResult(x * (from->factor * sFrom) / (to->factor * sTo));
}

const FunctionDef kConvert[] = {
    {L"CONVERT", 3, 3, "nss", fnConvert},
};

} // namespace

FunctionList convertFunctions() {
    return {kConvert, std::size(kConvert)};
}

} // namespace spread
