// The curves of the diagrams agree with the points that the windows' texts
// name, so that a picture and the text beside it tell the same story.
#include "app/pictures/PhaseGeometry.h"

#include "Globals.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace pictures::geometry;

// The diagram windows give the invariant points to 0.01 mass %; the empirical
// fits reproduce them to a few tenths of a mass %.
constexpr double kFitTolerance = 0.004;

void expectMass(const Composition& c, double wNaCl, double wKCl, double tolerance) {
    EXPECT_NEAR(c.wNaCl, wNaCl, tolerance);
    EXPECT_NEAR(c.wKCl, wKCl, tolerance);
}

TEST(PhaseGeometry, ThreeLinesMeetAtTheEutectic) {
    const Composition a = lowTemperatureLine(1).front(), b = lowTemperatureLine(2).front(),
                      c = lowTemperatureLine(3).front();
    expectMass(b, a.wNaCl, a.wKCl, 0.001);
    expectMass(c, a.wNaCl, a.wKCl, 0.001);
    expectMass(a, 0.2036, 0.0556, kFitTolerance);
}

TEST(PhaseGeometry, ThreeLinesMeetAtThePeritectic) {
    const Composition a = lowTemperatureLine(3).back(), b = lowTemperatureLine(4).front(),
                      c = cotecticLine(5, kPeritecticC, 100).front();
    expectMass(b, a.wNaCl, a.wKCl, 0.001);
    expectMass(c, a.wNaCl, a.wKCl, 0.001);
    expectMass(a, 0.2233, 0.0705, kFitTolerance);
}

TEST(PhaseGeometry, LinesEndOnTheBinaries) {
    expectMass(lowTemperatureLine(1).back(), 0.2316, 0.0, kFitTolerance);
    expectMass(lowTemperatureLine(2).back(), 0.0, 0.1962, kFitTolerance);
    expectMass(lowTemperatureLine(4).back(), 0.2624, 0.0, kFitTolerance);
    const Composition minimum = cotecticLine(5, kPeritecticC, kAnhydrousMinimumC).back();
    EXPECT_NEAR(minimum.wNaCl + minimum.wKCl, 1.0, 1e-6);
    EXPECT_NEAR(minimum.wNaCl, 0.432, 0.005);
}

TEST(PhaseGeometry, TheSolidsOfTheWorkedExample) {
    const Example ex = workedExample(400, 600);
    EXPECT_NEAR(ex.halite.wNaCl, 0.9162, 0.0001);
    EXPECT_NEAR(ex.sylvite.wNaCl, 0.2035, 0.0001);
    EXPECT_NEAR(ex.halite.wNaCl + ex.halite.wKCl, 1.0, 1e-12);
}

TEST(PhaseGeometry, TheBulkOfTheExampleLiesOnTheT2LiquidusBetweenItsEnds) {
    const Example ex = workedExample(400, 600);
    ASSERT_TRUE(ex.bulk.has_value());
    const Composition& b = *ex.bulk;
    const double salt = b.xNaCl + b.xKCl;
    EXPECT_NEAR(1 - salt, Globals::Molefraction_H2O(3, 873.15, b.xNaCl / salt), 1e-9);
    // On the straight line from the liquid to the halite, in mass fractions.
    const double s = (b.wNaCl - ex.cotectic.wNaCl) / (ex.halite.wNaCl - ex.cotectic.wNaCl);
    EXPECT_GT(s, 0);
    EXPECT_LT(s, 1);
    EXPECT_NEAR(b.wKCl, ex.cotectic.wKCl + s * (ex.halite.wKCl - ex.cotectic.wKCl), 1e-12);
}

TEST(PhaseGeometry, IsothermsRunFromTheBinariesToTheCotectic) {
    for (double t : {100.0, 300.0, 500.0, 600.0}) {
        SCOPED_TRACE(t);
        const auto branches = isotherm(t);
        ASSERT_EQ(branches.size(), 2u);
        ASSERT_FALSE(branches[0].empty());
        ASSERT_FALSE(branches[1].empty());
        EXPECT_EQ(branches[0].front().wKCl, 0.0);
        EXPECT_EQ(branches[1].front().wNaCl, 0.0);
        const Composition c = cotecticLiquid(5, t);
        expectMass(branches[0].back(), c.wNaCl, c.wKCl, 1e-9);
        expectMass(branches[1].back(), c.wNaCl, c.wKCl, 1e-9);
        for (const auto& branch : branches)
            for (const Composition& p : branch) {
                EXPECT_GE(p.xNaCl + p.xKCl, 0.0);
                EXPECT_LE(p.xNaCl + p.xKCl, 1.0 + 1e-12);
            }
    }
}

TEST(PhaseGeometry, AboveTheMinimumTheIsothermEndsOnTheAnhydrousEdge) {
    const auto branches = isotherm(700);
    ASSERT_FALSE(branches[0].empty());
    EXPECT_NEAR(branches[0].back().wNaCl + branches[0].back().wKCl, 1.0, 1e-9);
}

TEST(PhaseGeometry, CompositionsConvertBothWays) {
    const Composition c = liquid(0.7, 0.8);
    EXPECT_NEAR(c.xNaCl, 0.14, 1e-15);
    EXPECT_NEAR(c.xKCl, 0.06, 1e-15);
    const double nNaCl = c.wNaCl / Globals::kMolarMassNaCl, nKCl = c.wKCl / Globals::kMolarMassKCl,
                 nWater = (1 - c.wNaCl - c.wKCl) / Globals::kMolarMassH2O;
    EXPECT_NEAR(nNaCl / (nNaCl + nKCl + nWater), c.xNaCl, 1e-15);
    const Composition crest = solvusCrestSolid();
    EXPECT_NEAR(crest.wKCl, Globals::MaxSolvus(1), 1e-15);
    EXPECT_NEAR(solvusCrestC(), 495.1, 0.5);
}

TEST(PhaseGeometry, ClippingEndsOnTheEdgeOfTheBox) {
    const auto line = clippedToMass(cotecticLine(5, kPeritecticC, kAnhydrousMinimumC), 0.3, 0.3);
    ASSERT_GE(line.size(), 2u);
    EXPECT_NEAR(line.back().wKCl, 0.3, 1e-12);
    for (const Composition& c : line)
        EXPECT_LE(c.wKCl, 0.3 + 1e-12);
}

} // namespace
