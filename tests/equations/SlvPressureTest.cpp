#include "Globals.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Globals;

TEST(Pressure, FittedWindowAndItsEnds) {
    const struct {
        int field;
        double xw, xNaCl, T, mpa;
    } cases[] = {
        {3, 0.9, 0.1, 873.15, 39.3505100000001},
        {4, 0.85, 0.0, 773.15, 20.3691924804688}, // y = 0: K0 alone
        // Below 200 degC s < 0 and the odd powers s^5, s^7 stay negative.
        {3, 0.9, 0.1, 463.15, 0.973074648062897},
        {4, 0.9, 0.05, 463.15, 0.505309963438904},
        {3, 0.9, 0.1, 453.16, 0.822937315174048},
        {3, 0.9, 0.1, 453.15, 0.1}, // the lower bound is excluded
        // The fit and the high-temperature relation do not join at 650 degC; the jump stays.
        {3, 0.6, 0.4, 923.1499, 36.3306886659751},
        {3, 0.6, 0.4, 923.15, 45.7531781644391},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(Pressure(c.field, c.xw, c.xNaCl, c.T), c.mpa, 1e-9 * c.mpa) << c.field << " at " << c.T;
    EXPECT_EQ(Pressure(4, 0.5, 0.2, 1000), Pressure650(4, 0.5, 0.2, 0.3));
    for (int field : {0, 1, 2, 5})
        EXPECT_EQ(Pressure(field, 0.9, 0.1, 600), 0.1);
    EXPECT_TRUE(std::isnan(Pressure(3, 1.0, 0.0, 600))); // no salt
}

TEST(Pressure650, RootsOfTheCompositionRelation) {
    // Halite depends on x(KCl), sylvite on x(NaCl); a swap changes these values.
    EXPECT_NEAR(Pressure650(3, 0.5, 0.3, 0.2), 22.4550891703349, 1e-8);
    EXPECT_NEAR(Pressure650(4, 0.5, 0.2, 0.3), 18.5993805155651, 1e-8);
    EXPECT_NEAR(Pressure650(4, 0.3, 0.0, 0.7), 17.6038767778015, 1e-8);
    EXPECT_EQ(Pressure650(4, 0.6, 0.0, 0.4), 0.0); // above the peak of the relation (about 0.419)
    EXPECT_TRUE(std::isnan(Pressure650(1, 0.9, 0.05, 0.05)));
    EXPECT_TRUE(std::isnan(Pressure650(2, 0.9, 0.05, 0.05)));
}
