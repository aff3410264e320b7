// The solid solution in equilibrium with a liquid for the main salt of a
// stability field, at one temperature and pressure.
#include "DampedSecant.h"
#include "Globals.h"
#include "ThermoModel.h"

#include <cmath>

namespace Globals {

namespace thermo {

double extremaLiqSol(int field, const MainSaltResidual& F) {
    // Walk from the pure main salt at 0.001 per pass; each time the residual
    // turns, reverse and shrink the step tenfold, down to 1e-12. The liquid
    // only adds a constant to F, so the turning point belongs to the solid.
    auto at = [&](double s) { return field == 3 ? F(s, 1 - s) : F(1 - s, s); };
    double Fprev = F(0, 0);
    double s = 1.0, h = -0.001, dprev = 1.0;
    for (long n = 1;; ++n) {
        s = s + h;
        const double Fs = at(s);
        const double d = Fs - Fprev;
        if (d * dprev < 0) h = -h / 10;
        bool end = std::fabs(h) < 1e-12;
        if (s < 0) {
            s = 0;
            end = true;
        }
        if (s > 1) {
            s = 1;
            end = true;
        }
        Fprev = Fs;
        dprev = d;
        yieldToEventLoop();
        if (end) break;
        // Where the turning point is flat, differences of a few units in the
        // last place of F can hide a reversal, and the walk would go on at the
        // finest step for up to 1e12 passes. A normal scan ends within about
        // 1,010 passes.
        if (n >= kMaxScanPasses) break;
    }
    return field == 3 ? s : 1 - s;
}

namespace {

// Half secant steps with the E3 rule; no divergence test.
constexpr secant::Settings kEquality{.stepFactor = 0.5,
                                     .equalResiduals = secant::EqualRule::E3,
                                     .tolerance = 1e-12,
                                     .zeroResidual = secant::ZeroRule::Success,
                                     .divergenceTest = false};

} // namespace

double equalityLiqSol(int field, double xNaCl, double xKCl, const MainSaltResidual& F) {
    if (xNaCl == 0) return 0.0;
    if (xKCl == 0) return 1.0;
    const double e = extremaLiqSol(field, F);
    auto f = [&](double x) { return F(x, 1 - x); };
    double x0, x1;
    if (field == 3) {
        x0 = (e + 1) / 2;
        x1 = x0 + (1 - e) / 10;
    } else {
        x0 = e / 2;
        x1 = x0 + e / 10;
    }
    // Both bounds include equality.
    auto bounds = [&](double x, double step) {
        if (field == 3) {
            if (x <= e) x = ((x - step) + e) / 2;
            if (x >= 1) x = (x - step) + (1 - (x - step)) / 2;
        } else {
            if (x >= e) x = ((x - step) + e) / 2;
            if (x <= 0) x = (x - step) / 2;
        }
        return x;
    };
    const auto out = secant::run(kEquality, {x0, f(x0), x1, f(x1)}, f, bounds);
    if (out.converged) return out.x;
    // The pure main salt; callers cannot tell this from a true pure solid.
    return field == 3 ? 1.0 : 0.0;
}

} // namespace thermo

double Extrema_liq_sol(int fieldCode, double xNaCl, double xKCl, double temperatureK, double pressureMPa) {
    return thermo::extremaLiqSol(fieldCode,
                                 thermo::MainSaltResidual(fieldCode, xNaCl, xKCl, temperatureK, pressureMPa));
}

double Equality_liq_sol(int fieldCode, double xNaCl, double xKCl, double temperatureK, double pressureMPa) {
    if (xNaCl == 0) return 0.0;
    if (xKCl == 0) return 1.0;
    return thermo::equalityLiqSol(
        fieldCode, xNaCl, xKCl, thermo::MainSaltResidual(fieldCode, xNaCl, xKCl, temperatureK, pressureMPa));
}

} // namespace Globals
