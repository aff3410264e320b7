#include "DampedSecant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Globals::secant;

namespace {

constexpr Settings kHalfE1{.stepFactor = 0.5, .equalResiduals = EqualRule::E1};

template <class F> Outcome search(const Settings& cfg, StartOrder order, double a, double b, F f) {
    return run(cfg, orderStart(order, a, f(a), b, f(b)), f, Unbounded{});
}

TEST(DampedSecant, StartOrders) {
    // (xp, fp, x, f): the current point is the one the first step starts from.
    auto s = orderStart(StartOrder::SmallerResidual, 1, 0.5, 2, 1.0);
    EXPECT_EQ(s.x, 1);
    s = orderStart(StartOrder::SmallerResidual, 1, -1.0, 2, 1.0); // tie: b
    EXPECT_EQ(s.x, 2);
    s = orderStart(StartOrder::LargerResidual, 1, 0.5, 2, 1.0);
    EXPECT_EQ(s.x, 2);
    s = orderStart(StartOrder::LargerResidual, 1, 2.0, 2, 1.0);
    EXPECT_EQ(s.x, 1);
    s = orderStart(StartOrder::Fixed, 1, 0.0, 2, 5.0);
    EXPECT_EQ(s.x, 2);
    EXPECT_EQ(s.xp, 1);
}

TEST(DampedSecant, ExactRootAtAStartEndsInTheFirstPass) {
    int calls = 0;
    auto f = [&](double x) {
        ++calls;
        return x - 3.0;
    };
    const auto out = search(kHalfE1, StartOrder::SmallerResidual, 3.0, 4.0, f);
    EXPECT_TRUE(out.converged);
    EXPECT_EQ(out.x, 3.0);
    EXPECT_EQ(calls, 3); // two starts and one pass
}

TEST(DampedSecant, HalfStepsConvergeOnALinearResidual) {
    const auto out =
        search(kHalfE1, StartOrder::SmallerResidual, 1.0, 2.0, [](double x) { return 2 * x - 7; });
    ASSERT_TRUE(out.converged);
    EXPECT_NEAR(out.x, 3.5, 1e-11);
}

TEST(DampedSecant, ConstantResidualWalksAwayFromTheFirstStart) {
    // Equal non-zero residuals continue in the direction of the last move
    // with half its length: b + (b - a)/2 + (b - a)/4 + ... -> 2b - a.
    for (EqualRule rule : {EqualRule::E1, EqualRule::E2, EqualRule::E3}) {
        Settings cfg = kHalfE1;
        cfg.equalResiduals = rule;
        const auto out = search(cfg, StartOrder::SmallerResidual, 101.0, 99.0, [](double) { return 0.25; });
        ASSERT_TRUE(out.converged);
        EXPECT_NEAR(out.x, 97.0, 1e-9);
    }
}

TEST(DampedSecant, EqualZeroResidualsDifferByRule) {
    // Both starts already solve f = 0 but fall on distinct points. E3 halves
    // the difference and keeps going; E1 and E2 take the 0/0 secant step.
    auto f = [](double) { return 0.0; };
    Settings cfg = kHalfE1;
    cfg.zeroResidual = ZeroRule::NotTested;
    cfg.equalResiduals = EqualRule::E3;
    auto out = search(cfg, StartOrder::Fixed, 1.0, 2.0, f);
    ASSERT_TRUE(out.converged);
    EXPECT_NEAR(out.x, 3.0, 1e-11);
    cfg.equalResiduals = EqualRule::E2;
    out = search(cfg, StartOrder::Fixed, 1.0, 2.0, f);
    EXPECT_FALSE(out.converged); // NaN point never passes the step test
}

TEST(DampedSecant, ClampedPassJudgedByTheUnclampedStep) {
    // The root at 10 lies beyond the bound 5: every pass is moved back towards
    // the bound, and the full step keeps the relative-step test from passing.
    int calls = 0;
    auto f = [&](double x) {
        ++calls;
        return x - 10.0;
    };
    auto bound = [](double x, double s) { return x > 5 ? ((x - s) + 5) / 2 : x; };
    const auto out = run(kHalfE1, orderStart(StartOrder::Fixed, 1.0, f(1.0), 2.0, f(2.0)), f, bound);
    EXPECT_FALSE(out.converged);
    EXPECT_EQ(calls, 2 + kMaxPasses); // all 101 passes ran
}

TEST(DampedSecant, ZeroResidualRules) {
    // A residual that is exactly 0 at x = 4 but whose step is still large.
    auto f = [](double x) { return x >= 4 ? 0.0 : -1.0; };
    Settings cfg{.stepFactor = 1.0, .equalResiduals = EqualRule::E2};
    auto run1 = [&](ZeroRule rule) {
        cfg.zeroResidual = rule;
        return search(cfg, StartOrder::Fixed, 6.0, 2.0, f); // first step lands on 6
    };
    EXPECT_TRUE(run1(ZeroRule::Success).converged);
    EXPECT_FALSE(run1(ZeroRule::Failure).converged);
}

TEST(DampedSecant, NotANumberRunsOutItsPasses) {
    int calls = 0;
    auto f = [&](double) {
        ++calls;
        return std::numeric_limits<double>::quiet_NaN();
    };
    EXPECT_FALSE(search(kHalfE1, StartOrder::SmallerResidual, 1.0, 2.0, f).converged);
    EXPECT_EQ(calls, 2 + kMaxPasses);
}

TEST(DampedSecant, DivergenceEndsAtOnce) {
    int calls = 0;
    // Nearly equal residuals far apart make a step beyond 1e300.
    auto f = [&](double x) {
        ++calls;
        return x < 1 ? 1.0 : std::nextafter(1.0, 2.0);
    };
    EXPECT_FALSE(search(kHalfE1, StartOrder::Fixed, 0.0, 1e290, f).converged);
    EXPECT_EQ(calls, 3);
}

TEST(DampedSecant, ContinueAfterSuccessKeepsTheLastRecordedPoint) {
    Settings cfg{.stepFactor = 1.0, .continueAfterSuccess = true};
    int calls = 0;
    auto f = [&](double x) {
        ++calls;
        return x * x - 2;
    };
    const auto out = search(cfg, StartOrder::Fixed, 1.0, 2.0, f);
    ASSERT_TRUE(out.converged);
    EXPECT_NEAR(out.x, std::sqrt(2.0), 1e-15);
    EXPECT_EQ(calls, 2 + kMaxPasses); // it went on to the last pass
}

int yields = 0;
void countYield() {
    ++yields;
}

TEST(DampedSecant, YieldsOncePerPass) {
    yields = 0;
    Globals::setYieldHook(countYield);
    int calls = 0;
    auto f = [&](double) {
        ++calls;
        return std::numeric_limits<double>::quiet_NaN();
    };
    search(kHalfE1, StartOrder::Fixed, 1.0, 2.0, f);
    Globals::setYieldHook(nullptr);
    EXPECT_EQ(yields, kMaxPasses);
}

} // namespace
