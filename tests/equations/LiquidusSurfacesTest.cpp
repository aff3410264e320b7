#include "Globals.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Globals;

namespace {

constexpr double kZeroC = 273.15;

// Mass % of one salt in a binary liquid of x(H2O) = xw.
double massPercentSalt(double xw, double molarMassSalt) {
    const double salt = (1 - xw) * molarMassSalt;
    return 100 * salt / (salt + xw * kMolarMassH2O);
}

TEST(MolefractionH2O, BinaryReferencePoints) {
    // Hydrohalite at the H2O-NaCl eutectic, -21.2 degC and 23.2 mass % NaCl
    // (Hall, Sterner & Bodnar 1988; the fit is good to a few tenths of a %).
    EXPECT_NEAR(massPercentSalt(Molefraction_H2O(2, 251.95, 1.0), kMolarMassNaCl), 23.2, 0.3);
    // Halite and sylvite saturation at 0 and 25 degC: NaCl 26.3 and 26.4 mass %,
    // KCl 21.9 and 26.4 mass % (CRC Handbook solubility tables).
    EXPECT_NEAR(massPercentSalt(Molefraction_H2O(3, kZeroC, 1.0), kMolarMassNaCl), 26.3, 0.3);
    EXPECT_NEAR(massPercentSalt(Molefraction_H2O(3, kZeroC + 25, 1.0), kMolarMassNaCl), 26.4, 0.3);
    EXPECT_NEAR(massPercentSalt(Molefraction_H2O(4, kZeroC, 0.0), kMolarMassKCl), 21.9, 0.3);
    EXPECT_NEAR(massPercentSalt(Molefraction_H2O(4, kZeroC + 25, 0.0), kMolarMassKCl), 26.4, 0.3);
}

TEST(MolefractionH2O, HydrohaliteAndHaliteMeetAtThePeritectic) {
    const double hh = Molefraction_H2O(2, kZeroC, 1.0);
    const double hl = Molefraction_H2O(3, kZeroC, 1.0);
    EXPECT_NEAR(hh, 0.901, 5e-4);
    EXPECT_NEAR(hh, hl, 1e-5);
    EXPECT_NE(hh, hl);
}

TEST(MolefractionH2O, IceBranch) {
    for (double r : {0.0, 0.3, 1.0})
        EXPECT_EQ(Molefraction_H2O(1, kZeroC, r), 1.0);
    EXPECT_GT(Molefraction_H2O(1, 280, 0.5), 1.0);
    // The mass-to-amount conversion makes the KCl liquid slightly saltier.
    EXPECT_NEAR(Molefraction_H2O(1, 263.15, 1.0), 0.952418840665245, 1e-12);
    EXPECT_NEAR(Molefraction_H2O(1, 263.15, 0.0), 0.947607216595224, 1e-12);
}

TEST(MolefractionH2O, HaliteTakesTrueOddPowersOfNegativeT) {
    // Below 0 degC the t^3 and t^5 terms of the halite surface are negative;
    // a power taken of |t| moves this value by about 1.6e-5.
    EXPECT_NEAR(Molefraction_H2O(3, kZeroC - 20, 0.7), 0.88969870853801269, 1e-14);
}

TEST(MolefractionH2O, UnknownFieldGivesZero) {
    EXPECT_EQ(Molefraction_H2O(0, 300, 0.5), 0.0);
    EXPECT_EQ(Molefraction_H2O(5, 300, 0.5), 0.0);
}

struct DissolutionCase {
    int field;
    double xNaCl, xKCl, celsius;
};

TEST(FdpMirtox, DissolutionTemperatures) {
    const DissolutionCase cases[] = {
        {2, 0.08, 0.0, -27.1199866421109}, {2, 0.085, 0.005, -17.9363156173787},
        {3, 0.1, 0.0, 27.7304083671048},   {3, 0.1, 0.02, 107.458053049182},
        {3, 1.0, 0.0, 800.699918693358},   {4, 0.0, 0.08, 25.5668447955509},
        {4, 0.2, 0.1, 232.232242855265},   {4, 0.0, 1.0, 770.565576009002},
        {1, 0.05, 0.0, -10.6113442697789},
    };
    for (const auto& c : cases) {
        const double T = FDP_Mirtox(c.field, c.xNaCl, c.xKCl);
        EXPECT_NEAR(T - kZeroC, c.celsius, 1e-9) << c.field << " " << c.xNaCl << " " << c.xKCl;
        // The result lies on the liquidus surface it inverts.
        const double r = c.xNaCl / (c.xNaCl + c.xKCl);
        EXPECT_NEAR(Molefraction_H2O(c.field, T, r), (1 - c.xNaCl) - c.xKCl, 1e-11);
    }
}

TEST(FdpMirtox, MeltingPointsOfThePureSalts) {
    // NaCl melts at 800.7 degC and KCl at 771 degC (CRC Handbook); the
    // surfaces reach x(H2O) = 0 within about a degree of them.
    EXPECT_NEAR(FDP_Mirtox(3, 1, 0) - kZeroC, 800.7, 1.0);
    EXPECT_NEAR(FDP_Mirtox(4, 0, 1) - kZeroC, 771.0, 1.0);
}

TEST(FdpMirtox, IceBranchAgreesWithHall87) {
    // 0.05 mole fraction NaCl is 14.6 mass %; both ice equations must agree.
    const double w = massPercentSalt(0.95, kMolarMassNaCl);
    EXPECT_NEAR(FDP_Mirtox(1, 0.05, 0.0), FDP_Hall87(w, 0), 1e-9);
}

TEST(FdpMirtox, FixedValues) {
    EXPECT_EQ(FDP_Mirtox(3, 0.6, 0.5), 273.15);
    EXPECT_EQ(FDP_Mirtox(3, 0.9, 0.1), 273.15); // (1 - 0.9) - 0.1 rounds below 0
    EXPECT_EQ(FDP_Mirtox(3, 0.0, 0.0), 0.0);    // no salt: ratio 0/0, the search fails
    // An unknown field has a constant residual: the search walks to T0 - 3.
    EXPECT_NEAR(FDP_Mirtox(7, 0.1, 0.1), 373.15 - 3, 1e-9);
}

TEST(CotecticExact, RatiosOnEachLine) {
    const struct {
        int line;
        double celsius, ratio;
    } cases[] = {
        {1, -22, 0.89312032576621314}, {2, -11, 0.033064642021008277}, {3, -10, 0.80934877743741207},
        {3, -18, 0.8172521138848432},  {4, -5, 0.7375823743839538},    {5, 25, 0.70024639353560625},
        {5, 100, 0.4821948409396653},  {5, 300, 0.39320410794315008},
    };
    const int surfaces[6][2] = {{0, 0}, {1, 2}, {1, 4}, {2, 4}, {2, 3}, {3, 4}};
    for (const auto& c : cases) {
        const double T = kZeroC + c.celsius;
        const double r = Cotectic_Exact(c.line, T);
        EXPECT_NEAR(r, c.ratio, 1e-9) << "line " << c.line << " at " << c.celsius;
        // Both liquidus surfaces of the line give the same liquid there.
        EXPECT_NEAR(Molefraction_H2O(surfaces[c.line][0], T, r), Molefraction_H2O(surfaces[c.line][1], T, r),
                    1e-12);
    }
    EXPECT_NEAR(Molefraction_H2O(3, kZeroC + 100, Cotectic_Exact(5, kZeroC + 100)), 0.855, 1e-3);
}

TEST(CotecticExact, NoCrossing) {
    EXPECT_EQ(Cotectic_Exact(2, kZeroC - 5), 0.0);
    // Above the H2O-NaCl eutectic line 1 is pushed against r = 1; whether the
    // last pass counts as converged depends on the last bits of the residuals.
    for (double t : {-21.0, -15.0, -10.0, -5.0}) {
        const double r = Cotectic_Exact(1, kZeroC + t);
        EXPECT_TRUE(r == 0.0 || (r < 1.0 && r > 1.0 - 1e-13)) << t << " gave " << r;
    }
    // Line 2 above the H2O-KCl eutectic fails outright.
    EXPECT_EQ(Cotectic_Exact(2, kZeroC - 8), 0.0);
}

TEST(CotecticExact, UnknownLineIsNotANumber) {
    EXPECT_TRUE(std::isnan(Cotectic_Exact(0, 300)));
    EXPECT_TRUE(std::isnan(Cotectic_Exact(6, 300)));
}

TEST(FinalRatio, SegmentCrossings) {
    const struct {
        int field;
        double celsius, r1, xw1, r2, xw2, ratio;
    } cases[] = {
        {2, -5, 0.8, 0.9, 1.0, 2.0 / 3, 0.816994622601269}, {2, -8, 0.8, 0.9, 1.0, 2.0 / 3, 0.81262099436469},
        {3, 200, 0.48, 0.85, 1.0, 0.0, 0.544907185655606},  {3, 200, 0.48, 0.85, 0.9, 0.0, 0.536443987134516},
        {4, 200, 0.48, 0.85, 0.0, 0.0, 0.34472237814774},
    };
    for (const auto& c : cases) {
        const double T = kZeroC + c.celsius;
        const double r = FinalRatio(c.field, T, c.r1, c.xw1, c.r2, c.xw2);
        EXPECT_NEAR(r, c.ratio, 1e-9);
        // The liquid found lies on the segment: x(KCl)/x(NaCl) of the segment
        // point at this ratio reproduces the liquidus x(H2O).
        const double xw = Molefraction_H2O(c.field, T, r);
        const double N1 = c.r1 * (1 - c.xw1), K1 = (1 - c.r1) * (1 - c.xw1);
        const double N2 = c.r2 * (1 - c.xw2), K2 = (1 - c.r2) * (1 - c.xw2);
        const double s = (xw - c.xw1) / (c.xw2 - c.xw1);
        const double N = N1 + s * (N2 - N1), K = K1 + s * (K2 - K1);
        EXPECT_NEAR(N / (N + K), r, 1e-9);
    }
}

TEST(FinalRatio, FailureValues) {
    EXPECT_EQ(FinalRatio(3, kZeroC + 100, 0.48, 0.85, 1.0, 0.0), 0.0); // segment misses the surface
    EXPECT_EQ(FinalRatio(0, kZeroC + 200, 0.48, 0.85, 1.0, 0.0), 0.0);
    EXPECT_EQ(FinalRatio(5, kZeroC + 200, 0.48, 0.85, 1.0, 0.0), 0.0);
}

} // namespace
