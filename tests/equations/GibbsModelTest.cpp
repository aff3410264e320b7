#include "Globals.h"
#include "ThermoReference.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Globals;

namespace {

constexpr double C = 273.15;

TEST(ActivityCoefficientLiquid, KnownValues) {
    const struct {
        int salt;
        double x1, x2, tC, P, lnGamma, tol;
    } cases[] = {
        // Infinite dilution: W1 and W2 themselves.
        {1, 0.0, 0.0, 25, 0.1, -5.13, 0.005},
        {2, 0.0, 0.0, 25, 0.1, -3.47, 0.005},
        // One salt only: W1 (1 - x1)^2 and W2 (1 - x2)^2.
        {1, 0.1, 0.0, 300, 0.1, -0.757, 0.0005},
        {2, 0.0, 0.1, 300, 0.1, -0.896, 0.0005},
        {1, 0.1, 0.05, 300, 100, -0.867, 0.0005},
        {2, 0.1, 0.05, 300, 100, -1.07, 0.005},
        {1, 0.2, 0.1, 600, 50, -0.0124, 0.00005},
        {2, 0.2, 0.1, 600, 50, -0.259, 0.0005},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(Activity_Coefficient_Liquid(c.salt, c.x1, c.x2, c.tC + C, c.P), c.lnGamma, c.tol)
            << "salt " << c.salt << " x " << c.x1 << "," << c.x2 << " at " << c.tC << " C, " << c.P << " MPa";
}

TEST(ActivityCoefficientLiquid, BinaryLimitsAreTheMargulesForm) {
    // Without KCl only the water-NaCl term is left: ln g = W1 xw^2, so the
    // ratio to the infinite-dilution value is (1 - x1)^2 at any T and P.
    for (double T : {300.0, 500.0, 800.0})
        for (double P : {0.1, 100.0})
            for (double x : {0.05, 0.2, 0.4}) {
                const double w1 = Activity_Coefficient_Liquid(1, 0, 0, T, P);
                const double w2 = Activity_Coefficient_Liquid(2, 0, 0, T, P);
                EXPECT_NEAR(Activity_Coefficient_Liquid(1, x, 0, T, P), w1 * (1 - x) * (1 - x), 1e-12);
                EXPECT_NEAR(Activity_Coefficient_Liquid(2, 0, x, T, P), w2 * (1 - x) * (1 - x), 1e-12);
            }
}

TEST(ActivityCoefficientLiquid, OtherCodesAreIdeal) {
    for (int code : {0, 3, -1})
        EXPECT_EQ(Activity_Coefficient_Liquid(code, 0.1, 0.05, 573.15, 100), 0.0);
}

TEST(DgMeltingPureSalt, KnownValues) {
    const struct {
        int salt;
        double T, P, dG, tol;
    } cases[] = {
        {1, 25 + C, 0.1, 16100, 50}, {2, 25 + C, 0.1, 13600, 50}, {1, 500 + C, 0.1, 7590, 5},
        {2, 500 + C, 0.1, 6440, 5},  {2, 1073.8, 0.1, -779, 0.5}, {1, 1073.8, 200, 1270, 5},
        {2, 1073.8, 200, 501, 0.5},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(dG_melting_pureSalt(c.salt, c.T, c.P), c.dG, c.tol) << c.salt << " at " << c.T;
}

TEST(DgMeltingPureSalt, ZeroAtTheMeltingPointAndLinearInPressure) {
    EXPECT_NEAR(dG_melting_pureSalt(1, 1073.8, 0.1), 0.0, 1e-9);
    EXPECT_NEAR(dG_melting_pureSalt(2, 1043.0, 0.1), 0.0, 1e-9);
    // Each MPa adds 10 dV = 10 Hm / (Tm slope) J/mol at every temperature.
    const double dV10[] = {0, 10 * 28158.0 / 1073.8 / 41.218, 10 * 26284.0 / 1043.0 / 39.347};
    EXPECT_NEAR(dV10[1], 6.36, 0.005);
    EXPECT_NEAR(dV10[2], 6.40, 0.005);
    for (int salt : {1, 2})
        for (double T : {300.0, 700.0, 1100.0})
            for (double P : {1.0, 50.0, 200.0}) {
                const double rise = dG_melting_pureSalt(salt, T, P + 1) - dG_melting_pureSalt(salt, T, P);
                EXPECT_NEAR(rise, dV10[salt], 1e-9) << salt << " at " << T << " K, " << P << " MPa";
            }
}

TEST(DgMeltingPureSalt, SignAroundTheMeltingPoint) {
    EXPECT_GT(dG_melting_pureSalt(1, 1073.8 - 1, 0.1), 0);
    EXPECT_LT(dG_melting_pureSalt(1, 1073.8 + 1, 0.1), 0);
    EXPECT_GT(dG_melting_pureSalt(2, 1043.0 - 1, 0.1), 0);
    EXPECT_LT(dG_melting_pureSalt(2, 1043.0 + 1, 0.1), 0);
}

TEST(DgMeltingPureSalt, OtherCodesAreNaN) {
    for (int code : {0, 3, -2})
        EXPECT_TRUE(std::isnan(dG_melting_pureSalt(code, 800, 0.1))) << code;
}

TEST(ActivityCoefficientSolid, KnownValues) {
    const struct {
        double x1, tC, P, naCl, kCl, tol1, tol2;
    } cases[] = {
        {0.5, 500, 0.1, 0.591, 0.447, 5e-4, 5e-4}, {0.1, 500, 0.1, 1.59, 0.0195, 5e-3, 5e-5},
        {0.9, 500, 0.1, 0.0422, 1.87, 5e-5, 5e-3}, {0.5, 300, 0.1, 0.856, 0.633, 5e-4, 5e-4},
        {0.5, 500, 100, 0.602, 0.458, 5e-4, 5e-4},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(Activity_Coefficient_Solid(1, c.x1, 1 - c.x1, c.tC + C, c.P), c.naCl, c.tol1) << c.x1;
        EXPECT_NEAR(Activity_Coefficient_Solid(2, c.x1, 1 - c.x1, c.tC + C, c.P), c.kCl, c.tol2) << c.x1;
    }
}

TEST(ActivityCoefficientSolid, AbsentComponentHasZeroActivity) {
    const double T = 773.15;
    const double absent = 3 * -1e100; // not the literal -3e100, which rounds differently
    EXPECT_EQ(Activity_Coefficient_Solid(1, 0, 1, T, 0.1), absent);
    EXPECT_EQ(Activity_Coefficient_Solid(2, 0, 1, T, 0.1), 0.0);
    EXPECT_EQ(Activity_Coefficient_Solid(1, 1, 0, T, 0.1), 0.0);
    EXPECT_EQ(Activity_Coefficient_Solid(2, 1, 0, T, 0.1), absent);
    EXPECT_EQ(Activity_Coefficient_Solid(1, 0, 0, T, 0.1), absent);
    EXPECT_EQ(Activity_Coefficient_Solid(2, 0, 0, T, 0.1), absent);
    EXPECT_EQ(0 * std::exp(Activity_Coefficient_Solid(1, 0, 1, T, 0.1)), 0.0);
    for (int code : {0, 3})
        EXPECT_EQ(Activity_Coefficient_Solid(code, 0.3, 0.7, T, 0.1), 0.0);
}

TEST(ActivityCoefficientSolid, GibbsDuhemAlongTheBinary) {
    // x1 d(ln g1)/dx1 + x2 d(ln g2)/dx1 = 0 along x2 = 1 - x1; a wrong size
    // factor or coordination number in one of the two terms breaks it.
    const double h = 1e-6;
    for (double T : {573.15, 673.15, 773.15, 1000.0})
        for (double P : {0.1, 100.0})
            for (double x : {0.05, 0.2, 0.5, 0.7, 0.95}) {
                auto g = [&](int salt, double x1) {
                    return Activity_Coefficient_Solid(salt, x1, 1 - x1, T, P);
                };
                const double d1 = (g(1, x + h) - g(1, x - h)) / (2 * h);
                const double d2 = (g(2, x + h) - g(2, x - h)) / (2 * h);
                const double scale = std::fabs(x * d1) + std::fabs((1 - x) * d2);
                EXPECT_NEAR(x * d1 + (1 - x) * d2, 0.0, 1e-7 * scale + 1e-9)
                    << "x " << x << " at " << T << " K, " << P << " MPa";
            }
}

// The model functions evaluate through precomputed per-(T, P) terms; they
// must give the very bits of the plain call-by-call evaluation.
TEST(ThermodynamicModel, BitIdenticalToThePlainEvaluation) {
    for (double T : {273.15, 298.15, 473.15, 673.15, 766.0, 1000.0, 1073.8})
        for (double P : {0.1, 37.5, 100.0, 200.0}) {
            for (int salt : {1, 2}) {
                EXPECT_EQ(dG_melting_pureSalt(salt, T, P), reference::meltingGibbs(salt, T, P));
                for (double x1 = 0; x1 <= 1.0; x1 += 0.0625) {
                    EXPECT_EQ(Activity_Coefficient_Solid(salt, x1, 1 - x1, T, P),
                              reference::solidLnGamma(salt, x1, 1 - x1, T, P));
                    for (double x2 = 0; x1 + x2 <= 0.5; x2 += 0.0625)
                        EXPECT_EQ(Activity_Coefficient_Liquid(salt, x1, x2, T, P),
                                  reference::liquidLnGamma(salt, x1, x2, T, P));
                }
            }
        }
}

TEST(ZeroEnergyResiduals, KnownValues) {
    const double RT1000 = 8.31451 * 1000;
    // Field 3: NaCl from a pure molten salt against a mixed solid.
    const double r3 = Function1_Zero_Energy(3, {1, 0}, {0.9, 0.1}, 1000, 0.1);
    EXPECT_NEAR(r3, 2590, 5);
    EXPECT_NEAR(dG_melting_pureSalt(1, 1000, 0.1), 1920, 5);
    EXPECT_NEAR(r3,
                dG_melting_pureSalt(1, 1000, 0.1) -
                    RT1000 * (std::log(0.9) + Activity_Coefficient_Solid(1, 0.9, 0.1, 1000, 0.1)),
                1e-9);
    const double r4 = Function1_Zero_Energy(4, {0, 1}, {0.1, 0.9}, 1000, 0.1);
    EXPECT_NEAR(r4, 1850, 5);
    EXPECT_NEAR(dG_melting_pureSalt(2, 1000, 0.1), 1080, 5);
}

TEST(ZeroEnergyResiduals, PureSolidAndPureLiquid) {
    for (double T : {900.0, 1043.0, 1073.8, 1100.0}) {
        // A pure molten salt against its pure solid: the melting term alone.
        EXPECT_NEAR(Function1_Zero_Energy(3, {1, 0}, {0, 0}, T, 0.1), dG_melting_pureSalt(1, T, 0.1), 1e-9);
        EXPECT_NEAR(Function1_Zero_Energy(4, {0, 1}, {0, 0}, T, 0.1), dG_melting_pureSalt(2, T, 0.1), 1e-9);
        // [1, 0] and [0, 0] both stand for the pure main salt.
        EXPECT_EQ(Function1_Zero_Energy(3, {0.2, 0.1}, {1, 0}, T, 10),
                  Function1_Zero_Energy(3, {0.2, 0.1}, {0, 0}, T, 10));
        EXPECT_EQ(Function1_Zero_Energy(4, {0.2, 0.1}, {0, 1}, T, 10),
                  Function1_Zero_Energy(4, {0.2, 0.1}, {0, 0}, T, 10));
        // A liquid without the main salt: the melting term alone.
        EXPECT_EQ(Function1_Zero_Energy(3, {0, 0.2}, {0, 0}, T, 10), dG_melting_pureSalt(1, T, 10));
    }
    EXPECT_NEAR(Function1_Zero_Energy(3, {1, 0}, {0, 0}, 1073.8, 0.1), 0.0, 1e-9);
}

TEST(ZeroEnergyResiduals, SecondSaltAndItsDiversion) {
    const double T = 600, P = 50;
    const double RT = 8.31451 * T;
    // Field 3, KCl in the liquid: the KCl residual against the solid.
    const LiquidComposition liq{0.15, 0.05};
    const SolidComposition sol{0.97, 0.03};
    const double expected = (dG_melting_pureSalt(2, T, P) +
                             RT * (std::log(0.05) + Activity_Coefficient_Liquid(2, 0.15, 0.05, T, P))) -
                            RT * (std::log(0.03) + Activity_Coefficient_Solid(2, 0.97, 0.03, T, P));
    EXPECT_NEAR(Function2_Zero_Energy(3, liq, sol, T, P), expected, 1e-9 * std::fabs(expected));
    EXPECT_NEAR(Function2_Zero_Energy(4, {0.05, 0.15}, {0.03, 0.97}, T, P),
                (dG_melting_pureSalt(1, T, P) +
                 RT * (std::log(0.05) + Activity_Coefficient_Liquid(1, 0.05, 0.15, T, P))) -
                    RT * (std::log(0.03) + Activity_Coefficient_Solid(1, 0.03, 0.97, T, P)),
                1e-6);
    // No KCl in the liquid: the NaCl residual against the pure solid, the
    // same as Function1 with [0, 0]; 1e-300 KCl already counts as KCl.
    EXPECT_EQ(Function2_Zero_Energy(3, {0.2, 0}, sol, T, P),
              Function1_Zero_Energy(3, {0.2, 0}, {0, 0}, T, P));
    EXPECT_EQ(Function2_Zero_Energy(4, {0, 0.2}, sol, T, P),
              Function1_Zero_Energy(4, {0, 0.2}, {0, 0}, T, P));
    EXPECT_LT(Function2_Zero_Energy(3, {0.2, 1e-300}, {1, 0}, T, P), -1e5); // RT ln(1e-300) dominates
    // The diverted branch does not test the main salt: ln 0.
    EXPECT_TRUE(std::isinf(Function2_Zero_Energy(3, {0, 0}, sol, T, P)));
    // A solid without the second salt drops its solid term.
    EXPECT_EQ(Function2_Zero_Energy(3, liq, {1, 0}, T, P), Function2_Zero_Energy(3, liq, {0, 0}, T, P));
}

TEST(ZeroEnergyResiduals, OtherFieldsGiveZero) {
    for (int field : {0, 1, 2, 5})
        for (double T : {400.0, 800.0}) {
            EXPECT_EQ(Function1_Zero_Energy(field, {0.1, 0.1}, {0.5, 0.5}, T, 0.1), 0.0);
            EXPECT_EQ(Function2_Zero_Energy(field, {0.1, 0.1}, {0.5, 0.5}, T, 0.1), 0.0);
        }
}

TEST(ZeroEnergyResiduals, BitIdenticalToThePlainEvaluation) {
    for (int field : {3, 4})
        for (double T : {298.15, 573.15, 1000.0})
            for (double P : {0.1, 100.0})
                for (double l : {0.0, 0.05, 0.2})
                    for (double s = 0; s <= 1; s += 0.125)
                        EXPECT_EQ(Function1_Zero_Energy(field, {l, 0.1}, {s, 1 - s}, T, P),
                                  reference::mainResidual(field, l, 0.1, s, 1 - s, T, P));
}

} // namespace
