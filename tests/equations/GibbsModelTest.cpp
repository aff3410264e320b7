#include "Globals.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Globals;

namespace {

constexpr double C = 273.15;

TEST(ActivityCoefficientLiquid, KnownValuesAndTheBinaryMargulesForm) {
    // Infinite dilution gives W1 and W2 themselves; the mixed liquids need every term.
    EXPECT_NEAR(Activity_Coefficient_Liquid(1, 0, 0, 25 + C, 0.1), -5.13, 0.005);
    EXPECT_NEAR(Activity_Coefficient_Liquid(2, 0, 0, 25 + C, 0.1), -3.47, 0.005);
    EXPECT_NEAR(Activity_Coefficient_Liquid(1, 0.2, 0.1, 600 + C, 50), -0.0124, 0.00005);
    EXPECT_NEAR(Activity_Coefficient_Liquid(2, 0.2, 0.1, 600 + C, 50), -0.259, 0.0005);
    // Without the other salt only the water-salt term is left: ln g = W xw^2.
    for (double T : {300.0, 500.0, 800.0})
        for (double P : {0.1, 100.0})
            for (double x : {0.05, 0.4}) {
                EXPECT_NEAR(Activity_Coefficient_Liquid(1, x, 0, T, P),
                            Activity_Coefficient_Liquid(1, 0, 0, T, P) * (1 - x) * (1 - x), 1e-12);
                EXPECT_NEAR(Activity_Coefficient_Liquid(2, 0, x, T, P),
                            Activity_Coefficient_Liquid(2, 0, 0, T, P) * (1 - x) * (1 - x), 1e-12);
            }
}

TEST(DgMeltingPureSalt, ZeroAtTheMeltingPointAndTenDeltaVPerMPa) {
    EXPECT_NEAR(dG_melting_pureSalt(1, 25 + C, 0.1), 16100, 50);
    EXPECT_NEAR(dG_melting_pureSalt(2, 25 + C, 0.1), 13600, 50);
    EXPECT_NEAR(dG_melting_pureSalt(1, 1073.8, 0.1), 0.0, 1e-9);
    EXPECT_NEAR(dG_melting_pureSalt(2, 1043.0, 0.1), 0.0, 1e-9);
    // dV = Hm / (Tm slope): about 6.36 and 6.40 J/mol per MPa for NaCl and KCl.
    const double dV10[] = {0, 10 * 28158.0 / 1073.8 / 41.218, 10 * 26284.0 / 1043.0 / 39.347};
    for (int salt : {1, 2})
        for (double T : {300.0, 700.0, 1100.0})
            for (double P : {1.0, 200.0})
                EXPECT_NEAR(dG_melting_pureSalt(salt, T, P + 1) - dG_melting_pureSalt(salt, T, P), dV10[salt],
                            1e-9);
}

TEST(ActivityCoefficientSolid, KnownValuesAndAbsentComponents) {
    EXPECT_NEAR(Activity_Coefficient_Solid(1, 0.1, 0.9, 500 + C, 0.1), 1.59, 5e-3);
    EXPECT_NEAR(Activity_Coefficient_Solid(2, 0.1, 0.9, 500 + C, 0.1), 0.0195, 5e-5);
    // An absent component gets -3e100 (computed as 3 * -1e100), so that x exp(ln g) is exactly 0.
    for (auto [salt, x1] : {std::pair{1, 0.0}, {2, 1.0}}) {
        EXPECT_EQ(Activity_Coefficient_Solid(salt, x1, 1 - x1, 773.15, 0.1), 3 * -1e100);
        EXPECT_EQ(Activity_Coefficient_Solid(3 - salt, x1, 1 - x1, 773.15, 0.1), 0.0);
    }
}

TEST(ActivityCoefficientSolid, GibbsDuhemAlongTheBinary) {
    // x1 d(ln g1)/dx1 + x2 d(ln g2)/dx1 = 0 along x2 = 1 - x1; a wrong size
    // factor or coordination number in one of the two terms breaks it.
    const double h = 1e-6;
    for (double T : {573.15, 773.15, 1000.0})
        for (double P : {0.1, 100.0})
            for (double x : {0.05, 0.2, 0.5, 0.7, 0.95}) {
                auto g = [&](int salt, double x1) {
                    return Activity_Coefficient_Solid(salt, x1, 1 - x1, T, P);
                };
                const double d1 = x * (g(1, x + h) - g(1, x - h)) / (2 * h);
                const double d2 = (1 - x) * (g(2, x + h) - g(2, x - h)) / (2 * h);
                EXPECT_NEAR(d1 + d2, 0.0, 1e-7 * (std::fabs(d1) + std::fabs(d2)) + 1e-9)
                    << x << " " << T << " " << P;
            }
}

TEST(ZeroEnergyResiduals, PureSaltsAndTheDivertedBranch) {
    EXPECT_NEAR(Function1_Zero_Energy(3, {1, 0}, {0.9, 0.1}, 1000, 0.1), 2590, 5);
    EXPECT_NEAR(Function1_Zero_Energy(4, {0, 1}, {0.1, 0.9}, 1000, 0.1), 1850, 5);
    // A pure molten salt against its pure solid, or a liquid without the main
    // salt: the melting term alone. [1, 0] and [0, 0] are the same solid.
    const double T = 900, P = 50;
    EXPECT_NEAR(Function1_Zero_Energy(3, {1, 0}, {0, 0}, T, P), dG_melting_pureSalt(1, T, P), 1e-9);
    EXPECT_NEAR(Function1_Zero_Energy(4, {0, 1}, {0, 0}, T, P), dG_melting_pureSalt(2, T, P), 1e-9);
    EXPECT_EQ(Function1_Zero_Energy(3, {0, 0.2}, {0, 0}, T, P), dG_melting_pureSalt(1, T, P));
    EXPECT_EQ(Function1_Zero_Energy(4, {0.2, 0.1}, {0, 1}, T, P),
              Function1_Zero_Energy(4, {0.2, 0.1}, {0, 0}, T, P));
    // No second salt in the liquid: the main salt against its pure solid;
    // 1e-300 of it already counts. A solid without the second salt drops its term.
    EXPECT_EQ(Function2_Zero_Energy(3, {0.2, 0}, {0.97, 0.03}, T, P),
              Function1_Zero_Energy(3, {0.2, 0}, {0, 0}, T, P));
    EXPECT_EQ(Function2_Zero_Energy(4, {0, 0.2}, {0.03, 0.97}, T, P),
              Function1_Zero_Energy(4, {0, 0.2}, {0, 0}, T, P));
    EXPECT_LT(Function2_Zero_Energy(3, {0.2, 1e-300}, {1, 0}, T, P), -1e5);
    EXPECT_TRUE(std::isinf(Function2_Zero_Energy(3, {0, 0}, {0.97, 0.03}, T, P)));
    EXPECT_EQ(Function2_Zero_Energy(3, {0.15, 0.05}, {1, 0}, T, P),
              Function2_Zero_Energy(3, {0.15, 0.05}, {0, 0}, T, P));
}

} // namespace
