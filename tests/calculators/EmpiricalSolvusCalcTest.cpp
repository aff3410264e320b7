// The empirical anhydrous solvus without a window: the two solids below, at
// and above the crest, and the two composition scales.
#include "calculators/empirical/EmpiricalSolvusCalc.h"

#include "Globals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using calculators::empiricalSolvusAt;
using calculators::solvusCrestK;
using calculators::SolvusSolid;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// The solvus of the anhydrous (Na,K)Cl solid solution as fitted: temperature
// (degC) against the KCl mass fraction w of the solid, valid from 400 degC up
// to the crest.
double solvusCurveC(double w) {
    return 321.81 + 1141.3 * w - 2733.1 * w * w + 3031.4 * w * w * w - 1562.2 * w * w * w * w;
}

TEST(EmpiricalSolvus, TheCrestLiesNear495Degrees) {
    EXPECT_NEAR(solvusCrestK() - 273.15, 495.09, 0.01);
    EXPECT_EQ(solvusCrestK(), Globals::MaxSolvus(0));
}

TEST(EmpiricalSolvus, TheMassFractionsLieOnTheFittedSolvus) {
    // Both limbs above 400 degC: the "w." row is the mass fraction of the
    // fitted curve, so the curve gives back the temperature.
    for (double t : {420.0, 450.0, 480.0, 495.0}) {
        SCOPED_TRACE(t);
        const auto r = empiricalSolvusAt(t + 273.15);
        ASSERT_TRUE(r.inRange);
        EXPECT_NEAR(solvusCurveC(r.phase1.wKCl), t, 1e-8);
        EXPECT_NEAR(solvusCurveC(r.phase2.wKCl), t, 1e-8);
        // Phase 1 is the KCl-rich solid, phase 2 the NaCl-rich one.
        EXPECT_GT(r.phase1.wKCl, Globals::MaxSolvus(1));
        EXPECT_LT(r.phase2.wKCl, Globals::MaxSolvus(1));
    }
}

TEST(EmpiricalSolvus, TheAmountOfSubstanceRowIsWhatTheSolvusReturns) {
    for (double t : {25.0, 200.0, 399.0, 450.0}) {
        SCOPED_TRACE(t);
        const double T = t + 273.15;
        const auto r = empiricalSolvusAt(T);
        ASSERT_TRUE(r.inRange);
        EXPECT_EQ(r.phase1.asKCl, Globals::RatioSolvus(4, T));
        EXPECT_EQ(r.phase2.asKCl, Globals::RatioSolvus(3, T));
        for (const SolvusSolid& s : {r.phase1, r.phase2}) {
            EXPECT_NEAR(s.asNaCl + s.asKCl, 1, 1e-15);
            EXPECT_NEAR(s.wNaCl + s.wKCl, 1, 1e-15);
            // KCl is the heavier salt: its mass share exceeds its amount
            // share, unless the solid is pure.
            if (s.asKCl > 0 && s.asKCl < 1) {
                EXPECT_GT(s.wKCl, s.asKCl);
                EXPECT_LT(s.wNaCl, s.asNaCl);
            }
        }
    }
    // Low-temperature limb of the KCl-rich solid (below 400 degC).
    const double t = 300;
    const double w = 1.0 - 6.1237e-05 * t + 9.9572e-07 * t * t - 5.1924e-09 * t * t * t;
    EXPECT_NEAR(empiricalSolvusAt(t + 273.15).phase1.wKCl, w, 1e-12);
}

TEST(EmpiricalSolvus, AtTheCrestBothSolidsMeet) {
    const auto r = empiricalSolvusAt(solvusCrestK());
    ASSERT_TRUE(r.inRange);
    EXPECT_NEAR(r.phase1.wKCl, Globals::MaxSolvus(1), 1e-3);
    EXPECT_NEAR(r.phase2.wKCl, Globals::MaxSolvus(1), 1e-3);
}

TEST(EmpiricalSolvus, AboveTheCrestThereIsNone) {
    for (double T : {std::nextafter(solvusCrestK(), kInf), 496 + 273.15, 1e300, kInf})
        EXPECT_FALSE(empiricalSolvusAt(T).inRange) << T;
}

TEST(EmpiricalSolvus, NoLowerLimitAndNeverANumberThatIsNotFinite) {
    for (double T : {0.0, -100.0, -1e308, -kInf, 1e-300}) {
        const auto r = empiricalSolvusAt(T);
        ASSERT_TRUE(r.inRange) << T;
        for (double v : {r.phase1.asNaCl, r.phase1.asKCl, r.phase1.wNaCl, r.phase1.wKCl, r.phase2.asNaCl,
                         r.phase2.asKCl, r.phase2.wNaCl, r.phase2.wKCl}) {
            EXPECT_TRUE(std::isfinite(v)) << T;
            EXPECT_GE(v, 0) << T;
            EXPECT_LE(v, 1) << T;
        }
    }
    EXPECT_FALSE(empiricalSolvusAt(std::numeric_limits<double>::quiet_NaN()).inRange);
}

} // namespace
