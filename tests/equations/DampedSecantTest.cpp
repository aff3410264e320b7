#include "DampedSecant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Globals::secant;

namespace {

constexpr Settings kHalfE1{.stepFactor = 0.5, .equalResiduals = EqualRule::E1};
int calls = 0; // residual evaluations of the last search
constexpr double kInf = std::numeric_limits<double>::infinity();

// A search from a, b with b current.
template <class F, class B = Unbounded>
Outcome search(const Settings& cfg, double a, double b, F f, B bound = {}) {
    calls = 0;
    auto g = [&](double x) { return ++calls, f(x); };
    return run(cfg, orderStart(StartOrder::Fixed, a, g(a), b, g(b)), g, bound);
}

TEST(DampedSecant, StartOrdersAndConvergence) {
    EXPECT_EQ(orderStart(StartOrder::SmallerResidual, 1, 0.5, 2, 1.0).x, 1);
    EXPECT_EQ(orderStart(StartOrder::SmallerResidual, 1, -1.0, 2, 1.0).x, 2); // a tie makes b current
    EXPECT_EQ(orderStart(StartOrder::LargerResidual, 1, 0.5, 2, 1.0).x, 2);
    EXPECT_EQ(orderStart(StartOrder::LargerResidual, 1, 2.0, 2, 1.0).x, 1);
    EXPECT_EQ(orderStart(StartOrder::Fixed, 1, 0.0, 2, 5.0).x, 2);
    // An exact root ends the search in its first pass.
    auto out = search(kHalfE1, 4.0, 3.0, [](double x) { return x - 3.0; });
    EXPECT_EQ(out.x, 3.0);
    EXPECT_EQ(calls, 3); // two starts and one pass
    EXPECT_NEAR(search(kHalfE1, 1, 2, [](double x) { return 2 * x - 7; }).x, 3.5, 1e-11);
}

TEST(DampedSecant, EqualAndZeroResidualRules) {
    // Equal non-zero residuals continue in the direction of the last move
    // with half its length: b + (b - a)/2 + (b - a)/4 + ... -> 2b - a.
    for (EqualRule rule : {EqualRule::E1, EqualRule::E2, EqualRule::E3})
        EXPECT_NEAR(search({.equalResiduals = rule}, 101, 99, [](double) { return 0.25; }).x, 97.0, 1e-9);
    // Equal zero residuals at distinct points: E3 halves the difference and
    // goes on, E2 takes the 0/0 step and never passes the step test.
    auto zero = [](double) { return 0.0; };
    Settings cfg{.equalResiduals = EqualRule::E3, .zeroResidual = ZeroRule::NotTested};
    EXPECT_NEAR(search(cfg, 1, 2, zero).x, 3.0, 1e-11);
    cfg.equalResiduals = EqualRule::E2;
    EXPECT_FALSE(search(cfg, 1, 2, zero).converged);
    // A residual of exactly 0 at 6 while the step is still large.
    auto step = [](double x) { return x >= 4 ? 0.0 : -1.0; };
    cfg = {.stepFactor = 1.0, .equalResiduals = EqualRule::E2, .zeroResidual = ZeroRule::Success};
    EXPECT_TRUE(search(cfg, 6, 2, step).converged);
    cfg.zeroResidual = ZeroRule::Failure;
    EXPECT_FALSE(search(cfg, 6, 2, step).converged);
}

TEST(DampedSecant, ClampedPassJudgedByTheUnclampedStep) {
    // The root at 10 lies beyond the bound 5: every pass is moved back towards
    // the bound, and the full step keeps the relative-step test from passing.
    auto bound = [](double x, double s) { return x > 5 ? ((x - s) + 5) / 2 : x; };
    EXPECT_FALSE(search(
                     kHalfE1, 1, 2, [](double x) { return x - 10.0; }, bound)
                     .converged);
    EXPECT_EQ(calls, 2 + kMaxPasses);
}

// A residual that is -inf or NaN past 5, with its root at 4.9 close to
// that edge. A secant step through such a residual is 0 or not a number;
// treated as a bound, the point goes halfway back to the last finite one.
TEST(DampedSecant, NonFiniteResidualTreatedAsBound) {
    const Settings cfg{
        .equalResiduals = EqualRule::E3, .zeroResidual = ZeroRule::NotTested, .nonFiniteIsBound = true};
    for (double past : {-kInf, kInf, std::nan("")}) {
        auto f = [=](double x) { return x > 5 ? past : 1 - std::exp(x - 4.9); };
        // The first secant step from 0 and 1 lands near 78; the first start
        // lies past the edge.
        for (auto [a, b] : {std::pair{0.0, 1.0}, {6.0, 1.0}}) {
            const Outcome out = search(cfg, a, b, f);
            EXPECT_TRUE(out.converged && std::fabs(out.x - 4.9) < 1e-10) << past << " from " << a;
            EXPECT_LE(calls, 2 + kMaxPasses);
            Settings plain = cfg;
            plain.nonFiniteIsBound = false;
            const Outcome old = search(plain, a, b, f);
            EXPECT_FALSE(old.converged && std::fabs(old.x - 4.9) < 1e-6) << past << " from " << a;
        }
        // Both starts past the edge: nothing to go back to.
        EXPECT_FALSE(search(cfg, 6, 7, f).converged);
        EXPECT_EQ(calls, 2);
    }
}

int yields = 0;

TEST(DampedSecant, PassBudgetDivergenceAndYield) {
    // A point and residual that are not numbers stay so, and no pass could
    // succeed: the search ends once a pass has left its point NaN, after one
    // pass (with its yield) instead of 101.
    Globals::setYieldHook([](long n) { yields += n; });
    EXPECT_FALSE(search(kHalfE1, 1, 2, [](double) { return std::nan(""); }).converged);
    Globals::setYieldHook(nullptr);
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(yields, 1);
    // The line 1 + x/2 has its root at -2, where the bound sends every point
    // back to 2: from (0, 2) the passes go to 0, then to 2 again, and so on.
    // Back in the state of an earlier pass, the search is caught in a cycle of
    // states already tested and ends at once.
    constexpr Settings kHalfE2{.stepFactor = 0.5, .equalResiduals = EqualRule::E2};
    EXPECT_FALSE(search(
                     kHalfE2, 0, 2, [](double x) { return 1 + x / 2; },
                     [](double x, double) { return x < 0 ? 2.0 : x; })
                     .converged);
    EXPECT_EQ(calls, 4);
    // Nearly equal residuals far apart make a step beyond 1e300: ends at once.
    auto f = [](double x) { return x < 1 ? 1.0 : std::nextafter(1.0, 2.0); };
    EXPECT_FALSE(search(kHalfE1, 0.0, 1e290, f).converged);
    EXPECT_EQ(calls, 3);
    // Going on after success keeps the last recorded point.
    auto out =
        search({.stepFactor = 1.0, .continueAfterSuccess = true}, 1, 2, [](double x) { return x * x - 2; });
    ASSERT_TRUE(out.converged);
    EXPECT_NEAR(out.x, std::sqrt(2.0), 1e-15);
    EXPECT_EQ(calls, 2 + kMaxPasses);
}

} // namespace
