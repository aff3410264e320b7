#include "Globals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Globals;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const double kHostile[] = {kNaN, kInf, -kInf, 0.0, -0.0, -1.0, -1e300, 1e300, 1e-320, 0.5, 1.0, 2.0};
const double kFew[] = {kNaN, kInf, -kInf, 0.0, -1.0, 1e300}; // for the nested searches
const int kCodes[] = {-1, 0, 1, 2, 3, 4, 5, 6, 1000};

// Calls its arguments' functions and ignores what they give.
template <class... Results> void call(const Results&...) {}

// Every function must come back (no hang, no trap) whatever it is fed.
TEST(HostileInput, EveryFunctionReturns) {
    for (double u : kHostile)
        for (double v : kHostile) {
            call(CubicEquation(u, v, u), FDP_Hall87(u, v), Mass_Hall87(u, v));
            for (int c : kCodes)
                call(Molefraction_H2O(c, u, v), FDP_Mirtox(c, u, v), Cotectic_Exact(c, u),
                     FinalRatio(c, u, v, u, v, u), RatioSolvus(c, u), MaxSolvus(c), Pressure(c, u, v, u),
                     Pressure650(c, u, v, u), Activity_Coefficient_Liquid(c, u, v, 500, u),
                     Activity_Coefficient_Liquid(c, 0.1, 0.1, u, v), dG_melting_pureSalt(c, u, v),
                     Activity_Coefficient_Solid(c, u, v, 500, 0.1),
                     Activity_Coefficient_Solid(c, 0.5, 0.5, u, v),
                     Function1_Zero_Energy(c, {u, v}, {v, u}, 500, 0.1),
                     Function2_Zero_Energy(c, {u, v}, {v, u}, 500, 0.1),
                     Function1_Zero_Energy(c, {0.1, 0.1}, {0.5, 0.5}, u, v),
                     Function2_Zero_Energy(c, {0.1, 0.1}, {0.5, 0.5}, u, v));
        }
    for (double u : kFew)
        for (double v : kFew) {
            call(Extrema_Activity_Solids(u, v), Equality_solids(u, v),
                 Cotectic_NaCl_sol_liq(u, v, 573.15, 100), Cotectic_NaCl_sol_liq(0.7, 0.09, u, v),
                 Activity_Intercept_Solid(1, u, v, 0.5, 673.15, 0.1),
                 Activity_Intercept_Solid(2, 0.5, 0.1, 0.9, u, v));
            for (int f : {0, 3, 4, 7})
                call(Extrema_liq_sol(f, u, v, 500, 0.1), Extrema_liq_sol(f, 0.1, 0.1, u, v),
                     Equality_liq_sol(f, u, v, 500, 0.1), Equality_liq_sol(f, 0.1, 0.1, u, v),
                     MinPure_Temp(f, u, v, 400, 0.1), MinPure_Temp(f, 0.1, 0.05, u, v),
                     Max_Temp(f, u, v, 400, 0.1), Max_Temp(f, 0.1, 0.05, u, v),
                     Temperature_Liquidus(f, u, v, 0.1, 400), Temperature_Liquidus(f, 0.1, 0.05, u, v));
        }
}

// The fixed failure values the windows test for.
TEST(HostileInput, FailureValuesHold) {
    EXPECT_EQ(FDP_Hall87(kNaN, 0), 273.15);
    EXPECT_EQ(Mass_Hall87(kNaN, 0.5), 0.0);
    EXPECT_EQ(FDP_Mirtox(3, kNaN, 0.1), 0.0);
    EXPECT_EQ(FDP_Mirtox(2, 1e300, 1e300), 273.15); // salt fractions above 1 leave no water
    EXPECT_EQ(Cotectic_Exact(5, kNaN), 0.0);
    EXPECT_EQ(FinalRatio(3, kNaN, 0.48, 0.85, 1.0, 0.0), 0.0);
    EXPECT_EQ(Pressure650(3, kNaN, 0.1, 0.1), 0.0);
    for (double T : {kNaN, 1e300, kInf})
        EXPECT_EQ(RatioSolvus(4, T), 0.0);
    for (int code : {-1, 0, 5, 9}) {
        EXPECT_TRUE(std::isnan(dG_melting_pureSalt(code, 800, 0.1))) << code;
        EXPECT_EQ(Activity_Coefficient_Liquid(code, 0.1, 0.05, 573.15, 100), 0.0);
        EXPECT_EQ(Activity_Coefficient_Solid(code, 0.3, 0.7, 773.15, 0.1), 0.0);
        EXPECT_EQ(Function1_Zero_Energy(code, {0.1, 0.1}, {0.5, 0.5}, 500, 0.1), 0.0);
        EXPECT_EQ(Function2_Zero_Energy(code, {0.1, 0.1}, {0.5, 0.5}, 500, 0.1), 0.0);
    }
    for (double bad : {kNaN, kInf, -kInf}) {
        EXPECT_EQ(Equality_solids(bad, 0.1), (std::array<double, 2>{0, 0}));
        EXPECT_EQ(Extrema_Activity_Solids(bad, 0.1), (std::array<double, 5>{}));
        EXPECT_EQ(Activity_Intercept_Solid(1, 0.9, 0.0, 0.5, bad, 0.1), 1.0);
        EXPECT_EQ(Cotectic_NaCl_sol_liq(0.7, 0.09, bad, 100), (std::array<double, 3>{0, 0, 0}));
        EXPECT_EQ(Equality_liq_sol(3, 0.1, 0.1, bad, 0.1), 1.0);
        EXPECT_EQ(Equality_liq_sol(4, 0.1, 0.1, bad, 0.1), 0.0);
        EXPECT_EQ(Max_Temp(3, 0.1, 0.05, 400, bad), 1100.0);
        EXPECT_EQ(Temperature_Liquidus(3, 0.1, 0.05, bad, 400), (std::array<double, 3>{0, 0, 0}));
    }
    EXPECT_EQ(MinPure_Temp(3, 0.1, 0.05, kNaN, 0.1), 0.0);
    EXPECT_EQ(Extrema_liq_sol(3, 0.1, 0.1, kNaN, 0.1), 0.0);
    EXPECT_EQ(Extrema_liq_sol(4, 0.1, 0.1, kNaN, 0.1), 1.0);
    EXPECT_EQ(Equality_solids(-1.0, 0.1), (std::array<double, 2>{0, 0}));
}

} // namespace
