#include "Globals.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Globals;

namespace {

constexpr double T = 300 + 273.15, P = 100;

double residualNaCl(double xs, const std::array<double, 3>& r) {
    const double RT = T * 8.31451;
    return dG_melting_pureSalt(1, T, P) +
           RT * (std::log(r[1]) + Activity_Coefficient_Liquid(1, r[1], r[2], T, P)) -
           RT * std::log(xs * std::exp(Activity_Coefficient_Solid(1, xs, 1 - xs, T, P)));
}

TEST(CotecticNaClSolLiq, KnownValues) {
    const double xs = Equality_solids(T, P)[0]; // KCl-rich limb, about 0.0914
    ASSERT_NEAR(xs, 0.0914, 5e-5);
    auto r = Cotectic_NaCl_sol_liq(0.5, xs, T, P);
    EXPECT_NEAR(r[0], 5260, 5);
    EXPECT_NEAR(r[1], 0.0985, 5e-5);
    EXPECT_EQ(r[2], 0.5 - r[1]);
    r = Cotectic_NaCl_sol_liq(0.8, xs, T, P);
    EXPECT_NEAR(r[0], -7550, 5);
    // NaCl is in equilibrium in the liquid returned.
    for (double xw : {0.5, 0.6, 0.688, 0.8}) {
        r = Cotectic_NaCl_sol_liq(xw, xs, T, P);
        EXPECT_NEAR(residualNaCl(xs, r), 0.0, 1e-6) << xw;
        EXPECT_NEAR(r[1] + r[2], 1 - xw, 1e-15);
    }
}

double cotecticWater(double xs) {
    // Bisection on the KCl residual over the water fraction, as the windows'
    // outer search would drive it.
    double lo = 0.6, hi = 0.75;
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2;
        if (Cotectic_NaCl_sol_liq(mid, xs, T, P)[0] > 0)
            lo = mid;
        else
            hi = mid;
    }
    return (lo + hi) / 2;
}

TEST(CotecticNaClSolLiq, BothSolvusLimbsGiveTheSameLiquid) {
    const auto s = Equality_solids(T, P);
    const double wA = cotecticWater(s[0]);
    const double wB = cotecticWater(s[1]);
    EXPECT_NEAR(wA, 0.688, 5e-4);
    EXPECT_NEAR(wA, wB, 1e-9);
    const auto a = Cotectic_NaCl_sol_liq(wA, s[0], T, P);
    const auto b = Cotectic_NaCl_sol_liq(wA, s[1], T, P);
    EXPECT_NEAR(a[1], 0.125, 5e-4);
    EXPECT_NEAR(a[2], 0.187, 5e-4);
    EXPECT_NEAR(a[1], b[1], 1e-9);
    EXPECT_NEAR(a[2], b[2], 1e-9);
}

TEST(CotecticNaClSolLiq, NoSaltFails) {
    const double xs = 0.0914;
    for (double xw : {1.0, 1.5})
        EXPECT_EQ(Cotectic_NaCl_sol_liq(xw, xs, T, P), (std::array<double, 3>{0, 0, 0})) << xw;
}

TEST(CotecticNaClSolLiq, SaltFractionTooSmallForNaClEquilibrium) {
    // The search converges on the upper bound: the liquid holds (next to) no
    // KCl, and the KCl residual is hugely negative or not finite.
    const double xs = 0.0914;
    auto r = Cotectic_NaCl_sol_liq(0.85, xs, T, P);
    EXPECT_NEAR(r[1], 0.15, 1e-12);
    EXPECT_LT(r[2], 1e-12);
    EXPECT_TRUE(r[0] < -1e5 || std::isinf(r[0]));
    r = Cotectic_NaCl_sol_liq(0.88, xs, T, P);
    EXPECT_NEAR(r[1], 0.12, 1e-12);
    EXPECT_LT(r[0], -1e5);
}

} // namespace
