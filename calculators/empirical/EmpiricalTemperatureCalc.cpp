#include "calculators/empirical/EmpiricalTemperatureCalc.h"

#include "Globals.h"

#include <cmath>
#include <limits>

namespace calculators {

namespace {

struct Solid {
    const char* name;
    const char* none;
    double lowestK;  // the limits themselves are valid
    double highestK; // no upper limit for ice
};

// The ranges in which the empirical surfaces were fitted: ice down to -25
// degC; hydrohalite from -25 to 2 degC; halite from -5 to 810 degC; sylvite
// from -25 to 780 degC.
constexpr Solid kSolids[] = {
    {"Ice", "no ice", 248.15, std::numeric_limits<double>::infinity()},
    {"Hydrohalite", "no hydrohalite", 248.15, 275.15},
    {"Halite", "no halite", 268.15, 1083.15},
    {"Sylvite", "no sylvite", 248.15, 1053.15},
};

const Solid* solid(int fieldCode) {
    return fieldCode >= 1 && fieldCode <= 4 ? &kSolids[fieldCode - 1] : nullptr;
}

// Above 650 degC the SLV pressure comes from the composition alone.
constexpr double kHighPressureFromK = 923.15;

} // namespace

DissolutionResult dissolutionOf(int fieldCode, const SolutionComposition& c) {
    if (!solid(fieldCode)) return {};
    if (fieldCode == 1) {
        const double w1 = c.massPercentNaCl, w2 = c.massPercentKCl;
        // A composition that a failed conversion left unknown, or salts that
        // leave no water, has no ice to melt.
        if (!std::isfinite(w1) || !std::isfinite(w2) || (100 - w1) - w2 < 0) return {};
        return dissolutionAt(1, Globals::FDP_Hall87(w1, w2), 0, 0);
    }
    const double xNaCl = c.percentNaCl / 100, xKCl = c.percentKCl / 100;
    // FDP_Mirtox answers salt fractions that leave no water with 273.15 K,
    // which lies inside the ranges; such a liquid dissolves no solid.
    if (!std::isfinite(xNaCl) || !std::isfinite(xKCl) || (1 - xNaCl) - xKCl < 0) return {};
    return dissolutionAt(fieldCode, Globals::FDP_Mirtox(fieldCode, xNaCl, xKCl), xNaCl, xKCl);
}

DissolutionResult dissolutionAt(int fieldCode, double temperatureK, double xNaCl, double xKCl) {
    const Solid* s = solid(fieldCode);
    const double T = temperatureK;
    // Written so that a temperature that is not a number fails too; a failed
    // search (0 K) lies below every range.
    if (!s || !std::isfinite(T) || !(s->lowestK <= T && T <= s->highestK)) return {};

    DissolutionResult r{.dissolves = true, .temperatureK = T};
    if (fieldCode == 1) {
        r.pressure = PressureShown::BelowTenthMPa;
    } else if (fieldCode == 2) {
        r.pressure = PressureShown::AboutTenthMPa;
    } else {
        const double xH2O = (1 - xNaCl) - xKCl;
        r.pressureMPa = !(T > kHighPressureFromK) ? Globals::Pressure(fieldCode, xH2O, xNaCl, T)
                                                  : Globals::Pressure650(fieldCode, xH2O, xNaCl, xKCl);
        r.pressure = pressureShown(r.pressureMPa);
    }
    return r;
}

PressureShown pressureShown(double pressureMPa) {
    if (!std::isfinite(pressureMPa)) return PressureShown::Unknown;
    return pressureMPa < 1.0 ? PressureShown::BelowOneMPa : PressureShown::Value;
}

const char* solidName(int fieldCode) {
    const Solid* s = solid(fieldCode);
    return s ? s->name : "";
}

const char* noSolidText(int fieldCode) {
    const Solid* s = solid(fieldCode);
    return s ? s->none : "";
}

const char* pressureText(PressureShown shown) {
    switch (shown) {
    case PressureShown::BelowTenthMPa:
        return "< 0.1 MPa";
    case PressureShown::AboutTenthMPa:
        return "approx. 0.1 MPa";
    case PressureShown::BelowOneMPa:
        return "< 1.0 MPa";
    case PressureShown::Unknown:
        return " - ";
    case PressureShown::Value:
        break;
    }
    return "";
}

} // namespace calculators
