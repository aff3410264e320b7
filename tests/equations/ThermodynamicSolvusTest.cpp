#include "Globals.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Globals;

namespace {

constexpr double C = 273.15;

double activityNaCl(double x, double T, double P) {
    return x * std::exp(Activity_Coefficient_Solid(1, x, 1 - x, T, P));
}
double activityKCl(double x, double T, double P) {
    return (1 - x) * std::exp(Activity_Coefficient_Solid(2, x, 1 - x, T, P));
}

TEST(ExtremaActivitySolids, SpinodalBelowTheConsolutePointOnly) {
    const double T = 400 + C;
    const auto e = Extrema_Activity_Solids(T, 0.1);
    EXPECT_NEAR(e[0], 0.403, 1e-3);
    EXPECT_NEAR(e[1], 0.850, 1e-3);
    EXPECT_EQ(e[2] + e[3] + e[4], 0.0);
    // The NaCl activity has a local maximum at e0 and a minimum at e1.
    for (double d : {-1e-3, 1e-3}) {
        EXPECT_GT(activityNaCl(e[0], T, 0.1), activityNaCl(e[0] + d, T, 0.1));
        EXPECT_LT(activityNaCl(e[1], T, 0.1), activityNaCl(e[1] + d, T, 0.1));
    }
    for (double hot : {493 + C, 1000.0})
        EXPECT_EQ(Extrema_Activity_Solids(hot, 0.1), (std::array<double, 5>{})) << hot;
}

TEST(EqualitySolids, BothSaltsHaveEqualActivitiesInBothSolids) {
    const struct {
        double tC, P, xa, xb;
    } cases[] = {
        {300, 0.1, 0.1, 0.981}, {400, 0.1, 0.236, 0.932}, {400, 100, 0.214, 0.939}, {500, 100, 0.561, 0.724}};
    for (const auto& c : cases) {
        const double T = c.tC + C;
        const auto s = Equality_solids(T, c.P);
        SCOPED_TRACE(testing::Message() << c.tC << " C, " << c.P << " MPa");
        EXPECT_NEAR(s[0], c.xa, 5e-4);
        EXPECT_NEAR(s[1], c.xb, 5e-4);
        EXPECT_NEAR(activityNaCl(s[0], T, c.P), activityNaCl(s[1], T, c.P), 1e-10);
        EXPECT_NEAR(activityKCl(s[0], T, c.P), activityKCl(s[1], T, c.P), 1e-10);
    }
}

TEST(EqualitySolids, GapClosesAtTheConsolutePoint) {
    // Near 493 C at 0.1 MPa and 504 C at 100 MPa, about x(NaCl) 0.65.
    for (auto [tC, P] : {std::pair{492.0, 0.1}, {503.0, 100.0}}) {
        const auto below = Equality_solids(tC + C, P);
        EXPECT_GT(below[0], 0.6);
        EXPECT_LT(below[1], 0.7);
        EXPECT_EQ(Equality_solids(tC + 1 + C, P), (std::array<double, 2>{0, 0}));
    }
}

// The cotectic halite + sylvite liquid at 300 C and 100 MPa.
constexpr double kT = 300 + C, kP = 100;

TEST(CotecticNaClSolLiq, NaClIsInEquilibriumInTheLiquidReturned) {
    const double xs = Equality_solids(kT, kP)[0]; // KCl-rich limb, about 0.0914
    EXPECT_NEAR(Cotectic_NaCl_sol_liq(0.5, xs, kT, kP)[0], 5260, 5);
    for (double xw : {0.5, 0.688, 0.8}) {
        const auto r = Cotectic_NaCl_sol_liq(xw, xs, kT, kP);
        // Function2 of the sylvite field is the NaCl residual.
        EXPECT_NEAR(Function2_Zero_Energy(4, {r[1], r[2]}, {xs, 1 - xs}, kT, kP), 0.0, 1e-6) << xw;
        EXPECT_NEAR(r[1] + r[2], 1 - xw, 1e-15);
    }
}

// Bisection on the KCl residual over the water fraction, as an outer search would drive it.
double cotecticWater(double xs) {
    double lo = 0.6, hi = 0.75;
    for (int i = 0; i < 60; ++i)
        (Cotectic_NaCl_sol_liq((lo + hi) / 2, xs, kT, kP)[0] > 0 ? lo : hi) = (lo + hi) / 2;
    return (lo + hi) / 2;
}

TEST(CotecticNaClSolLiq, BothSolvusLimbsGiveTheSameLiquid) {
    const auto s = Equality_solids(kT, kP);
    const double w = cotecticWater(s[0]);
    EXPECT_NEAR(w, 0.688, 5e-4);
    EXPECT_NEAR(w, cotecticWater(s[1]), 1e-9);
    const auto a = Cotectic_NaCl_sol_liq(w, s[0], kT, kP);
    const auto b = Cotectic_NaCl_sol_liq(w, s[1], kT, kP);
    EXPECT_NEAR(a[1], 0.125, 5e-4);
    EXPECT_NEAR(a[1], b[1], 1e-9);
    EXPECT_NEAR(a[2], b[2], 1e-9);
}

TEST(CotecticNaClSolLiq, TooLittleSaltForNaClEquilibrium) {
    for (double xw : {1.0, 1.5}) // no salt at all
        EXPECT_EQ(Cotectic_NaCl_sol_liq(xw, 0.0914, kT, kP), (std::array<double, 3>{0, 0, 0})) << xw;
    // The search ends on the upper bound: (next to) no KCl, and a hugely
    // negative or infinite KCl residual.
    const auto r = Cotectic_NaCl_sol_liq(0.85, 0.0914, kT, kP);
    EXPECT_NEAR(r[1], 0.15, 1e-12);
    EXPECT_TRUE(r[0] < -1e5 || std::isinf(r[0]));
}

} // namespace
