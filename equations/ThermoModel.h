// Internals of the Gibbs-energy model of the liquid and of the (Na,K)Cl solid
// solution, shared by the public model functions and the searches built on
// them (not part of the public interface; include Globals.h for that).
//
// Every parameter that depends only on temperature and pressure is evaluated
// once in a constructor, so that a scan or search at one (T, P) does not
// repeat the exponentials and square roots at every pass. The public
// functions evaluate through these same structures, which is what keeps the
// searches bit-identical to a call-by-call evaluation: do not reorder the
// arithmetic here, converged values are compared to their last bits.
#pragma once

#include <cmath>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace Globals::thermo {

inline constexpr double kR = 8.31451; // J/(mol K)

// Ternary Margules expansion of the excess Gibbs energy of the aqueous liquid
// divided by RT (H2O-NaCl, H2O-KCl, NaCl-KCl subregular, one ternary term).
struct LiquidModel {
    double W1, W2, W12, A12, B12, W012;

    LiquidModel(double T, double P) {
        const double t = T / 1000;
        W1 = -17.845 + 64.0 * t + (-107.452 + 21.5378 * std::exp(-0.00183475 * P)) * t * t +
             (88.774 + -37.146 * std::exp(-0.002156 * P)) * t * t * t +
             (-28.141 + 16.391 * std::exp(-0.00276 * P)) * t * t * t * t;
        W2 = (-3.79715 + -4.59545 * std::exp(-0.00264824 * P)) +
             (-5.13472 + 26.5715 * std::exp(-0.00231811 * P)) * t +
             (19.7843 + -37.8322 * std::exp(-0.00224662 * P)) * t * t +
             (-10.8436 + 15.7759 * std::exp(-0.0027738 * P)) * t * t * t;
        W12 = -0.1;
        A12 = -0.013151 - 0.00042952 * P;
        B12 = 0.062775 - 0.00049168 * P;
        W012 = (17.126 + 0.04484 * P + -0.00024 * P * P) * 1e-06 * T * T +
               (-73.651 + 0.12442 * P) * 1e-09 * T * T * T +
               (62.064 + -0.20174 * P + 0.0003211 * P * P) * 1e-12 * T * T * T * T;
    }

    // ln gamma of NaCl: the derivative of n Gex/(RT) by the amount of NaCl.
    double lnGammaNaCl(double x1, double x2) const {
        const double xw = (1 - x1) - x2;
        double r = 0;
        r += W1 * (xw - xw * x1);
        r += W12 * (x2 - x2 * x1);
        r -= W2 * xw * x2;
        r += A12 * (2 * x1 * x2 - 2 * x1 * x1 * x2);
        r += B12 * (x2 * x2 - 2 * x1 * x2 * x2);
        r += W012 * (xw * x2 - 2 * xw * x1 * x2);
        return r;
    }

    double lnGammaKCl(double x1, double x2) const {
        const double xw = (1 - x1) - x2;
        double r = 0;
        r -= W1 * xw * x1;
        r += W12 * (x1 - x1 * x2);
        r += W2 * (xw - xw * x2);
        r += A12 * (x1 * x1 - 2 * x1 * x1 * x2);
        r += B12 * (2 * x1 * x2 - 2 * x1 * x2 * x2);
        r += W012 * (xw * x1 - 2 * xw * x1 * x2);
        return r;
    }

    double lnGamma(int saltCode, double x1, double x2) const {
        if (saltCode == 1) return lnGammaNaCl(x1, x2);
        if (saltCode == 2) return lnGammaKCl(x1, x2);
        return 0.0;
    }
};

// Quasi-chemical model of the (Na,K)Cl solid solution, coordination number 6,
// with unequal sizes entering through surface fractions.
struct SolidModel {
    static constexpr double kZ = 6.0;
    double q, invQ;
    double oneMinusExp; // 1 - exp(2W/(zRT)), W the interchange energy

    SolidModel(double T, double P) {
        q = std::sqrt((0.55687 + 0.00020699 * T) + 3.7122e-05 * P);
        invQ = 1 / q;
        const double W = (22345.0 - 9.5836 * T) + 3.5633 * P;
        oneMinusExp = 1 - std::exp(2 * W / (kZ * kR * T));
    }

    // Surface fractions and beta, shared by both components.
    struct Surface {
        double phi1, phi2, beta;
    };

    Surface surface(double x1, double x2) const {
        const double a1 = x1 * q;
        const double a2 = x2 * invQ;
        const double sum = a1 + a2;
        const double phi1 = a1 / sum;
        const double phi2 = a2 / sum;
        const double beta = std::sqrt(1 - 4 * phi1 * phi2 * oneMinusExp);
        return {phi1, phi2, beta};
    }

    // The term of one component before its logarithm: whether the component
    // is present (surface fraction above 0) and the argument of the logarithm.
    // Split from lnGamma so that a scan can take many logarithms in a row.
    struct Term {
        bool present;
        double argument;
    };

    Term termNaCl(double x1, double x2) const {
        const Surface s = surface(x1, x2);
        return {s.phi1 > 0, 1 + s.phi2 / s.phi1 * (s.beta - 1) / (s.beta + 1)};
    }

    Term termKCl(double x1, double x2) const {
        const Surface s = surface(x1, x2);
        return {s.phi2 > 0, 1 + s.phi1 / s.phi2 * (s.beta - 1) / (s.beta + 1)};
    }

    // The terms of NaCl (component 1) or KCl (2) of n solids [x1[i], x2[i]]
    // at once, two solids per instruction: the very operations of
    // termNaCl/termKCl, each rounded as there, so every value is identical
    // (IEEE division and square root are exact in every lane). The scans
    // spend most of their time here, in the divider.
    template <int Component> void terms(const double* x1, const double* x2, Term* out, int n) const {
        int i = 0;
#if defined(__SSE2__)
        using v2d = double __attribute__((vector_size(16)));
        for (; i + 1 < n; i += 2) {
            const v2d y1{x1[i], x1[i + 1]};
            const v2d y2{x2[i], x2[i + 1]};
            const v2d a1 = y1 * q;
            const v2d a2 = y2 * invQ;
            const v2d sum = a1 + a2;
            const v2d phi1 = a1 / sum;
            const v2d phi2 = a2 / sum;
            const v2d beta = (v2d)_mm_sqrt_pd((__m128d)(1 - 4 * phi1 * phi2 * oneMinusExp));
            if constexpr (Component == 1) {
                const v2d arg = 1 + phi2 / phi1 * (beta - 1) / (beta + 1);
                out[i] = {phi1[0] > 0, arg[0]};
                out[i + 1] = {phi1[1] > 0, arg[1]};
            } else {
                const v2d arg = 1 + phi1 / phi2 * (beta - 1) / (beta + 1);
                out[i] = {phi2[0] > 0, arg[0]};
                out[i + 1] = {phi2[1] > 0, arg[1]};
            }
        }
#endif
        for (; i < n; ++i)
            out[i] = Component == 1 ? termNaCl(x1[i], x2[i]) : termKCl(x1[i], x2[i]);
    }

    // An absent component gets -3e100, so that x exp(ln gamma) is exactly 0.
    static double lnGammaOf(Term t, double factor) {
        const double g = t.present ? factor * std::log(t.argument) : -1e100;
        return kZ / 2 * g;
    }

    double lnGammaNaCl(double x1, double x2) const {
        return lnGammaOf(termNaCl(x1, x2), q);
    }
    double lnGammaKCl(double x1, double x2) const {
        return lnGammaOf(termKCl(x1, x2), invQ);
    }

    double lnGamma(int saltCode, double x1, double x2) const {
        if (saltCode == 1) return lnGammaNaCl(x1, x2);
        if (saltCode == 2) return lnGammaKCl(x1, x2);
        return 0.0;
    }
};

// Gibbs energy of melting of pure NaCl (1) or KCl (2), J/mol, from a heat
// capacity of melting a + bT + cT^-1/2 + dT^-2 integrated from the melting
// point at 0.1 MPa, plus a constant volume of melting taken from the slope of
// the melting curve. NaN for any other code.
inline double meltingGibbs(int saltCode, double T, double P) {
    double a, b, c, d, Tm, Hm, slope;
    if (saltCode == 1) {
        a = 26.857, b = -0.0211968, c = 0, d = 0, Tm = 1073.8, Hm = 28158.0, slope = 41.218;
    } else if (saltCode == 2) {
        a = 98.113, b = -0.048522, c = -1371.0, d = 1605400.0, Tm = 1043.0, Hm = 26284.0, slope = 39.347;
    } else {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double Sm = Hm / Tm;
    const double dV = Sm / slope; // J/(mol bar)
    const double dH = Hm + a * (T - Tm) + b * (T * T - Tm * Tm) / 2 + 2 * c * (std::sqrt(T) - std::sqrt(Tm)) -
                      d * (1 / T - 1 / Tm);
    const double dS = Sm + a * std::log(T / Tm) + b * (T - Tm) -
                      2 * c * (1 / std::sqrt(T) - 1 / std::sqrt(Tm)) - d * (1 / (T * T) - 1 / (Tm * Tm)) / 2;
    return dH - T * dS + dV * 10 * (P - 0.1);
}

// The main-salt residual (G + L) - S of a stability field, J/mol, at one
// field, liquid, temperature and pressure, for any solid: the melting and
// liquid terms are formed once here, the solid term at every call.
// Field 3 is NaCl against the halite-rich solid, field 4 KCl against the
// sylvite-rich one; any other field gives 0.
struct MainSaltResidual {
    int index = -1; // 0 NaCl, 1 KCl, -1 no residual
    double RT = 0;
    double meltingPlusLiquid = 0;
    SolidModel solid;

    MainSaltResidual(int field, double liqNaCl, double liqKCl, double T, double P) : solid(T, P) {
        if (field != 3 && field != 4) return;
        index = field == 3 ? 0 : 1;
        RT = kR * T;
        const double xl = index == 0 ? liqNaCl : liqKCl;
        double L = 0;
        if (xl > 0) {
            const LiquidModel liquid(T, P);
            L = RT * (std::log(xl) + (index == 0 ? liquid.lnGammaNaCl(liqNaCl, liqKCl)
                                                 : liquid.lnGammaKCl(liqNaCl, liqKCl)));
        }
        meltingPlusLiquid = meltingGibbs(index + 1, T, P) + L;
    }

    double operator()(double solNaCl, double solKCl) const { return finish(prepare(solNaCl, solKCl)); }

    // The residual in two stages, the second holding the two logarithms, so
    // that a scan can prepare several solids before it takes their logarithms.
    struct Pending {
        double fraction; // of the main salt in the solid
        SolidModel::Term term;
    };

    Pending prepare(double solNaCl, double solKCl) const {
        if (index == 0) return {solNaCl, solNaCl > 0 ? solid.termNaCl(solNaCl, solKCl) : SolidModel::Term{}};
        if (index == 1) return {solKCl, solKCl > 0 ? solid.termKCl(solNaCl, solKCl) : SolidModel::Term{}};
        return {0.0, {}};
    }

    double finish(const Pending& p) const {
        return finish(p.fraction, p.fraction > 0 ? std::log(p.fraction) : 0.0, p.term);
    }

    // The same with the logarithm of the fraction already taken.
    double finish(double fraction, double logFraction, const SolidModel::Term& term) const {
        if (index < 0) return 0.0;
        double S = 0;
        if (fraction > 0)
            S = RT * (logFraction + SolidModel::lnGammaOf(term, index == 0 ? solid.q : solid.invQ));
        return meltingPlusLiquid - S;
    }
};

// The passes a solid-composition scan may take after its first reversal
// before it gives up; see extremaLiqSol.
inline constexpr long kMaxFinePasses = 300;

// Extrema_liq_sol and Equality_liq_sol on a residual already set up for their
// temperature (the liquidus searches call them many times per temperature).
double extremaLiqSol(int field, const MainSaltResidual& F);
double equalityLiqSol(int field, double xNaCl, double xKCl, const MainSaltResidual& F);

} // namespace Globals::thermo
