#include "DampedSecant.h"
#include "Globals.h"

#include <cmath>
#include <limits>

namespace Globals {

namespace {

struct PressureFit {
    // Coefficients of K0, K1, K2 by ascending power of s; unused powers are 0.
    double K[3][8];
};

// SLV pressure between 180 and 650 degC, P = K0(s) + K1(s) y + K2(s) y^2,
// s = (t - 200)/800, y the salt ratio of the liquid.
constexpr PressureFit kHalite{{
    {0.75256, 15.562, 128.58, -2240.0, 4684.6, 4948.3, -12269.0, 0.0},
    {0.52636, 14.081, -442.05, 10489.0, -31176.0, 10569.0, 22891.0, 0.0},
    {-0.12016, -13.202, 446.98, -7727.1, 25875.0, -17444.0, -8696.2, 0.0},
}};
constexpr PressureFit kSylvite{{
    {1.0394, 18.206, 61.329, 574.41, -1713.2, 1006.8, 0.0, 0.0},
    {-0.16783, 20.501, -420.56, 2956.7, -9690.3, 9066.6, 0.0, 0.0},
    {-0.35811, -8.3786, -76.987, 1103.9, -20596.0, 98723.0, -162440.0, 85207.0},
}};

// Sums from the constant term upwards; squares and cubes by multiplication,
// higher powers with pow (odd powers of a negative s below 200 degC stay
// negative). A polynomial ends at its last non-zero coefficient.
double polynomialInS(const double (&c)[8], double s) {
    double sum = c[0] + c[1] * s + c[2] * s * s + c[3] * s * s * s;
    for (int n = 4; n < 8; ++n)
        if (c[n] != 0) sum = sum + c[n] * std::pow(s, static_cast<double>(n));
    return sum;
}

double fittedPressure(const PressureFit& fit, double s, double y) {
    const double K0 = polynomialInS(fit.K[0], s);
    const double K1 = polynomialInS(fit.K[1], s);
    const double K2 = polynomialInS(fit.K[2], s);
    return (K0 + K1 * y) + (K2 * y) * y;
}

} // namespace

double Pressure(int fieldCode, double xH2O, double xNaCl, double temperatureK) {
    const double T = temperatureK;
    const double xKCl = (1 - xH2O) - xNaCl;
    const double y = xNaCl / (xNaCl + xKCl);
    const double t = T - 273.15;
    const double s = (t - 200) / 800;

    if (fieldCode != 3 && fieldCode != 4) return 0.1;
    // The fit and the high-temperature relation do not join at 923.15 K; the
    // jump is the published one.
    if (453.15 < T && T < 923.15)
        return fieldCode == 3 ? fittedPressure(kHalite, s, y) : fittedPressure(kSylvite, s, y);
    if (!(T < 923.15)) return Pressure650(fieldCode, xH2O, xNaCl, xKCl);
    return 0.1;
}

double Pressure650(int fieldCode, double xH2O, double xNaCl, double xKCl) {
    // Composition-pressure relation of the SLV surface above 650 degC; each
    // salt's relation carries the fraction of the other salt.
    auto g = [&](double P) {
        if (fieldCode == 3)
            return 0.0096226 * P - 3.9359e-06 * P * P + 1.7538e-06 * P * P * P +
                   (0.020061 * P + 0.0017448 * P * P) * xKCl;
        return 0.030798 * P - 0.0025605 * P * P + 0.00015204 * P * P * P - 2.8959e-06 * P * P * P * P +
               (-0.0085533 * P + 0.00036598 * P * P + 0.0003538 * P * P * P - 1.1178e-05 * P * P * P * P) *
                   xNaCl;
    };
    // Only halite and sylvite have a relation; ice and hydrohalite have no SLV
    // pressure here, and 0.0 would read as a failed search.
    if (fieldCode != 3 && fieldCode != 4) return std::numeric_limits<double>::quiet_NaN();

    auto f = [&](double P) { return g(P) - xH2O; };
    const secant::Settings kPressure{.stepFactor = 0.5,
                                     .equalResiduals = secant::EqualRule::E1,
                                     .tolerance = 1e-12,
                                     .zeroResidual = secant::ZeroRule::Success,
                                     .divergenceTest = true};
    const double a = 2.0, b = 2.1;
    const auto start = secant::orderStart(secant::StartOrder::SmallerResidual, a, f(a), b, f(b));
    const auto out =
        secant::run(kPressure, start, f, [](double P, double s) { return P <= 0 ? (P - s) / 2 : P; });
    return out.converged ? out.x : 0.0;
}

} // namespace Globals
