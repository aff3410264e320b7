// The solid solution in equilibrium with a liquid for the main salt of a
// stability field, at one temperature and pressure.
#include "DampedSecant.h"
#include "Globals.h"
#include "ThermoModel.h"

#include <algorithm>
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

// A proof that every residual difference of the coarse walk over a stretch
// comes out positive as computed, so that no reversal can be met there,
// without computing the residuals.
//
// Along the walk F(s) = C - RT sigma(s), sigma = ln s + ln gamma(s) of the
// main salt at its fraction s in the solid. In Guggenheim's quasi-chemical
// approximation ln gamma = (z/2) f ln R(phi), phi the main salt's surface
// fraction, R = (beta - 1 + 2 phi)/(phi (beta + 1)), beta^2 =
// 1 + 4 phi (1 - phi)(eta - 1), eta = exp(2W/(zRT)); and d ln R/d phi =
// (1 - beta)/(beta phi), d phi/ds = phi (1 - phi)/(s (1 - s)), so that
//     sigma'(s) = (1/s) [1 - 3 f (beta - 1)(1 - phi)/(beta (1 - s))].
// With eta > 1 each factor of the bracket takes its worst value on the
// stretch at one of its ends (beta is largest where phi is nearest 1/2), and
// by the mean value theorem each step of at least 0.000999 raises the
// residual by RT 0.000999 sigma'. That is compared with a bound on the
// rounding of the computed residuals: each of the twenty-odd operations
// errs by at most a unit in the last place of quantities bounded by |C|, RT
// ln s, RT ln gamma (ln R lies between 0 and ln eta) and, where beta - 1
// cancels, RT (z/2) f / phi; a factor of 1024 over that leaves a wide margin.
// Near a consolute point sigma' nearly vanishes, the proof fails and the
// walk computes every point.
class RiseProof {
public:
    RiseProof(int field, const MainSaltResidual& F, const CoarseWalk& walk)
        : walk_(walk), solid_(F.solid), C_(F.meltingPlusLiquid), RT_(F.RT),
          f_(field == 3 ? F.solid.q : F.solid.invQ), mainIsNaCl_(field == 3) {
        const double ome = solid_.oneMinusExp;
        usable_ = F.index >= 0 && std::isfinite(C_) && RT_ > 0 && RT_ < 1e12 && ome < 0 && ome > -1e300 &&
                  f_ > 0 && f_ < 100;
        if (usable_) lnGammaMax_ = SolidModel::kZ / 2 * f_ * std::log(1 - ome);
    }

    // Whether every difference from the walk's point k0 down to its point k1
    // (k0 < k1) comes out positive.
    bool covers(long k0, long k1) const {
        if (!usable_ || k1 >= CoarseWalk::kPoints) return false;
        const double sHi = walk_.point[k0], sLo = walk_.point[k1];
        if (!(sLo >= 0.01 && sHi < 1 && sLo < sHi)) return false;
        const double phiLo = mainSurface(sLo), phiHi = mainSurface(sHi);
        const double mixMax =
            phiLo <= 0.5 && 0.5 <= phiHi ? 0.25 : std::max(phiLo * (1 - phiLo), phiHi * (1 - phiHi));
        const double betaMax = std::sqrt(1 - 4 * mixMax * solid_.oneMinusExp);
        const double worst = SolidModel::kZ / 2 * f_ * (1 - 1 / betaMax) * (1 - phiLo) / (1 - sHi);
        const double gap = 1 - worst * (1 + 1e-6) - 1e-9;
        if (!(gap > 0)) return false;
        const double leastRise = RT_ * (0.000999 * gap / sHi);
        const double scale = std::fabs(C_) + RT_ * (1 - walk_.logPoint[k1] + lnGammaMax_ +
                                                    SolidModel::kZ / 2 * f_ * (12 + 7 / phiLo));
        return leastRise > 2 * (1024 * 0x1p-53 * scale);
    }

private:
    double mainSurface(double s) const {
        const double main = mainIsNaCl_ ? s * solid_.q : s * solid_.invQ;
        const double other = mainIsNaCl_ ? (1 - s) * solid_.invQ : (1 - s) * solid_.q;
        return main / (main + other);
    }

    const CoarseWalk& walk_;
    const SolidModel& solid_;
    double C_, RT_, f_;
    bool mainIsNaCl_;
    bool usable_ = false;
    double lnGammaMax_ = 0;
};

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
    const RiseProof proof(field, F, walk);
    long leap = 4;
    double points[kMaxBlock], solNaCl[kMaxBlock], solKCl[kMaxBlock], residuals[kMaxBlock];
    SolidModel::Term terms[kMaxBlock];
    for (int block = 4;; block = block < kMaxBlock ? 2 * block : kMaxBlock) {
        // A stretch of the walk proved to rise is passed over: its passes
        // are counted (and yield) but only its last two points are computed,
        // which leaves the scan exactly where the walk would be.
        if (h == -0.001 && dprev > 0 && n >= 1 && n < CoarseWalk::kPoints && walk.point[n] == s) {
            // Each provable stretch about doubles the distance from the pure
            // salt: try twice the last one first. Stretches join without
            // computing a point between them.
            long k1 = n;
            for (;;) {
                long next = 0;
                for (long m = std::min(2 * leap, 512L); m >= 8 && next == 0; m /= 2)
                    if (proof.covers(k1, k1 + m)) next = k1 + m;
                if (next == 0) break;
                leap = next - k1;
                k1 = next;
            }
            if (k1 == n) {
                leap = 4;
            } else {
                const double Fbefore =
                    F.finish(walk.point[k1 - 1], walk.logPoint[k1 - 1], prepare(walk.point[k1 - 1]).term);
                const double Fend = F.finish(walk.point[k1], walk.logPoint[k1], prepare(walk.point[k1]).term);
                yieldToEventLoop(k1 - 1 - n);
                n = k1 - 1;
                s = walk.point[k1 - 1];
                Fprev = Fbefore;
                dprev = 1.0; // its own difference is positive
                if (!pass(walk.point[k1], Fend)) return field == 3 ? s : 1 - s;
            }
        }
        const double step = h;
        double ahead = s;
        int size = block; // a point below 0 is the last the scan can pass
        for (int i = 0; i < size; ++i) {
            ahead = ahead + step;
            points[i] = ahead;
            solNaCl[i] = field == 3 ? ahead : 1 - ahead;
            solKCl[i] = field == 3 ? 1 - ahead : ahead;
            if (ahead < 0) size = i + 1;
        }
        if (F.index == 0)
            F.solid.terms<1>(solNaCl, solKCl, terms, size);
        else
            F.solid.terms<2>(solNaCl, solKCl, terms, size);
        for (int i = 0; i < size; ++i) {
            const double fraction = points[i]; // of the main salt, in either field
            const long k = n + 1 + i;
            double logFraction = 0.0;
            if (k < CoarseWalk::kPoints && walk.point[k] == fraction)
                logFraction = walk.logPoint[k];
            else if (fraction > 0)
                logFraction = std::log(fraction);
            residuals[i] = F.finish(fraction, logFraction, terms[i]);
        }
        for (int i = 0; i < size; ++i) {
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
