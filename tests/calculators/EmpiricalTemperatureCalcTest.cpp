// Dissolution temperature and SLV pressure from a known composition, without a
// window: ranges, pressure branches and the compositions that dissolve nothing.
#include "calculators/empirical/EmpiricalTemperatureCalc.h"

#include "Globals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using calculators::dissolutionAt;
using calculators::dissolutionOf;
using calculators::PressureShown;
using calculators::pressureShown;
using calculators::SolutionComposition;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A composition given in amount-of-substance % only (the salts' input).
SolutionComposition asPercent(double naCl, double kCl) {
    return {.percentNaCl = naCl, .percentKCl = kCl};
}

struct Range {
    int fieldCode;
    double lowestK, highestK;
};

// -25 degC for ice (no upper limit), -25 to 2 for hydrohalite, -5 to 810 for
// halite, -25 to 780 for sylvite.
const Range kRanges[] = {
    {1, 248.15, kInf},
    {2, 248.15, 275.15},
    {3, 268.15, 1083.15},
    {4, 248.15, 1053.15},
};

TEST(DissolutionRange, TheLimitsAreValidAndTheNextNumbersBeyondAreNot) {
    for (const Range& r : kRanges) {
        SCOPED_TRACE(r.fieldCode);
        // Well-inside compositions so that the pressure equations have a liquid.
        const double xNaCl = 0.05, xKCl = 0.05;
        EXPECT_TRUE(dissolutionAt(r.fieldCode, r.lowestK, xNaCl, xKCl).dissolves);
        EXPECT_FALSE(dissolutionAt(r.fieldCode, std::nextafter(r.lowestK, 0.0), xNaCl, xKCl).dissolves);
        if (std::isfinite(r.highestK)) {
            EXPECT_TRUE(dissolutionAt(r.fieldCode, r.highestK, xNaCl, xKCl).dissolves);
            EXPECT_FALSE(dissolutionAt(r.fieldCode, std::nextafter(r.highestK, kInf), xNaCl, xKCl).dissolves);
        } else {
            EXPECT_TRUE(dissolutionAt(r.fieldCode, 1e6, xNaCl, xKCl).dissolves);
        }
        // A failed search (0 K) and numbers that are not temperatures.
        for (double T : {0.0, kNaN, kInf, -kInf})
            EXPECT_FALSE(dissolutionAt(r.fieldCode, T, xNaCl, xKCl).dissolves) << T;
    }
    EXPECT_FALSE(dissolutionAt(0, 300, 0.05, 0.05).dissolves);
    EXPECT_FALSE(dissolutionAt(5, 300, 0.05, 0.05).dissolves);
}

TEST(DissolutionPressure, AboveSixHundredFiftyDegreesTheCompositionAloneGivesIt) {
    // Liquids that dissolve their solid near 650 degC: salt ratios 0.8 and 0.2
    // on the halite and sylvite surfaces.
    struct Case {
        int fieldCode;
        double ratio;
    };
    for (const Case c : {Case{3, 0.8}, Case{4, 0.2}}) {
        SCOPED_TRACE(c.fieldCode);
        const double xNaCl = (1 - Globals::Molefraction_H2O(c.fieldCode, 923.15, c.ratio)) * c.ratio;
        const double xKCl = xNaCl * (1 - c.ratio) / c.ratio;
        const double xH2O = (1 - xNaCl) - xKCl;
        const double P650 = Globals::Pressure650(c.fieldCode, xH2O, xNaCl, xKCl);
        ASSERT_GT(P650, 1.0);
        // At 650 degC itself and above it.
        for (double T : {923.15, std::nextafter(923.15, kInf), 1000.0}) {
            const auto r = dissolutionAt(c.fieldCode, T, xNaCl, xKCl);
            EXPECT_EQ(r.pressureMPa, P650) << T;
            EXPECT_EQ(r.pressure, PressureShown::Value);
        }
        // Below it, the fit in temperature and salt ratio, which does not join
        // the relation above.
        for (double T : {std::nextafter(923.15, 0.0), 700.0}) {
            const auto r = dissolutionAt(c.fieldCode, T, xNaCl, xKCl);
            EXPECT_EQ(r.pressureMPa, Globals::Pressure(c.fieldCode, xH2O, xNaCl, T)) << T;
            EXPECT_NE(r.pressureMPa, P650) << T;
        }
        // At and below 180 degC the pressure equations answer 0.1 MPa.
        EXPECT_EQ(dissolutionAt(c.fieldCode, 453.15, xNaCl, xKCl).pressure, PressureShown::BelowOneMPa);
    }
}

TEST(DissolutionPressure, OneMegapascalIsTheSmallestNumberShown) {
    struct Case {
        double P;
        PressureShown shown;
    };
    const Case kCases[] = {
        {1.0, PressureShown::Value},        {std::nextafter(1.0, 0.0), PressureShown::BelowOneMPa},
        {0.1, PressureShown::BelowOneMPa}, // Pressure at and below 180 degC
        {0.0, PressureShown::BelowOneMPa}, // Pressure650 without a root
        {-3.0, PressureShown::BelowOneMPa}, {250.0, PressureShown::Value},
        {kNaN, PressureShown::Unknown},     {kInf, PressureShown::Unknown},
        {-kInf, PressureShown::Unknown},
    };
    for (const Case& c : kCases)
        EXPECT_EQ(pressureShown(c.P), c.shown) << c.P;
}

TEST(DissolutionTemperature, EachSolidUsesItsOwnEquationAndArguments) {
    // NaCl and KCl differ so that swapped arguments give another number.
    const SolutionComposition c{
        .massPercentNaCl = 12.0, .massPercentKCl = 4.0, .percentNaCl = 11.0, .percentKCl = 6.0};
    EXPECT_EQ(dissolutionOf(1, c).temperatureK, Globals::FDP_Hall87(12.0, 4.0));
    ASSERT_NE(Globals::FDP_Hall87(12.0, 4.0), Globals::FDP_Hall87(4.0, 12.0));
    for (int code : {3, 4}) {
        SCOPED_TRACE(code);
        const auto r = dissolutionOf(code, c);
        ASSERT_TRUE(r.dissolves);
        EXPECT_EQ(r.temperatureK, Globals::FDP_Mirtox(code, 0.11, 0.06));
        EXPECT_NE(r.temperatureK, Globals::FDP_Mirtox(code, 0.06, 0.11));
        EXPECT_EQ(r.pressureMPa, Globals::Pressure(code, (1 - 0.11) - 0.06, 0.11, r.temperatureK));
    }
}

TEST(DissolutionTemperature, AgreesWithMeasuredSolubilities) {
    // Freezing of 10 mass % NaCl(aq): -6.56 degC (CRC Handbook); the fit of
    // Hall, Sterner & Bodnar (1988) holds to about 0.3 K.
    EXPECT_NEAR(dissolutionOf(1, {.massPercentNaCl = 10.0}).temperatureK - 273.15, -6.56, 0.3);
    // Halite dissolves at 400 degC in 47.44 mass % NaCl (Sterner, Hall &
    // Bodnar 1988); there 1 mass % is about 9 K. Sylvite saturates at
    // 26.2 mass % KCl (x = 0.0790) at 25 degC (Linke & Seidell), where 1 mass %
    // is about 3 K.
    const double xHalite400 = (47.44 / 58.462468) / (47.44 / 58.462468 + 52.56 / 18.01528);
    EXPECT_NEAR(dissolutionOf(3, asPercent(100 * xHalite400, 0)).temperatureK - 273.15, 400, 6);
    EXPECT_NEAR(dissolutionOf(4, asPercent(0, 7.90)).temperatureK - 273.15, 25, 4);
    // The eutectic of H2O-NaCl: ice and hydrohalite at -21.2 degC, 23.2 mass %.
    const double xEutectic = (23.2 / 58.462468) / (23.2 / 58.462468 + 76.8 / 18.01528);
    EXPECT_NEAR(dissolutionOf(2, asPercent(100 * xEutectic, 0)).temperatureK - 273.15, -21.2, 1.5);
    EXPECT_NEAR(dissolutionOf(1, {.massPercentNaCl = 23.2}).temperatureK - 273.15, -21.2, 1.0);
}

TEST(DissolutionTemperature, NothingDissolvesWhereTheSaltsLeaveNoWater) {
    // FDP_Mirtox answers 273.15 K here, inside every range.
    ASSERT_EQ(Globals::FDP_Mirtox(3, 0.7, 0.4), 273.15);
    for (int code : {2, 3, 4})
        EXPECT_FALSE(dissolutionOf(code, asPercent(70, 40)).dissolves) << code;
    // Just enough water is still a liquid: pure molten NaCl dissolves halite.
    EXPECT_TRUE(dissolutionOf(3, asPercent(100, 0)).dissolves);
    EXPECT_FALSE(dissolutionOf(1, {.massPercentNaCl = 60, .massPercentKCl = 50}).dissolves);
    // Absurd mixed signs would otherwise melt ice at thousands of degrees.
    EXPECT_FALSE(dissolutionOf(1, {.massPercentNaCl = -500, .massPercentKCl = 601}).dissolves);
}

TEST(DissolutionTemperature, UnknownCompositionsDissolveNothing) {
    const SolutionComposition unknownSalts{
        .massPercentNaCl = kNaN, .massPercentKCl = 10, .percentNaCl = kNaN, .percentKCl = 3};
    for (int code = 1; code <= 4; ++code)
        EXPECT_FALSE(dissolutionOf(code, unknownSalts).dissolves) << code;
    const SolutionComposition infinite{
        .massPercentNaCl = 1, .massPercentKCl = -kInf, .percentNaCl = 1, .percentKCl = -kInf};
    for (int code = 1; code <= 4; ++code)
        EXPECT_FALSE(dissolutionOf(code, infinite).dissolves) << code;
}

} // namespace
