// Salinity from the dissolution temperatures of halite and sylvite, and the
// halite-sylvite cotectic: the search for the cotectic liquid both share and
// the three stages of the salinity on residuals of known shape and on the
// thermodynamic model, and the Salinities and Cotectic windows driven as a
// user drives them.
#include "CalculatorTestKit.h"
#include "support/GuiTest.h"

#include "calculators/thermodynamic/Cotectic.h"
#include "calculators/thermodynamic/CotecticCalc.h"
#include "calculators/thermodynamic/Salinities.h"
#include "calculators/thermodynamic/SalinityCalc.h"

#include "Globals.h"
#include "ui/ValStr.h"

#include <QTest>

#include <cmath>
#include <vector>

namespace {

using namespace calculators;
using namespace Globals; // the model's functions and molar masses
using Inner = CotecticInnerResult;
using Liquidus = std::array<double, 3>;
constexpr double kC = 273.15, kInf = INFINITY;

std::vector<double> points; // where the last search asked for the inner answer

CotecticLiquid search(const std::function<Inner(double)>& inner, double solidNaCl = 0.1) {
    points.clear();
    return searchCotecticLiquid(solidNaCl, [&](double w) {
        points.push_back(w);
        return inner(w);
    });
}

// The starts 0.1 and 0.2 below the solid's KCl fraction, each at least
// above 0.3 (0.4 and 0.31 instead), at and just beyond that bound. The
// liquid is the inner answer at the point found, also where the residual is
// exactly 0 (only the all-zero answer is the inner failure).
TEST(CotecticLiquidSearch, StartPointsAndTheLiquidFound) {
    const std::tuple<double, double, double> cases[] = {
        {0.0914, (1 - 0.0914) - 0.1, (1 - 0.0914) - 0.2}, // KCl-rich solid
        {0.5, 0.4, 0.31},                                 // (1 - 0.5) - 0.2 is exactly 0.3
        {0.6, (1 - 0.6) - 0.1, 0.31},                     // 0.30000000000000004 is kept
        {0.61, 0.4, 0.31},                                // NaCl-rich solids
    };
    auto inner = [](double w) { return Inner{1000 * (0.65 - w), 0.4 * (1 - w), 0.6 * (1 - w)}; };
    for (auto [solidNaCl, first, second] : cases) {
        const auto l = search(inner, solidNaCl);
        EXPECT_TRUE(points[0] == first && points[1] == second) << solidNaCl;
        EXPECT_TRUE(l.found && l.xH2O == points.back() && l.xKCl == 0.6 * (1 - l.xH2O));
        EXPECT_NEAR(l.xH2O, 0.65, 1e-11);
    }
    auto zeroAt07 = [](double w) { return w == 0.7 ? Inner{0, 0.12, 0.18} : Inner{5000, 0.1, 0.1}; };
    const auto zero = search(zeroAt07);
    EXPECT_TRUE(zero.found && zero.xH2O == 0.7 && zero.xNaCl == 0.12);
}

// Settled points that are no cotectic liquid, and searches that never
// settle, on a residual a + b w (J/mol) with a liquid of fixed salts; a
// point past a bound goes halfway back to it from the point before.
TEST(CotecticLiquidSearch, NoLiquid) {
    const std::array<double, 4> cases[] = {
        {0, 0, 0, 0},             // the inner search fails: its all-zero answer is no liquid of 0 % salt
        {250, 0, 0.2, 0.1},       // the steps shrink to nothing on a plateau 250 J/mol out of equilibrium
        {-1000, -1000, 0.4, 0.6}, // roots at -1 and 3, beyond the bounds: the search rests on a bound
        {3000, -1000, 0.4, 0.6},  //
        {700, -1000, NAN, 0.18},  // a liquid that is not a number
        {-INFINITY, 0, 0.5, 0},   // a liquid without KCl
        {NAN, 0, 0.1, 0.1},       // past both bounds, never settles
    };
    for (const auto& c : cases) {
        const double a = c[0], b = c[1], naCl = c[2], kCl = c[3];
        auto inner = [=](double w) { return Inner{a + b * w, naCl, kCl}; };
        EXPECT_FALSE(search(inner).found) << a << " + " << b << " w";
        EXPECT_TRUE(naCl != 0.4 || points[2] == (0.7 + (a < 0 ? 0.3 : 1.0)) / 2);
    }
}

// Above a water fraction of 0.85 the liquid has no KCl left and the residual
// is -inf; a KCl-rich solid puts the first start there. That start, and any
// step into that range, goes back towards the last point with a residual,
// as at a bound, and the root just below the edge is found.
TEST(CotecticLiquidSearch, PointsWithoutKClAreMovedBack) {
    for (double root : {0.8, 0.849}) {
        auto inner = [=](double w) {
            return w > 0.85 ? Inner{-kInf, 1 - w, 0} : Inner{1000 * (root - w), 0.1, 0.85 - w};
        };
        const auto l = search(inner, 0.0066);
        EXPECT_TRUE(points[0] > 0.85 && points[2] == (points[0] + points[1]) / 2);
        EXPECT_TRUE(l.found && std::fabs(l.xH2O - root) < 1e-10) << root;
        EXPECT_LE(points.size(), 103u);
    }
}

// A model of known shape: solvus limbs of x(NaCl) 0.2 and 0.9; a cotectic
// liquid of 12 % NaCl and 18 % KCl whose residual is linear in the water
// fraction with its root at 0.7 (not a number: the inner search fails with
// its all-zero answer); a liquidus along the line falling from `topK` at the
// solid (s = 0) by 400 K to the liquid (s = 1), with `solid` as its solid.
// The liquidus call numbered `failing` fails (-1: all). Records s and the
// start of each liquidus asked for.
struct Fake {
    std::array<double, 2> pair{0.2, 0.9};
    double root = 0.7, liquidNaCl = 0.12, seedK = 500, topK = 1000;
    std::array<double, 2> solid{0.95, 0.05};
    int failing = 0;
    double highestK = 1100; // the highest liquidus of the solid solution
    std::vector<double> s{}, startsK{};

    SalinityResult run(double haliteK = 800, double sylviteK = 600) {
        SalinityModel m;
        m.solvus = [&](double, double) { return pair; };
        m.cotecticInner = [&](double w, double, double, double) {
            return std::isnan(root) ? Inner{} : Inner{1000 * (root - w), liquidNaCl, 0.18};
        };
        m.liquidusSeed = [&](int, double, double) { return seedK; };
        m.highestLiquidus = [&](int, double, double, double, double) { return highestK; };
        m.liquidus = [&](int, double xNaCl, double xKCl, double, double startK) {
            s.push_back((1 - xNaCl - xKCl) / 0.7);
            startsK.push_back(startK);
            const bool fails = failing < 0 || failing == int(s.size());
            return fails ? Liquidus{} : Liquidus{topK - 400 * s.back(), solid[0], solid[1]};
        };
        return salinityFromDissolution(10, haliteK, sylviteK, m);
    }
};

// Halite dissolving last (solid 0.9): after the liquidus of the solid
// itself (s = 0), the search along the line starts from the lever rule
// between the melting of that solid and the cotectic temperature, kept
// inside the segment; each liquidus from the empirical temperature kept
// between 20 and 800 C (both bounds kept).
TEST(SalinityCalc, WhereTheBulkAndTheLiquidusSearchesStart) {
    const double Tm = anhydrousMeltingK(0.1, 10), lever = (Tm - 610) / (Tm - 600);
    const std::array<double, 6> cases[] = {
        // T1, T2, empirical seed, first and second point of the line, start of the liquidus search
        {600, 610, 273.1499, lever, (lever + 1) / 2, 293.15}, // lever rule; the second point would pass 1
        {700, 700, 273.15, 0.9, 0.95, 273.15},                // equal temperatures
        {600, Tm + 20, 1093.15, 0.1, 0.15, 1093.15},          // final temperature above the melting
        {Tm, Tm + 10, 1093.1501, 0.5, 0.55, 1073.15},         // cotectic at the melting: no lever rule
    };
    for (auto [T1, T2, seedK, s0, s1, startK] : cases) {
        Fake f{.seedK = seedK, .topK = 1400}; // the liquidus of the solid above every T2
        f.run(T2, T1);
        ASSERT_GE(f.s.size(), 3u);
        EXPECT_TRUE(f.s[0] == 0 && std::fabs(f.s[1] - s0) < 1e-10 && std::fabs(f.s[2] - s1) < 1e-10)
            << T1 << " " << T2;
        EXPECT_EQ(f.startsK, std::vector<double>(f.startsK.size(), startK)) << seedK;
    }
}

// What each run reached: the solid (A), the cotectic liquid (B), the bulk
// liquid (C). A stage that fails stops the stages after it, and no liquidus
// is asked for without a cotectic liquid.
TEST(SalinityCalc, EachFailedStageStopsTheStagesAfterIt) {
    const std::pair<Fake, const char*> cases[] = {
        {{.pair = {0, 0}}, "---"},      // no solvus
        {{.pair = {0.2, kInf}}, "---"}, // a solid that is not a number
        {{.root = -1}, "A--"},          // no root between the bounds
        {{.root = NAN}, "A--"},         // the inner failure: no liquid of 0 % salt
        {{.liquidNaCl = NAN}, "A--"},   // a liquid that is not a number
        {{.topK = 1300}, "AB-"},        // no point of the line has the final temperature as its liquidus
        {{.failing = -1}, "AB-"},       // no liquidus anywhere
        {{.solid = {0, 0}}, "AB-"},     // a liquidus without its solid
        {{.solid = {kInf, 0}}, "AB-"},  // a solid that is not a number
        {{.failing = 3}, "ABC"},        // a failing liquidus counts as 0 K: the search goes on
    };
    for (const auto& [fake, reached] : cases) {
        Fake f = fake;
        const SalinityResult r = f.run();
        const std::string s = {r.solidFound ? 'A' : '-', r.liquidFound ? 'B' : '-', r.bulkFound ? 'C' : '-'};
        EXPECT_EQ(s, reached) << &fake - &cases[0].first;
        EXPECT_EQ(f.s.empty(), !r.liquidFound);
    }
}

// The liquidus falls from 1000 K at the solid to 600 K at the cotectic
// liquid. A final temperature more than 0.1 K above the liquidus of the solid
// itself, or, where that is not found, above the highest liquidus the solid
// solution allows (1100 K + 0.1 K where that is not found either), is met
// nowhere on the line: no search along it.
TEST(SalinityCalc, AFinalTemperatureAboveTheSolidsLiquidusIsDecidedAtOnce) {
    const std::tuple<int, double, double, bool> cases[] = {
        // failing liquidus call (1: the solid's), highest liquidus, final temperature, searched
        {0, 1100, 1000.2, false}, {0, 1100, 1000.05, true}, {1, 1100, 1100.3, false},
        {1, 1100, 1100.15, true}, {1, 1050, 1100.3, false}, {1, 1200, 1200.05, true},
        {1, 1200, 1200.2, false},
    };
    for (auto [failing, highestK, T2, searched] : cases) {
        Fake f{.failing = failing, .highestK = highestK};
        const SalinityResult r = f.run(T2, 600);
        EXPECT_TRUE(r.liquidFound && !r.bulkFound);
        EXPECT_EQ(f.s.size() > 1, searched) << failing << " " << highestK << " " << T2;
    }
}

// On the thermodynamic model: the salt dissolving last chooses the limb (a
// tie counts as halite), and the bulk liquid lies on the line from that
// solid to the cotectic liquid with the typed final temperature as its
// liquidus (sought here from another start).
TEST(SalinityCalc, ResultsAgreeWithTheModel) {
    const std::array<double, 3> cases[] = {
        {0.1, 350, 300}, {0.1, 300, 350}, {0.1, 300, 300}, {300, 700, 250}};
    for (auto [P, haliteC, sylviteC] : cases) {
        SCOPED_TRACE(testing::Message() << P << " MPa, halite " << haliteC << ", sylvite " << sylviteC);
        const double Th = haliteC + kC, Ts = sylviteC + kC, T1 = std::min(Th, Ts), T2 = std::max(Th, Ts);
        const SalinityResult r = salinityFromDissolution(P, Th, Ts);
        ASSERT_TRUE(r.bulkFound);
        const int field = Th < Ts ? 4 : 3;
        EXPECT_TRUE(r.field == field && r.solidNaCl == Equality_solids(T1, P)[field == 3 ? 1 : 0]);
        EXPECT_EQ(r.bulkH2O, r.s * r.cotectic.xH2O);
        EXPECT_NEAR(r.bulkNaCl, r.solidNaCl + r.s * (r.cotectic.xNaCl - r.solidNaCl), 1e-15);
        EXPECT_NEAR(Temperature_Liquidus(field, r.bulkNaCl, r.bulkKCl, P, T2 - 10)[0], T2, 1e-6 * T2);
        const double g = r.bulkH2O * kMolarMassH2O + r.bulkNaCl * kMolarMassNaCl + r.bulkKCl * kMolarMassKCl;
        EXPECT_NEAR(r.bulk.massKCl, 100 * r.bulkKCl * kMolarMassKCl / g, 1e-9); // g per mole of liquid
    }
}

// Temperatures 0.5 K apart where the cotectic liquid search, from the
// KCl-rich solid or (in the salinity window, halite dissolving last) from the
// NaCl-rich one, once stepped onto liquids without KCl and gave up. Along
// such a sweep each liquid lies between its neighbours.
TEST(CotecticCalc, NoGapBetweenTemperaturesWithALiquid) {
    const std::array<double, 3> sweeps[] = {
        // MPa, first and last degC
        {0.1, 70, 87}, {50, 101, 103}, {50, 127, 129}, {100, 124, 125}, {100, 141.5, 142.5},
    };
    for (auto [P, fromC, toC] : sweeps) {
        std::vector<SaltContent> liquids;
        for (double tC = fromC; tC <= toC; tC += 0.5) {
            const CotecticResult r = cotecticAt(tC + kC, P);
            ASSERT_TRUE(r.liquidFound) << tC << " C, " << P << " MPa";
            liquids.push_back(r.liquidContent);
        }
        for (std::size_t i = 1; i + 1 < liquids.size(); ++i) {
            const SaltContent &a = liquids[i - 1], &b = liquids[i], &c = liquids[i + 1];
            EXPECT_TRUE((a.asNaCl - b.asNaCl) * (b.asNaCl - c.asNaCl) >= 0 &&
                        (a.asKCl - b.asKCl) * (b.asKCl - c.asKCl) >= 0)
                << fromC + 0.5 * i << " C, " << P << " MPa";
        }
    }
    // The example of 77.5 C at 0.1 MPa, between 77 C (8.192528 / 7.598267 as %)
    // and 78 C (8.199978 / 7.645807).
    const CotecticResult r = cotecticAt(77.5 + kC, 0.1);
    EXPECT_TRUE(r.liquidContent.asNaCl > 8.192528 && r.liquidContent.asNaCl < 8.199978);
    EXPECT_TRUE(r.liquidContent.asKCl > 7.598267 && r.liquidContent.asKCl < 7.645807);
    for (auto [P, sylviteC] : {std::pair{0.1, 10.0}, {100, 33}, {200, 48}, {200, 55.5}}) {
        const SalinityResult h = salinityFromDissolution(P, sylviteC + 20 + kC, sylviteC + kC);
        EXPECT_TRUE(h.liquidFound) << sylviteC << " C, " << P << " MPa";
    }
}

// Final temperatures that no liquid of the line reaches: above the
// liquidus of the solid itself (0.1 MPa), and above the highest liquidus the
// liquidus search can find where the solid's own is not found (446.6 MPa).
// Decided with the solid's liquidus, not after a search along the line. At
// a negative pressure the liquidus rises above the solid's inside the line
// (at -435.5 MPa it is 912 K at the solid and 1082 K at s = 0.1), and the
// search finds the liquid there.
TEST(SalinityCalc, UnreachableFinalTemperaturesWithoutASearch) {
    const std::tuple<double, double, double, bool> cases[] = {
        // MPa, sylvite and halite degC, found
        {0.1, 760, 400, false},
        {446.6, 830.6, 82.1, false},
        {-435.5, 714.3, 244.5, true},
    };
    for (auto [P, sylviteC, haliteC, found] : cases) {
        SalinityModel m = SalinityModel::thermodynamic();
        int calls = 0;
        const auto liquidus = m.liquidus;
        m.liquidus = [&](int field, double xNaCl, double xKCl, double pressureMPa, double startK) {
            ++calls;
            return liquidus(field, xNaCl, xKCl, pressureMPa, startK);
        };
        const SalinityResult r = salinityFromDissolution(P, haliteC + kC, sylviteC + kC, m);
        EXPECT_TRUE(r.liquidFound && r.bulkFound == found) << P << " MPa";
        EXPECT_EQ(calls == 1, !found) << P << " MPa";
    }
}

const QStringList kResults = {"resultT1",        "resultNaCl1",    "resultKCl1",     "resultNaCl1a",
                              "resultKCl1a",     "resultNaCl1sol", "resultKCl1sol",  "resultNaCl1asol",
                              "resultKCl1asol",  "resultT2",       "resultNaCl2",    "resultKCl2",
                              "resultNaCl2a",    "resultKCl2a",    "resultNaCl2sol", "resultKCl2sol",
                              "resultNaCl2asol", "resultKCl2asol"};

class SalinitiesWindow : public testsupport::GuiTest {
protected:
    ui::Window& w() { return *Salinities(); }
    QStringList results() { return calctest::texts(w(), kResults); }
    void enter(const char* P, const char* sylC, const char* halC) {
        for (auto [entry, text] :
             {std::pair{"dataEntryP", P}, {"dataEntryTsyl", sylC}, {"dataEntryThal", halC}})
            w().field(entry).setText(text);
    }
    void press() { testsupport::click(w().button("calculate")); }
};

// Return presses "calculate", not "phase diagram", though both are default
// buttons; each label shows its value of the calculation.
TEST_F(SalinitiesWindow, ReturnCalculatesAndEachLabelShowsItsValue) {
    w().Show();
    enter("0.1", "300", "350");
    QTest::keyClick(&w().field("dataEntryThal"), Qt::Key_Return);
    EXPECT_FALSE(testsupport::isShown("DetailsThermo"));
    const SalinityResult r = salinityFromDissolution(0.1, 350 + kC, 300 + kC);
    QStringList expected;
    for (const auto& c : {r.cotecticLiquid, r.cotecticSolid, r.bulk, r.finalSolid})
        expected << ui::Str(c.asNaCl) << ui::Str(c.asKCl) << ui::Str(c.massNaCl) << ui::Str(c.massKCl);
    expected.insert(0, "573.15  K");
    expected.insert(9, "623.15  K");
    EXPECT_EQ(results(), expected);
    EXPECT_EQ(testsupport::clippedTexts(w()), QStringList());
    testsupport::saveScreenshot(w(), "Salinities-calculated");
}

TEST_F(SalinitiesWindow, EveryEditEmptiesAllEighteenResultsAndJunkShowsNoNumberText) {
    for (const char* entry : {"dataEntryP", "dataEntryTsyl", "dataEntryThal"}) {
        enter("0.1", "300", "350");
        press();
        ASSERT_FALSE(results().contains(""));
        testsupport::typeInto(w().field(entry), "."); // the same number
        EXPECT_EQ(results(), QStringList(18, "")) << entry;
    }
    auto calculate = [&] { press(); }; // junk in every field
    EXPECT_EQ(calctest::sweepJunk(w(), {"dataEntryP", "dataEntryTsyl", "dataEntryThal"}, calculate, "300"),
              QStringList());
}

// Each label after a failure: a number (#), "out of range" (o), empty (-) or
// untouched (=): the stages after a failed one do not run.
TEST_F(SalinitiesWindow, EachFailedStageShowsOutOfRange) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"500", "600", "#o---o---#========"}, // above the crest of the solvus: no solid
        {"10", "50",
         "##################"}, // the cotectic search from the NaCl-rich solid meets liquids without KCl
        {"825", "125", "##########o---o---"},    // sylvite at 825 C melts the KCl-rich solid: no bulk liquid
        {"300", "1e999", "#########oo---o---"},  // no final temperature
        {"-1e999", "300", "oo---o---#========"}, // no cotectic temperature
    };
    for (const auto& [sylviteC, haliteC, expected] : cases) {
        enter("0.1", sylviteC, haliteC);
        for (const QString& r : kResults)
            w().label(r).setText("=");
        press();
        QString shown;
        for (const QString& t : results())
            shown += t == "=" ? "=" : t.isEmpty() ? "-" : t == "out of range" ? "o" : "#";
        EXPECT_EQ(shown, expected) << sylviteC << " / " << haliteC;
    }
}

const QStringList kCotecticResults = {"ResultNaCl",     "ResultKCl",     "ResultNaCla",     "ResultKCla",
                                      "ResultNaClsol1", "ResultKClsol1", "ResultNaClsol1a", "ResultKClsol1a",
                                      "ResultNaClsol2", "ResultKClsol2", "ResultNaClsol2a", "ResultKClsol2a"};

class ThermoCotecticWindow : public testsupport::GuiTest {
protected:
    ui::Window& w() { return *Cotectic(); }
    QStringList results() { return calctest::texts(w(), kCotecticResults); }
    void calculate(const char* tC, const char* P) {
        w().field("dataEntry1").setText(tC);
        w().field("dataEntry2").setText(P);
        testsupport::click(w().button("calculate1"));
    }
};

// Solid phase 1 is the NaCl-rich limb; the liquid, searched from the
// KCl-rich one, is the same from it.
TEST_F(ThermoCotecticWindow, SolidsAndLiquidAreTheModels) {
    calculate("300", "100");
    const auto pair = Equality_solids(573.15, 100);
    const auto l = cotecticLiquid(pair[1], 573.15, 100);
    ASSERT_TRUE(l.found);
    constexpr double mNaCl = kMolarMassNaCl, mKCl = kMolarMassKCl;
    std::vector<double> expected;
    for (auto [xN, xK, xW] :
         {std::tuple{l.xNaCl, l.xKCl, l.xH2O}, {pair[1], 1 - pair[1], 0.0}, {pair[0], 1 - pair[0], 0.0}}) {
        const double g = xN * mNaCl + xK * mKCl + xW * kMolarMassH2O;
        expected.insert(expected.end(), {100 * xN, 100 * xK, 100 * xN * mNaCl / g, 100 * xK * mKCl / g});
    }
    for (int i = 0; i < 12; ++i)
        EXPECT_NEAR(ui::Val(results()[i]), expected[i], 1e-4) << kCotecticResults[i].toStdString();
    EXPECT_EQ(testsupport::clippedTexts(w()), QStringList());
    testsupport::saveScreenshot(w(), "Cotectic-calculated");
}

TEST_F(ThermoCotecticWindow, FailureTextsEditsAndJunk) {
    calculate("600", "0.1");
    EXPECT_EQ(results(), (QStringList{"", "", "", "", "Temperature exceeds", "", "", "", "maximum of solvus",
                                      "", "", ""}));
    EXPECT_EQ(calctest::look(w(), "ResultNaClsol1"), std::pair(ui::kRed, 11));
    EXPECT_EQ(calctest::look(w(), "ResultNaClsol2"), std::pair(ui::kRed, 11));
    EXPECT_EQ(testsupport::clippedTexts(w()), QStringList());
    testsupport::saveScreenshot(w(), "Cotectic-above-crest");
    testsupport::typeInto(w().field("dataEntry1"), "0");
    EXPECT_EQ(results(), QStringList(12, ""));
    calculate("300", "0.1");
    EXPECT_EQ(calctest::look(w(), "ResultNaClsol2"), std::pair(ui::kBlack, 14));
    testsupport::typeInto(w().field("dataEntry2"), "0");
    EXPECT_EQ(results(), QStringList(12, ""));
    // At 3000 MPa the search runs into liquids without KCl and never
    // settles; the solids of the same press stand beside its failure text.
    calculate("300", "3000");
    EXPECT_EQ(results().mid(0, 5),
              (QStringList{"out of range", "", "", "", ui::Str(100 * Equality_solids(573.15, 3000)[1])}));
    auto press = [&] { testsupport::click(w().button("calculate1")); }; // junk in every field
    EXPECT_EQ(calctest::sweepJunk(w(), {"dataEntry1", "dataEntry2"}, press), QStringList());
}

} // namespace
