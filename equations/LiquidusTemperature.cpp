// The liquidus of a ternary liquid in the halite or sylvite field: the
// temperature at which it coexists with the (Na,K)Cl solid solution for both
// salts, searched between the liquidus against the pure main salt and the
// highest liquidus the solid solution allows.
#include "DampedSecant.h"
#include "Globals.h"
#include "ThermoModel.h"

#include <cmath>

namespace Globals {

namespace {

// The two ends of the liquidus bracket: full secant steps, a point below
// 0 degC moved halfway back towards it. Meeting a temperature at which the
// solid solution has no turning point (residual 0) ends the upper one as a
// failure.
constexpr secant::Settings kPureSaltLiquidus{.stepFactor = 1.0,
                                             .equalResiduals = secant::EqualRule::E2,
                                             .tolerance = 1e-12,
                                             .zeroResidual = secant::ZeroRule::Success,
                                             .divergenceTest = true};
constexpr secant::Settings kHighestLiquidus{.stepFactor = 1.0,
                                            .equalResiduals = secant::EqualRule::E2,
                                            .tolerance = 1e-12,
                                            .zeroResidual = secant::ZeroRule::Failure,
                                            .divergenceTest = true};

double aboveFreezing(double T, double step) {
    return T < 273.15 ? ((T - step) + 273.15) / 2 : T;
}

constexpr secant::Settings kLiquidus{.stepFactor = 0.5,
                                     .equalResiduals = secant::EqualRule::E2,
                                     .tolerance = 1e-8,
                                     .zeroResidual = secant::ZeroRule::Success,
                                     .divergenceTest = true};

} // namespace

double MinPure_Temp(int fieldCode, double xNaCl, double xKCl, double startK, double pressureMPa) {
    auto F = [&](double T) { return thermo::MainSaltResidual(fieldCode, xNaCl, xKCl, T, pressureMPa)(0, 0); };
    const double a = startK, b = startK + 0.1;
    const auto out = secant::run(kPureSaltLiquidus, {a, F(a), b, F(b)}, F, aboveFreezing);
    return out.converged ? out.x : 0.0;
}

double Max_Temp(int fieldCode, double xNaCl, double xKCl, double startK, double pressureMPa) {
    auto F = [&](double T) {
        const thermo::MainSaltResidual f(fieldCode, xNaCl, xKCl, T, pressureMPa);
        const double e = thermo::extremaLiqSol(fieldCode, f);
        // No turning point at T (or the scan ended on a pure salt).
        if (e == 0 || 1 - e == 0) return 0.0;
        return f(e, 1 - e);
    };
    const double a = startK, b = startK + 0.1;
    const auto out = secant::run(kHighestLiquidus, {a, F(a), b, F(b)}, F, aboveFreezing);
    return out.converged ? out.x : 1100.0;
}

namespace {

// G(T): the second salt's residual against the solid that is in equilibrium
// with the liquid for the main salt at T.
struct LiquidusResidual {
    int field;
    double xNaCl, xKCl, P;

    struct Point {
        double G;
        double solidNaCl;
    };

    Point operator()(double T) const {
        const thermo::MainSaltResidual f(field, xNaCl, xKCl, T, P);
        const double x = thermo::equalityLiqSol(field, xNaCl, xKCl, f);
        return {Function2_Zero_Energy(field, {xNaCl, xKCl}, {x, 1 - x}, T, P), x};
    }

    // A residual with a sign that means something: finite, and against a
    // solid that holds some of the second salt. The pure main salt is also
    // the failure value of the solid search, and against it G drops the
    // solid term of the second salt altogether, so G jumps there.
    bool usable(const Point& p) const {
        if (!std::isfinite(p.G)) return false;
        return field == 3 ? p.solidNaCl < 1 : p.solidNaCl > 0;
    }
};

bool oppositeSigns(double a, double b) {
    return (a < 0 && b > 0) || (a > 0 && b < 0);
}

// The temperature the liquidus search ended on is a root only when G is 0
// there or changes sign within ten times the search's tolerance. The search
// also "converges" where it stalls on a bound (its step there is 0 because G
// repeats), or where the solid search fails and G jumps.
bool endsOnRoot(const LiquidusResidual& G, double T, const LiquidusResidual::Point& end) {
    if (!G.usable(end)) return false;
    if (end.G == 0) return true;
    const double delta = 1e-7 * std::fabs(T);
    for (double neighbour : {T + delta, T - delta}) {
        const auto p = G(neighbour);
        if (G.usable(p) && (p.G == 0 || oppositeSigns(p.G, end.G))) return true;
    }
    return false;
}

struct Root {
    bool found;
    double T, solidNaCl;
};

// Next to the liquidus against the pure main salt G grows like -RT ln(T - Tmin):
// continuous, but so steep that a bracket of the search's tolerance does not
// shrink it. Bisection on tells that apart from a jump: the first midpoint at
// which G has shrunk below a hundredth of the first bracket's residuals is the
// root. Towards a root |G| keeps falling (by RT ln 2 per halving while the
// root is far below the bracket, by half once it is not); across a jump it
// stays, so four halvings without |G| falling below its least value by half
// or by RT/4 end the search.
Root closeInOnRoot(const LiquidusResidual& G, double a, LiquidusResidual::Point pa, double b, double spread) {
    double least = INFINITY;
    int sinceFall = 0;
    for (int n = 0; n < 64 && sinceFall < 4; ++n) {
        const double m = a + (b - a) / 2;
        if (!(a < m && m < b)) break;
        const auto pm = G(m);
        yieldToEventLoop();
        if (!G.usable(pm)) break;
        if (std::fabs(pm.G) <= 1e-2 * spread) return {true, m, pm.solidNaCl};
        const double g = std::fabs(pm.G);
        if (g < least / 2 || g < least - thermo::kR * m / 4) {
            least = g;
            sinceFall = 0;
        } else {
            ++sinceFall;
        }
        if (oppositeSigns(pm.G, pa.G)) {
            b = m;
        } else {
            a = m;
            pa = pm;
        }
    }
    return {false, 0, 0};
}

// Bisection of a sign change of G between a and b down to the liquidus
// search's own tolerance (a half-width below 1e-8 relative).
Root bisect(const LiquidusResidual& G, double a, LiquidusResidual::Point pa, double b,
            LiquidusResidual::Point pb) {
    const double spread = std::fabs(pa.G) + std::fabs(pb.G);
    for (int n = 0; n < 200; ++n) {
        const double m = a + (b - a) / 2;
        const auto pm = G(m);
        yieldToEventLoop();
        if (!G.usable(pm)) return {false, 0, 0};
        if (pm.G == 0 || (b - a) / 2 < 1e-8 * std::fabs(m)) {
            // A continuous G has shrunk with the bracket; a jump has not.
            if (std::fabs(pm.G) > 1e-2 * spread) {
                if (oppositeSigns(pm.G, pa.G)) return closeInOnRoot(G, a, pa, m, spread);
                return closeInOnRoot(G, m, pm, b, spread);
            }
            return {true, m, pm.solidNaCl};
        }
        if (oppositeSigns(pm.G, pa.G)) {
            b = m;
            pb = pm;
        } else {
            a = m;
            pa = pm;
        }
    }
    return {false, 0, 0};
}

// Where G stops being usable between u (usable) and the edge e (not), the
// root may lie between u and that edge: close in on the edge by bisection and
// take the first sign change met on the way. Towards the upper end of the
// bracket this stops at the search's tolerance; towards the lower end, where
// the root of a liquid with a mere trace of the second salt may lie far
// closer to the edge than that tolerance, it goes on to adjacent doubles.
Root rootNextToEdge(const LiquidusResidual& G, double u, LiquidusResidual::Point pu, double e,
                    bool toAdjacentDoubles) {
    for (int n = 0; n < 200; ++n) {
        const double m = u + (e - u) / 2;
        if (toAdjacentDoubles ? !(std::fmin(u, e) < m && m < std::fmax(u, e))
                              : !(std::fabs(e - u) / 2 >= 1e-8 * std::fabs(u)))
            break;
        const auto pm = G(m);
        yieldToEventLoop();
        if (!G.usable(pm)) {
            e = m;
        } else if (pm.G == 0) {
            return {true, m, pm.solidNaCl};
        } else if (oppositeSigns(pu.G, pm.G)) {
            return u < m ? bisect(G, u, pu, m, pm) : bisect(G, m, pm, u, pu);
        } else {
            u = m;
            pu = pm;
        }
    }
    return {false, 0, 0};
}

// The lowest root of G in [lo, hi], from the first sign change on a grid of
// the interval. Towards the liquidus against the pure main salt (lo) the
// solid loses its second salt and G rises without bound, while at lo itself
// the solid is pure and G often means nothing; so the root of a ternary
// liquid usually lies just above lo, the closer the less of the second salt
// it holds, and the grid is refined there. Where G cannot be used at lo, a
// negative G at the first grid point has a root below it. Above the
// highest liquidus of the solid solution the solid search fails and G is not
// usable either.
Root bracketedRoot(const LiquidusResidual& G, double lo, double hi) {
    constexpr double kNearLo[] = {1e-6, 1e-5, 1e-4, 1e-3, 3e-3, 1e-2, 3e-2};
    constexpr int kGrid = 16;
    if (!(lo < hi)) return {false, 0, 0};
    const double width = hi - lo;
    double Tprev = lo;
    auto prev = G(lo);
    yieldToEventLoop();
    if (G.usable(prev) && prev.G == 0) return {true, lo, prev.solidNaCl};
    auto step = [&](double T) {
        const auto p = G(T);
        yieldToEventLoop();
        Root r{false, 0, 0};
        if (G.usable(p)) {
            if (p.G == 0)
                r = {true, T, p.solidNaCl};
            else if (G.usable(prev) && oppositeSigns(prev.G, p.G))
                r = bisect(G, Tprev, prev, T, p);
            else if (!G.usable(prev) && Tprev == lo && p.G < 0)
                r = rootNextToEdge(G, T, p, lo, true);
        } else if (G.usable(prev)) {
            r = rootNextToEdge(G, Tprev, prev, T, false);
        }
        Tprev = T;
        prev = p;
        return r;
    };
    for (double f : kNearLo) {
        const Root r = step(lo + width * f);
        if (r.found) return r;
    }
    for (int i = 1; i <= kGrid; ++i) {
        const Root r = step(i == kGrid ? hi : lo + width * i / kGrid);
        if (r.found) return r;
    }
    return {false, 0, 0};
}

// The liquidus against the pure salt, where the search ended on a root of
// that residual (not where it stalled on 0 degC).
bool pureSaltRoot(int field, double xNaCl, double xKCl, double T, double P) {
    auto F = [&](double t) { return thermo::MainSaltResidual(field, xNaCl, xKCl, t, P)(0, 0); };
    const double f = F(T);
    if (f == 0) return true;
    if (!std::isfinite(f)) return false;
    const double delta = 1e-9 * std::fabs(T);
    for (double neighbour : {T + delta, T - delta}) {
        const double g = F(neighbour);
        if (g == 0 || oppositeSigns(f, g)) return true;
    }
    return false;
}

} // namespace

std::array<double, 3> Temperature_Liquidus(int fieldCode, double xNaCl, double xKCl, double pressureMPa,
                                           double startK) {
    const double P = pressureMPa, T0 = startK;
    if (xNaCl == 0 || xKCl == 0) {
        // One salt: the liquidus against the pure main salt. A search that
        // failed, or stalled on 0 degC, gives the temperature 0.
        double T = MinPure_Temp(fieldCode, xNaCl, xKCl, T0, P);
        if (T != 0 && !pureSaltRoot(fieldCode, xNaCl, xKCl, T, P)) T = 0;
        if (fieldCode == 3) return {T, 1, 0};
        return {T, 0, 1};
    }
    const double Tmin = MinPure_Temp(fieldCode, xNaCl, xKCl, T0, P);
    const double Tmax = Max_Temp(fieldCode, xNaCl, xKCl, T0, P) + 0.1;
    double Ts = T0;
    if (Ts < Tmin) Ts = Tmin + (Tmax - Tmin) * 0.1;
    if (Ts > Tmax) Ts = Tmax - (Tmax - Tmin) * 0.1;

    const LiquidusResidual G{fieldCode, xNaCl, xKCl, P};
    LiquidusResidual::Point last{};
    auto g = [&](double T) {
        last = G(T);
        return last.G;
    };
    auto bounds = [&](double T, double step) {
        if (T < Tmin) T = ((T - step) + Tmin) / 2;
        if (T > Tmax) T = ((T - step) + Tmax) / 2;
        return T;
    };
    const double a = Ts, b = Ts + (Tmax - Tmin) * 0.1;
    const auto out = secant::run(kLiquidus, {a, g(a), b, g(b)}, g, bounds);
    if (out.converged) {
        const auto end = last;
        if (endsOnRoot(G, out.x, end)) return {out.x, end.solidNaCl, 1 - end.solidNaCl};
    }
    // A lower end of 0 K is the failure value of its search, not a
    // temperature: both bracket searches keep their points at or above
    // 273.15 K.
    const Root r = bracketedRoot(G, Tmin > 0 ? Tmin : 273.15, Tmax);
    if (!r.found) return {0, 0, 0};
    return {r.T, r.solidNaCl, 1 - r.solidNaCl};
}

} // namespace Globals
