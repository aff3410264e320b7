// Salinity from dissolution temperatures with the empirical model, without a
// window: which solids count, which pair of solids decides, the limits of each
// cotectic line, and the liquids compared with the equations evaluated
// directly and with what they must satisfy (both liquidus surfaces at the
// cotectic point, a straight line from the solid through both liquids).
#include "calculators/empirical/EmpiricalSalinityCalc.h"
#include "calculators/EmpiricalReference.h"

#include "Globals.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>

namespace {

using namespace calculators;
using enum SalinityWarning;

constexpr double kC = 273.15;

SalinityInput system(SalinitySystem s) {
    SalinityInput in;
    in.system = s;
    in.solvusPresent = s == SalinitySystem::H2O_NaCl_KCl;
    return in;
}

void expectRelative(double actual, double expected, double tolerance, const char* what) {
    EXPECT_NEAR(actual, expected, tolerance * std::fabs(expected) + 1e-300) << what;
}

TEST(EmpiricalSalinityCalc, NoSystemCalculatesNothing) {
    SalinityInput in;
    in.ice = in.hydrohalite = in.halite = in.sylvite = true;
    const SalinityResult r = empiricalSalinity(in);
    EXPECT_FALSE(r.written);
    EXPECT_FALSE(r.solvusOptionsOff);
    EXPECT_EQ(r.warning, Keep);
}

// Which ticked solid the binary systems take, and what they warn about.
struct BinaryCase {
    SalinitySystem system;
    bool ice, hydrohalite, halite, sylvite;
    bool written;
    int phase;
    BinaryPoint reference;
    SalinityWarning warning;
};

class BinarySelection : public ::testing::TestWithParam<BinaryCase> {};

TEST_P(BinarySelection, TheFirstTickedSolidOfTheSystemCounts) {
    const BinaryCase& c = GetParam();
    SalinityInput in = system(c.system);
    in.ice = c.ice;
    in.hydrohalite = c.hydrohalite;
    in.halite = c.halite;
    in.sylvite = c.sylvite;
    in.iceC = -5;
    in.hydrohaliteC = -10;
    in.haliteC = 200;
    in.sylviteC = 150;
    const SalinityResult r = empiricalSalinity(in);
    EXPECT_TRUE(r.solvusOptionsOff);
    EXPECT_EQ(r.written, c.written);
    EXPECT_EQ(r.warning, c.warning);
    if (!c.written) return;
    EXPECT_EQ(r.phase, c.phase);
    EXPECT_EQ(r.reference, c.reference);
    const double t[] = {0, in.iceC, in.hydrohaliteC, in.haliteC, in.sylviteC};
    EXPECT_DOUBLE_EQ(r.finalDissolution.temperatureK, t[c.phase] + kC);
    EXPECT_EQ(r.solid, LastSolid::None);
}

using S = SalinitySystem;
using B = BinaryPoint;
INSTANTIATE_TEST_SUITE_P(
    EmpiricalSalinityCalc, BinarySelection,
    ::testing::Values(
        // system     ice    hh     hal    syl    written phase reference          warning
        BinaryCase{S::H2O_NaCl, true, false, true, false, true, 1, B::NaClEutectic, Keep},
        BinaryCase{S::H2O_NaCl, false, true, true, true, true, 2, B::NaClEutectic, Keep},
        BinaryCase{S::H2O_NaCl, false, false, true, true, true, 3, B::NaClPeritectic, Keep},
        BinaryCase{S::H2O_NaCl, false, false, false, true, false, 0, B::None, NoSylvite},
        BinaryCase{S::H2O_NaCl, false, false, false, false, false, 0, B::None, Keep},
        BinaryCase{S::H2O_KCl, true, true, true, true, true, 1, B::KClEutectic, Keep},
        BinaryCase{S::H2O_KCl, false, true, true, true, true, 4, B::KClEutectic, Keep},
        BinaryCase{S::H2O_KCl, false, true, false, false, false, 0, B::None, NoHydrohaliteOrHalite},
        BinaryCase{S::H2O_KCl, false, false, true, false, false, 0, B::None, NoHydrohaliteOrHalite},
        BinaryCase{S::H2O_KCl, false, false, false, false, false, 0, B::None, Keep}));

// The binary liquids against the published invariant points that the window
// shows beside them (Hall et al. 1988 for ice; the H2O-NaCl eutectic at
// -21.2 degC, 23.3 mass %; the peritectic at +0.1 degC, 26.3 mass %; the
// H2O-KCl eutectic at -10.6 degC, 19.7 mass %). The fits meet there to about
// 0.3 mass %.
struct InvariantCase {
    SalinitySystem system;
    bool ice, hydrohalite, halite, sylvite;
    double celsius;
    double massPercent;
};

class BinaryInvariants : public ::testing::TestWithParam<InvariantCase> {};

TEST_P(BinaryInvariants, TheLiquidMeetsThePublishedPoint) {
    const InvariantCase& c = GetParam();
    SalinityInput in = system(c.system);
    in.ice = c.ice;
    in.hydrohalite = c.hydrohalite;
    in.halite = c.halite;
    in.sylvite = c.sylvite;
    in.iceC = in.hydrohaliteC = in.haliteC = in.sylviteC = c.celsius;
    const SalinityResult r = empiricalSalinity(in);
    ASSERT_TRUE(r.finalDissolution.found);
    const SalinityPoint& p = r.finalDissolution;
    const bool nacl = c.system == SalinitySystem::H2O_NaCl;
    EXPECT_EQ(p.hasNaCl, nacl);
    EXPECT_EQ(p.hasKCl, !nacl);
    EXPECT_NEAR(100 * (nacl ? p.liquid.wNaCl : p.liquid.wKCl), c.massPercent, 0.3);
    EXPECT_EQ(nacl ? p.liquid.xKCl : p.liquid.xNaCl, 0.0);
    EXPECT_NEAR(p.liquid.xH2O + p.liquid.xNaCl + p.liquid.xKCl, 1.0, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(EmpiricalSalinityCalc, BinaryInvariants,
                         ::testing::Values(InvariantCase{S::H2O_NaCl, true, false, false, false, -21.2, 23.3},
                                           InvariantCase{S::H2O_NaCl, false, true, false, false, -21.2, 23.3},
                                           InvariantCase{S::H2O_NaCl, false, true, false, false, 0.1, 26.3},
                                           InvariantCase{S::H2O_NaCl, false, false, true, false, 0.1, 26.3},
                                           InvariantCase{S::H2O_KCl, true, false, false, false, -10.6, 19.7},
                                           InvariantCase{S::H2O_KCl, false, false, false, true, -10.6,
                                                         19.7}));

TEST(EmpiricalSalinityCalc, BinaryLiquidsAgreeWithTheEquations) {
    struct Case {
        SalinitySystem system;
        int phase;
        double celsius;
    };
    const Case cases[] = {{S::H2O_NaCl, 1, -10}, {S::H2O_NaCl, 2, -15}, {S::H2O_NaCl, 3, 300},
                          {S::H2O_NaCl, 3, 700}, {S::H2O_KCl, 1, -5},   {S::H2O_KCl, 4, 400},
                          {S::H2O_KCl, 4, 700}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.phase) + " at " + std::to_string(c.celsius));
        SalinityInput in = system(c.system);
        in.ice = c.phase == 1;
        in.hydrohalite = c.phase == 2;
        in.halite = c.phase == 3;
        in.sylvite = c.phase == 4;
        in.iceC = in.hydrohaliteC = in.haliteC = in.sylviteC = c.celsius;
        const SalinityPoint p = empiricalSalinity(in).finalDissolution;
        ASSERT_TRUE(p.found);
        const double T = c.celsius + kC;
        const bool nacl = c.system == S::H2O_NaCl;
        const double xw = Globals::Molefraction_H2O(c.phase, T, nacl ? 1.0 : 0.0);
        const double M = nacl ? Globals::kMolarMassNaCl : Globals::kMolarMassKCl;
        const double xs = 1 - xw;
        const double ws = 1 - Globals::kMolarMassH2O * xw / (M * xs + Globals::kMolarMassH2O * xw);
        expectRelative(p.liquid.xH2O, xw, 1e-15, "x(H2O)");
        expectRelative(nacl ? p.liquid.xNaCl : p.liquid.xKCl, xs, 1e-15, "x(salt)");
        expectRelative(nacl ? p.liquid.wNaCl : p.liquid.wKCl, ws, 1e-15, "w(salt)");
        double P = 0.1;
        if (c.phase == 3) P = Globals::Pressure(3, xw, xs, T);
        if (c.phase == 4) P = Globals::Pressure(4, xw, 0.0, T);
        expectRelative(p.liquid.pressureMPa, P, 1e-15, "pressure");
        if (c.phase >= 3 && T > 453.15) {
            EXPECT_GT(p.liquid.pressureMPa, 0.1);
        }
    }
}

TEST(EmpiricalSalinityCalc, HaliteAtRoomTemperatureHasTheLowPressureOfTheFit) {
    SalinityInput in = system(S::H2O_NaCl);
    in.halite = true;
    in.haliteC = 25;
    EXPECT_EQ(empiricalSalinity(in).finalDissolution.liquid.pressureMPa, 0.1);
}

TEST(EmpiricalSalinityCalc, BinaryLiquidsPastTheMeltingOfTheSaltAreNotShown) {
    // The halite fit gives a slightly negative water fraction at 801 degC and
    // less beyond; the sylvite fit from 771 degC on.
    SalinityInput nacl = system(S::H2O_NaCl);
    nacl.halite = true;
    nacl.haliteC = 800;
    EXPECT_TRUE(empiricalSalinity(nacl).finalDissolution.found);
    nacl.haliteC = 850;
    EXPECT_FALSE(empiricalSalinity(nacl).finalDissolution.found);
    SalinityInput kcl = system(S::H2O_KCl);
    kcl.sylvite = true;
    kcl.sylviteC = 770;
    EXPECT_TRUE(empiricalSalinity(kcl).finalDissolution.found);
    kcl.sylviteC = 771;
    EXPECT_FALSE(empiricalSalinity(kcl).finalDissolution.found);
}

// ---------------------------------------------------------------------------
// Ternary system: which pair decides.

struct PairCase {
    const char* what;
    bool ice, hydrohalite, halite, sylvite;
    double iceC, hydrohaliteC, haliteC, sylviteC;
    int line, phase;
    double cotecticC, finalC;
    SalinityWarning warning;
};

class TernaryPairs : public ::testing::TestWithParam<PairCase> {};

TEST_P(TernaryPairs, TheLastTickedPairDecides) {
    const PairCase& c = GetParam();
    SalinityInput in = system(S::H2O_NaCl_KCl);
    in.ice = c.ice;
    in.hydrohalite = c.hydrohalite;
    in.halite = c.halite;
    in.sylvite = c.sylvite;
    in.iceC = c.iceC;
    in.hydrohaliteC = c.hydrohaliteC;
    in.haliteC = c.haliteC;
    in.sylviteC = c.sylviteC;
    const SalinityResult r = empiricalSalinity(in);
    EXPECT_FALSE(r.solvusOptionsOff);
    EXPECT_EQ(r.warning, c.warning);
    EXPECT_EQ(r.line, c.line);
    EXPECT_EQ(r.written, c.line != 0);
    if (c.line == 0) return;
    EXPECT_EQ(r.phase, c.phase);
    EXPECT_EQ(r.cotectic.temperatureK, c.cotecticC + kC);
    EXPECT_EQ(r.finalDissolution.temperatureK, c.finalC + kC);
    const LastSolid solid = c.phase == 1   ? LastSolid::Ice
                            : c.phase == 2 ? LastSolid::Hydrohalite
                                           : LastSolid::Salt;
    EXPECT_EQ(r.solid, solid);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EmpiricalSalinityCalc, TernaryPairs, ::testing::Values(
    //        what                        ice    hh     hal    syl     tI     tHH    tH     tS   line phase Tcot   Tfin   warning
    PairCase{"limits are inside",        true,  true,  false, false, -21.2, -22.9,   0,     0,   1, 1, -22.9, -21.2, Clear},
    PairCase{"both outside",             true,  true,  false, false, -25,   -20,     0,     0,   1, 2, -25,   -20,   CotecticOutOfRange},
    PairCase{"one inside is enough",     true,  true,  false, false, -22,   -30,     0,     0,   1, 1, -30,   -22,   Clear},
    PairCase{"ice + sylvite",            true,  false, false, true,  -15,     0,     0,    20,   2, 4, -15,    20,   Clear},
    PairCase{"eutectic is the limit",    true,  false, false, true,  -10.6,   0,     0,   -10.6, 2, 1, -10.6, -10.6, Clear},
    PairCase{"past the KCl eutectic",    true,  false, false, true,  -10.5,   0,     0,   -10.5, 2, 1, -10.5, -10.5, CotecticOutOfRange},
    PairCase{"hh + sylvite",             false, true,  false, true,    0,   -10,     0,    50,   3, 4, -10,    50,   Clear},
    PairCase{"hh + halite, equal",       false, true,  true,  false,   0,    -1,    -1,     0,   4, 2,  -1,    -1,   Clear},
    PairCase{"peritectic out of range",  false, true,  true,  false,   0,    -3,   0.2,     0,   4, 3,  -3,   0.2,   PeritecticOutOfRange},
    PairCase{"peritectic limits inside", false, true,  true,  false,   0,   0.1,  -2.3,     0,   4, 2, -2.3,   0.1, Clear},
    PairCase{"halite + sylvite",         false, false, true,  true,    0,     0,   300,   100,   5, 3, 100,   300,   Clear},
    PairCase{"halite + sylvite, equal",  false, false, true,  true,    0,     0,   200,   200,   5, 3, 200,   200,   Clear},
    PairCase{"658 is inside",            false, false, true,  true,    0,     0,   700,   658,   5, 3, 658,   700,   Clear},
    PairCase{"both above 658",           false, false, true,  true,    0,     0,   700,   659,   5, 3, 659,   700,   CotecticOutOfRange},
    PairCase{"ice, hh and sylvite",      true,  true,  false, true,  -22,   -10,     0,    50,   3, 4, -10,    50,   Clear},
    PairCase{"all four",                 true,  true,  true,  true,  -22,   -10,   300,   100,   5, 3, 100,   300,   Clear},
    PairCase{"all four, last pair out",  true,  true,  true,  true,  -22,   -22,   700,   680,   5, 3, 680,   700,   CotecticOutOfRange},
    PairCase{"ice and halite: no pair",  true,  false, true,  false,  -5,     0,   100,     0,   0, 0,   0,     0,   Keep},
    PairCase{"one solid: no pair",       false, false, false, true,    0,     0,     0,    20,   0, 0,   0,     0,   Keep},
    PairCase{"nothing ticked",           false, false, false, false,   0,     0,     0,     0,   0, 0,   0,     0,   Keep}),
    [](const auto& info) {
        std::string name;
        for (const char* p = info.param.what; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });
// clang-format on

// ---------------------------------------------------------------------------
// Ternary liquids against the equations, evaluated here step by step.

struct LiquidCase {
    const char* what;
    bool ice, hydrohalite, halite, sylvite;
    double iceC, hydrohaliteC, haliteC, sylviteC;
    bool absent; // "metastable absent" instead of "present"
};

class TernaryLiquids : public ::testing::TestWithParam<LiquidCase> {};

// Composition of a liquid or solid as amounts of NaCl and KCl per mole.
struct Point2 {
    double nacl, kcl;
};
Point2 point(double saltRatio, double xH2O) {
    return {saltRatio * (1 - xH2O), (1 - saltRatio) * (1 - xH2O)};
}
double cross(Point2 o, Point2 a, Point2 b) {
    return (a.nacl - o.nacl) * (b.kcl - o.kcl) - (a.kcl - o.kcl) * (b.nacl - o.nacl);
}

TEST_P(TernaryLiquids, AgreeWithTheEquations) {
    const LiquidCase& c = GetParam();
    SalinityInput in = system(S::H2O_NaCl_KCl);
    in.ice = c.ice;
    in.hydrohalite = c.hydrohalite;
    in.halite = c.halite;
    in.sylvite = c.sylvite;
    in.iceC = c.iceC;
    in.hydrohaliteC = c.hydrohaliteC;
    in.haliteC = c.haliteC;
    in.sylviteC = c.sylviteC;
    in.solvusPresent = !c.absent;
    in.solvusAbsent = c.absent;
    const SalinityResult r = empiricalSalinity(in);
    ASSERT_TRUE(r.written);
    ASSERT_TRUE(r.cotectic.found);
    ASSERT_TRUE(r.finalDissolution.found);

    const int phase = r.phase;
    const double Tcot = r.cotectic.temperatureK;
    const double Tfin = r.finalDissolution.temperatureK;
    const reference::Salinity e = reference::ternary(r.line, phase, Tcot, Tfin, c.absent);
    if (phase >= 3) {
        EXPECT_TRUE(r.solidSaltRatioKnown);
        EXPECT_EQ(r.solidSaltRatio, e.Rs);
    }
    const struct {
        const SalinityPoint& p;
        const reference::Liquid& l;
    } points[] = {{r.cotectic, e.cotectic}, {r.finalDissolution, e.final}};
    for (const auto& [p, l] : points) {
        expectRelative(p.liquid.xH2O, l.xH2O, 1e-12, "x(H2O)");
        expectRelative(p.liquid.xNaCl, l.xNaCl, 1e-12, "x(NaCl)");
        expectRelative(p.liquid.xKCl, l.xKCl, 1e-12, "x(KCl)");
        expectRelative(p.liquid.wNaCl, l.wNaCl, 1e-12, "w(NaCl)");
        expectRelative(p.liquid.wKCl, l.wKCl, 1e-12, "w(KCl)");
        expectRelative(p.liquid.pressureMPa, l.pressureMPa, 1e-12, "pressure");
    }

    // The cotectic liquid lies on the liquidus surfaces of both solids of its
    // line, and the final liquid on the straight line from the solid that
    // dissolves last through the cotectic liquid.
    const int surfaces[6][2] = {{0, 0}, {1, 2}, {1, 4}, {2, 4}, {2, 3}, {3, 4}};
    const double ratio = r.cotectic.liquid.xNaCl / (r.cotectic.liquid.xNaCl + r.cotectic.liquid.xKCl);
    EXPECT_NEAR(Globals::Molefraction_H2O(surfaces[r.line][0], Tcot, ratio),
                Globals::Molefraction_H2O(surfaces[r.line][1], Tcot, ratio), 1e-9);
    const Point2 solid = phase == 1 ? Point2{0, 0} : point(e.Rs, e.xs); // ice is water alone
    const Point2 cot{r.cotectic.liquid.xNaCl, r.cotectic.liquid.xKCl};
    const Point2 fin{r.finalDissolution.liquid.xNaCl, r.finalDissolution.liquid.xKCl};
    EXPECT_NEAR(cross(solid, cot, fin), 0.0, 1e-9);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EmpiricalSalinityCalc, TernaryLiquids, ::testing::Values(
    //          what                    ice    hh     hal    syl     tI     tHH    tH     tS   absent
    LiquidCase{"ice_last",              true,  true,  false, false, -21.5, -22.5,   0,     0,  false},
    LiquidCase{"hh_last",               true,  true,  false, false, -22.5,  -5,     0,     0,  false},
    LiquidCase{"ice_after_sylvite",     true,  false, false, true,   -5,     0,     0,   -15,  false},
    LiquidCase{"sylvite_after_ice",     true,  false, false, true,  -15,     0,     0,    20,  false},
    LiquidCase{"sylvite_after_hh",      false, true,  false, true,    0,   -10,     0,    50,  false},
    LiquidCase{"hh_after_sylvite",      false, true,  false, true,    0,    10,     0,    -5,  false},
    LiquidCase{"halite_after_hh",       false, true,  true,  false,   0,    -1,   200,     0,  false},
    LiquidCase{"halite_after_hh_pure",  false, true,  true,  false,   0,    -1,   200,     0,  true},
    LiquidCase{"hh_after_halite",       false, true,  true,  false,   0,   0.1,    -1,     0,  false},
    LiquidCase{"halite_solid_solution", false, false, true,  true,    0,     0,   300,   100,  false},
    LiquidCase{"halite_pure",           false, false, true,  true,    0,     0,   300,   100,  true},
    LiquidCase{"sylvite_solid_solution",false, false, true,  true,    0,     0,   100,   300,  false},
    LiquidCase{"sylvite_pure",          false, false, true,  true,    0,     0,   100,   300,  true},
    LiquidCase{"solvus_limb_at_450",    false, false, true,  true,    0,     0,   480,   450,  false},
    LiquidCase{"above_the_crest",       false, false, true,  true,    0,     0,   600,   550,  false},
    LiquidCase{"cotectic_above_650",    false, false, true,  true,    0,     0,   655.5, 655,  false},
    LiquidCase{"sylvite_above_650",     false, false, true,  true,    0,     0,   651,   653,  false}),
    [](const auto& info) { return std::string(info.param.what); });
// clang-format on

TEST(EmpiricalSalinityCalc, TheSolvusDecidesTheSolidBelowItsCrestOnly) {
    SalinityInput in = system(S::H2O_NaCl_KCl);
    in.halite = in.sylvite = true;
    const double crestC = Globals::MaxSolvus(0) - kC;

    struct Case {
        double haliteC, sylviteC;
        bool absent;
        double solid; // expected x(NaCl)/(x(NaCl)+x(KCl)) of the solid; NaN: that of the cotectic liquid
    };
    const double limb3 = 1 - Globals::RatioSolvus(3, 100 + kC);
    const double limb4 = 1 - Globals::RatioSolvus(4, 100 + kC);
    const double nan = std::nan("");
    const Case cases[] = {
        {300, 100, false, limb3}, {100, 300, false, limb4},      {300, 100, true, 1.0},
        {100, 300, true, 0.0},    {600, crestC + 1, false, nan}, {crestC + 1, 600, true, nan},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.haliteC) + " / " + std::to_string(c.sylviteC));
        in.haliteC = c.haliteC;
        in.sylviteC = c.sylviteC;
        in.solvusPresent = !c.absent;
        in.solvusAbsent = c.absent;
        const SalinityResult r = empiricalSalinity(in);
        ASSERT_TRUE(r.cotectic.found);
        ASSERT_TRUE(r.solidSaltRatioKnown);
        const double R = r.cotectic.liquid.xNaCl / (r.cotectic.liquid.xNaCl + r.cotectic.liquid.xKCl);
        if (std::isnan(c.solid)) {
            // One solid solution: it takes the ratio of the liquid, which keeps
            // it up to final dissolution.
            EXPECT_NEAR(r.solidSaltRatio, R, 1e-15);
            const double Rf = r.finalDissolution.liquid.xNaCl /
                              (r.finalDissolution.liquid.xNaCl + r.finalDissolution.liquid.xKCl);
            EXPECT_NEAR(Rf, R, 1e-14);
        } else {
            EXPECT_EQ(r.solidSaltRatio, c.solid);
        }
    }
    // The NaCl-rich limb is rich in NaCl, the KCl-rich one poor.
    EXPECT_GT(limb3, 0.9);
    EXPECT_LT(limb4, 0.1);
}

TEST(EmpiricalSalinityCalc, IceAndHydrohaliteHaveTheLowPressureAtEveryTemperature) {
    // Above 650 degC the composition relation knows only halite and sylvite.
    SalinityInput in = system(S::H2O_NaCl_KCl);
    in.ice = in.hydrohalite = true;
    in.iceC = -22;
    in.hydrohaliteC = 700;
    SalinityResult r = empiricalSalinity(in);
    EXPECT_EQ(r.cotectic.liquid.pressureMPa, 0.1);
    EXPECT_EQ(r.phase, 2);

    in.iceC = 700;
    in.hydrohaliteC = -22;
    r = empiricalSalinity(in);
    EXPECT_EQ(r.phase, 1);
    EXPECT_EQ(r.finalDissolution.liquid.pressureMPa, 0.1);
}

TEST(EmpiricalSalinityCalc, AFailedSearchLeavesNoComposition) {
    SalinityInput in = system(S::H2O_NaCl_KCl);
    // Ice + sylvite at -5 degC lies past the H2O-KCl eutectic: no cotectic
    // ratio, so neither liquid is known.
    in.ice = in.sylvite = true;
    in.iceC = -5;
    in.sylviteC = -4;
    SalinityResult r = empiricalSalinity(in);
    EXPECT_TRUE(r.written);
    EXPECT_EQ(Globals::Cotectic_Exact(2, -5 + kC), 0.0);
    EXPECT_FALSE(r.cotectic.found);
    EXPECT_FALSE(r.finalDissolution.found);
    EXPECT_EQ(r.cotectic.temperatureK, -5 + kC);
    EXPECT_EQ(r.finalDissolution.temperatureK, -4 + kC);

    // Hydrohalite dissolving at 700 degC: the final ratio is not found.
    in = system(S::H2O_NaCl_KCl);
    in.hydrohalite = in.sylvite = true;
    in.hydrohaliteC = 700;
    in.sylviteC = -10;
    r = empiricalSalinity(in);
    EXPECT_TRUE(r.cotectic.found);
    EXPECT_FALSE(r.finalDissolution.found);
}

TEST(EmpiricalSalinityCalc, ALiquidWithMoreSaltThanLiquidIsNotShown) {
    // Halite at 700 degC after sylvite at 655 degC: the final liquid of the
    // fit would hold about 115 % salt.
    SalinityInput in = system(S::H2O_NaCl_KCl);
    in.halite = in.sylvite = true;
    in.haliteC = 700;
    in.sylviteC = 655;
    const SalinityResult r = empiricalSalinity(in);
    EXPECT_TRUE(r.cotectic.found);
    EXPECT_FALSE(r.finalDissolution.found);
    EXPECT_GT(r.finalDissolution.liquid.xNaCl + r.finalDissolution.liquid.xKCl, 1.0);
}

// The fixed points shown in the first column of the binary systems are the
// same points on both scales.
TEST(EmpiricalSalinityCalc, TheBinaryReferencePointsAgreeOnBothScales) {
    struct Case {
        double asPercent, massPercent;
        bool nacl;
    };
    const Case cases[] = {{8.56, 23.3, true}, {9.91, 26.3, true}, {5.60, 19.7, false}};
    for (const Case& c : cases) {
        const double x = c.asPercent / 100;
        const LiquidMassFractions w =
            c.nacl ? liquidMassFractions(1 - x, x, 0) : liquidMassFractions(1 - x, 0, x);
        EXPECT_NEAR(100 * (c.nacl ? w.wNaCl : w.wKCl), c.massPercent, 0.05);
    }
}

} // namespace
