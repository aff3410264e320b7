// The search for the cotectic liquid over its water fraction, on residuals of
// known shape and on the thermodynamic model.
#include "calculators/thermodynamic/CotecticLiquidSearch.h"

#include "Globals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using calculators::CotecticInnerResult;
using calculators::CotecticLiquid;
using calculators::searchCotecticLiquid;

// An inner function that remembers where it was asked.
struct Recorder {
    std::vector<double> points;
    std::function<CotecticInnerResult(double)> answer;
    CotecticInnerResult operator()(double w) {
        points.push_back(w);
        return answer(w);
    }
};

CotecticLiquid run(double solidNaCl, Recorder& r) {
    return searchCotecticLiquid(solidNaCl, [&](double w) { return r(w); });
}

// A liquid whose salt splits 40:60 and whose residual is linear in w.
CotecticInnerResult linear(double w, double root) {
    return {1000 * (root - w), 0.4 * (1 - w), 0.6 * (1 - w)};
}

struct StartCase {
    double solidNaCl;
    double first, second;
};

TEST(CotecticLiquidSearch, StartPointsFollowTheSolid) {
    const StartCase cases[] = {
        {0.0914, (1 - 0.0914) - 0.1, (1 - 0.0914) - 0.2}, // KCl-rich solid: both from the solid
        {0.55, (1 - 0.55) - 0.1, 0.31},                   // second start at most 0.3
        {0.5, 0.4, 0.31},                                 // (1 - 0.5) - 0.2 is exactly 0.3: replaced
        {0.6, (1 - 0.6) - 0.1, 0.31},                     // 0.30000000000000004 is kept
        {0.61, 0.4, 0.31},                                // both at most 0.3
        {0.98, 0.4, 0.31},                                // NaCl-rich solid of the halite case
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(c.solidNaCl);
        Recorder r{{}, [](double w) { return linear(w, 0.65); }};
        const CotecticLiquid l = run(c.solidNaCl, r);
        ASSERT_GE(r.points.size(), 3u);
        EXPECT_EQ(r.points[0], c.first);
        EXPECT_EQ(r.points[1], c.second);
        EXPECT_TRUE(l.found);
        EXPECT_NEAR(l.xH2O, 0.65, 1e-11);
    }
}

TEST(CotecticLiquidSearch, TheLiquidIsTheInnerAnswerAtThePointFound) {
    Recorder r{{}, [](double w) { return linear(w, 0.7); }};
    const CotecticLiquid l = run(0.1, r);
    ASSERT_TRUE(l.found);
    EXPECT_EQ(l.xH2O, r.points.back());
    EXPECT_EQ(l.xNaCl, 0.4 * (1 - l.xH2O));
    EXPECT_EQ(l.xKCl, 0.6 * (1 - l.xH2O));
}

TEST(CotecticLiquidSearch, AZeroResidualEndsTheSearchInTheNextPassAtThatPoint) {
    // Starts 0.8 and 0.7; the zero at 0.7 makes the next step 0.
    Recorder r{{}, [](double w) -> CotecticInnerResult {
                   if (w == (1 - 0.1) - 0.2) return {0, 0.12, 0.18};
                   return {5000, 0.1, 0.1};
               }};
    const CotecticLiquid l = run(0.1, r);
    ASSERT_TRUE(l.found);
    EXPECT_EQ(l.xH2O, (1 - 0.1) - 0.2);
    EXPECT_EQ(l.xNaCl, 0.12);
    EXPECT_EQ(l.xKCl, 0.18);
    EXPECT_EQ(r.points.size(), 3u);
}

TEST(CotecticLiquidSearch, TheInnerFailureIsNoLiquid) {
    // Failing at the first new point after two good starts: the next step is
    // 0, the search settles there, and that is no liquid of 0 % NaCl and KCl.
    Recorder once{{}, [](double w) -> CotecticInnerResult {
                      if (w > 0.75) return {1100, 0.08, 0.12};
                      if (w > 0.65) return {1000, 0.12, 0.18};
                      return {0, 0, 0};
                  }};
    EXPECT_FALSE(run(0.1, once).found);
    EXPECT_EQ(once.points.size(), 4u);

    // Failing everywhere: every residual is 0, each step half the one before,
    // and the search settles near 0.7 + (0.7 - 0.8) = 0.6 long before its
    // last pass.
    Recorder always{{}, [](double) { return CotecticInnerResult{0, 0, 0}; }};
    EXPECT_FALSE(run(0.1, always).found);
    EXPECT_LT(always.points.size(), 60u);
    EXPECT_NEAR(always.points.back(), 0.6, 1e-11);
}

TEST(CotecticLiquidSearch, EqualResidualsHalveTheLastMove) {
    Recorder r{{}, [](double w) { return CotecticInnerResult{250, 0.2, 0.1 * w}; }};
    const CotecticLiquid l = run(0.1, r);
    ASSERT_GE(r.points.size(), 4u);
    EXPECT_EQ(r.points[2], r.points[1] + (r.points[1] - r.points[0]) / 2);
    EXPECT_EQ(r.points[3], r.points[2] + (r.points[2] - r.points[1]) / 2);
    // The steps shrink to nothing near 0.6, but KCl is 250 J/mol out of
    // equilibrium there.
    EXPECT_LT(r.points.size(), 103u);
    EXPECT_NEAR(r.points.back(), 0.6, 1e-11);
    EXPECT_FALSE(l.found);
}

TEST(CotecticLiquidSearch, AResidualThatIsNotFiniteIsNoLiquid) {
    // A liquid without KCl: its residual is -inf on a plateau.
    Recorder r{{}, [](double w) {
                   return CotecticInnerResult{-std::numeric_limits<double>::infinity(), 1 - w, 0};
               }};
    EXPECT_FALSE(run(0.1, r).found);
}

TEST(CotecticLiquidSearch, PointsPastTheBoundsGoHalfwayBackFromThePreviousPoint) {
    // From 0.8 and 0.7, the first step of a residual with its root at -1
    // carries the search below 0.3; one with its root at 3 beyond 1.
    // Without a root between the bounds the points close in on the bound
    // until they repeat, which ends the search there, with KCl far from
    // equilibrium: no liquid.
    Recorder low{{}, [](double w) { return linear(w, -1.0); }};
    EXPECT_FALSE(run(0.1, low).found);
    EXPECT_EQ(low.points[2], (0.7 + 0.3) / 2);
    for (double w : low.points)
        EXPECT_GT(w, 0.3);

    Recorder high{{}, [](double w) { return linear(w, 3.0); }};
    EXPECT_FALSE(run(0.1, high).found);
    EXPECT_EQ(high.points[2], (0.7 + 1.0) / 2);
    // (Next to 1 the midpoint rounds up to 1 itself, where a real liquid
    // has no salt and the inner search fails.)
    for (double w : high.points)
        EXPECT_LE(w, 1.0);
    EXPECT_NEAR(high.points.back(), 1.0, 1e-15);
}

// Residuals at the starts 0.8 and 0.7 whose first step lands exactly on
// `target`, found by trying: the rounding of the step decides.
std::pair<double, double> residualsLandingOn(double target) {
    const double w0 = (1 - 0.1) - 0.1, w1 = (1 - 0.1) - 0.2;
    for (double f1 = 1; f1 < 1e4; f1 += 1) {
        double f0 = f1 - 0.5 * (w0 - w1) * f1 / (target - w1);
        for (int n = 0; n < 8; ++n, f0 = std::nextafter(f0, 0.0)) {
            const double step = (0.5 * (w0 - w1)) * f1 / (f1 - f0);
            if (w1 + step == target) return {f0, f1};
        }
    }
    return {0, 0};
}

TEST(CotecticLiquidSearch, APointExactlyOnABoundIsPulledBackToo) {
    for (double bound : {0.3, 1.0}) {
        SCOPED_TRACE(bound);
        const auto [f0, f1] = residualsLandingOn(bound);
        ASSERT_NE(f1, 0.0);
        Recorder r{{}, [&](double w) -> CotecticInnerResult {
                       if (w == 0.8) return {f0, 0.1, 0.1};
                       if (w == 0.7) return {f1, 0.1, 0.1};
                       return {0, 0.1, 0.1};
                   }};
        run(0.1, r);
        ASSERT_GE(r.points.size(), 3u);
        EXPECT_NEAR(r.points[2], (0.7 + bound) / 2, 1e-15);
    }
}

TEST(CotecticLiquidSearch, NotANumberIsPastBothBoundsAndNeverConverges) {
    Recorder r{{}, [](double) {
                   return CotecticInnerResult{std::numeric_limits<double>::quiet_NaN(), 0.1, 0.1};
               }};
    EXPECT_FALSE(run(0.1, r).found);
    EXPECT_EQ(r.points.size(), 103u);
}

// ---------------------------------------------------------------------------
// On the thermodynamic model

constexpr double kC = 273.15;

TEST(CotecticLiquidSearch, BothLimbsOfTheSolvusGiveTheSameLiquid) {
    const struct {
        double tC, P;
    } cases[] = {{300, 100}, {300, 0.1}, {150, 50}, {450, 0.1}, {480, 200}, {25, 0.1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tC);
        const double T = c.tC + kC;
        const auto pair = Globals::Equality_solids(T, c.P);
        const CotecticLiquid fromKCl = calculators::cotecticLiquid(pair[0], T, c.P);
        const CotecticLiquid fromNaCl = calculators::cotecticLiquid(pair[1], T, c.P);
        ASSERT_TRUE(fromKCl.found);
        ASSERT_TRUE(fromNaCl.found);
        EXPECT_NEAR(fromKCl.xH2O, fromNaCl.xH2O, 1e-7);
        EXPECT_NEAR(fromKCl.xNaCl, fromNaCl.xNaCl, 1e-7);
        EXPECT_NEAR(fromKCl.xKCl, fromNaCl.xKCl, 1e-7);
        // The liquid of the search is the model's liquid at that water
        // fraction, with KCl in equilibrium too.
        const auto inner = Globals::Cotectic_NaCl_sol_liq(fromKCl.xH2O, pair[0], T, c.P);
        EXPECT_EQ(inner[1], fromKCl.xNaCl);
        EXPECT_EQ(inner[2], fromKCl.xKCl);
        EXPECT_NEAR(inner[0], 0.0, 1e-5); // J/mol
        EXPECT_NEAR(fromKCl.xH2O + fromKCl.xNaCl + fromKCl.xKCl, 1.0, 1e-15);
    }
}

TEST(CotecticLiquidSearch, KnownCotecticLiquid) {
    // 300 degC and 100 MPa: about 68.8 % water, 12.5 % NaCl, 18.7 % KCl (as %).
    const double T = 300 + kC;
    const CotecticLiquid l = calculators::cotecticLiquid(Globals::Equality_solids(T, 100)[0], T, 100);
    ASSERT_TRUE(l.found);
    EXPECT_NEAR(l.xH2O, 0.688, 5e-4);
    EXPECT_NEAR(l.xNaCl, 0.125, 5e-4);
    EXPECT_NEAR(l.xKCl, 0.187, 5e-4);
}

TEST(CotecticLiquidSearch, NoLiquidAtAbsurdPressure) {
    // 3000 MPa: the steps run into liquids without KCl and never settle.
    const double T = 300 + kC;
    EXPECT_FALSE(calculators::cotecticLiquid(Globals::Equality_solids(T, 3000)[0], T, 3000).found);
}

} // namespace
