#include "calculators/SaltContent.h"

#include <gtest/gtest.h>

using calculators::liquidContent;
using calculators::solidContent;

namespace {

TEST(SaltContent, WaterCountsInTheMassOfALiquidOnly) {
    // 10 as % NaCl in water is 26.5 mass % (the composition table's example).
    const auto brine = liquidContent(0.9, 0.1, 0.0);
    EXPECT_EQ(brine.asNaCl, 10.0);
    EXPECT_NEAR(brine.massNaCl, 26.5, 0.05);
    EXPECT_EQ(brine.massKCl, 0.0);
    // An equimolar solid: NaCl 58.462468 g of 133.033898 g.
    const auto solid = solidContent(0.5, 0.5);
    EXPECT_NEAR(solid.massNaCl, 100 * 58.462468 / 133.033898, 1e-12);
    EXPECT_NEAR(solid.massNaCl + solid.massKCl, 100.0, 1e-12);
    EXPECT_FALSE(solidContent(0.0, 0.0).finite());
}

} // namespace
