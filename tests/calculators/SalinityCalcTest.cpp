// Salinity from the dissolution temperatures of halite and sylvite: the
// three stages on a model of known shape, then on the thermodynamic model.
#include "calculators/thermodynamic/SalinityCalc.h"

#include "Globals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using calculators::salinityFromDissolution;
using calculators::SalinityModel;
using calculators::SalinityResult;

constexpr double kC = 273.15;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A model whose answers are simple functions, with a record of the calls.
// Solvus: x(NaCl) 0.2 (KCl-rich) and 0.9 (NaCl-rich) at any temperature.
// Cotectic liquid: 70 % water, 12 % NaCl, 18 % KCl. Liquidus along the
// line: 1000 K at the solid (s = 0) falling to 600 K at the liquid (s = 1).
struct Fake {
    std::array<double, 2> pair{0.2, 0.9};
    double seed = 500;
    std::function<double(double s)> liquidusOfS = [](double s) { return 1000 - 400 * s; };
    std::array<double, 2> finalSolid{0.95, 0.05};

    std::vector<double> solvusT, innerSolid, seedsFor, liquidusS, liquidusStarts;
    double lastSolid = kNaN;

    SalinityModel model() {
        SalinityModel m;
        m.solvus = [this](double T, double) {
            solvusT.push_back(T);
            return pair;
        };
        m.cotecticInner = [this](double w, double xs, double, double) {
            innerSolid.push_back(xs);
            lastSolid = xs;
            return inner(w);
        };
        m.liquidusSeed = [this](int, double, double) { return seed; };
        m.liquidus = [this](int, double xNaCl, double, double, double startK) -> std::array<double, 3> {
            const double s = (xNaCl - lastSolid) / (0.12 - lastSolid);
            liquidusS.push_back(s);
            liquidusStarts.push_back(startK);
            return {liquidusOfS(s), finalSolid[0], finalSolid[1]};
        };
        return m;
    }
    std::function<calculators::CotecticInnerResult(double)> inner = [](double w) {
        return calculators::CotecticInnerResult{1000 * (0.7 - w), 0.12, 0.18};
    };
};

TEST(SalinityCalc, TheLowerTemperatureIsTheCotecticAndATieMeansHaliteLast) {
    const struct {
        double haliteK, sylviteK;
        int field;
        double T1, T2, solid;
    } cases[] = {
        {700, 600, 3, 600, 700, 0.9}, // halite dissolves last: the NaCl-rich limb
        {600, 700, 4, 600, 700, 0.2}, // sylvite last: the KCl-rich limb
        {650, 650, 3, 650, 650, 0.9}, // equal: halite last
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.haliteK);
        Fake f;
        f.liquidusOfS = [&](double s) { return c.T2 + 50 * (0.6 - s); };
        const SalinityResult r = salinityFromDissolution(10, c.haliteK, c.sylviteK, f.model());
        EXPECT_EQ(r.field, c.field);
        EXPECT_EQ(r.cotecticK, c.T1);
        EXPECT_EQ(r.finalK, c.T2);
        ASSERT_EQ(f.solvusT.size(), 1u);
        EXPECT_EQ(f.solvusT[0], c.T1);
        ASSERT_FALSE(f.innerSolid.empty());
        EXPECT_EQ(f.innerSolid[0], c.solid);
        EXPECT_TRUE(r.bulkFound);
        EXPECT_NEAR(r.s, 0.6, 1e-7);
    }
}

TEST(SalinityCalc, MeltingOfTheAnhydrousSolid) {
    EXPECT_NEAR(calculators::anhydrousMeltingK(0, 0), 800.1 + kC, 1e-9);
    EXPECT_NEAR(calculators::anhydrousMeltingK(1, 0), 770.2 + kC, 1e-9);
    EXPECT_NEAR(calculators::anhydrousMeltingK(0, 100), 820.1 + kC, 1e-9);
    // The minimum of the solid solution's melting lies between the salts.
    EXPECT_LT(calculators::anhydrousMeltingK(0.5, 0), 700 + kC);
}

TEST(SalinityCalc, TheBulkSearchStartsFromTheLeverRuleOfTheMeltingTemperature) {
    const double P = 10;
    const double Tm = calculators::anhydrousMeltingK(1 - 0.9, P); // halite last: solid 0.9
    const struct {
        const char* what;
        double T1, T2, s0, s1;
    } cases[] = {
        {"lever rule", 600, 800, (Tm - 800) / (Tm - 600), (Tm - 800) / (Tm - 600) + 0.05},
        {"equal temperatures", 700, 700, 0.9, 0.95},
        {"final temperature above the melting", 600, Tm + 20, 0.1, 0.15},
        {"second start past 1", 600, 610, (Tm - 610) / (Tm - 600), ((Tm - 610) / (Tm - 600) + 1) / 2},
        {"cotectic at the melting", Tm, Tm + 10, 0.5, 0.55},
        {"cotectic above the melting", Tm + 5, Tm + 10, 0.5, 0.55},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fake f;
        const SalinityResult r = salinityFromDissolution(P, c.T2, c.T1, f.model());
        ASSERT_TRUE(r.liquidFound);
        ASSERT_GE(f.liquidusS.size(), 2u);
        EXPECT_NEAR(f.liquidusS[0], c.s0, 1e-12);
        EXPECT_NEAR(f.liquidusS[1], c.s1, 1e-12);
    }
}

TEST(SalinityCalc, TheLiquidusStartsFromTheEmpiricalTemperatureWithinLimits) {
    const struct {
        double seed, start;
    } cases[] = {
        {0, 293.15},        {200, 293.15},   {273.15, 273.15}, {500, 500},
        {1093.15, 1093.15}, {1100, 1073.15}, {1e300, 1073.15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seed);
        Fake f;
        f.seed = c.seed;
        salinityFromDissolution(10, 800, 600, f.model());
        ASSERT_FALSE(f.liquidusStarts.empty());
        for (double start : f.liquidusStarts)
            EXPECT_EQ(start, c.start);
    }
}

TEST(SalinityCalc, TheBulkIsOnTheLineWhereTheLiquidusIsTheFinalTemperature) {
    Fake f;
    const SalinityResult r = salinityFromDissolution(10, 800, 600, f.model());
    ASSERT_TRUE(r.bulkFound);
    // 1000 - 400 s = 800 at s = 0.5: halfway from [0, 0.9, 0.1] to [0.7, 0.12, 0.18].
    EXPECT_NEAR(r.s, 0.5, 1e-8);
    EXPECT_NEAR(r.bulkH2O, 0.35, 1e-8);
    EXPECT_NEAR(r.bulkNaCl, 0.51, 1e-8);
    EXPECT_NEAR(r.bulkKCl, 0.14, 1e-8);
    EXPECT_NEAR(r.liquidusK, 800, 1e-5);
    EXPECT_NEAR(r.bulk.asNaCl, 51, 1e-6);
    EXPECT_NEAR(r.bulk.asKCl, 14, 1e-6);
    const double mass = 0.35 * 18.01528 + 0.51 * 58.462468 + 0.14 * 74.57143;
    EXPECT_NEAR(r.bulk.massNaCl, 100 * 0.51 * 58.462468 / mass, 1e-6);
    EXPECT_NEAR(r.bulk.massKCl, 100 * 0.14 * 74.57143 / mass, 1e-6);
    EXPECT_EQ(r.finalSolid.asNaCl, 95);
    EXPECT_EQ(r.finalSolid.asKCl, 5);
    EXPECT_NEAR(r.finalSolid.massNaCl + r.finalSolid.massKCl, 100, 1e-12);
    // Stages A and B.
    EXPECT_EQ(r.solidNaCl, 0.9);
    EXPECT_NEAR(r.cotecticSolid.asNaCl, 90, 1e-12);
    EXPECT_NEAR(r.cotecticSolid.massNaCl, 100 * 0.9 * 58.462468 / (0.9 * 58.462468 + 0.1 * 74.57143), 1e-12);
    EXPECT_NEAR(r.cotectic.xH2O, 0.7, 1e-12);
    EXPECT_EQ(r.cotecticLiquid.asNaCl, 12);
    EXPECT_EQ(r.cotecticLiquid.asKCl, 18);
    EXPECT_LT(r.cotecticLiquid.massNaCl + r.cotecticLiquid.massKCl, 100);
}

TEST(SalinityCalc, EachFailedStageStopsTheStagesAfterIt) {
    {
        SCOPED_TRACE("no solvus");
        Fake f;
        f.pair = {0, 0};
        const SalinityResult r = salinityFromDissolution(10, 800, 600, f.model());
        EXPECT_FALSE(r.solidFound);
        EXPECT_FALSE(r.liquidFound);
        EXPECT_FALSE(r.bulkFound);
        EXPECT_TRUE(f.innerSolid.empty());
        EXPECT_EQ(r.cotecticK, 600); // the temperatures are known all the same
        EXPECT_EQ(r.finalK, 800);
    }
    {
        SCOPED_TRACE("cotectic liquid does not converge");
        Fake f;
        f.inner = [](double w) { return calculators::CotecticInnerResult{1000 * (-1 - w), 0.12, 0.18}; };
        const SalinityResult r = salinityFromDissolution(10, 800, 600, f.model());
        EXPECT_TRUE(r.solidFound);
        EXPECT_FALSE(r.liquidFound);
        EXPECT_FALSE(r.bulkFound);
        EXPECT_TRUE(f.liquidusS.empty());
    }
    {
        SCOPED_TRACE("inner search fails: no liquid of 0 % salt, and no last stage from it");
        Fake f;
        f.inner = [](double) { return calculators::CotecticInnerResult{0, 0, 0}; };
        const SalinityResult r = salinityFromDissolution(10, 800, 600, f.model());
        EXPECT_TRUE(r.solidFound);
        EXPECT_FALSE(r.liquidFound);
        EXPECT_TRUE(f.liquidusS.empty());
    }
    {
        SCOPED_TRACE("liquidus fails everywhere");
        Fake f;
        f.liquidusOfS = [](double) { return 0.0; };
        f.finalSolid = {0, 0};
        const SalinityResult r = salinityFromDissolution(10, 800, 600, f.model());
        EXPECT_TRUE(r.liquidFound);
        EXPECT_FALSE(r.bulkFound);
        EXPECT_LT(f.liquidusS.size(), 103u); // equal residuals: the search settles, then fails on the solid
    }
    {
        SCOPED_TRACE("liquidus found but no solid");
        Fake f;
        f.finalSolid = {0, 0};
        EXPECT_FALSE(salinityFromDissolution(10, 800, 600, f.model()).bulkFound);
    }
    {
        SCOPED_TRACE("no point of the line reaches the final temperature");
        Fake f; // the liquidus is at most 1000 K
        const SalinityResult r = salinityFromDissolution(10, 1050, 600, f.model());
        EXPECT_TRUE(r.liquidFound);
        EXPECT_FALSE(r.bulkFound);
    }
}

TEST(SalinityCalc, AFailingLiquidusInsideTheSearchCountsAsZeroKelvin) {
    // The liquidus of the second start fails (G = T2 there); the search goes
    // on from it and finds the root at 0.5 all the same.
    Fake f;
    SalinityModel m = f.model();
    int calls = 0;
    m.liquidus = [&, real = m.liquidus](int field, double xNaCl, double xKCl, double P,
                                        double startK) -> std::array<double, 3> {
        const auto t = real(field, xNaCl, xKCl, P, startK);
        return ++calls == 2 ? std::array<double, 3>{0, 0, 0} : t;
    };
    const SalinityResult r = salinityFromDissolution(10, 800, 600, m);
    ASSERT_TRUE(r.bulkFound);
    EXPECT_NEAR(r.s, 0.5, 1e-8);
    EXPECT_GT(calls, 3);
}

TEST(SalinityCalc, TheSameLiquidIsNotAskedForItsLiquidusTwiceInARow) {
    // Pressing against s = 0, the search returns to the very same liquid.
    Fake f;
    salinityFromDissolution(10, 1050, 600, f.model());
    for (std::size_t i = 1; i < f.liquidusS.size(); ++i)
        EXPECT_NE(f.liquidusS[i], f.liquidusS[i - 1]) << i;
}

TEST(SalinityCalc, TemperaturesThatAreNotNumbersFailCleanly) {
    const double inf = std::numeric_limits<double>::infinity();
    for (auto [halite, sylvite] : {std::pair{inf, 600.0}, std::pair{600.0, inf}, std::pair{-inf, 600.0},
                                   std::pair{kNaN, 600.0}, std::pair{600.0, kNaN}, std::pair{1e308, 600.0}}) {
        SCOPED_TRACE(::testing::Message() << halite << " " << sylvite);
        const SalinityResult r = salinityFromDissolution(10, halite, sylvite);
        EXPECT_FALSE(r.bulkFound);
    }
}

// ---------------------------------------------------------------------------
// On the thermodynamic model

struct RealCase {
    double P, haliteC, sylviteC;
};

const RealCase kReal[] = {
    {0.1, 350, 300}, {0.1, 300, 350}, {100, 350, 300}, {0.1, 300, 300}, {0.1, 450, 200},
    {0.1, 200, 450}, {200, 600, 500}, {50, 485, 475},  {0.1, 150, 100}, {300, 700, 250},
};

TEST(SalinityCalc, ResultsAgreeWithTheModel) {
    for (const RealCase& c : kReal) {
        SCOPED_TRACE(::testing::Message()
                     << c.P << " MPa, halite " << c.haliteC << ", sylvite " << c.sylviteC);
        const double Th = c.haliteC + kC, Ts = c.sylviteC + kC;
        const SalinityResult r = salinityFromDissolution(c.P, Th, Ts);
        ASSERT_TRUE(r.bulkFound);
        const double T1 = std::min(Th, Ts), T2 = std::max(Th, Ts);
        const int field = Th < Ts ? 4 : 3;
        EXPECT_EQ(r.field, field);

        // Stage A: the limb of the salt that dissolves last.
        const auto pair = Globals::Equality_solids(T1, c.P);
        EXPECT_EQ(r.solidNaCl, field == 3 ? pair[1] : pair[0]);
        EXPECT_NEAR(r.cotecticSolid.asNaCl + r.cotecticSolid.asKCl, 100, 1e-12);
        EXPECT_NEAR(r.cotecticSolid.massNaCl + r.cotecticSolid.massKCl, 100, 1e-12);

        // Stage B: the liquid from the other limb is the same liquid.
        const auto other = calculators::cotecticLiquid(field == 3 ? pair[0] : pair[1], T1, c.P);
        ASSERT_TRUE(other.found);
        EXPECT_NEAR(r.cotectic.xH2O, other.xH2O, 1e-7);
        EXPECT_NEAR(r.cotectic.xNaCl, other.xNaCl, 1e-7);
        const auto inner = Globals::Cotectic_NaCl_sol_liq(r.cotectic.xH2O, r.solidNaCl, T1, c.P);
        EXPECT_NEAR(inner[0], 0, 1e-5);
        EXPECT_EQ(100 * inner[1], r.cotecticLiquid.asNaCl);
        EXPECT_EQ(100 * inner[2], r.cotecticLiquid.asKCl);

        // Stage C: on the line from the solid to that liquid, with the typed
        // final temperature as its liquidus (sought here from another start).
        EXPECT_NEAR(r.bulkH2O, r.s * r.cotectic.xH2O, 1e-15);
        EXPECT_NEAR(r.bulkNaCl, r.solidNaCl + r.s * (r.cotectic.xNaCl - r.solidNaCl), 1e-15);
        EXPECT_NEAR(r.bulkH2O + r.bulkNaCl + r.bulkKCl, 1, 1e-15);
        EXPECT_GT(r.s, 0);
        EXPECT_LT(r.s, 1);
        const auto liquidus = Globals::Temperature_Liquidus(field, r.bulkNaCl, r.bulkKCl, c.P, T2 - 10);
        EXPECT_NEAR(liquidus[0], T2, 1e-6 * T2);
        EXPECT_NEAR(r.liquidusK, T2, 1e-6 * T2);
        EXPECT_NEAR(100 * liquidus[1], r.finalSolid.asNaCl, 1e-4);
        EXPECT_NEAR(r.finalSolid.massNaCl + r.finalSolid.massKCl, 100, 1e-12);
        EXPECT_LT(r.bulk.massNaCl + r.bulk.massKCl, 100);
        // The solid at final dissolution is richer in the salt that dissolves last.
        if (field == 3)
            EXPECT_GT(r.finalSolid.asNaCl, 50);
        else
            EXPECT_GT(r.finalSolid.asKCl, 50);
    }
}

TEST(SalinityCalc, FailuresOfTheThermodynamicModel) {
    // Above the crest of the solvus (about 492 degC at 0.1 MPa).
    SalinityResult r = salinityFromDissolution(0.1, 600 + kC, 500 + kC);
    EXPECT_FALSE(r.solidFound);
    // Halite last at 10 degC: from the NaCl-rich solid the search runs into
    // liquids without KCl and never settles.
    r = salinityFromDissolution(0.1, 50 + kC, 10 + kC);
    EXPECT_TRUE(r.solidFound);
    EXPECT_FALSE(r.liquidFound);
    // Sylvite at 825 degC melts the KCl-rich solid (about 766 degC): no bulk
    // liquid has that liquidus. The search comes to rest on the solid itself.
    r = salinityFromDissolution(0.1, 125 + kC, 825 + kC);
    EXPECT_TRUE(r.liquidFound);
    EXPECT_FALSE(r.bulkFound);
}

} // namespace
