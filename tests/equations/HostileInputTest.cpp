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

} // namespace
