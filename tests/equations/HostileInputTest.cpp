#include "Globals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace Globals;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

const std::vector<double> kHostile = {kNaN,   kInf,  -kInf,  0.0, -0.0, -1.0,
                                      -1e300, 1e300, 1e-320, 0.5, 1.0,  2.0};
const std::vector<int> kCodes = {-1, 0, 1, 2, 3, 4, 5, 6, 1000};

// Every function must come back (no hang, no trap) whatever it is fed; the
// values below are the ones the windows rely on.
TEST(HostileInput, EveryFunctionReturns) {
    for (double u : kHostile) {
        for (double v : kHostile) {
            (void)CubicEquation(u, v, u);
            (void)FDP_Hall87(u, v);
            (void)Mass_Hall87(u, v);
            for (int code : kCodes) {
                (void)Molefraction_H2O(code, u, v);
                (void)FDP_Mirtox(code, u, v);
                (void)Cotectic_Exact(code, u);
                (void)FinalRatio(code, u, v, u, v, u);
                (void)RatioSolvus(code, u);
                (void)Pressure(code, u, v, u);
                (void)Pressure650(code, u, v, u);
            }
        }
    }
    SUCCEED();
}

TEST(HostileInput, FailureValuesHold) {
    for (double v : kHostile) {
        if (!(v > 0)) {
            EXPECT_EQ(FDP_Hall87(v, 0), 273.15);
            EXPECT_EQ(Mass_Hall87(v, 0.5), 0.0);
        }
    }
    // Searches fed a NaN fail with their own failure value.
    EXPECT_EQ(FDP_Mirtox(3, kNaN, 0.1), 0.0);
    EXPECT_EQ(FDP_Mirtox(4, 0.1, kNaN), 0.0);
    EXPECT_EQ(Cotectic_Exact(5, kNaN), 0.0);
    EXPECT_EQ(FinalRatio(3, kNaN, 0.48, 0.85, 1.0, 0.0), 0.0);
    EXPECT_EQ(Pressure650(3, kNaN, 0.1, 0.1), 0.0);
    EXPECT_EQ(RatioSolvus(3, kNaN), 0.0);
    EXPECT_EQ(MaxSolvus(7), 0.0);
    // Huge and infinite temperatures lie above the solvus crest.
    EXPECT_EQ(RatioSolvus(4, 1e300), 0.0);
    EXPECT_EQ(RatioSolvus(4, kInf), 0.0);
    // Salt fractions summing above 1 leave no water.
    EXPECT_EQ(FDP_Mirtox(2, 1e300, 1e300), 273.15);
    EXPECT_EQ(FDP_Mirtox(4, kInf, 0.0), 273.15);
}

// The thermodynamic model. The searches nest, so the expensive ones get a
// shorter list; every value must still come back.
const std::vector<double> kFew = {kNaN, kInf, -kInf, 0.0, -1.0, 1e300};

TEST(HostileInput, ThermodynamicModelReturns) {
    for (double u : kHostile)
        for (double v : kHostile)
            for (int code : kCodes) {
                (void)Activity_Coefficient_Liquid(code, u, v, 500, u);
                (void)Activity_Coefficient_Liquid(code, 0.1, 0.1, u, v);
                (void)dG_melting_pureSalt(code, u, v);
                (void)Activity_Coefficient_Solid(code, u, v, 500, 0.1);
                (void)Activity_Coefficient_Solid(code, 0.5, 0.5, u, v);
                (void)Function1_Zero_Energy(code, {u, v}, {v, u}, 500, 0.1);
                (void)Function2_Zero_Energy(code, {u, v}, {v, u}, 500, 0.1);
                (void)Function1_Zero_Energy(code, {0.1, 0.1}, {0.5, 0.5}, u, v);
                (void)Function2_Zero_Energy(code, {0.1, 0.1}, {0.5, 0.5}, u, v);
            }
    for (double u : kFew) {
        for (double v : kFew) {
            (void)Cotectic_NaCl_sol_liq(u, v, 573.15, 100);
            (void)Cotectic_NaCl_sol_liq(0.7, 0.09, u, v);
            (void)Activity_Intercept_Solid(1, u, v, 0.5, 673.15, 0.1);
            (void)Activity_Intercept_Solid(2, 0.5, 0.1, 0.9, u, v);
            for (int field : {0, 3, 4, 7}) {
                (void)Extrema_liq_sol(field, u, v, 500, 0.1);
                (void)Equality_liq_sol(field, u, v, 500, 0.1);
                (void)MinPure_Temp(field, u, v, 400, 0.1);
            }
        }
        (void)Extrema_Activity_Solids(u, 0.1);
        (void)Equality_solids(u, 0.1);
        (void)Equality_solids(673.15, u);
        for (int field : {0, 3, 4, 7}) {
            (void)Extrema_liq_sol(field, 0.1, 0.1, u, 0.1);
            (void)Equality_liq_sol(field, 0.1, 0.1, u, u);
            (void)MinPure_Temp(field, 0.1, 0.05, u, 0.1);
            (void)Max_Temp(field, 0.1, 0.05, u, 0.1);
            (void)Max_Temp(field, u, 0.05, 400, 0.1);
            (void)Temperature_Liquidus(field, 0.1, 0.05, u, 400);
            (void)Temperature_Liquidus(field, 0.1, 0.05, 0.1, u);
            (void)Temperature_Liquidus(field, u, 0.05, 0.1, 400);
            (void)Temperature_Liquidus(field, 0.1, u, 0.1, 400);
        }
    }
    SUCCEED();
}

TEST(HostileInput, ThermodynamicFailureValuesHold) {
    EXPECT_TRUE(std::isnan(dG_melting_pureSalt(5, 500, 0.1)));
    EXPECT_EQ(Activity_Coefficient_Liquid(9, 0.1, 0.1, 500, 0.1), 0.0);
    EXPECT_EQ(Activity_Coefficient_Solid(9, 0.1, 0.9, 500, 0.1), 0.0);
    for (double bad : {kNaN, kInf, -kInf}) {
        EXPECT_EQ(Equality_solids(bad, 0.1), (std::array<double, 2>{0, 0})) << bad;
        EXPECT_EQ(Extrema_Activity_Solids(bad, 0.1), (std::array<double, 5>{})) << bad;
        EXPECT_EQ(Activity_Intercept_Solid(1, 0.9, 0.0, 0.5, bad, 0.1), 1.0) << bad;
        EXPECT_EQ(Cotectic_NaCl_sol_liq(0.7, 0.09, bad, 100), (std::array<double, 3>{0, 0, 0})) << bad;
        EXPECT_EQ(Equality_liq_sol(3, 0.1, 0.1, bad, 0.1), 1.0) << bad;
        EXPECT_EQ(Equality_liq_sol(4, 0.1, 0.1, bad, 0.1), 0.0) << bad;
        EXPECT_EQ(Max_Temp(3, 0.1, 0.05, 400, bad), 1100.0) << bad;
        EXPECT_EQ(Temperature_Liquidus(3, 0.1, 0.05, bad, 400), (std::array<double, 3>{0, 0, 0})) << bad;
    }
    EXPECT_EQ(MinPure_Temp(3, 0.1, 0.05, kNaN, 0.1), 0.0);
    EXPECT_EQ(MinPure_Temp(3, 0.1, 0.05, 400, kNaN), 0.0);
    EXPECT_EQ(Extrema_liq_sol(3, 0.1, 0.1, kNaN, 0.1), 0.0);
    EXPECT_EQ(Extrema_liq_sol(4, 0.1, 0.1, kNaN, 0.1), 1.0);
    // No solvus below 0 K either.
    EXPECT_EQ(Equality_solids(-1.0, 0.1), (std::array<double, 2>{0, 0}));
    // A liquid without salt. (Negative fractions and fractions summing above 1
    // are not refused: the model evaluates them as it finds them.)
    EXPECT_EQ(Cotectic_NaCl_sol_liq(1.0, 0.09, 573.15, 100), (std::array<double, 3>{0, 0, 0}));
    // Codes outside the two fields give no residual.
    EXPECT_EQ(Function1_Zero_Energy(1, {0.1, 0.1}, {0.5, 0.5}, 500, 0.1), 0.0);
    EXPECT_EQ(Function2_Zero_Energy(5, {0.1, 0.1}, {0.5, 0.5}, 500, 0.1), 0.0);
}

} // namespace
