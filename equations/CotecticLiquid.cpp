// The inner half of the halite-sylvite cotectic: the liquid of a given water
// fraction in which NaCl is in equilibrium with a given solid solution. The
// calculators drive the KCl residual it returns to zero over the water
// fraction.
#include "DampedSecant.h"
#include "Globals.h"
#include "ThermoModel.h"

#include <cmath>

namespace Globals {

namespace {

// A damped secant with two departures from the common scheme: a start or a
// pass that comes to rest at y <= 0 is set to 0 with the residual 0 without
// evaluating it, and only the relative step ends the search (no divergence
// test, a zero residual is not a success).
constexpr secant::Settings kSplit{.stepFactor = 0.5,
                                  .equalResiduals = secant::EqualRule::E3,
                                  .tolerance = 1e-12,
                                  .zeroResidual = secant::ZeroRule::NotTested,
                                  .divergenceTest = false};

} // namespace

std::array<double, 3> Cotectic_NaCl_sol_liq(double xH2O, double xsNaCl, double temperatureK,
                                            double pressureMPa) {
    const double T = temperatureK, P = pressureMPa, xs = xsNaCl;
    const thermo::LiquidModel liquid(T, P);
    const thermo::SolidModel solid(T, P);
    const double S = 1 - xH2O;
    const double muSolidNaCl = T * thermo::kR * std::log(xs * std::exp(solid.lnGammaNaCl(xs, 1 - xs)));
    const double dGNaCl = thermo::meltingGibbs(1, T, P);

    auto F = [&](double y) {
        if (!(y > 0)) return 0.0; // the point is 0 then, see bounds
        return dGNaCl + T * thermo::kR * (std::log(y) + liquid.lnGammaNaCl(y, S - y)) - muSolidNaCl;
    };
    auto bounds = [&](double y, double step) {
        if (y <= 0) y = (y - step) / 2;
        if (y >= S) y = ((y - step) + S) / 2;
        if (!(y > 0)) y = 0;
        return y;
    };
    double y0 = 0.5 * S;
    double y1 = 0.49 * S;
    if (!(y0 > 0)) y0 = 0;
    if (!(y1 > 0)) y1 = 0;
    const auto out = secant::run(kSplit, {y0, F(y0), y1, F(y1)}, F, bounds);
    if (!out.converged) return {0, 0, 0};

    const double y = out.x;
    const double residualKCl = thermo::meltingGibbs(2, T, P) +
                               T * thermo::kR * (std::log(S - y) + liquid.lnGammaKCl(y, S - y)) -
                               T * thermo::kR * std::log((1 - xs) * std::exp(solid.lnGammaKCl(xs, 1 - xs)));
    return {residualKCl, y, S - y};
}

} // namespace Globals
