// The anhydrous NaCl-KCl solvus of the thermodynamic model: the binodal of
// the quasi-chemical solid solution, from its spinodal (the turning points of
// the NaCl activity) and a search for equal activities of both salts.
#include "DampedSecant.h"
#include "Globals.h"
#include "ThermoModel.h"

#include <cmath>

namespace Globals {

namespace {

using thermo::SolidModel;

double activityNaCl(const SolidModel& m, double x) {
    return x * std::exp(m.lnGammaNaCl(x, 1 - x));
}

double activityKCl(const SolidModel& m, double x) {
    return (1 - x) * std::exp(m.lnGammaKCl(x, 1 - x));
}

// Both use half secant steps and the E2 rule; only the tolerance and the
// meaning of a zero residual differ.
constexpr secant::Settings kIntercept{.stepFactor = 0.5,
                                      .equalResiduals = secant::EqualRule::E2,
                                      .tolerance = 1e-10,
                                      .zeroResidual = secant::ZeroRule::NotTested,
                                      .divergenceTest = true};
constexpr secant::Settings kBinodal{.stepFactor = 0.5,
                                    .equalResiduals = secant::EqualRule::E2,
                                    .tolerance = 1e-12,
                                    .zeroResidual = secant::ZeroRule::Success,
                                    .divergenceTest = true};

double interceptSolid(const SolidModel& m, int saltCode, double xRef, double lo, double hi) {
    // saltCode 1: x is an NaCl fraction and the activity that of NaCl;
    // otherwise x is a KCl fraction and the activity that of KCl.
    auto A = [&](double x) {
        if (saltCode == 1) return x * std::exp(m.lnGammaNaCl(x, 1 - x));
        return x * std::exp(m.lnGammaKCl(1 - x, x));
    };
    const double aRef = A(xRef);
    auto F = [&](double x) { return A(x) - aRef; };
    const double x0 = (hi + lo) / 2;
    const double x1 = (hi + lo) / 2 + (hi - lo) / 100;
    auto bounds = [&](double x, double step) {
        if (x >= hi) x = ((x - step) + hi) / 2;
        if (x <= lo) x = ((x - step) + lo) / 2;
        return x;
    };
    const auto out = secant::run(kIntercept, {x0, F(x0), x1, F(x1)}, F, bounds);
    return out.converged ? out.x : 1.0;
}

std::array<double, 5> extremaActivitySolids(const SolidModel& m) {
    std::array<double, 5> e{};
    int next = 0;
    double x = 1e-5;
    double a = activityNaCl(m, x);
    double d = a - 0;
    // The scan points are independent of each other, so a block of them is
    // taken through each stage of activityNaCl together (surface fractions,
    // then the logarithms, then the exponentials): the processor overlaps
    // the independent library calls instead of waiting on one long chain.
    // The arithmetic of every point is that of activityNaCl. The points
    // themselves come from repeated addition of the step, as ever.
    constexpr int kPasses = 100001, kBlock = 32;
    double xs[kBlock], ys[kBlock], lnGamma[kBlock], activity[kBlock];
    SolidModel::Term terms[kBlock];
    for (int n0 = 0; n0 < kPasses; n0 += kBlock) {
        const int len = kPasses - n0 < kBlock ? kPasses - n0 : kBlock;
        for (int i = 0; i < len; ++i) {
            x = x + 1e-5;
            xs[i] = x;
            ys[i] = 1 - x;
        }
        m.terms<1>(xs, ys, terms, len);
        for (int i = 0; i < len; ++i)
            lnGamma[i] = SolidModel::lnGammaOf(terms[i], m.q);
        for (int i = 0; i < len; ++i)
            activity[i] = xs[i] * std::exp(lnGamma[i]);
        for (int i = 0; i < len; ++i) {
            const double dp = d;
            const double ap = a;
            a = activity[i];
            d = a - ap;
            if (d * dp < 0 && next < 5) e[next++] = xs[i] - 5e-6;
            yieldToEventLoop();
        }
    }
    return e;
}

} // namespace

std::array<double, 5> Extrema_Activity_Solids(double temperatureK, double pressureMPa) {
    return extremaActivitySolids(SolidModel(temperatureK, pressureMPa));
}

double Activity_Intercept_Solid(int saltCode, double xRef, double lo, double hi, double temperatureK,
                                double pressureMPa) {
    return interceptSolid(SolidModel(temperatureK, pressureMPa), saltCode, xRef, lo, hi);
}

std::array<double, 2> Equality_solids(double temperatureK, double pressureMPa) {
    const SolidModel m(temperatureK, pressureMPa);
    const auto e = extremaActivitySolids(m);
    const double e0 = e[0], e1 = e[1];
    if (e0 == 0 && e1 == 0) return {0, 0};

    // The KCl-rich limb lies below e0, at least as high as the point with the
    // NaCl activity of the local minimum; the NaCl-rich limb lies above e1 and
    // below the point with the KCl activity of the local maximum. A failed
    // intercept (1.0) is not reported: it makes u = 0 or is caught as a
    // partner beyond u.
    const double xL = interceptSolid(m, 1, e1, 0, e0);
    const double u = 1 - interceptSolid(m, 2, 1 - e0, 0, 1 - e1);

    double xb = 0;
    auto F = [&](double xa) {
        xb = interceptSolid(m, 1, xa, e1, 1.0);
        if (xb >= u) xb = (e1 + u) / 2;
        return activityKCl(m, xb) - activityKCl(m, xa);
    };
    auto bounds = [&](double x, double step) {
        if (x > e0) x = ((x - step) + e0) / 2;
        if (x < xL) x = ((x - step) + xL) / 2;
        return x;
    };
    // The partner of xL is e1 itself. The second start is not evaluated: its
    // residual is set to 0.99 of the first, so that the first step carries
    // the search 49.5 start differences on towards e0.
    const double x0 = xL;
    const double F0 = activityKCl(m, e1) - activityKCl(m, xL);
    const double x1 = xL + (e0 - xL) / 1000;
    const double F1 = 0.99 * F0;
    const auto out = secant::run(kBinodal, {x0, F0, x1, F1}, F, bounds);
    if (!out.converged) return {0, 0};
    return {out.x, xb};
}

} // namespace Globals
