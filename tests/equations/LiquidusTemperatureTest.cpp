#include "Globals.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Globals;

namespace {

constexpr double C = 273.15;

struct Liquid {
    int field;
    double xNaCl, xKCl, P, T0;
};

// G(T) of the liquidus search: the second salt's residual against the solid
// in equilibrium for the main salt.
double G(const Liquid& l, double T) {
    const double x = Equality_liq_sol(l.field, l.xNaCl, l.xKCl, T, l.P);
    return Function2_Zero_Energy(l.field, {l.xNaCl, l.xKCl}, {x, 1 - x}, T, l.P);
}

// The liquidus search written out as the scheme reads: half
// secant steps between the pure-salt liquidus and the highest liquidus of the
// solid solution, accepting its end whatever the residual there.
std::array<double, 3> plainLiquidus(const Liquid& l) {
    const double Tmin = MinPure_Temp(l.field, l.xNaCl, l.xKCl, l.T0, l.P);
    const double Tmax = Max_Temp(l.field, l.xNaCl, l.xKCl, l.T0, l.P) + 0.1;
    double Ts = l.T0;
    if (Ts < Tmin) Ts = Tmin + (Tmax - Tmin) * 0.1;
    if (Ts > Tmax) Ts = Tmax - (Tmax - Tmin) * 0.1;
    double s0 = 0, s1 = 0;
    auto g = [&](double T) {
        const double x = Equality_liq_sol(l.field, l.xNaCl, l.xKCl, T, l.P);
        s0 = x;
        s1 = 1 - x;
        return Function2_Zero_Energy(l.field, {l.xNaCl, l.xKCl}, {s0, s1}, T, l.P);
    };
    double x0 = Ts, F0 = g(x0);
    double x1 = Ts + (Tmax - Tmin) * 0.1, F1 = g(x1);
    for (int n = 0; n <= 100; ++n) {
        const double step = (F1 == F0 && F1 != 0) ? (x1 - x0) / 2 : ((x0 - x1) * 0.5) * F1 / (F1 - F0);
        x0 = x1;
        F0 = F1;
        x1 = x1 + step;
        if (x1 < Tmin) x1 = ((x1 - step) + Tmin) / 2;
        if (x1 > Tmax) x1 = ((x1 - step) + Tmax) / 2;
        F1 = g(x1);
        if (std::fabs(step) > 1e300) break;
        if (std::fabs(step / x1) < 1e-8 || F1 == 0) return {x1, s0, s1};
    }
    return {0, 0, 0};
}

double plainMinPure(int field, double xN, double xK, double T0, double P) {
    auto F = [&](double T) { return Function1_Zero_Energy(field, {xN, xK}, {0, 0}, T, P); };
    double x0 = T0, F0 = F(x0), x1 = T0 + 0.1, F1 = F(x1);
    for (int n = 0; n <= 100; ++n) {
        const double step = (F1 == F0 && F1 != 0) ? (x1 - x0) / 2 : (x0 - x1) * F1 / (F1 - F0);
        x0 = x1;
        F0 = F1;
        x1 = x1 + step;
        if (x1 < 273.15) x1 = ((x1 - step) + 273.15) / 2;
        F1 = F(x1);
        if (std::fabs(step) > 1e300) break;
        if (std::fabs(step / x1) < 1e-12 || F1 == 0) return x1;
    }
    return 0.0;
}

double plainMax(int field, double xN, double xK, double T0, double P) {
    auto F = [&](double T) {
        const double e = Extrema_liq_sol(field, xN, xK, T, P);
        if (e == 0 || 1 - e == 0) return 0.0;
        return Function1_Zero_Energy(field, {xN, xK}, {e, 1 - e}, T, P);
    };
    double x0 = T0, F0 = F(x0), x1 = T0 + 0.1, F1 = F(x1);
    for (int n = 0; n <= 100; ++n) {
        const double step = (F1 == F0 && F1 != 0) ? (x1 - x0) / 2 : (x0 - x1) * F1 / (F1 - F0);
        x0 = x1;
        F0 = F1;
        x1 = x1 + step;
        if (x1 < 273.15) x1 = ((x1 - step) + 273.15) / 2;
        F1 = F(x1);
        if (std::fabs(step) > 1e300) break;
        if (std::fabs(step / x1) < 1e-12) return x1;
        if (F1 == 0) break;
    }
    return 1100.0;
}

// Sample liquids whose search converges on the liquidus.
const Liquid kConverging[] = {
    {3, 0.15, 0.05, 0.1, 500.0},
    {3, 0.15, 0.05, 0.1, 293.15},
    {4, 0.05, 0.25, 0.1, 600.0},
    {3, 0.12, 0.06, 100.0, 500.0},
};

TEST(TemperatureLiquidus, KnownValues) {
    const struct {
        Liquid liquid;
        double tC, solidNaCl, tolT, tolS;
    } cases[] = {
        {kConverging[0], 296, 0.997, 0.5, 5e-4},
        {kConverging[2], 352, 0.020, 0.5, 5e-4},
        {kConverging[3], 227, 0.998, 0.5, 5e-4},
        {{3, 0.2, 0.0, 0.1, 600.0}, 382, 1.0, 0.5, 0}, // one salt: the pure solid
    };
    for (const auto& c : cases) {
        const auto& l = c.liquid;
        const auto r = Temperature_Liquidus(l.field, l.xNaCl, l.xKCl, l.P, l.T0);
        EXPECT_NEAR(r[0] - C, c.tC, c.tolT) << l.xNaCl << ", " << l.xKCl;
        EXPECT_NEAR(r[1], c.solidNaCl, c.tolS) << l.xNaCl << ", " << l.xKCl;
        EXPECT_EQ(r[2], 1 - r[1]);
    }
    // The bracket of the first sample.
    EXPECT_NEAR(MinPure_Temp(3, 0.15, 0.05, 500, 0.1) - C, 296, 0.5);
    EXPECT_NEAR(Max_Temp(3, 0.15, 0.05, 500, 0.1) - C, 304, 0.5);
}

TEST(TemperatureLiquidus, StartBelowTheBracketAgrees) {
    const auto a = Temperature_Liquidus(3, 0.15, 0.05, 0.1, 500.0);
    const auto b = Temperature_Liquidus(3, 0.15, 0.05, 0.1, 293.15);
    EXPECT_NEAR(a[0], b[0], 1e-8 * a[0]);
}

TEST(TemperatureLiquidus, PureMoltenSaltMeltsAtItsMeltingPoint) {
    auto r = Temperature_Liquidus(3, 1.0, 0.0, 0.1, 1000.0);
    EXPECT_NEAR(r[0], 1073.8, 1e-9);
    EXPECT_EQ(r[1], 1.0);
    EXPECT_EQ(r[2], 0.0);
    r = Temperature_Liquidus(4, 0.0, 1.0, 0.1, 1000.0);
    EXPECT_NEAR(r[0], 1043.0, 1e-9);
    EXPECT_EQ(r[1], 0.0);
    EXPECT_EQ(r[2], 1.0);
    // Pressure raises the melting point: about 825 C at 100 MPa, where the
    // Gibbs energy of melting vanishes.
    r = Temperature_Liquidus(3, 1.0, 0.0, 100, 1000.0);
    EXPECT_NEAR(r[0] - C, 825, 0.5);
    EXPECT_NEAR(dG_melting_pureSalt(1, r[0], 100), 0.0, 1e-6);
}

TEST(TemperatureLiquidus, LiquidWithoutTheMainSaltGivesItsMeltingPoint) {
    // The main salt's liquid term is 0: only its melting term is left.
    auto r = Temperature_Liquidus(3, 0.0, 0.2, 50, 600);
    EXPECT_NEAR(dG_melting_pureSalt(1, r[0], 50), 0.0, 1e-6);
    EXPECT_EQ(r[1], 1.0);
    r = Temperature_Liquidus(4, 0.2, 0.0, 50, 600);
    EXPECT_NEAR(dG_melting_pureSalt(2, r[0], 50), 0.0, 1e-6);
    EXPECT_EQ(r[2], 1.0);
}

TEST(TemperatureLiquidus, BothResidualsVanishAtTheResult) {
    const Liquid liquids[] = {kConverging[0],
                              kConverging[2],
                              kConverging[3],
                              {3, 0.1, 0.02, 0.1, 400.0},
                              {4, 0.006, 0.074, 0.1, 300.0}};
    for (const auto& l : liquids) {
        const auto r = Temperature_Liquidus(l.field, l.xNaCl, l.xKCl, l.P, l.T0);
        ASSERT_GT(r[0], 0) << l.xNaCl << ", " << l.xKCl;
        const LiquidComposition liq{l.xNaCl, l.xKCl};
        EXPECT_NEAR(Function1_Zero_Energy(l.field, liq, {r[1], r[2]}, r[0], l.P), 0.0, 1e-6);
        const double g = Function2_Zero_Energy(l.field, liq, {r[1], r[2]}, r[0], l.P);
        EXPECT_LT(std::fabs(g), 1.0) << l.xNaCl << ", " << l.xKCl; // J/mol, against RT of some 3 kJ/mol
        // A root: G changes sign within a few tolerances of the result.
        const double d = 1e-7 * r[0];
        EXPECT_TRUE(G(l, r[0] - d) * G(l, r[0] + d) <= 0) << l.xNaCl << ", " << l.xKCl;
    }
}

// Where the search converges on the liquidus, the result is that of the
// plain scheme to the last bit.
TEST(TemperatureLiquidus, BitIdenticalWhereTheSearchConverges) {
    for (const auto& l : kConverging) {
        const auto expected = plainLiquidus(l);
        ASSERT_GT(expected[0], 0);
        EXPECT_EQ(Temperature_Liquidus(l.field, l.xNaCl, l.xKCl, l.P, l.T0), expected)
            << l.xNaCl << ", " << l.xKCl << " at " << l.P;
        EXPECT_EQ(MinPure_Temp(l.field, l.xNaCl, l.xKCl, l.T0, l.P),
                  plainMinPure(l.field, l.xNaCl, l.xKCl, l.T0, l.P));
        EXPECT_EQ(Max_Temp(l.field, l.xNaCl, l.xKCl, l.T0, l.P),
                  plainMax(l.field, l.xNaCl, l.xKCl, l.T0, l.P));
    }
}

// The plain scheme stops on its upper bound here: G is negative over most of
// the bracket, the step is put back on Tmax, G repeats, and the zero step
// "converges" with the failure solid [1, 0]. The true liquidus lies just
// above the pure-salt liquidus.
TEST(TemperatureLiquidus, StallOnTheUpperBoundIsNotTheLiquidus) {
    const Liquid l{3, 0.1, 0.02, 0.1, 400.0};
    const double Tmin = MinPure_Temp(3, 0.1, 0.02, 400, 0.1);
    const double Tmax = Max_Temp(3, 0.1, 0.02, 400, 0.1) + 0.1;
    EXPECT_NEAR(Tmin - C, 77.3, 0.05);
    EXPECT_NEAR(Tmax - C, 80.0, 0.05);
    const auto stalled = plainLiquidus(l);
    EXPECT_EQ(stalled[0], Tmax);
    EXPECT_EQ(stalled[1], 1.0);
    EXPECT_GT(std::fabs(G(l, Tmax)), 1000.0);

    const auto r = Temperature_Liquidus(l.field, l.xNaCl, l.xKCl, l.P, l.T0);
    EXPECT_NEAR(r[0] - C, 77.3, 0.1);
    EXPECT_GT(r[0], Tmin);
    EXPECT_LT(r[0], Tmin + 0.1);
    EXPECT_GT(r[1], 0.999);
    EXPECT_LT(r[1], 1.0);
    EXPECT_EQ(r[2], 1 - r[1]);
}

TEST(TemperatureLiquidus, NoLiquidusGivesTheFailureValue) {
    // Too dilute for halite above 0 C: both bracket searches end on 273.15 K
    // (or fail), and there is no sign change of G.
    auto r = Temperature_Liquidus(3, 0.014, 0.026, 0.1, 293.15);
    EXPECT_EQ(r, (std::array<double, 3>{0, 0, 0}));
    // One salt: the pure-salt search stalls on 0 C; the temperature is 0.
    const double m = MinPure_Temp(3, 0.08, 0, 293.15, 0.1);
    EXPECT_TRUE(m == 0 || std::fabs(m - 273.15) < 1e-9) << m;
    r = Temperature_Liquidus(3, 0.08, 0, 0.1, 293.15);
    EXPECT_EQ(r, (std::array<double, 3>{0, 1, 0}));
    r = Temperature_Liquidus(4, 0, 0.01, 0.1, 293.15);
    EXPECT_EQ(r, (std::array<double, 3>{0, 0, 1}));
}

TEST(MaxTemp, NoExtremumAboveItsHighestTemperature) {
    EXPECT_EQ(Max_Temp(3, 0.15, 0.05, 800, 0.1), 1100.0);
    EXPECT_EQ(Max_Temp(4, 0.05, 0.25, 800, 0.1), 1100.0);
}

TEST(MinPureTemp, LiquidusAgainstThePureSalt) {
    // The root of the main salt's residual against the pure solid.
    for (const auto& l : kConverging) {
        const double T = MinPure_Temp(l.field, l.xNaCl, l.xKCl, l.T0, l.P);
        EXPECT_NEAR(Function1_Zero_Energy(l.field, {l.xNaCl, l.xKCl}, {0, 0}, T, l.P), 0.0, 1e-6);
        EXPECT_LE(T, Temperature_Liquidus(l.field, l.xNaCl, l.xKCl, l.P, l.T0)[0]);
    }
}

} // namespace
