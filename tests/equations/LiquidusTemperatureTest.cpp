#include "Globals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

using namespace Globals;

namespace {

constexpr double C = 273.15;

long passes = 0, yields = 0;

// Counts the passes of the scans and searches run in its scope, and the
// yields that report them.
struct PassCounter {
    PassCounter() {
        passes = 0, yields = 0;
        setYieldHook([](long n) { passes += n, ++yields; });
    }
    ~PassCounter() { setYieldHook(nullptr); }
};

TEST(ExtremaLiqSol, TurningPointOfTheMainSaltResidual) {
    // The coarse scan point past the extremum plus 0.0001 - 0.00001 + ...
    for (auto [field, expected, scanPasses] :
         {std::tuple{3, 0.988 + 1e-4 / 1.1, 21}, {4, 1 - (0.937 + 1e-4 / 1.1), 72}}) {
        PassCounter counter;
        EXPECT_NEAR(Extrema_liq_sol(field, 0.1, 0.1, 25 + C, 0.1), expected, 1e-12);
        EXPECT_EQ(passes, scanPasses);
    }
    // The liquid only adds a constant to the residual.
    for (int field : {3, 4})
        EXPECT_NEAR(Extrema_liq_sol(field, 0.02, 0.3, 300 + C, 50),
                    Extrema_liq_sol(field, 0.2, 0.05, 300 + C, 50), 1e-9);
    // None at all: the far pure salt, after the whole coarse scan.
    PassCounter counter;
    EXPECT_EQ(Extrema_liq_sol(3, 0.1, 0.1, 800, 0.1), 0.0);
    EXPECT_EQ(passes, 1000);
    EXPECT_EQ(Extrema_liq_sol(4, 0.1, 0.1, 800, 0.1), 1.0);
}

TEST(ExtremaLiqSol, FlatExtremumEnds) {
    // Towards 766 K the residual is so flat at its turning point that
    // differences of a few units in the last place hide a reversal; without a
    // pass limit the walk at the finest step went on for up to 1e12 passes.
    // Which temperatures do that depends on the last bits of the logarithm,
    // so look at a handful. The coarse walk to the turning point takes about
    // (1 - e)/0.001 passes, a normal end nine more.
    int capped = 0;
    for (double T : {742.85, 744.24, 746.40, 747.96, 749.88, 753.36, 758.09}) {
        PassCounter counter;
        const double e = Extrema_liq_sol(3, 0.1, 0.1, T, 0.1);
        const double finePasses = passes - (1 - e) / 0.001;
        EXPECT_LE(finePasses, 305) << T;
        capped += finePasses > 250;
        // Still the turning point, to the coarse step.
        EXPECT_NEAR(e, Extrema_liq_sol(3, 0.1, 0.1, T + 0.005, 0.1), 2e-3) << T;
    }
    EXPECT_GT(capped, 0) << "no flat case met; pick temperatures that reach the pass limit";
    // At 1e6 MPa the residual is some -1.6e9 J/mol, so that its differences
    // at steps of 1e-8 are 0 or one unit in the last place: after a few
    // reversals the walk crawls on at that step without end.
    for (int field : {3, 4}) {
        PassCounter counter;
        const double e = Extrema_liq_sol(field, 0.1, 0.05, 300, 1e6);
        EXPECT_LE(passes - (1 - (field == 3 ? e : 1 - e)) / 0.001, 305) << field;
    }
}

// The scan as a walk that computes every point, through the public residual.
struct Walk {
    double turningPoint;
    long passes;
};

Walk walkEveryPoint(int field, double xNaCl, double xKCl, double T, double P) {
    auto F = [&](double s) {
        const SolidComposition solid = field == 3 ? SolidComposition{s, 1 - s} : SolidComposition{1 - s, s};
        return Function1_Zero_Energy(field, {xNaCl, xKCl}, solid, T, P);
    };
    double Fprev = Function1_Zero_Energy(field, {xNaCl, xKCl}, {0, 0}, T, P);
    double s = 1.0, h = -0.001, dprev = 1.0;
    long n = 0, firstReversal = -1;
    for (;;) {
        s = s + h;
        const double Fs = F(s), d = Fs - Fprev;
        ++n;
        if (d * dprev < 0) {
            h = -h / 10;
            if (firstReversal < 0) firstReversal = n;
        }
        bool end = std::fabs(h) < 1e-12;
        if (s < 0 || s > 1) {
            s = s < 0 ? 0 : 1;
            end = true;
        }
        Fprev = Fs;
        dprev = d;
        if (end || (firstReversal >= 0 && n - firstReversal >= 300)) break;
    }
    return {field == 3 ? s : 1 - s, n};
}

TEST(ExtremaLiqSol, PassesOverNoTurningPoint) {
    // Where the solid solution certainly has no turning point the scan leaps
    // over whole stretches of its walk; it must end where a walk that
    // computes every point ends, after as many passes. Random solids from
    // far below to far above the consolute point, and close around it at
    // each pressure, where the proof must give way to computing.
    std::uint64_t state = 88172645463325252u;
    auto uniform = [&](double lo, double hi) {
        state ^= state << 13, state ^= state >> 7, state ^= state << 17;
        return lo + (hi - lo) * static_cast<double>(state >> 11) / 9007199254740992.0;
    };
    // Well above it the whole walk of 1,000 passes computes a few dozen
    // points, and reports the stretches between them in one yield each.
    for (auto [field, T, P] : {std::tuple{3, 800.0, 0.1}, {4, 1000.0, 490.0}, {3, 950.0, -232.0}}) {
        PassCounter counter;
        EXPECT_EQ(Extrema_liq_sol(field, 0.17, 0.54, T, P), field == 3 ? 0.0 : 1.0);
        EXPECT_EQ(passes, 1000);
        EXPECT_LT(yields, 60) << T << " K, " << P << " MPa";
    }
    int differ = 0, nearConsolute = 0;
    for (int i = 0; i < 1500; ++i) {
        const int field = i % 2 == 0 ? 3 : 4;
        const double pick = uniform(0, 1);
        const double P = pick < 0.1   ? uniform(-500, 0)
                         : pick < 0.2 ? std::pow(10, uniform(2.7, 6))
                                      : uniform(0.1, 500);
        const double xNaCl = uniform(0, 0.7), xKCl = uniform(0, 0.99 - xNaCl);
        std::vector<double> temperatures{uniform(250, 1550)};
        if (i % 10 == 0) {
            // The consolute temperature: the highest at which the walk turns.
            auto turns = [&](double T) {
                const double e = walkEveryPoint(field, 0.1, 0.1, T, P).turningPoint;
                return e != 0 && e != 1;
            };
            double lo = 250, hi = 3000;
            if (turns(lo) && !turns(hi)) {
                for (int b = 0; b < 50; ++b)
                    (turns((lo + hi) / 2) ? lo : hi) = (lo + hi) / 2;
                for (double offset : {-10.0, -0.1, -1e-4, 1e-6, 1e-3, 0.03, 1.0, 30.0})
                    temperatures.push_back(hi + offset * uniform(0.5, 1.5));
                ++nearConsolute;
            }
        }
        for (double T : temperatures) {
            const Walk expected = walkEveryPoint(field, xNaCl, xKCl, T, P);
            PassCounter counter;
            const double e = Extrema_liq_sol(field, xNaCl, xKCl, T, P);
            if (e != expected.turningPoint || passes != expected.passes) {
                ADD_FAILURE() << "field " << field << ", x " << xNaCl << " " << xKCl << ", " << T << " K, "
                              << P << " MPa: " << e << " after " << passes << " passes, not "
                              << expected.turningPoint << " after " << expected.passes;
                if (++differ > 10) return;
            }
        }
    }
    EXPECT_GT(nearConsolute, 100);
}

TEST(EqualityLiqSol, SolidInEquilibriumForTheMainSalt) {
    const struct {
        int field;
        double xNaCl, xKCl, T;
    } cases[] = {{3, 0.15, 0.05, 296 + C}, {4, 0.05, 0.25, 352 + C}};
    for (const auto& c : cases) {
        const double x = Equality_liq_sol(c.field, c.xNaCl, c.xKCl, c.T, 0.1);
        const double e = Extrema_liq_sol(c.field, c.xNaCl, c.xKCl, c.T, 0.1);
        EXPECT_TRUE(c.field == 3 ? (x > e && x < 1) : (x > 0 && x < e)) << x << " beside " << e;
        EXPECT_NEAR(Function1_Zero_Energy(c.field, {c.xNaCl, c.xKCl}, {x, 1 - x}, c.T, 0.1), 0.0, 1e-6);
    }
    for (int field : {3, 4}) {
        PassCounter counter; // one-salt liquids return at once
        EXPECT_EQ(Equality_liq_sol(field, 0.0, 0.2, 500, 0.1), 0.0);
        EXPECT_EQ(Equality_liq_sol(field, 0.2, 0.0, 500, 0.1), 1.0);
        EXPECT_EQ(passes, 0);
    }
}

struct Liquid {
    int field;
    double xNaCl, xKCl, P, T0;
};

// Sample liquids whose search converges on the liquidus.
const Liquid kConverging[] = {{3, 0.15, 0.05, 0.1, 500.0},
                              {3, 0.15, 0.05, 0.1, 293.15},
                              {4, 0.05, 0.25, 0.1, 600.0},
                              {3, 0.12, 0.06, 100.0, 500.0}};

std::array<double, 3> liquidus(const Liquid& l) {
    return Temperature_Liquidus(l.field, l.xNaCl, l.xKCl, l.P, l.T0);
}

// G(T) of the liquidus search: the second salt's residual against the solid
// in equilibrium for the main salt.
double G(const Liquid& l, double T) {
    const double x = Equality_liq_sol(l.field, l.xNaCl, l.xKCl, T, l.P);
    return Function2_Zero_Energy(l.field, {l.xNaCl, l.xKCl}, {x, 1 - x}, T, l.P);
}

TEST(TemperatureLiquidus, BothResidualsVanishAtTheResult) {
    // The first three keep the result of the plain half-step secant, which
    // converges on them; the last two need the bracketing fallback.
    const struct {
        Liquid liquid;
        double T, solidNaCl, tolK, tolSolid;
    } cases[] = {
        {kConverging[0], 569.43659764801464, 0.99748185614949025, 1e-6, 1e-9},
        {kConverging[2], 625.20535696298271, 0.019555842679624888, 1e-6, 1e-9},
        {kConverging[3], 500.06936308998945, 0.99823042624634561, 1e-6, 1e-9},
        {{3, 0.1, 0.02, 0.1, 400.0}, 77.335 + C, 0.99994, 0.01, 1e-5},
        {{4, 0.006, 0.074, 0.1, 300.0}, 19.557 + C, 0.0000874, 0.01, 1e-6},
    };
    for (const auto& [l, T, solidNaCl, tolK, tolSolid] : cases) {
        SCOPED_TRACE(testing::Message() << l.xNaCl << ", " << l.xKCl);
        const auto r = liquidus(l);
        EXPECT_NEAR(r[0], T, tolK);
        EXPECT_NEAR(r[1], solidNaCl, tolSolid);
        EXPECT_EQ(r[2], 1 - r[1]);
        EXPECT_NEAR(Function1_Zero_Energy(l.field, {l.xNaCl, l.xKCl}, {r[1], r[2]}, r[0], l.P), 0.0, 1e-6);
        EXPECT_LT(std::fabs(G(l, r[0])), 1.0); // J/mol, against RT of some 3 kJ/mol
        // A root: G changes sign within a few tolerances of the result.
        EXPECT_LE(G(l, r[0] * (1 - 1e-7)) * G(l, r[0] * (1 + 1e-7)), 0);
    }
    // A start below the bracket finds the same liquidus.
    EXPECT_NEAR(liquidus(kConverging[0])[0], liquidus(kConverging[1])[0], 1e-8 * 570);
    // The fourth liquid's bracket is 77.3 to 80.0 C; the plain scheme stalls on
    // its upper end, with the failure solid [1, 0] and G far from 0 there.
    const double Tmin = MinPure_Temp(3, 0.1, 0.02, 400, 0.1), Tmax = Max_Temp(3, 0.1, 0.02, 400, 0.1) + 0.1;
    EXPECT_NEAR(Tmin - C, 77.3, 0.05);
    EXPECT_NEAR(Tmax - C, 80.0, 0.05);
    EXPECT_GT(std::fabs(G(cases[3].liquid, Tmax)), 1000.0);
}

TEST(TemperatureLiquidus, ATraceOfTheSecondSaltLiesJustAboveThePureSaltLiquidus) {
    // 30 mass % NaCl with 0.001 mass % KCl, and 26.5 mass % KCl with 3.2e-6
    // mass % NaCl: the coexisting solid holds some 1e-8 to 1e-10 of the
    // second salt, and the root of G lies 1e-5 K and 2e-8 K above the
    // liquidus against the pure main salt, where G falls by RT ln 10 per
    // decade of the distance (through the pure solid itself in sylvite).
    const Liquid traces[] = {{3, 0.11665945808982313, 3.0486205577094001e-06, 0.1, 429.79892134938473},
                             {4, 1.2310869652112102e-08, 0.080122940819286045, 0.1, 298.92103235628821}};
    for (const Liquid& l : traces) {
        SCOPED_TRACE(l.field);
        const double Tmin = MinPure_Temp(l.field, l.xNaCl, l.xKCl, l.T0, l.P);
        const auto r = liquidus(l);
        ASSERT_GT(r[0], Tmin);
        EXPECT_LT(r[0] - Tmin, 1e-4);
        const double main = l.field == 3 ? r[1] : r[2];
        EXPECT_TRUE(main < 1 && main > 1 - 1e-7) << main;
        // A root, not a point the search stalled on: G changes sign across it
        // on either side, half-way to the lower end.
        const double d = (r[0] - Tmin) / 2;
        EXPECT_LT(G(l, r[0] - d) * G(l, r[0] + d), 0);
    }
}

TEST(TemperatureLiquidus, PureSaltsMeltAtTheirMeltingPoints) {
    // A pure molten salt, or a liquid without the main salt (whose liquid
    // term is 0): where the Gibbs energy of melting vanishes.
    const struct {
        int field;
        double xNaCl, xKCl, P, meltingC;
    } cases[] = {
        {3, 1, 0, 0.1, 800.65}, {4, 0, 1, 0.1, 769.85}, {3, 1, 0, 100, 825},
        {3, 0, 0.2, 50, 812.7}, {4, 0.2, 0, 50, 782.5},
    };
    for (const auto& c : cases) {
        const auto r = Temperature_Liquidus(c.field, c.xNaCl, c.xKCl, c.P, 1000);
        EXPECT_NEAR(r[0] - C, c.meltingC, c.P == 0.1 ? 1e-9 : 0.5);
        EXPECT_NEAR(dG_melting_pureSalt(c.field - 2, r[0], c.P), 0.0, 1e-6);
        EXPECT_EQ(r[1], c.field == 3 ? 1 : 0);
        EXPECT_EQ(r[2], 1 - r[1]);
    }
    // One salt below the pure-salt liquidus search's floor of 0 C.
    EXPECT_EQ(Temperature_Liquidus(3, 0.08, 0, 0.1, 293.15), (std::array<double, 3>{0, 1, 0}));
    EXPECT_EQ(Temperature_Liquidus(4, 0, 0.01, 0.1, 293.15), (std::array<double, 3>{0, 0, 1}));
}

TEST(TemperatureLiquidus, NoLiquidusGivesTheFailureValues) {
    // Too dilute for halite above 0 C: no sign change of G in the bracket.
    EXPECT_EQ(Temperature_Liquidus(3, 0.014, 0.026, 0.1, 293.15), (std::array<double, 3>{0, 0, 0}));
    EXPECT_EQ(Max_Temp(3, 0.15, 0.05, 800, 0.1), 1100.0); // no extremum above its highest temperature
    EXPECT_EQ(Max_Temp(4, 0.05, 0.25, 800, 0.1), 1100.0);
}

} // namespace
