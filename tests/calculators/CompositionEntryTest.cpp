#include "calculators/CompositionEntry.h"

#include "Globals.h"

#include <gtest/gtest.h>

#include <cmath>

using calculators::CompositionScale;
using calculators::ConvertComposition;
using calculators::MolalityDefined;
using Globals::ASnumber;
using Globals::MASSnumber;
using Globals::Mnumber;

namespace {

class Composition : public ::testing::Test {
protected:
    void SetUp() override {
        for (double* a : {MASSnumber, ASnumber, Mnumber})
            for (int i = 0; i < 4; ++i)
                a[i] = 0.0;
    }
};

TEST_F(Composition, MassPercentEntries) {
    ConvertComposition(1, CompositionScale::Mass, 20);
    EXPECT_EQ(MASSnumber[0], 80);
    EXPECT_NEAR(ASnumber[1], 7.15, 5e-3);
    EXPECT_EQ(ASnumber[2], 0);
    EXPECT_NEAR(Mnumber[1], 4.28, 5e-3);
    ConvertComposition(2, CompositionScale::Mass, 10);
    EXPECT_EQ(MASSnumber[0], 70);
    EXPECT_NEAR(ASnumber[1], 7.84, 5e-3);
    EXPECT_NEAR(ASnumber[2], 3.07, 5e-3);
    EXPECT_NEAR(Mnumber[1], 4.89, 5e-3);
    EXPECT_NEAR(Mnumber[2], 1.92, 5e-3);
    EXPECT_EQ(Mnumber[0], 0.0);
    EXPECT_EQ(MASSnumber[3], 0.0);
}

TEST_F(Composition, AmountOfSubstanceEntry) {
    ConvertComposition(1, CompositionScale::AmountOfSubstance, 10);
    EXPECT_EQ(ASnumber[0], 90);
    EXPECT_NEAR(MASSnumber[1], 26.5, 0.05);
    EXPECT_NEAR(MASSnumber[0], 73.5, 0.05);
    EXPECT_NEAR(Mnumber[1], 6.17, 5e-3);
}

TEST_F(Composition, MolalityEntries) {
    ConvertComposition(1, CompositionScale::Molality, 2);
    EXPECT_NEAR(MASSnumber[1], 10.5, 0.05);
    EXPECT_NEAR(MASSnumber[0], 89.5, 0.05);
    EXPECT_NEAR(ASnumber[1], 3.48, 5e-3);
    EXPECT_TRUE(MolalityDefined());
    EXPECT_EQ(Mnumber[1], 2);
    ConvertComposition(2, CompositionScale::Molality, 1);
    EXPECT_NEAR(MASSnumber[0], 83.9, 0.05);
    EXPECT_NEAR(MASSnumber[1], 9.81, 5e-3);
    EXPECT_NEAR(MASSnumber[2], 6.26, 5e-3);
    EXPECT_NEAR(ASnumber[1], 3.42, 5e-3);
    EXPECT_NEAR(ASnumber[2], 1.71, 5e-3);
}

TEST_F(Composition, ScalesRoundTrip) {
    // A composition typed in one scale and retyped in another from the
    // converted values must give the same arrays.
    ConvertComposition(1, CompositionScale::Mass, 12.5);
    ConvertComposition(2, CompositionScale::Mass, 7.25);
    const double as1 = ASnumber[1], as2 = ASnumber[2], m1 = Mnumber[1], m2 = Mnumber[2];
    ConvertComposition(1, CompositionScale::AmountOfSubstance, as1);
    ConvertComposition(2, CompositionScale::AmountOfSubstance, as2);
    EXPECT_NEAR(MASSnumber[1], 12.5, 1e-12);
    EXPECT_NEAR(MASSnumber[2], 7.25, 1e-12);
    ConvertComposition(1, CompositionScale::Molality, m1);
    ConvertComposition(2, CompositionScale::Molality, m2);
    EXPECT_NEAR(MASSnumber[1], 12.5, 1e-12);
    EXPECT_NEAR(MASSnumber[2], 7.25, 1e-12);
    EXPECT_NEAR(ASnumber[1], as1, 1e-12);
}

TEST_F(Composition, NoWaterMakesTheMolalityUndefined) {
    ConvertComposition(1, CompositionScale::Mass, 100);
    EXPECT_EQ(MASSnumber[0], 0);
    EXPECT_EQ(ASnumber[1], 100);
    EXPECT_FALSE(MolalityDefined());
    EXPECT_EQ(Mnumber[1], 0);
    EXPECT_EQ(Mnumber[2], 0);

    ConvertComposition(1, CompositionScale::Mass, 60);
    ConvertComposition(2, CompositionScale::Mass, 50);
    EXPECT_EQ(MASSnumber[0], -10);
    EXPECT_NEAR(ASnumber[1], 89.9, 0.05); // moles in 100 g still positive
    EXPECT_NEAR(ASnumber[2], 58.7, 0.05);
    EXPECT_FALSE(MolalityDefined());
}

TEST_F(Composition, FailedGuardsLeaveNoStaleValues) {
    // A valid composition first, then one whose divisor is not positive: the
    // scales that cannot be computed must not keep the earlier numbers.
    ConvertComposition(1, CompositionScale::AmountOfSubstance, 10);
    ASSERT_GT(MASSnumber[1], 0);
    ConvertComposition(1, CompositionScale::AmountOfSubstance, -500); // grams in 100 mol below 0
    EXPECT_TRUE(std::isnan(MASSnumber[0]));
    EXPECT_TRUE(std::isnan(MASSnumber[1]));
    EXPECT_TRUE(std::isnan(MASSnumber[2]));
    EXPECT_FALSE(MolalityDefined());

    ConvertComposition(1, CompositionScale::Mass, 20);
    ConvertComposition(2, CompositionScale::Mass, 1000); // moles in 100 g below 0
    EXPECT_TRUE(std::isnan(ASnumber[1]));
    EXPECT_TRUE(std::isnan(ASnumber[2]));

    ConvertComposition(1, CompositionScale::Molality, -100); // grams per kg water below 0
    EXPECT_TRUE(std::isnan(MASSnumber[1]));
    EXPECT_TRUE(std::isnan(ASnumber[1]));
}

TEST_F(Composition, OtherIndexesAreNeverWritten) {
    ConvertComposition(3, CompositionScale::Mass, 5);
    ConvertComposition(0, CompositionScale::Molality, 5);
    for (double* a : {MASSnumber, ASnumber, Mnumber})
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(a[i], 0.0);
}

} // namespace
