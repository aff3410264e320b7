#include "calculators/thermodynamic/CotecticCalc.h"

#include "Globals.h"

#include <array>
#include <cmath>

namespace calculators {

namespace {

using Globals::kMolarMassH2O;
using Globals::kMolarMassKCl;
using Globals::kMolarMassNaCl;

SaltContent solid(double x) {
    const double mass = x * kMolarMassNaCl + (1 - x) * kMolarMassKCl;
    return {100 * x, 100 * (1 - x), 100 * (x * kMolarMassNaCl) / mass,
            100 * ((1 - x) * kMolarMassKCl) / mass};
}

SaltContent liquid(const CotecticLiquid& l) {
    const double mass = l.xNaCl * kMolarMassNaCl + l.xKCl * kMolarMassKCl + l.xH2O * kMolarMassH2O;
    const double mNaCl = (l.xNaCl * kMolarMassNaCl) / mass;
    const double mKCl = (l.xKCl * kMolarMassKCl) / mass;
    return {100 * l.xNaCl, 100 * l.xKCl, 100 * mNaCl, 100 * mKCl};
}

bool finite(const SaltContent& c) {
    return std::isfinite(c.asNaCl) && std::isfinite(c.asKCl) && std::isfinite(c.massNaCl) &&
           std::isfinite(c.massKCl);
}

} // namespace

CotecticResult cotecticAt(double temperatureK, double pressureMPa) {
    CotecticResult r;
    const std::array<double, 2> pair = Globals::Equality_solids(temperatureK, pressureMPa);
    if (!(pair[0] > 0) && !(pair[1] > 0)) return r;
    r.kclRichNaCl = pair[0];
    r.naclRichNaCl = pair[1];
    r.naclRichSolid = solid(pair[1]);
    r.kclRichSolid = solid(pair[0]);
    if (!finite(r.naclRichSolid) || !finite(r.kclRichSolid)) return r;
    r.solvusFound = true;

    // The liquid is searched against the KCl-rich solid; at the cotectic it
    // is in equilibrium with the NaCl-rich one as well.
    r.liquid = cotecticLiquid(pair[0], temperatureK, pressureMPa);
    if (!r.liquid.found) return r;
    r.liquidContent = liquid(r.liquid);
    r.liquidFound = finite(r.liquidContent);
    return r;
}

} // namespace calculators
