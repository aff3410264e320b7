#include "Globals.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Globals;

namespace {

constexpr double kZeroC = 273.15;

TEST(Pressure, FittedWindow) {
    const struct {
        int field;
        double xw, xNaCl, celsius, mpa;
    } cases[] = {
        {3, 0.9, 0.1, 600, 39.3505100000001},
        {3, 0.8, 0.1, 600, 9.04373125000008},
        {4, 0.85, 0.0, 500, 20.3691924804688}, // y = 0: K0 alone
        // Below 200 degC s < 0 and the odd powers s^5, s^7 stay negative.
        {3, 0.9, 0.1, 190, 0.973074648062897},
        {4, 0.9, 0.05, 190, 0.505309963438904},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(Pressure(c.field, c.xw, c.xNaCl, kZeroC + c.celsius), c.mpa, 1e-9 * c.mpa);
}

TEST(Pressure, LowerBoundIsExcluded) {
    EXPECT_EQ(Pressure(3, 0.9, 0.1, 453.15), 0.1);
    EXPECT_NEAR(Pressure(3, 0.9, 0.1, 453.16), 0.822937315174048, 1e-12);
    EXPECT_EQ(Pressure(3, 0.9, 0.1, 300), 0.1);
}

TEST(Pressure, HandsOverAt650) {
    // The fit and the high-temperature relation do not join; the jump stays.
    EXPECT_EQ(Pressure(3, 0.6, 0.4, 923.15), Pressure650(3, 0.6, 0.4, 0.0));
    EXPECT_NEAR(Pressure(3, 0.6, 0.4, 923.15), 45.7531781644391, 1e-9);
    EXPECT_NEAR(Pressure(3, 0.6, 0.4, 923.1499), 36.3306886659751, 1e-6);
    EXPECT_EQ(Pressure(4, 0.5, 0.2, 1000), Pressure650(4, 0.5, 0.2, 0.3));
}

TEST(Pressure, OtherSolidsHaveTheFixedValue) {
    for (int field : {0, 1, 2, 5})
        for (double T : {300.0, 600.0, 1000.0})
            EXPECT_EQ(Pressure(field, 0.9, 0.1, T), 0.1);
}

TEST(Pressure, SaltFreeLiquidIsNotANumber) {
    EXPECT_TRUE(std::isnan(Pressure(3, 1.0, 0.0, 600)));
}

TEST(Pressure650, RootsOfTheCompositionRelation) {
    const struct {
        int field;
        double xw, xNaCl, xKCl, mpa;
    } cases[] = {
        {3, 0.5, 0.3, 0.2, 22.4550891703349},
        {4, 0.5, 0.2, 0.3, 18.5993805155651},
        {4, 0.3, 0.0, 0.7, 17.6038767778015},
    };
    for (const auto& c : cases) {
        const double P = Pressure650(c.field, c.xw, c.xNaCl, c.xKCl);
        EXPECT_NEAR(P, c.mpa, 1e-9 * c.mpa);
        // Halite carries x(KCl), sylvite x(NaCl): swapping them must matter.
        if (c.xNaCl != c.xKCl) {
            EXPECT_NE(P, Pressure650(c.field, c.xw, c.xKCl, c.xNaCl));
        }
    }
}

TEST(Pressure650, FailureAndOtherCodes) {
    EXPECT_EQ(Pressure650(4, 0.6, 0.0, 0.4), 0.0); // above the peak of the relation (about 0.419)
    EXPECT_TRUE(std::isnan(Pressure650(1, 0.9, 0.05, 0.05)));
    EXPECT_TRUE(std::isnan(Pressure650(2, 0.9, 0.05, 0.05)));
}

} // namespace
