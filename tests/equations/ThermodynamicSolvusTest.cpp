#include "Globals.h"
#include "ThermoReference.h"

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

TEST(ExtremaActivitySolids, SpinodalAt400C) {
    const auto e = Extrema_Activity_Solids(400 + C, 0.1);
    EXPECT_NEAR(e[0], 0.403, 1e-3);
    EXPECT_NEAR(e[1], 0.850, 1e-3);
    EXPECT_EQ(e[2], 0.0);
    EXPECT_EQ(e[3], 0.0);
    EXPECT_EQ(e[4], 0.0);
    // The NaCl activity has a local maximum at e0 and a minimum at e1.
    const double T = 400 + C;
    EXPECT_GT(activityNaCl(e[0], T, 0.1), activityNaCl(e[0] - 1e-3, T, 0.1));
    EXPECT_GT(activityNaCl(e[0], T, 0.1), activityNaCl(e[0] + 1e-3, T, 0.1));
    EXPECT_LT(activityNaCl(e[1], T, 0.1), activityNaCl(e[1] - 1e-3, T, 0.1));
    EXPECT_LT(activityNaCl(e[1], T, 0.1), activityNaCl(e[1] + 1e-3, T, 0.1));
}

TEST(ExtremaActivitySolids, NoneAboveTheConsolutePoint) {
    for (double T : {493 + C, 600 + C, 1000.0}) {
        const auto e = Extrema_Activity_Solids(T, 0.1);
        for (double v : e)
            EXPECT_EQ(v, 0.0) << T;
    }
}

// The scan evaluates its points in blocks; it must store the very points of
// a pass-by-pass scan of the plain activity.
TEST(ExtremaActivitySolids, BitIdenticalToAPlainScan) {
    for (double T : {400 + C, 492 + C}) {
        const double P = 0.1;
        auto a = [&](double x) { return x * std::exp(reference::solidLnGamma(1, x, 1 - x, T, P)); };
        double expected[5] = {};
        int next = 0;
        double x = 1e-5, ap = 0, A = a(x), d = A - 0;
        for (int n = 0; n < 100001; ++n) {
            const double dp = d;
            ap = A;
            x = x + 1e-5;
            A = a(x);
            d = A - ap;
            if (d * dp < 0 && next < 5) expected[next++] = x - 5e-6;
        }
        const auto e = Extrema_Activity_Solids(T, P);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(e[i], expected[i]) << T << " slot " << i;
    }
}

TEST(ActivityInterceptSolid, FindsTheEqualActivity) {
    const double T = 400 + C, P = 0.1;
    const auto e = Extrema_Activity_Solids(T, P);
    // NaCl: the point below e0 with the NaCl activity of the minimum at e1.
    const double xL = Activity_Intercept_Solid(1, e[1], 0, e[0], T, P);
    EXPECT_GT(xL, 0);
    EXPECT_LT(xL, e[0]);
    EXPECT_NEAR(activityNaCl(xL, T, P), activityNaCl(e[1], T, P), 1e-9);
    // KCl fractions: the point beyond e1 with the KCl activity at e0.
    const double k = Activity_Intercept_Solid(2, 1 - e[0], 0, 1 - e[1], T, P);
    EXPECT_GT(1 - k, e[1]);
    EXPECT_NEAR(activityKCl(1 - k, T, P), activityKCl(e[0], T, P), 1e-9);
    // Any code but 1 means KCl.
    EXPECT_EQ(Activity_Intercept_Solid(7, 1 - e[0], 0, 1 - e[1], T, P), k);
}

TEST(ActivityInterceptSolid, FailureValue) {
    // The NaCl activity of x = 0.9 is not attained below 0.1.
    EXPECT_EQ(Activity_Intercept_Solid(1, 0.9, 0, 0.1, 400 + C, 0.1), 1.0);
}

TEST(EqualitySolids, KnownValues) {
    const struct {
        double tC, P, xa, xb, tolA, tolB;
    } cases[] = {
        {400, 0.1, 0.236, 0.932, 5e-4, 5e-4}, {300, 0.1, 0.100, 0.981, 5e-4, 5e-4},
        {400, 100, 0.214, 0.939, 5e-4, 5e-4}, {300, 100, 0.0914, 0.983, 5e-5, 5e-4},
        {500, 100, 0.561, 0.724, 5e-4, 5e-4},
    };
    for (const auto& c : cases) {
        const auto s = Equality_solids(c.tC + C, c.P);
        EXPECT_NEAR(s[0], c.xa, c.tolA) << c.tC << " C, " << c.P << " MPa";
        EXPECT_NEAR(s[1], c.xb, c.tolB) << c.tC << " C, " << c.P << " MPa";
    }
}

TEST(EqualitySolids, BothSaltsHaveEqualActivitiesInBothSolids) {
    const struct {
        double tC, P;
    } cases[] = {{300, 0.1}, {400, 0.1}, {400, 100}, {300, 100}, {492, 0.1}, {500, 100}};
    for (const auto& c : cases) {
        const double T = c.tC + C;
        const auto s = Equality_solids(T, c.P);
        ASSERT_GT(s[0], 0) << c.tC;
        EXPECT_LT(s[0], s[1]);
        EXPECT_NEAR(activityNaCl(s[0], T, c.P), activityNaCl(s[1], T, c.P), 1e-10) << c.tC << " C";
        EXPECT_NEAR(activityKCl(s[0], T, c.P), activityKCl(s[1], T, c.P), 1e-10) << c.tC << " C";
        // Outside the spinodal on either side.
        const auto e = Extrema_Activity_Solids(T, c.P);
        EXPECT_LT(s[0], e[0]);
        EXPECT_GT(s[1], e[1]);
    }
}

TEST(EqualitySolids, GapClosesAtTheConsolutePoint) {
    // Near 493 C at 0.1 MPa and 504 C at 100 MPa, about x(NaCl) 0.65.
    auto below = Equality_solids(492 + C, 0.1);
    EXPECT_GT(below[0], 0.6);
    EXPECT_LT(below[1], 0.7);
    EXPECT_EQ(Equality_solids(493 + C, 0.1), (std::array<double, 2>{0, 0}));
    below = Equality_solids(503 + C, 100);
    EXPECT_GT(below[0], 0.6);
    EXPECT_LT(below[1], 0.7);
    EXPECT_EQ(Equality_solids(504 + C, 100), (std::array<double, 2>{0, 0}));
    EXPECT_EQ(Equality_solids(500 + C, 0.1), (std::array<double, 2>{0, 0}));
}

// A plain transcription of the binodal construction on the plain activity.
TEST(EqualitySolids, BitIdenticalToAPlainConstruction) {
    const double T = 400 + C, P = 0.1;
    auto aN = [&](double x) { return x * std::exp(reference::solidLnGamma(1, x, 1 - x, T, P)); };
    auto aK = [&](double x) { return (1 - x) * std::exp(reference::solidLnGamma(2, x, 1 - x, T, P)); };
    auto intercept = [&](int salt, double xref, double lo, double hi) {
        auto A = [&](double x) {
            return salt == 1 ? aN(x) : x * std::exp(reference::solidLnGamma(2, 1 - x, x, T, P));
        };
        auto F = [&](double x) { return A(x) - A(xref); };
        double x0 = (hi + lo) / 2, x1 = (hi + lo) / 2 + (hi - lo) / 100;
        double F0 = F(x0), F1 = F(x1);
        for (int n = 0; n <= 100; ++n) {
            const double step = (F1 == F0 && F1 != 0) ? (x1 - x0) / 2 : (x0 - x1) * 0.5 * F1 / (F1 - F0);
            x0 = x1;
            F0 = F1;
            x1 = x1 + step;
            if (x1 >= hi) x1 = ((x1 - step) + hi) / 2;
            if (x1 <= lo) x1 = ((x1 - step) + lo) / 2;
            F1 = F(x1);
            if (std::fabs(step) > 1e300) return 1.0;
            if (std::fabs(step / x1) < 1e-10) return x1;
        }
        return 1.0;
    };
    const auto e = Extrema_Activity_Solids(T, P);
    const double e0 = e[0], e1 = e[1];
    const double xL = intercept(1, e1, 0, e0);
    const double u = 1 - intercept(2, 1 - e0, 0, 1 - e1);
    double x0 = xL, F0 = aK(e1) - aK(xL);
    double x1 = xL + (e0 - xL) / 1000, F1 = 0.99 * F0;
    double xa = 0, xb = 0;
    bool converged = false;
    for (int n = 0; n <= 100 && !converged; ++n) {
        const double step = (F1 == F0 && F1 != 0) ? (x1 - x0) / 2 : (x0 - x1) * 0.5 * F1 / (F1 - F0);
        x0 = x1;
        F0 = F1;
        x1 = x1 + step;
        if (x1 > e0) x1 = ((x1 - step) + e0) / 2;
        if (x1 < xL) x1 = ((x1 - step) + xL) / 2;
        xa = x1;
        xb = intercept(1, xa, e1, 1.0);
        if (xb >= u) xb = (e1 + u) / 2;
        F1 = aK(xb) - aK(xa);
        if (std::fabs(step) > 1e300) break;
        converged = std::fabs(step / xa) < 1e-12 || F1 == 0;
    }
    ASSERT_TRUE(converged);
    const auto s = Equality_solids(T, P);
    EXPECT_EQ(s[0], xa);
    EXPECT_EQ(s[1], xb);
}

} // namespace
