#include "SolvusCalc.h"

#include "Globals.h"

#include <cmath>

namespace calculators {

namespace {

SolidSolution solidAt(double x, double T, double P) {
    SolidSolution s;
    s.xNaCl = x;
    s.xKCl = 1 - x;
    s.activityNaCl = x * std::exp(Globals::Activity_Coefficient_Solid(1, x, 1 - x, T, P));
    s.potentialNaCl = Globals::kGasConstant * T * std::log(s.activityNaCl);
    s.activityKCl = (1 - x) * std::exp(Globals::Activity_Coefficient_Solid(2, x, 1 - x, T, P));
    s.potentialKCl = Globals::kGasConstant * T * std::log(s.activityKCl);
    return s;
}

} // namespace

SolvusCalculation thermodynamicSolvus(double temperatureK, double pressureMPa) {
    const double T = temperatureK, P = pressureMPa;
    SolvusCalculation r;
    if (T <= 0) {
        r.temperatureOutOfRange = true;
        return r;
    }
    const auto pair = Globals::Equality_solids(T, P);
    // [0, 0] means no solvus; a value that is not a number is not above 0.
    if (!(pair[0] > 0) && !(pair[1] > 0)) return r;
    r.found = true;
    r.phase1 = solidAt(pair[0], T, P);
    r.phase2 = solidAt(pair[1], T, P);
    return r;
}

} // namespace calculators
