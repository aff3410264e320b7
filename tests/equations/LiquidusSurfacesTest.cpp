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
    // (Hall, Sterner & Bodnar 1988); halite and sylvite saturation at 0 and
    // 25 degC: NaCl 26.3 and 26.4 mass %, KCl 21.9 and 26.4 mass % (CRC
    // Handbook solubility tables). The fits are good to a few tenths of a %.
    const struct {
        int field;
        double celsius, ratio, massPercent;
    } cases[] = {
        {2, -21.2, 1, 23.2}, {3, 0, 1, 26.3}, {3, 25, 1, 26.4}, {4, 0, 0, 21.9}, {4, 25, 0, 26.4},
    };
    for (const auto& c : cases) {
        const double xw = Molefraction_H2O(c.field, kZeroC + c.celsius, c.ratio);
        EXPECT_NEAR(massPercentSalt(xw, c.ratio == 1 ? kMolarMassNaCl : kMolarMassKCl), c.massPercent, 0.3)
            << c.field << " at " << c.celsius;
    }
    // Hydrohalite and halite meet at the peritectic near 0 degC.
    EXPECT_NEAR(Molefraction_H2O(2, kZeroC, 1.0), 0.901, 5e-4);
    EXPECT_NEAR(Molefraction_H2O(2, kZeroC, 1.0), Molefraction_H2O(3, kZeroC, 1.0), 1e-5);
}

TEST(MolefractionH2O, BranchesAndCodes) {
    EXPECT_EQ(Molefraction_H2O(1, kZeroC, 0.3), 1.0);
    // The mass-to-amount conversion makes the KCl liquid slightly saltier.
    EXPECT_NEAR(Molefraction_H2O(1, 263.15, 1.0), 0.952418840665245, 1e-12);
    EXPECT_NEAR(Molefraction_H2O(1, 263.15, 0.0), 0.947607216595224, 1e-12);
    // Below 0 degC the t^3 and t^5 terms of the halite surface are negative;
    // a power taken of |t| moves this value by about 1.6e-5.
    EXPECT_NEAR(Molefraction_H2O(3, kZeroC - 20, 0.7), 0.88969870853801269, 1e-14);
    EXPECT_EQ(Molefraction_H2O(0, 300, 0.5), 0.0);
    EXPECT_EQ(Molefraction_H2O(5, 300, 0.5), 0.0);
}

TEST(FdpMirtox, InvertsTheLiquidusSurfaces) {
    const struct {
        int field;
        double xNaCl, xKCl, celsius;
    } cases[] = {
        {2, 0.08, 0.0, -27.1199866421109}, {2, 0.085, 0.005, -17.9363156173787},
        {3, 0.1, 0.0, 27.7304083671048},   {3, 0.1, 0.02, 107.458053049182},
        {4, 0.0, 0.08, 25.5668447955509},  {4, 0.2, 0.1, 232.232242855265},
        {1, 0.05, 0.0, -10.6113442697789},
    };
    for (const auto& c : cases) {
        const double T = FDP_Mirtox(c.field, c.xNaCl, c.xKCl);
        EXPECT_NEAR(T - kZeroC, c.celsius, 1e-9) << c.field << " " << c.xNaCl << " " << c.xKCl;
        EXPECT_NEAR(Molefraction_H2O(c.field, T, c.xNaCl / (c.xNaCl + c.xKCl)), (1 - c.xNaCl) - c.xKCl,
                    1e-11);
    }
    // NaCl melts at 800.7 degC and KCl at 771 degC (CRC Handbook); the
    // surfaces reach x(H2O) = 0 within about a degree of them.
    EXPECT_NEAR(FDP_Mirtox(3, 1, 0) - kZeroC, 800.7, 1.0);
    EXPECT_NEAR(FDP_Mirtox(4, 0, 1) - kZeroC, 771.0, 1.0);
    // The ice branch agrees with Hall et al. (1988).
    EXPECT_NEAR(FDP_Mirtox(1, 0.05, 0.0), FDP_Hall87(massPercentSalt(0.95, kMolarMassNaCl), 0), 1e-9);
}

TEST(FdpMirtox, FixedValues) {
    EXPECT_EQ(FDP_Mirtox(3, 0.6, 0.5), 273.15);
    EXPECT_EQ(FDP_Mirtox(3, 0.9, 0.1), 273.15); // (1 - 0.9) - 0.1 rounds below 0
    EXPECT_EQ(FDP_Mirtox(3, 0.0, 0.0), 0.0);    // no salt: ratio 0/0, the search fails
}

// The sylvite surface evaluated here on its own: the exponential terms as
// fitted, the powers of the KCl share rho up to rho^3 and of t up to t^4 as
// products (the coefficient first), rho^4 through pow, summed from the
// lowest power of t.
double sylviteWater(double T, double r) {
    const double t = T - 273.15, y = 1 - r, rho = 1 - y;
    const double d0 = 94.678 - 7.46512 * std::exp(-1.95722 * y) - 15.1276 * std::exp(-15.1442 * y);
    const double d1 = -0.0668981 - 0.107838 * std::exp(-6.98181 * y);
    const double d2 = -3.7964e-05 + 0.000346 * y - 0.00016211 * y * y;
    const double d3 = -7.1777e-07 + 3.5629e-07 * y;
    const double d4 = 1.0423e-10 + 3.3412e-10 * rho - 4.3135e-10 * rho * rho + 1.9585e-09 * rho * rho * rho -
                      8.5994e-10 * std::pow(rho, 4);
    return (d0 + d1 * t + d2 * t * t + d3 * t * t * t + d4 * t * t * t * t) / 100;
}

TEST(MolefractionH2O, SylviteSurfaceToTheLastBit) {
    // The searches on this surface are badly conditioned where two surfaces
    // or a surface and a segment barely cross: the last bit of x(H2O) decides
    // whether they converge, so the surface must be the fitted polynomial
    // exactly, not a power routine's rounding of t^4.
    for (int i = 0; i <= 120; ++i)
        for (int j = 0; j <= 10; ++j) {
            const double T = 200 + 7.5 * i, r = j / 10.0;
            EXPECT_EQ(Molefraction_H2O(4, T, r), sylviteWater(T, r)) << T << " K, r = " << r;
        }
}

TEST(SylviteSearches, BadlyConditionedCrossings) {
    // Found or failed as the surface's exact arithmetic decides; in these
    // cases a ulp of x(H2O) changes the answer. The cotectic ratios are 0
    // plus rounding: the ice + sylvite line has no liquid here.
    const struct {
        double T, ratio;
    } cotectic[] = {
        {875.62, 0.0}, {692.5, 1.3877787807822345e-17}, {820.0, 0.0}, {875.66, 0.0}, {875.3, 0.0},
    };
    for (const auto& c : cotectic)
        EXPECT_EQ(Cotectic_Exact(2, c.T), c.ratio) << c.T;
    // The segment ends on the surface's far side: the search either stops
    // on its end or runs out of passes there.
    const struct {
        double T, ratio;
    } final[] = {
        {819.65, 0.8866}, {819.66, 0.8866}, {819.22, 0.8866}, {819.28, 0.0},
        {819.62, 0.8866}, {819.75, 0.0},    {820.1, 0.8866},
    };
    for (const auto& c : final)
        EXPECT_EQ(FinalRatio(4, c.T, 0.9513, 0.5579, 0.8866, 0), c.ratio) << c.T;
}

TEST(CotecticExact, BothSurfacesAgreeOnEachLine) {
    const struct {
        int line;
        double celsius, ratio;
    } cases[] = {
        {1, -22, 0.89312032576621314}, {2, -11, 0.033064642021008277}, {3, -18, 0.8172521138848432},
        {4, -5, 0.7375823743839538},   {5, 25, 0.70024639353560625},   {5, 300, 0.39320410794315008},
    };
    const int surfaces[6][2] = {{0, 0}, {1, 2}, {1, 4}, {2, 4}, {2, 3}, {3, 4}};
    for (const auto& c : cases) {
        const double T = kZeroC + c.celsius;
        const double r = Cotectic_Exact(c.line, T);
        EXPECT_NEAR(r, c.ratio, 1e-9) << "line " << c.line << " at " << c.celsius;
        EXPECT_NEAR(Molefraction_H2O(surfaces[c.line][0], T, r), Molefraction_H2O(surfaces[c.line][1], T, r),
                    1e-12);
    }
}

TEST(CotecticExact, NoCrossingAndUnknownLines) {
    // Above the H2O-NaCl eutectic line 1 is pushed against r = 1; whether the
    // last pass counts as converged depends on the last bits of the residuals.
    for (double t : {-21.0, -15.0, -10.0, -5.0}) {
        const double r = Cotectic_Exact(1, kZeroC + t);
        EXPECT_TRUE(r == 0.0 || (r < 1.0 && r > 1.0 - 1e-13)) << t << " gave " << r;
    }
    // Line 2 above the H2O-KCl eutectic fails outright.
    EXPECT_EQ(Cotectic_Exact(2, kZeroC - 8), 0.0);
    EXPECT_TRUE(std::isnan(Cotectic_Exact(0, 300)));
    EXPECT_TRUE(std::isnan(Cotectic_Exact(6, 300)));
}

TEST(FinalRatio, SegmentCrossingsAndFailures) {
    const struct {
        int field;
        double celsius, r1, xw1, r2, xw2, ratio;
    } cases[] = {
        {2, -5, 0.8, 0.9, 1.0, 2.0 / 3, 0.816994622601269},
        {3, 200, 0.48, 0.85, 0.9, 0.0, 0.536443987134516},
        {4, 200, 0.48, 0.85, 0.0, 0.0, 0.34472237814774},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(FinalRatio(c.field, kZeroC + c.celsius, c.r1, c.xw1, c.r2, c.xw2), c.ratio, 1e-9)
            << c.field;
    EXPECT_EQ(FinalRatio(3, kZeroC + 100, 0.48, 0.85, 1.0, 0.0), 0.0); // segment misses the surface
    for (int code : {0, 5})
        EXPECT_EQ(FinalRatio(code, kZeroC + 200, 0.48, 0.85, 1.0, 0.0), 0.0);
}

} // namespace
