#include "DampedSecant.h"
#include "Globals.h"

#include <cmath>

namespace Globals {

namespace {

// Empirical solvus of the anhydrous (Na,K)Cl solid solution: solvus
// temperature (degC) against the KCl mass fraction w of the solid.
double solvusTemperatureC(double w) {
    return 321.81 + 1141.3 * w - 2733.1 * w * w + 3031.4 * w * w * w - 1562.2 * w * w * w * w;
}

// Low-temperature limbs, w as a function of t (degC), used below 400 degC.
double haliteLimbW(double t) {
    return 6.4438e-07 * t * t - 4.6914e-09 * t * t * t + 1.0923e-11 * t * t * t * t;
}
double sylviteLimbW(double t) {
    return 1.0 - 6.1237e-05 * t + 9.9572e-07 * t * t - 5.1924e-09 * t * t * t;
}

double kclMoleFraction(double w) {
    return (w / kMolarMassKCl) / ((w / kMolarMassKCl) + ((1 - w) / kMolarMassNaCl));
}

} // namespace

double MaxSolvus(int selector) {
    // dTs/dw = 0 divided by its leading coefficient; one real root, at index 0.
    const CubicRoots R = CubicEquation(-1.455351427474075, 0.8747599539111509, -0.18264306746895403);
    const double wMax = R[0][0];
    const double Tc = 273.15 + solvusTemperatureC(wMax);
    if (selector == 0) return Tc;
    if (selector == 1) return wMax;
    return 0;
}

double RatioSolvus(int fieldCode, double temperatureK) {
    const double T = temperatureK;
    const double t = T - 273.15;
    const double wMax = MaxSolvus(1);
    double w = 0;

    if (T > MaxSolvus(0)) {
        // No solvus above the crest. The search alone would find no root there
        // too, except at absurd temperatures (1e300 K), where the residual is
        // constant to rounding and the equal-residual walk "converges".
        return 0.0;
    }
    if (T < 673.15) {
        if (fieldCode == 3) w = haliteLimbW(t);
        if (fieldCode == 4) w = sylviteLimbW(t);
    } else if (fieldCode == 3 || fieldCode == 4) {
        // Invert the solvus equation on the chosen limb, starting from the
        // low-temperature limb at 400 degC and the midpoint towards the crest.
        const double previous = (fieldCode == 3) ? haliteLimbW(400) : sylviteLimbW(400);
        const double current = (wMax + previous) / 2;
        auto f = [&](double x) { return solvusTemperatureC(x) - t; };
        auto bounds = [&](double v, double s) {
            if (fieldCode == 4) {
                if (v >= 1) v = (v - s) + (1 - (v - s)) / 2;
                if (v <= wMax) v = (v - s) - ((v - s) - wMax) / 2;
            } else {
                if (v <= 0) v = (v - s) / 2;
                if (v >= wMax) v = (v - s) + (wMax - (v - s)) / 2;
            }
            return v;
        };
        // Full secant steps; every converged pass is recorded and the search
        // runs on, so the last recorded point is the result. Above the crest
        // nothing converges and w stays 0.
        const secant::Settings kSolvus{.stepFactor = 1.0,
                                       .equalResiduals = secant::EqualRule::E1,
                                       .tolerance = 1e-12,
                                       .zeroResidual = secant::ZeroRule::Success,
                                       .divergenceTest = true,
                                       .continueAfterSuccess = true};
        const auto out = secant::run(kSolvus, {previous, f(previous), current, f(current)}, f, bounds);
        if (out.converged) w = out.x;
    }

    if (w > 1) w = 1;
    if (w < 0) w = 0;
    return kclMoleFraction(w);
}

} // namespace Globals
