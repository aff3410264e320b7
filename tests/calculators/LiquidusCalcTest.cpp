// The thermodynamic liquidus of a liquid of known salinity, without a window.
#include "calculators/thermodynamic/LiquidusCalc.h"

#include "Globals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using calculators::liquidusFromSalinity;
using calculators::liquidusStartTemperature;
using calculators::SaltContents;
using Outcome = calculators::LiquidusCalculation::Outcome;

namespace {

constexpr double C = 273.15;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// A liquid given as amount-of-substance %; the mass % pair only matters
// for the range test of the table, so it is left at 0 unless a case needs it.
SaltContents asPercent(double naCl, double kCl) {
    return {.massNaCl = 0, .massKCl = 0, .asNaCl = naCl, .asKCl = kCl};
}

TEST(LiquidusStartTemperature, ClampsStrictly) {
    const struct {
        double empiricalK, seedK;
    } cases[] = {
        {0.0, 293.15},                                              // the empirical search failed
        {-5.0, 293.15},    {273.1499999, 293.15}, {273.15, 273.15}, // exactly 273.15 is kept
        {500.0, 500.0},    {1093.15, 1093.15},    {1093.1500001, 1073.15},
        {2086.0, 1073.15}, {kInf, 1073.15},       {kNaN, 293.15},
    };
    for (const auto& c : cases)
        EXPECT_EQ(liquidusStartTemperature(c.empiricalK), c.seedK) << c.empiricalK;
}

TEST(LiquidusSaltPair, OutOfRangeOnlyAbove100) {
    EXPECT_FALSE(calculators::saltsOutOfRange(60, 40));
    EXPECT_TRUE(calculators::saltsOutOfRange(60, 40.000001));
    EXPECT_TRUE(calculators::saltsOutOfRange(89.9, 58.7));
    EXPECT_FALSE(calculators::saltsOutOfRange(-500, 550));
    EXPECT_FALSE(calculators::saltsOutOfRange(kNaN, 200)); // shown as " - ", not as out of range
}

TEST(LiquidusFromSalinity, NothingTypedGivesNoResult) {
    const auto r = liquidusFromSalinity(3, asPercent(0, 0), 0.1);
    EXPECT_EQ(r.outcome, Outcome::NoComposition);
}

TEST(LiquidusFromSalinity, CompositionsThatAreNotCalculated) {
    const struct {
        const char* what;
        int field;
        SaltContents salts;
    } cases[] = {
        {"negative NaCl", 4, asPercent(-1, 20)},
        {"negative KCl", 3, asPercent(20, -1e-9)},
        {"no water", 3, asPercent(60, 40)},
        {"no water in mass %, a trace in as %",
         3,
         {.massNaCl = 60, .massKCl = 40, .asNaCl = 70.6, .asKCl = 29.3999999}},
        {"less than no water", 4, asPercent(60, 45)},
        {"NaCl not a number", 3, asPercent(kNaN, 5)},
        {"KCl not a number", 4, asPercent(5, kNaN)},
        {"infinite NaCl", 3, asPercent(kInf, 0)},
        {"mass % pair above 100", 3, {.massNaCl = 60, .massKCl = 50, .asNaCl = 15, .asKCl = 5}},
        {"as % pair above 100", 3, {.massNaCl = 15, .massKCl = 5, .asNaCl = 70, .asKCl = 40}},
        {"halite from a liquid without NaCl", 3, asPercent(0, 20)},
        {"sylvite from a liquid without KCl", 4, asPercent(20, 0)},
        {"no field", 0, asPercent(15, 5)},
        {"ice is no field here", 1, asPercent(15, 5)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(liquidusFromSalinity(c.field, c.salts, 0.1).outcome, Outcome::OutOfRange) << c.what;
}

struct Liquid {
    int field;
    double asNaCl, asKCl, P;
};

// Liquids whose liquidus the model finds: ternary in both fields and at two
// pressures, a start temperature below 273.15 K, one above 923.15 K, and a
// one-salt liquid.
const Liquid kFound[] = {
    {3, 15, 5, 0.1},  {3, 15, 5, 100},        {4, 15, 5, 0.1},
    {4, 5, 25, 100},  {3, 7.843, 3.074, 100}, // empirical start 247.9 K: seeded at 293.15 K
    {3, 30, 62, 0.1}, // empirical start 926.0 K: SLV pressure from the composition alone
    {3, 10, 0, 0.1},  {4, 0, 9.382, 100},
};

// Independent of how the search got there: at the temperature found, the
// liquid is in equilibrium with the solid for both salts.
TEST(LiquidusFromSalinity, LiquidAndSolidAreInEquilibrium) {
    for (const auto& l : kFound) {
        SCOPED_TRACE(testing::Message() << "field " << l.field << ", " << l.asNaCl << " / " << l.asKCl
                                        << " as %, " << l.P << " MPa");
        const double xN = l.asNaCl / 100, xK = l.asKCl / 100;
        if (xN == 0 || xK == 0) continue;
        const auto r = liquidusFromSalinity(l.field, asPercent(l.asNaCl, l.asKCl), l.P);
        ASSERT_EQ(r.outcome, Outcome::Found);
        EXPECT_EQ(r.startK, liquidusStartTemperature(Globals::FDP_Mirtox(l.field, xN, xK)));
        const Globals::LiquidComposition liquid{xN, xK};
        const Globals::SolidComposition solid{r.solidNaCl, r.solidKCl};
        // J/mol, against R T of several kJ/mol.
        EXPECT_NEAR(Globals::Function1_Zero_Energy(l.field, liquid, solid, r.temperatureK, l.P), 0, 1e-6);
        // The second salt's residual against that solid changes sign at the
        // temperature found (it is steep next to the pure salt, so its value
        // there says little).
        auto G = [&](double T) {
            const double x = Globals::Equality_liq_sol(l.field, xN, xK, T, l.P);
            return Globals::Function2_Zero_Energy(l.field, liquid, {x, 1 - x}, T, l.P);
        };
        const double d = 1e-7 * r.temperatureK;
        EXPECT_LE(G(r.temperatureK - d) * G(r.temperatureK + d), 0);
        EXPECT_NEAR(r.solidNaCl + r.solidKCl, 1, 1e-15);
        // The solid of the halite field is NaCl-rich below the consolute point.
        if (r.temperatureK < 480 + C) {
            EXPECT_EQ(r.solidNaCl > 0.5, l.field == 3);
        }
    }
}

TEST(LiquidusFromSalinity, KnownValues) {
    // An empirical start of 247.9 K is seeded at 293.15 K, where the SLV
    // pressure is the 0.1 MPa of the surface below 180 C.
    auto r = liquidusFromSalinity(3, asPercent(7.843, 3.074), 100);
    EXPECT_EQ(r.startK, 293.15);
    EXPECT_EQ(r.slvPressureMPa, 0.1);
    EXPECT_NEAR(r.temperatureK - C, 22.70, 0.01);
    // Halite liquidus of x(NaCl) 0.15, x(KCl) 0.05 near 296 C; the solid
    // holds a quarter per cent of KCl.
    r = liquidusFromSalinity(3, asPercent(15, 5), 0.1);
    EXPECT_NEAR(r.temperatureK - C, 296.29, 0.01);
    EXPECT_NEAR(r.solidNaCl, 0.99748, 1e-5);
    EXPECT_NEAR(r.activityNaCl, 0.07783, 1e-5);
    EXPECT_NEAR(r.slvPressureMPa, 7.8616, 1e-4);
    // Sylvite field of x(NaCl) 0.05, x(KCl) 0.25: near 352 C.
    r = liquidusFromSalinity(4, asPercent(5, 25), 0.1);
    EXPECT_NEAR(r.temperatureK - C, 352.06, 0.01);
    EXPECT_NEAR(r.solidKCl, 0.98044, 1e-5);
}

TEST(LiquidusFromSalinity, OneSaltLiquidCoexistsWithThePureSalt) {
    auto r = liquidusFromSalinity(3, asPercent(10, 0), 0.1);
    ASSERT_EQ(r.outcome, Outcome::Found);
    EXPECT_EQ(r.solidNaCl, 1);
    EXPECT_EQ(r.solidKCl, 0);
    EXPECT_EQ(r.activityKCl, 0);
    EXPECT_GT(r.activityNaCl, 0);
    EXPECT_EQ(r.temperatureK, Globals::MinPure_Temp(3, 0.1, 0, r.startK, 0.1));

    r = liquidusFromSalinity(4, asPercent(0, 9.382), 0.1);
    ASSERT_EQ(r.outcome, Outcome::Found);
    EXPECT_EQ(r.solidNaCl, 0);
    EXPECT_EQ(r.solidKCl, 1);
    EXPECT_EQ(r.activityNaCl, 0);
    // KCl-H2O: sylvite dissolves near 54 C in a 30 mass % solution.
    EXPECT_NEAR(r.temperatureK - C, 53.55, 0.01);
}

TEST(LiquidusFromSalinity, StartTemperatureAboveTheClampIsUsedClamped) {
    // The empirical equations put this dilute liquid at 2086 K; the search
    // starts from 1073.15 K and finds no liquidus.
    ASSERT_GT(Globals::FDP_Mirtox(3, 0.05, 0), 1093.15);
    const auto r = liquidusFromSalinity(3, asPercent(5, 0), 0.1);
    EXPECT_EQ(r.startK, 1073.15);
    EXPECT_EQ(r.outcome, Outcome::OutOfRange);
    EXPECT_EQ(Globals::Temperature_Liquidus(3, 0.05, 0, 0.1, 1073.15)[0], 0);
}

// The model has roots far below 0 C for some dilute liquids, reached only
// when its lower bracket fails; they lie outside the model.
TEST(LiquidusFromSalinity, RootsBelowFreezingAreOutOfRange) {
    ASSERT_LT(Globals::Temperature_Liquidus(4, 0.02, 0.02, 0.1, 293.15)[0], C);
    EXPECT_EQ(liquidusFromSalinity(4, asPercent(2, 2), 0.1).outcome, Outcome::OutOfRange);
}

} // namespace
