#include "Globals.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Globals;

namespace {

TEST(MaxSolvus, Crest) {
    EXPECT_NEAR(MaxSolvus(0), 768.243335586708, 1e-9);
    EXPECT_NEAR(MaxSolvus(1), 0.408468230707405, 1e-12);
    EXPECT_EQ(MaxSolvus(2), 0.0);
    EXPECT_EQ(MaxSolvus(-1), 0.0);
    // The crest is the maximum of the solvus: the temperature of a neighbour
    // composition is lower on both sides.
    const double w = MaxSolvus(1);
    auto Ts = [](double x) {
        return 321.81 + 1141.3 * x - 2733.1 * x * x + 3031.4 * x * x * x - 1562.2 * x * x * x * x;
    };
    EXPECT_LT(Ts(w - 1e-4), Ts(w));
    EXPECT_LT(Ts(w + 1e-4), Ts(w));
}

TEST(RatioSolvus, LimbsAtTheirTemperatures) {
    const struct {
        int field;
        double T, x;
    } cases[] = {
        {3, 573.15, 0.0155916073015757}, {4, 573.15, 0.913689675162442},  {3, 700, 0.100074773983109},
        {4, 700, 0.697312475042163},     {3, 750, 0.204614565379729},     {4, 750, 0.531249992728207},
        {3, 673.14, 0.0658270293649732}, {3, 673.15, 0.0669472119570212}, // 673.15 K already inverts the
                                                                          // solvus
    };
    for (const auto& c : cases)
        EXPECT_NEAR(RatioSolvus(c.field, c.T), c.x, 1e-9) << c.field << " at " << c.T;
}

TEST(RatioSolvus, PureEndsAndClamps) {
    EXPECT_EQ(RatioSolvus(3, 273.15), 0.0);
    EXPECT_EQ(RatioSolvus(4, 273.15), 1.0);
    EXPECT_EQ(RatioSolvus(4, 250), 1.0); // polynomial above 1 below 0 degC, clamped
    EXPECT_GT(RatioSolvus(3, 250), 0.0);
    EXPECT_LT(RatioSolvus(3, 250), 0.001);
}

TEST(RatioSolvus, ResultIsAnAmountFractionOfTheSolvusComposition) {
    // Above 400 degC the limb inverts the solvus equation: converting the
    // amount fraction back to a KCl mass fraction must give a point of the
    // solvus at that temperature.
    for (double T : {680.0, 700.0, 740.0, 760.0}) {
        for (int field : {3, 4}) {
            const double x = RatioSolvus(field, T);
            const double w = x * kMolarMassKCl / (x * kMolarMassKCl + (1 - x) * kMolarMassNaCl);
            const double Ts =
                321.81 + 1141.3 * w - 2733.1 * w * w + 3031.4 * w * w * w - 1562.2 * w * w * w * w;
            EXPECT_NEAR(Ts + 273.15, T, 1e-8) << field << " at " << T;
            if (field == 3) {
                EXPECT_LT(w, MaxSolvus(1));
            }
            if (field == 4) {
                EXPECT_GT(w, MaxSolvus(1));
            }
        }
    }
}

TEST(RatioSolvus, LimbsMeetAtTheCrest) {
    const double Tc = MaxSolvus(0);
    const double halite = RatioSolvus(3, Tc);
    const double sylvite = RatioSolvus(4, Tc);
    EXPECT_NEAR(halite, 0.351, 1e-3);
    EXPECT_NEAR(halite, sylvite, 1e-6);
    EXPECT_LT(RatioSolvus(3, Tc - 5), halite);
    EXPECT_GT(RatioSolvus(4, Tc - 5), sylvite);
}

TEST(RatioSolvus, NothingAboveTheCrestOrForOtherCodes) {
    EXPECT_EQ(RatioSolvus(3, 770), 0.0);
    EXPECT_EQ(RatioSolvus(4, 1000), 0.0);
    EXPECT_EQ(RatioSolvus(2, 700), 0.0);
    EXPECT_EQ(RatioSolvus(5, 300), 0.0);
}

} // namespace
