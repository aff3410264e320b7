#include "Globals.h"

#include <gtest/gtest.h>

using namespace Globals;

namespace {

// The empirical solvus, degC, of a KCl mass fraction.
double solvusC(double w) {
    return 321.81 + 1141.3 * w - 2733.1 * w * w + 3031.4 * w * w * w - 1562.2 * w * w * w * w;
}

TEST(MaxSolvus, Crest) {
    EXPECT_NEAR(MaxSolvus(0), 768.243335586708, 1e-9);
    EXPECT_NEAR(MaxSolvus(0), solvusC(MaxSolvus(1)) + 273.15, 1e-9);
    EXPECT_EQ(MaxSolvus(2), 0.0);
    EXPECT_EQ(MaxSolvus(-1), 0.0);
}

TEST(RatioSolvus, BelowTheInversionRangeAndAtThePureEnds) {
    EXPECT_NEAR(RatioSolvus(3, 573.15), 0.0155916073015757, 1e-9);
    EXPECT_NEAR(RatioSolvus(4, 573.15), 0.913689675162442, 1e-9);
    EXPECT_NEAR(RatioSolvus(3, 673.14), 0.0658270293649732, 1e-9);
    EXPECT_EQ(RatioSolvus(3, 273.15), 0.0);
    EXPECT_EQ(RatioSolvus(4, 273.15), 1.0);
    EXPECT_EQ(RatioSolvus(4, 250), 1.0); // polynomial above 1 below 0 degC, clamped
}

TEST(RatioSolvus, AmountFractionOfTheSolvusCompositionAbove400C) {
    // From 673.15 K on the limb inverts the solvus: its amount fraction of KCl,
    // converted to a mass fraction, lies on the solvus on its side of the crest.
    for (double T : {673.15, 700.0, 740.0, 760.0})
        for (int field : {3, 4}) {
            const double x = RatioSolvus(field, T);
            const double w = x * kMolarMassKCl / (x * kMolarMassKCl + (1 - x) * kMolarMassNaCl);
            EXPECT_NEAR(solvusC(w) + 273.15, T, 1e-8) << field << " at " << T;
            EXPECT_EQ(w < MaxSolvus(1), field == 3);
        }
}

TEST(RatioSolvus, LimbsMeetAtTheCrestAndNothingAboveIt) {
    const double Tc = MaxSolvus(0);
    EXPECT_NEAR(RatioSolvus(3, Tc), 0.351, 1e-3);
    EXPECT_NEAR(RatioSolvus(3, Tc), RatioSolvus(4, Tc), 1e-6);
    for (double T : {770.0, 1000.0})
        for (int field : {3, 4})
            EXPECT_EQ(RatioSolvus(field, T), 0.0);
    EXPECT_EQ(RatioSolvus(2, 700), 0.0);
    EXPECT_EQ(RatioSolvus(5, 300), 0.0);
}

} // namespace
