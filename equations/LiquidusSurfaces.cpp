#include "DampedSecant.h"
#include "Globals.h"

#include <cmath>

namespace Globals {

namespace {

// Ice: the mass-% ice-melting equation, converted to x(H2O).
double iceSurface(double T, double r) {
    const double X = kMolarMassNaCl * r / (kMolarMassNaCl * r + kMolarMassKCl * (1 - r));
    const double W = Mass_Hall87(T, X);
    const double mNaCl = X * W;
    const double mKCl = (1 - X) * W;
    const double mH2O = (100 - X * W) - (1 - X) * W;
    return 100 * (mH2O / kMolarMassH2O) /
           (mH2O / kMolarMassH2O + mNaCl / kMolarMassNaCl + mKCl / kMolarMassKCl);
}

// The three salt surfaces give the amount-of-substance % of H2O as
// polynomials in t (degC) and the salt ratio; odd powers of a negative t stay
// negative (std::pow with whole exponents). Which powers are products and
// which come from pow is part of the fits as published and decides last bits
// that the searches on these surfaces are sensitive to: keep each as it is.
double hydrohaliteSurface(double t, double r) {
    return (84.289 + 5.8318 * r) + ((0.10814 + -0.43499 * r) + 0.27882 * r * r) * t +
           ((-0.011262 + 0.023776 * r) + -0.01173 * r * r) * t * t;
}

double haliteSurface(double t, double y) {
    const double a = 90.1206 + -5.2839 * y + -4.5899 * y * y + 24.3 * y * y * y + 122.8 * std::pow(y, 5) +
                     -732.39 * std::pow(y, 6) + 742.95 * std::pow(y, 7);
    const double b1 = -0.0023261 + -0.035774 * y;
    const double b2 = -7.8436e-05 + 0.00028266 * y;
    const double b3 = 2.1344e-07 + -8.4643e-07 * y + 1.9831e-07 * y * y + -2.8168e-06 * y * y * y;
    const double b4 = -5.6929e-10 + 7.6347e-10 * y + -6.6397e-10 * y * y + 4.8428e-09 * y * y * y;
    const double b5 = 2.627e-13 + -1.8389e-13 * y + -2.1647e-12 * y * y + 2.7548e-12 * y * y * y;
    return a + b1 * t + b2 * t * t + b3 * t * t * t + b4 * std::pow(t, 4) + b5 * std::pow(t, 5);
}

double sylviteSurface(double t, double y) {
    const double rho = 1 - y;
    const double d0 = 94.678 - 7.46512 * std::exp(-1.95722 * y) - 15.1276 * std::exp(-15.1442 * y);
    const double d1 = -0.0668981 - 0.107838 * std::exp(-6.98181 * y);
    const double d2 = -3.7964e-05 + 0.000346 * y - 0.00016211 * y * y;
    const double d3 = -7.1777e-07 + 3.5629e-07 * y;
    const double d4 = 1.0423e-10 + 3.3412e-10 * rho - 4.3135e-10 * rho * rho + 1.9585e-09 * rho * rho * rho -
                      8.5994e-10 * std::pow(rho, 4);
    return d0 + d1 * t + d2 * t * t + d3 * t * t * t + d4 * t * t * t * t;
}

constexpr secant::Settings kHalfStepE1{.stepFactor = 0.5,
                                       .equalResiduals = secant::EqualRule::E1,
                                       .tolerance = 1e-12,
                                       .zeroResidual = secant::ZeroRule::Success,
                                       .divergenceTest = true};

} // namespace

// Liquidus surfaces of the SLV surface of H2O-NaCl-KCl (ice after Hall,
// Sterner & Bodnar 1988; hydrohalite, halite and sylvite as empirical fits in
// temperature and salt ratio).
double Molefraction_H2O(int fieldCode, double temperatureK, double saltRatio) {
    const double t = temperatureK - 273.15;
    const double r = saltRatio;
    switch (fieldCode) {
    case 1:
        return iceSurface(temperatureK, r) / 100;
    case 2:
        return hydrohaliteSurface(t, r) / 100;
    case 3:
        return haliteSurface(t, 1 - r) / 100;
    case 4:
        return sylviteSurface(t, 1 - r) / 100;
    default:
        return 0.0;
    }
}

double FDP_Mirtox(int fieldCode, double xNaCl, double xKCl) {
    const double xw = (1 - xNaCl) - xKCl;
    const double r = xNaCl / (xNaCl + xKCl);
    // Salt fractions that leave no water; callers read 273.15 as "no solid".
    if (xw < 0) return 273.15;

    double T0 = 263.15;
    if (fieldCode != 2) T0 = (xw < 0.5) ? 773.15 : 373.15;

    auto f = [&](double T) { return Molefraction_H2O(fieldCode, T, r) - xw; };
    const double a = T0 + 1, b = T0 - 1;
    const auto start = secant::orderStart(secant::StartOrder::SmallerResidual, a, f(a), b, f(b));
    const auto out =
        secant::run(kHalfStepE1, start, f, [](double T, double s) { return T <= 0 ? (T - s) / 2 : T; });
    return out.converged ? out.x : 0.0;
}

double Cotectic_Exact(int cotecticLine, double temperatureK) {
    struct Line {
        int surfaceA, surfaceB;
        double a, b;
    };
    static constexpr Line kLines[] = {
        {1, 2, 0.9, 0.89}, {1, 4, 0.5, 0.6}, {2, 4, 0.85, 0.84}, {2, 3, 0.9, 0.89}, {3, 4, 0.49, 0.5},
    };
    // An unknown line selects no surfaces: the residual is 0 everywhere, the
    // first step 0/0, and the result NaN, which callers treat as no liquid.
    Line line{0, 0, 0.0, 0.0};
    if (cotecticLine >= 1 && cotecticLine <= 5) line = kLines[cotecticLine - 1];

    const double T = temperatureK;
    auto f = [&](double r) {
        return Molefraction_H2O(line.surfaceA, T, r) - Molefraction_H2O(line.surfaceB, T, r);
    };
    auto bounds = [](double r, double s) {
        if (r <= 0) r = (r - s) / 2;
        if (r >= 1) r = (r - s) + (1 - (r - s)) / 2;
        return r;
    };
    const auto start =
        secant::orderStart(secant::StartOrder::LargerResidual, line.a, f(line.a), line.b, f(line.b));
    const auto out = secant::run(kHalfStepE1, start, f, bounds);
    return out.converged ? out.x : 0.0;
}

double FinalRatio(int fieldCode, double temperatureK, double r1, double xw1, double r2, double xw2) {
    if (fieldCode < 1 || fieldCode > 4) return 0.0;

    const double N1 = r1 * (1 - xw1), N2 = r2 * (1 - xw2);
    const double K1 = (1 - r1) * (1 - xw1), K2 = (1 - r2) * (1 - xw2);
    auto ratioAt = [&](double s) {
        const double N = N1 + s * (N2 - N1);
        const double K = K1 + s * (K2 - K1);
        return N / (N + K);
    };
    auto f = [&](double s) {
        const double W = xw1 + s * (xw2 - xw1);
        return Molefraction_H2O(fieldCode, temperatureK, ratioAt(s)) - W;
    };
    auto bounds = [](double s, double step) {
        if (s < 0) s = (s - step) / 2;
        if (s > 1) s = ((s + 1) - step) / 2;
        return s;
    };
    const double a = 0.55, b = 0.45;
    const auto start = secant::orderStart(secant::StartOrder::SmallerResidual, a, f(a), b, f(b));
    const auto out = secant::run(kHalfStepE1, start, f, bounds);
    return out.converged ? ratioAt(out.x) : 0.0;
}

} // namespace Globals
