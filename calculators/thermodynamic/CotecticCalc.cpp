#include "calculators/thermodynamic/CotecticCalc.h"

#include "Globals.h"

#include <array>
#include <cmath>

namespace calculators {

CotecticResult cotecticAt(double temperatureK, double pressureMPa) {
    CotecticResult r;
    if (temperatureK <= 0) {
        r.temperatureOutOfRange = true;
        return r;
    }
    const std::array<double, 2> pair = Globals::Equality_solids(temperatureK, pressureMPa);
    if (!(pair[0] > 0) && !(pair[1] > 0)) return r;
    r.kclRichNaCl = pair[0];
    r.naclRichNaCl = pair[1];
    r.naclRichSolid = solidContent(pair[1], 1 - pair[1]);
    r.kclRichSolid = solidContent(pair[0], 1 - pair[0]);
    if (!r.naclRichSolid.finite() || !r.kclRichSolid.finite()) return r;
    r.solvusFound = true;

    // The liquid is searched against the KCl-rich solid; at the cotectic it
    // is in equilibrium with the NaCl-rich one as well.
    r.liquid = cotecticLiquid(pair[0], temperatureK, pressureMPa);
    if (!r.liquid.found) return r;
    r.liquidContent = liquidContent(r.liquid.xH2O, r.liquid.xNaCl, r.liquid.xKCl);
    r.liquidFound = r.liquidContent.finite();
    return r;
}

} // namespace calculators
