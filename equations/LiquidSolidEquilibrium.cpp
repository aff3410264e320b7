// The solid solution in equilibrium with a liquid for the main salt of a
// stability field, at one temperature and pressure.
#include "DampedSecant.h"
#include "Globals.h"
#include "ThermoModel.h"

#include <cmath>

namespace Globals {

namespace thermo {

namespace {

// Every scan starts with the same walk, 1 - 0.001 - 0.001 - ... by repeated
// addition, and the main salt's fraction in the solid is that point in both
// fields; so the logarithms of its points are taken once for all scans.
struct CoarseWalk {
    static constexpr int kPoints = 1002;
    double point[kPoints], logPoint[kPoints];

    CoarseWalk() {
        double s = 1.0;
        for (int k = 0; k < kPoints; ++k) {
            point[k] = s;
            logPoint[k] = s > 0 ? std::log(s) : 0.0;
            s = s + -0.001;
        }
    }
};

const CoarseWalk& coarseWalk() {
    static const CoarseWalk walk;
    return walk;
}

} // namespace

double extremaLiqSol(int field, const MainSaltResidual& F) {
    // Walk from the pure main salt at 0.001 per pass; each time the residual
    // turns, reverse and shrink the step tenfold, down to 1e-12. The liquid
    // only adds a constant to F, so the turning point belongs to the solid.
    auto prepare = [&](double s) { return field == 3 ? F.prepare(s, 1 - s) : F.prepare(1 - s, s); };
    double Fprev = F(0, 0);
    double s = 1.0, h = -0.001, dprev = 1.0;
    long n = 0, firstReversal = -1;

    // One pass at the point sNext with its residual Fs; false when the scan
    // ends.
    auto pass = [&](double sNext, double Fs) {
        s = sNext;
        ++n;
        const double d = Fs - Fprev;
        if (d * dprev < 0) {
            h = -h / 10;
            if (firstReversal < 0) firstReversal = n;
        }
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
        // Where the turning point is flat, differences of a few units in the
        // last place of F can hide a reversal, and the walk would go on at
        // the finest step for up to 1e12 passes; where F is huge (at absurd
        // pressures) they are all 0 or one unit, and it crawls at whatever
        // step it has reached. A normal scan ends some nine passes after its
        // first reversal, within about 1,010 passes in all.
        return !end && (firstReversal < 0 || n - firstReversal < kMaxFinePasses);
    };

    // Until the first reversal the points ahead are known (s + h, s + 2h, ...
    // by repeated addition), so they are evaluated in blocks, their
    // logarithms taken together; the points past a reversal are dropped.
    // Every pass sees exactly the point and residual of a pass-by-pass walk.
    constexpr int kMaxBlock = 32;
    const CoarseWalk& walk = coarseWalk();
    double points[kMaxBlock], solNaCl[kMaxBlock], solKCl[kMaxBlock], residuals[kMaxBlock];
    SolidModel::Term terms[kMaxBlock];
    for (int block = 4;; block = block < kMaxBlock ? 2 * block : kMaxBlock) {
        const double step = h;
        double ahead = s;
        for (int i = 0; i < block; ++i) {
            ahead = ahead + step;
            points[i] = ahead;
            solNaCl[i] = field == 3 ? ahead : 1 - ahead;
            solKCl[i] = field == 3 ? 1 - ahead : ahead;
        }
        if (F.index == 0)
            F.solid.terms<1>(solNaCl, solKCl, terms, block);
        else
            F.solid.terms<2>(solNaCl, solKCl, terms, block);
        for (int i = 0; i < block; ++i) {
            const double fraction = points[i]; // of the main salt, in either field
            const long k = n + 1 + i;
            double logFraction = 0.0;
            if (k < CoarseWalk::kPoints && walk.point[k] == fraction)
                logFraction = walk.logPoint[k];
            else if (fraction > 0)
                logFraction = std::log(fraction);
            residuals[i] = F.finish(fraction, logFraction, terms[i]);
        }
        for (int i = 0; i < block; ++i) {
            if (!pass(points[i], residuals[i])) return field == 3 ? s : 1 - s;
            if (h != step) break;
        }
        if (h != step) break;
    }
    // After it the step changes at almost every pass.
    for (;;) {
        const double sNext = s + h;
        if (!pass(sNext, F.finish(prepare(sNext)))) break;
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
