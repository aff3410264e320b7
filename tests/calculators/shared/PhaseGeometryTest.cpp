// The curves of the diagrams agree with the points that the windows' texts
// name, so that a picture and the text beside it tell the same story.
#include "calculators/shared/pictures/PhaseGeometry.h"

#include "Globals.h"
#include "LiquidusSeed.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

using namespace pictures::geometry;

// The diagram windows give the invariant points to 0.01 mass %; the empirical
// fits reproduce them to a few tenths of a mass %.
constexpr double kFitTolerance = 0.004;

void expectMass(const Composition& c, double wNaCl, double wKCl, double tolerance) {
    EXPECT_NEAR(c.wNaCl, wNaCl, tolerance);
    EXPECT_NEAR(c.wKCl, wKCl, tolerance);
}

TEST(PhaseGeometry, LinesMeetAtTheInvariantPointsAndEndOnTheBinaries) {
    const Composition eutectic = lowTemperatureLine(1).front(), peritectic = lowTemperatureLine(3).back();
    expectMass(eutectic, 0.2036, 0.0556, kFitTolerance);
    expectMass(lowTemperatureLine(2).front(), eutectic.wNaCl, eutectic.wKCl, 0.001);
    expectMass(lowTemperatureLine(3).front(), eutectic.wNaCl, eutectic.wKCl, 0.001);
    expectMass(peritectic, 0.2233, 0.0705, kFitTolerance);
    expectMass(lowTemperatureLine(4).front(), peritectic.wNaCl, peritectic.wKCl, 0.001);
    expectMass(cotecticLine(5, kPeritecticC, 100).front(), peritectic.wNaCl, peritectic.wKCl, 0.001);
    expectMass(lowTemperatureLine(1).back(), 0.2316, 0.0, kFitTolerance);
    expectMass(lowTemperatureLine(2).back(), 0.0, 0.1962, kFitTolerance);
    expectMass(lowTemperatureLine(4).back(), 0.2624, 0.0, kFitTolerance);
    const Composition minimum = cotecticLine(5, kPeritecticC, kAnhydrousMinimumC).back();
    EXPECT_NEAR(minimum.wNaCl + minimum.wKCl, 1.0, 1e-6);
    EXPECT_NEAR(minimum.wNaCl, 0.432, 0.005);
    EXPECT_NEAR(solvusCrestC(), 495.1, 0.5);
}

TEST(PhaseGeometry, TheWorkedExample) {
    const Example ex = workedExample(400, 600);
    EXPECT_NEAR(ex.halite.wNaCl, 0.9162, 0.0001);
    EXPECT_NEAR(ex.sylvite.wNaCl, 0.2035, 0.0001);
    // The bulk lies on the 600 C halite liquidus, on the straight line from
    // the liquid to the halite in mass fractions.
    ASSERT_TRUE(ex.bulk.has_value());
    const Composition& b = *ex.bulk;
    const double salt = b.xNaCl + b.xKCl;
    EXPECT_NEAR(1 - salt, Globals::Molefraction_H2O(3, 873.15, b.xNaCl / salt), 1e-9);
    const double s = (b.wNaCl - ex.cotectic.wNaCl) / (ex.halite.wNaCl - ex.cotectic.wNaCl);
    EXPECT_TRUE(s > 0 && s < 1) << s;
    EXPECT_NEAR(b.wKCl, ex.cotectic.wKCl + s * (ex.halite.wKCl - ex.cotectic.wKCl), 1e-12);
}

TEST(PhaseGeometry, IsothermsRunFromTheBinariesToTheCotectic) {
    for (double t : {100.0, 500.0}) {
        const auto branches = isotherm(t);
        ASSERT_EQ(branches.size(), 2u);
        ASSERT_FALSE(branches[0].empty() || branches[1].empty());
        EXPECT_EQ(branches[0].front().wKCl, 0.0);
        EXPECT_EQ(branches[1].front().wNaCl, 0.0);
        const Composition c = cotecticLiquid(5, t);
        expectMass(branches[0].back(), c.wNaCl, c.wKCl, 1e-9);
        expectMass(branches[1].back(), c.wNaCl, c.wKCl, 1e-9);
    }
    // Above the minimum it ends on the anhydrous edge.
    EXPECT_NEAR(isotherm(700)[0].back().wNaCl + isotherm(700)[0].back().wKCl, 1.0, 1e-9);
}

TEST(PhaseGeometry, CompositionsConvertBothWays) {
    const Composition c = liquid(0.7, 0.8);
    EXPECT_NEAR(c.xNaCl, 0.14, 1e-15);
    EXPECT_NEAR(c.xKCl, 0.06, 1e-15);
    const double nNaCl = c.wNaCl / Globals::kMolarMassNaCl, nKCl = c.wKCl / Globals::kMolarMassKCl,
                 nWater = (1 - c.wNaCl - c.wKCl) / Globals::kMolarMassH2O;
    EXPECT_NEAR(nNaCl / (nNaCl + nKCl + nWater), c.xNaCl, 1e-15);
    EXPECT_NEAR(solvusCrestSolid().wKCl, Globals::MaxSolvus(1), 1e-15);
}

// The liquidus surface's isotherms come from the thermodynamic model at the two
// pressures its text names. The bound on time only catches a computation grown
// out of all proportion; thermo_calculators_bench times it.
TEST(PhaseGeometry, ModelIsothermsLieOnTheModelLiquidusAtTheirPressure) {
    const std::vector<double> temperatures{400, 500, 600, 700};
    const double pressures[] = {50, 200};
    timespec start{}, end{}; // processor time of this thread: a busy machine does not fail it
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
    const std::vector<ModelIsotherm> sets[] = {modelIsotherms(50, temperatures),
                                               modelIsotherms(200, temperatures)};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
    EXPECT_LT(double(end.tv_sec - start.tv_sec) + 1e-9 * double(end.tv_nsec - start.tv_nsec), 5.0);
    double largestShift = 0;
    for (int p = 0; p < 2; ++p) {
        ASSERT_EQ(sets[p].size(), temperatures.size());
        for (std::size_t i = 0; i < temperatures.size(); ++i) {
            const ModelIsotherm& iso = sets[p][i];
            SCOPED_TRACE(testing::Message() << iso.tC << " degC at " << pressures[p] << " MPa");
            ASSERT_FALSE(iso.runs.empty());
            // From the NaCl side of the triangle to the KCl side.
            EXPECT_GT(iso.runs.front().front().xNaCl, 0);
            EXPECT_EQ(iso.runs.front().front().xKCl, 0);
            EXPECT_EQ(iso.runs.back().back().xNaCl, 0);
            for (const auto& run : iso.runs)
                for (const Composition& c : run) {
                    // The model asked as the liquidus window asks it, in the hotter field.
                    double hottest = -1;
                    for (int field : {3, 4}) {
                        if ((field == 3 ? c.xNaCl : c.xKCl) <= 0) continue;
                        const double seed =
                            Globals::liquidusStartTemperature(Globals::FDP_Mirtox(field, c.xNaCl, c.xKCl));
                        hottest = std::max(hottest, Globals::Temperature_Liquidus(field, c.xNaCl, c.xKCl,
                                                                                  pressures[p], seed)[0] -
                                                        273.15);
                    }
                    EXPECT_NEAR(hottest, iso.tC, 1.5);
                }
            largestShift = std::max(largestShift, std::abs(sets[0][i].runs.front().front().xNaCl -
                                                           iso.runs.front().front().xNaCl));
        }
    }
    EXPECT_GT(largestShift, 1e-4); // the pressure reaches the model
}

} // namespace
