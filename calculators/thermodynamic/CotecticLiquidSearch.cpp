#include "calculators/thermodynamic/CotecticLiquidSearch.h"

#include "DampedSecant.h"
#include "Globals.h"

#include <cmath>

namespace calculators {

namespace {

namespace secant = Globals::secant;

// Half secant steps; equal residuals (zero included, which is also what the
// inner search answers when it fails) halve the last move; only the relative
// step ends the search. Where the liquid's KCl comes out exactly 0 (at high
// water fractions of KCl-poor liquids) the residual is -inf: such a point
// lies past the end of the liquids with both salts and is moved back like
// one past a bound.
constexpr secant::Settings kCotecticWater{.stepFactor = 0.5,
                                          .equalResiduals = secant::EqualRule::E3,
                                          .tolerance = 1e-12,
                                          .zeroResidual = secant::ZeroRule::NotTested,
                                          .divergenceTest = false,
                                          .nonFiniteIsBound = true};

// The KCl residual (J/mol) at a settled point: converged searches leave it
// below 1e-6 J/mol (about 1e-10 RT); the ends of a search that has no root
// between the bounds, hundreds of J/mol.
constexpr double kResidualTolerance = 0.01;

// A liquid needs more than 30 % water for the activity model to hold, and
// some salt. The bound tests are negations of strict comparisons so that a
// point that is not a number is treated as past the bound.
double keepWaterInRange(double w, double step) {
    if (!(w > 0.3)) w = ((w - step) + 0.3) / 2;
    if (!(w < 1.0)) w = ((w - step) + 1.0) / 2;
    return w;
}

} // namespace

CotecticLiquid searchCotecticLiquid(double solidNaCl, const CotecticInner& inner) {
    double wPrevious = (1 - solidNaCl) - 0.1;
    if (!(wPrevious > 0.3)) wPrevious = 0.4;
    double w = (1 - solidNaCl) - 0.2;
    if (!(w > 0.3)) w = 0.31;

    CotecticInnerResult last{};
    auto residual = [&](double x) {
        last = inner(x);
        return last[0];
    };
    const double fPrevious = residual(wPrevious);
    const double f = residual(w);
    const secant::Outcome out =
        secant::run(kCotecticWater, {wPrevious, fPrevious, w, f}, residual, keepWaterInRange);
    if (!out.converged) return {};

    // The last evaluation was made at the point of success. The all-zero
    // answer is the inner search's failure, not a liquid. The steps also
    // shrink to nothing where the search presses against a bound until its
    // points repeat, or on a plateau of equal residuals; such a point is no
    // cotectic liquid either, as KCl is out of equilibrium there.
    const bool noLiquid = last[0] == 0 && last[1] == 0 && last[2] == 0;
    const bool balanced = std::fabs(last[0]) <= kResidualTolerance;
    if (noLiquid || !balanced || !std::isfinite(out.x) || !std::isfinite(last[1]) || !std::isfinite(last[2]))
        return {};
    return {true, out.x, last[1], last[2]};
}

CotecticLiquid cotecticLiquid(double solidNaCl, double temperatureK, double pressureMPa) {
    return searchCotecticLiquid(solidNaCl, [&](double xH2O) {
        return Globals::Cotectic_NaCl_sol_liq(xH2O, solidNaCl, temperatureK, pressureMPa);
    });
}

} // namespace calculators
