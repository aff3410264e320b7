// The one-dimensional root search shared by the searches of the numerical
// module and by the outer searches of the thermodynamic calculators.
//
// Two start points, a secant step (usually halved), bounds that move a point
// which overshoots to the midpoint between the point before the move and the
// bound, at most 101 passes, and success on a small relative step or, for
// most users, an exactly zero residual. The users differ only in the settings
// below, so each states them by name where it calls the search.
//
// The arithmetic order of every step is fixed (converged values are compared
// to their last bits), so do not "simplify" the expressions here.
#pragma once

#include "Globals.h"

#include <algorithm>
#include <cmath>

namespace Globals::secant {

enum class StartOrder {
    SmallerResidual, // the start with the strictly smaller |f| is current; a tie makes b current
    LargerResidual,  // the start with the larger |f| is current; a tie makes b current
    Fixed,           // b is current
};

enum class EqualRule {
    E1, // f == fp != 0: double the step when both points coincide, else half the last difference
    E2, // f == fp != 0: half the last difference
    E3, // f == fp (zero included): half the last difference
};

enum class ZeroRule {
    Success,   // a residual of exactly 0 ends the search with success
    Failure,   // ... ends it as a failure, when the step test has not already succeeded
    NotTested, // only the step test counts
};

struct Settings {
    double stepFactor = 0.5;
    EqualRule equalResiduals = EqualRule::E1;
    double tolerance = 1e-12;
    ZeroRule zeroResidual = ZeroRule::Success;
    bool divergenceTest = true;
    // Record each converged point and go on to the last pass; the result is
    // the last point recorded (the empirical solvus search needs this).
    bool continueAfterSuccess = false;
    // A residual that is not a finite number marks its point as past a
    // bound: the next pass moves that point halfway back towards the other
    // point, whose residual is finite, instead of taking a secant step
    // (which such a residual would make 0 or not a number). Starts that are
    // both not finite fail the search.
    bool nonFiniteIsBound = false;
};

inline constexpr int kMaxPasses = 101;

// The two points a search starts from: (xp, fp) previous, (x, f) current.
struct Start {
    double xp, fp, x, f;
};

struct Outcome {
    bool converged;
    double x; // the point of success; meaningless when !converged
};

inline Start orderStart(StartOrder order, double a, double fa, double b, double fb) {
    switch (order) {
    case StartOrder::SmallerResidual:
        if (std::fabs(fa) < std::fabs(fb)) return {b, fb, a, fa};
        return {a, fa, b, fb};
    case StartOrder::LargerResidual:
        if (std::fabs(fb) < std::fabs(fa)) return {b, fb, a, fa};
        return {a, fa, b, fb};
    case StartOrder::Fixed:
        break;
    }
    return {a, fa, b, fb};
}

// No bound at all.
struct Unbounded {
    double operator()(double x, double /*step*/) const { return x; }
};

// Runs the passes from an ordered start. `residual(x)` evaluates f;
// `bounds(x, step)` returns the point after the user's bound tests, where
// `step` is the unclamped step that carried the previous point to x (each
// user writes its own midpoint arithmetic, since its form decides last bits).
//
// Two kinds of search cannot succeed in the passes left, and end as failures
// at once, with the very result the remaining passes would give: one whose
// point, as a pass left it, and residual are not numbers (both stay so: the
// bounds and the residual keep a NaN), and one that has come back to the
// state of an earlier pass (it is caught in a cycle of states already
// tested). Neither applies where a success does not end the search.
template <class Residual, class Bounds>
Outcome run(const Settings& cfg, Start start, Residual&& residual, Bounds&& bounds) {
    double xp = start.xp, fp = start.fp, x = start.x, f = start.f;
    double s = (x - xp) / 2;
    bool recorded = false;
    double recordedX = 0.0;
    // The states at the start of the last passes; s belongs to the state
    // only where E1 doubles it.
    constexpr int kKept = 8;
    struct State {
        double xp, fp, x, f, s;
        bool operator==(const State&) const = default;
    } kept[kKept]{};
    for (int n = 0; n < kMaxPasses; ++n) {
        if (!cfg.continueAfterSuccess) {
            if (n > 0 && std::isnan(x) && std::isnan(f)) break;
            const State now{xp, fp, x, f, cfg.equalResiduals == EqualRule::E1 ? s : 0.0};
            bool cycle = false;
            for (int k = 0; k < std::min(n, kKept); ++k)
                cycle = cycle || kept[k] == now;
            if (cycle) break;
            kept[n % kKept] = now;
        }
        if (cfg.nonFiniteIsBound && !(std::isfinite(f) && std::isfinite(fp))) {
            if (!std::isfinite(f) && !std::isfinite(fp)) return {false, 0.0};
            if (std::isfinite(fp)) {
                x = (xp + x) / 2;
                f = residual(x);
            } else {
                xp = (xp + x) / 2;
                fp = residual(xp);
            }
            yieldToEventLoop();
            continue;
        }
        const bool equal = (f == fp);
        bool halve = false;
        switch (cfg.equalResiduals) {
        case EqualRule::E1:
            if (equal && f != 0) {
                if (xp == x)
                    s = 2 * s;
                else
                    halve = true;
            } else {
                s = ((xp - x) * cfg.stepFactor) * f / (f - fp);
            }
            break;
        case EqualRule::E2:
            if (equal && f != 0)
                halve = true;
            else
                s = ((xp - x) * cfg.stepFactor) * f / (f - fp);
            break;
        case EqualRule::E3:
            if (equal)
                halve = true;
            else
                s = ((xp - x) * cfg.stepFactor) * f / (f - fp);
            break;
        }
        if (halve) s = (x - xp) / 2;

        xp = x;
        fp = f;
        x = bounds(x + s, s);
        f = residual(x);

        if (cfg.divergenceTest && std::fabs(s) > 1e300) break;
        const bool smallStep = std::fabs(s / x) < cfg.tolerance;
        bool success = smallStep;
        if (!smallStep && f == 0) {
            if (cfg.zeroResidual == ZeroRule::Success) success = true;
            if (cfg.zeroResidual == ZeroRule::Failure) return {false, 0.0};
        }
        if (success) {
            if (!cfg.continueAfterSuccess) return {true, x};
            recorded = true;
            recordedX = x;
        }
        yieldToEventLoop();
    }
    return {recorded, recordedX};
}

} // namespace Globals::secant
