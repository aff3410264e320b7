// Plain evaluations of the Gibbs-energy model, written out call by call as
// the model equations read, with every parameter recomputed at every call.
// The library evaluates the same formulas through precomputed per-(T, P)
// terms and batched scans; tests compare the two bit for bit.
#pragma once

#include <cmath>
#include <limits>

namespace reference {

inline double liquidLnGamma(int salt, double x1, double x2, double T, double P) {
    const double xw = (1 - x1) - x2;
    const double t = T / 1000;
    const double W1 = -17.845 + 64.0 * t + (-107.452 + 21.5378 * std::exp(-0.00183475 * P)) * t * t +
                      (88.774 + -37.146 * std::exp(-0.002156 * P)) * t * t * t +
                      (-28.141 + 16.391 * std::exp(-0.00276 * P)) * t * t * t * t;
    const double W2 = (-3.79715 + -4.59545 * std::exp(-0.00264824 * P)) +
                      (-5.13472 + 26.5715 * std::exp(-0.00231811 * P)) * t +
                      (19.7843 + -37.8322 * std::exp(-0.00224662 * P)) * t * t +
                      (-10.8436 + 15.7759 * std::exp(-0.0027738 * P)) * t * t * t;
    const double W12 = -0.1;
    const double A12 = -0.013151 - 0.00042952 * P;
    const double B12 = 0.062775 - 0.00049168 * P;
    const double W012 = (17.126 + 0.04484 * P + -0.00024 * P * P) * 1e-06 * T * T +
                        (-73.651 + 0.12442 * P) * 1e-09 * T * T * T +
                        (62.064 + -0.20174 * P + 0.0003211 * P * P) * 1e-12 * T * T * T * T;
    double r = 0;
    if (salt == 1) {
        r += W1 * (xw - xw * x1);
        r += W12 * (x2 - x2 * x1);
        r -= W2 * xw * x2;
        r += A12 * (2 * x1 * x2 - 2 * x1 * x1 * x2);
        r += B12 * (x2 * x2 - 2 * x1 * x2 * x2);
        r += W012 * (xw * x2 - 2 * xw * x1 * x2);
    } else if (salt == 2) {
        r -= W1 * xw * x1;
        r += W12 * (x1 - x1 * x2);
        r += W2 * (xw - xw * x2);
        r += A12 * (x1 * x1 - 2 * x1 * x1 * x2);
        r += B12 * (2 * x1 * x2 - 2 * x1 * x2 * x2);
        r += W012 * (xw * x1 - 2 * xw * x1 * x2);
    }
    return r;
}

// Both terms are evaluated, whichever salt is asked for.
inline double solidLnGamma(int salt, double x1, double x2, double T, double P) {
    const double q = std::sqrt((0.55687 + 0.00020699 * T) + 3.7122e-05 * P);
    const double phi1 = x1 * q / (x1 * q + x2 * (1 / q));
    const double phi2 = x2 * (1 / q) / (x1 * q + x2 * (1 / q));
    const double W = (22345.0 - 9.5836 * T) + 3.5633 * P;
    const double beta = std::sqrt(1 - 4 * phi1 * phi2 * (1 - std::exp(2 * W / (6.0 * 8.31451 * T))));
    const double g1 = phi1 > 0 ? q * std::log(1 + phi2 / phi1 * (beta - 1) / (beta + 1)) : -1e100;
    const double g2 = phi2 > 0 ? (1 / q) * std::log(1 + phi1 / phi2 * (beta - 1) / (beta + 1)) : -1e100;
    if (salt == 1) return 6.0 / 2 * g1;
    if (salt == 2) return 6.0 / 2 * g2;
    return 0;
}

inline double meltingGibbs(int salt, double T, double P) {
    double a = 0, b = 0, c = 0, d = 0, Tm = 0, Hm = 0, slope = 0;
    if (salt == 1) {
        a = 26.857, b = -0.0211968, Tm = 1073.8, Hm = 28158.0, slope = 41.218;
    } else if (salt == 2) {
        a = 98.113, b = -0.048522, c = -1371.0, d = 1605400.0, Tm = 1043.0, Hm = 26284.0, slope = 39.347;
    } else {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double Sm = Hm / Tm;
    const double dV = Sm / slope;
    const double dH = Hm + a * (T - Tm) + b * (T * T - Tm * Tm) / 2 + 2 * c * (std::sqrt(T) - std::sqrt(Tm)) -
                      d * (1 / T - 1 / Tm);
    const double dS = Sm + a * std::log(T / Tm) + b * (T - Tm) -
                      2 * c * (1 / std::sqrt(T) - 1 / std::sqrt(Tm)) - d * (1 / (T * T) - 1 / (Tm * Tm)) / 2;
    return dH - T * dS + dV * 10 * (P - 0.1);
}

// The main-salt residual of field 3 (NaCl) or 4 (KCl).
inline double mainResidual(int field, double l0, double l1, double s0, double s1, double T, double P) {
    if (field != 3 && field != 4) return 0.0;
    const int salt = field == 3 ? 1 : 2;
    const double liq = field == 3 ? l0 : l1, sol = field == 3 ? s0 : s1;
    const double L = liq > 0 ? (8.31451 * T) * (std::log(liq) + liquidLnGamma(salt, l0, l1, T, P)) : 0;
    const double S = sol > 0 ? (8.31451 * T) * (std::log(sol) + solidLnGamma(salt, s0, s1, T, P)) : 0;
    return (meltingGibbs(salt, T, P) + L) - S;
}

} // namespace reference
