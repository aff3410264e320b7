#include "calculators/empirical/EmpiricalSolvusCalc.h"

#include "calculators/SaltContent.h"

#include "Globals.h"

#include <cmath>

namespace calculators {

namespace {

constexpr int kNaClRichLimb = 3;
constexpr int kKClRichLimb = 4;

bool finite(const SolvusSolid& s) {
    return std::isfinite(s.asNaCl) && std::isfinite(s.asKCl) && std::isfinite(s.wNaCl) &&
           std::isfinite(s.wKCl);
}

} // namespace

double solvusCrestK() {
    return Globals::MaxSolvus(0);
}

SolvusSolid solvusSolid(double v) {
    // RatioSolvus answers with the amount-of-substance fraction of KCl; the
    // mass fraction follows with the molar masses.
    const SaltContent c = solidContent(1 - v, v);
    return SolvusSolid{.asNaCl = 1 - v, .asKCl = v, .wNaCl = c.massNaCl / 100, .wKCl = c.massKCl / 100};
}

SolvusResult empiricalSolvusAt(double temperatureK) {
    const double T = temperatureK;
    // The crest itself is on the solvus; absolute zero is not (the fit gives
    // numbers below it all the same). RatioSolvus answers a temperature that
    // is not a number with pure NaCl on both limbs, so such a temperature has
    // no solvus either.
    if (!(T <= solvusCrestK()) || T <= 0) return {};
    SolvusResult r{.inRange = true,
                   .phase1 = solvusSolid(Globals::RatioSolvus(kKClRichLimb, T)),
                   .phase2 = solvusSolid(Globals::RatioSolvus(kNaClRichLimb, T))};
    if (!finite(r.phase1) || !finite(r.phase2)) return {};
    return r;
}

} // namespace calculators
