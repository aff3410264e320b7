// The liquid on the halite-sylvite cotectic at a temperature and pressure: the
// water fraction at which a liquid whose NaCl is in equilibrium with a given
// (Na,K)Cl solid is in equilibrium for KCl too. The cotectic window searches it
// from the KCl-rich limb of the solvus, the salinity window from the limb of
// the salt that dissolves last; both limbs give the same liquid.
#pragma once

#include <array>
#include <functional>

namespace calculators {

// [KCl residual (J/mol), x(NaCl), x(KCl)] of the liquid of water fraction
// xH2O against the solid; all zero when no such liquid is found
// (Globals::Cotectic_NaCl_sol_liq at a fixed solid, temperature and pressure).
using CotecticInnerResult = std::array<double, 3>;
using CotecticInner = std::function<CotecticInnerResult(double xH2O)>;

struct CotecticLiquid {
    bool found = false;
    double xH2O = 0, xNaCl = 0, xKCl = 0; // amount-of-substance fractions
};

// Damped secant on the water fraction, started from two points set by the
// solid's x(NaCl) and kept above 0.3 and below 1; a point whose liquid has no
// KCl left (a residual of -inf) is moved back like one past a bound, towards
// the last point with a finite residual. Not found when the search
// does not settle in 101 passes, or when it settles on a water fraction for
// which the inner search found no liquid (its all-zero answer) or where KCl
// is not in equilibrium (the search came to rest on a bound).
CotecticLiquid searchCotecticLiquid(double solidNaCl, const CotecticInner& inner);

// The same with the thermodynamic model at temperatureK and pressureMPa.
CotecticLiquid cotecticLiquid(double solidNaCl, double temperatureK, double pressureMPa);

} // namespace calculators
