#include "calculators/empirical/EmpiricalCotecticCalc.h"

#include "calculators/empirical/EmpiricalSolvusCalc.h"

#include "Globals.h"

#include <cmath>

namespace calculators {

namespace {

struct Line {
    int phase; // the solid whose liquidus gives the water of the liquid
    CotecticSolidKind solid1, solid2;
};

using enum CotecticSolidKind;

constexpr Line kLines[] = {
    {1, Ice, Hydrohalite},       // 1 ice + hydrohalite
    {1, Sylvite, Ice},           // 2 ice + sylvite
    {4, Sylvite, Hydrohalite},   // 3 hydrohalite + sylvite
    {3, Halite, Hydrohalite},    // 4 hydrohalite + halite
    {3, SolvusLimb, SolvusLimb}, // 5 halite + sylvite
};

} // namespace

AnhydrousSolid anhydrousSolid(double xKCl) {
    const SolvusSolid s = solvusSolid(xKCl);
    return {100 * s.asNaCl, 100 * s.asKCl, 100 * s.wNaCl, 100 * s.wKCl};
}

EmpiricalCotecticResult empiricalCotectic(int line, double temperatureC) {
    EmpiricalCotecticResult r;
    if (line < 1 || line > 5) return r;
    const Line& l = kLines[line - 1];
    const double crest = Globals::MaxSolvus(0);
    const double T = temperatureC + 273.15;

    r.lineChosen = true;
    r.temperatureK = T;
    if (T <= 0) {
        // The fits give numbers there all the same; no phase exists.
        r.solid1.kind = r.solid2.kind = CotecticSolidKind::OutOfRange;
        return r;
    }
    const double R = Globals::Cotectic_Exact(line, T);
    r.liquid = empiricalLiquid(l.phase, T, R);
    r.liquidInRange = std::isfinite(T) && ratioFound(R) && r.liquid.finite() && !r.liquid.impossible();

    r.solid1.kind = l.solid1;
    r.solid2.kind = l.solid2;
    if (line == 5) {
        if (T < crest) {
            r.solid1.limb = anhydrousSolid(Globals::RatioSolvus(3, T));
            r.solid2.limb = anhydrousSolid(Globals::RatioSolvus(4, T));
        } else {
            r.solid1.kind = r.solid2.kind = CotecticSolidKind::MinimumLine;
        }
    }
    return r;
}

} // namespace calculators
