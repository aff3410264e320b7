// The thermodynamic liquidus of a liquid of known salinity and the
// thermodynamic solvus: their calculations, and the LIquidus and Solvus
// windows driven as a user drives them.
#include "CalculatorTestKit.h"
#include "support/GuiTest.h"

#include "calculators/CompositionEntry.h"
#include "calculators/thermodynamic/LIquidus.h"
#include "calculators/thermodynamic/LiquidusCalc.h"
#include "calculators/thermodynamic/Solvus.h"

#include "Globals.h"
#include "ui/ValStr.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using namespace calculators;
using namespace Globals; // the model's functions and the composition arrays
using ui::Str;

const QString kOut = QStringLiteral("out of range");
const QStringList kResults = {"Result1",     "ResultactNaCl", "ResultactKCl",
                              "ResultxNaCl", "ResultxKCl",    "ResultPslv"};
const QStringList kEmpty = {"", "", "", "", "", ""}, kFailed = {kOut, "", "", "", "", ""};

// The seed of the search and the salt pairs of the table, at and just beyond
// their limits; a seed that is not a number starts at room temperature. Salt
// fractions that are not numbers or negative, and salts leaving no water in
// either pair (60 / 40 mass % leaves a trace of it in as % by rounding), are
// out of range.
TEST(LiquidusCalc, Limits) {
    const std::pair<double, double> seeds[] = {
        {0, 293.15},        {273.1499999, 293.15},   {273.15, 273.15},
        {1093.15, 1093.15}, {1093.1500001, 1073.15}, {INFINITY, 1073.15},
        {NAN, 293.15}};
    for (auto [empiricalK, startK] : seeds)
        EXPECT_EQ(liquidusStartTemperature(empiricalK), startK) << empiricalK;
    EXPECT_TRUE(!saltsOutOfRange(60, 40) && saltsOutOfRange(60, 40.000001));
    const std::array<double, 5> bad[] = {
        {4, 0, 0, 5, NAN}, {3, 0, 0, 20, -1e-9}, {3, 60, 40, 70.6, 29.39999}};
    for (auto [field, massNaCl, massKCl, asNaCl, asKCl] : bad)
        EXPECT_EQ(liquidusFromSalinity(int(field), {massNaCl, massKCl, asNaCl, asKCl}, 0.1).outcome,
                  LiquidusCalculation::Outcome::OutOfRange);
}

// As a trace of the other salt goes to 0, down to where the coexisting solid is all but
// pure, the liquidus runs monotonically towards that of the one-salt liquid.
TEST(LiquidusCalc, TracesOfTheOtherSaltApproachTheOneSaltLiquidus) {
    for (int field : {3, 4})
        for (double P : {0.1, 100.0})
            for (double main : {26.5, 30.0, 35.0, 40.0}) {
                std::vector<double> traces = {0}, liquidus;
                for (int k = 0; k <= 25; ++k) // log-spaced from 1e-6 to 2 mass %
                    traces.push_back(1e-6 * std::pow(2e6, k / 25.0));
                for (double trace : traces) {
                    ConvertComposition(1, CompositionScale::Mass, field == 3 ? main : trace);
                    ConvertComposition(2, CompositionScale::Mass, field == 3 ? trace : main);
                    const auto r = liquidusFromSalinity(
                        field, {MASSnumber[1], MASSnumber[2], ASnumber[1], ASnumber[2]}, P);
                    EXPECT_EQ(r.outcome, LiquidusCalculation::Outcome::Found)
                        << field << " " << main << " + " << trace << " at " << P;
                    liquidus.push_back(r.temperatureK);
                }
                if (std::find(liquidus.begin(), liquidus.end(), 0.0) != liquidus.end()) continue;
                for (std::size_t i = 1; i + 1 < liquidus.size(); ++i)
                    EXPECT_GT((liquidus[i] - liquidus[i - 1]) * (liquidus[i + 1] - liquidus[i]), 0)
                        << field << " " << main << " + " << traces[i] << " at " << P << ": "
                        << liquidus[i - 1] << " " << liquidus[i] << " " << liquidus[i + 1];
            }
}

class LIquidusWindow : public testsupport::GuiTest {
protected:
    ui::Window& w() { return *LIquidus(); }
    QString text(const char* label) { return w().label(label).text(); }
    QStringList results() { return calctest::texts(w(), kResults); }
    void choose(const QString& radio) { testsupport::click(w().radio(radio)); }
    void press() { testsupport::click(w().button("calculate")); }
    // "field scale NaCl KCl pressure", an empty entry as an empty word.
    void type(const QString& entry) {
        const QStringList e = entry.split(' ');
        choose(e[0]);
        choose(e[1]);
        w().field("dataEntry1").setText(e[2]);
        w().field("dataEntry2").setText(e[3]);
        w().field("dataEntryP").setText(e[4]);
    }
};

TEST_F(LIquidusWindow, TheTableRedAbove100PercentADashWhereUndefinedAndTheSharedComposition) {
    type("field3 Mass 60 50 "); // both pairs above 100, and no water for a molality
    const QStringList table = {"massNaCl", "massKCl", "asNaCl", "asKCl", "molNaCl", "molKCl"};
    EXPECT_EQ(calctest::texts(w(), table), (QStringList{kOut, kOut, kOut, kOut, " - ", " - "}));
    for (const char* c : {"massNaCl", "massKCl", "asNaCl", "asKCl"})
        EXPECT_EQ(calctest::look(w(), c), std::pair(ui::kRed, 12)) << c;
    EXPECT_EQ(testsupport::clippedTexts(w()), QStringList());
    testsupport::saveScreenshot(w(), "LIquidus-out-of-range");
    type("field3 Mass 60 30 "); // black at 16 again, showing what is calculated with
    EXPECT_EQ(calctest::texts(w(), table), (QStringList{"60", "30", Str(ASnumber[1]), Str(ASnumber[2]),
                                                        Str(Mnumber[1]), Str(Mnumber[2])}));
    for (const QString& c : table)
        EXPECT_EQ(calctest::look(w(), c), std::pair(ui::kBlack, 16)) << c.toStdString();
    type("field3 Mass 60 40 "); // exactly 100: shown, but no molality
    EXPECT_EQ(calctest::texts(w(), {"massNaCl", "massKCl", "molKCl"}), (QStringList{"60", "40", " - "}));
    type("field3 Mass 20 1000 "); // no as %, and nothing of the entry before
    EXPECT_EQ(text("asNaCl"), " - ");
    // The composition calculated with is the last one typed in either
    // composition window, and the entries and the table then show it.
    type("field3 Mole 5 25 0.1");
    ConvertComposition(1, CompositionScale::AmountOfSubstance, 15);
    ConvertComposition(2, CompositionScale::AmountOfSubstance, 5);
    press();
    EXPECT_NEAR(ui::Val(text("Result1")), 296.29, 0.01); // halite near 296 C
    EXPECT_EQ(w().field("dataEntry1").text() + " " + w().field("dataEntry2").text(), "15 5");
    EXPECT_EQ(calctest::texts(w(), {"asNaCl", "asKCl"}), QStringList({"15", "5"}));
}

TEST_F(LIquidusWindow, WhatEachControlEmpties) {
    type("field3 Mole 15 5 0.1");
    press();
    const QStringList shown = results();
    ASSERT_NE(shown[0], "");
    testsupport::typeInto(w().field("dataEntryP"), "0"); // the pressure empties nothing
    EXPECT_EQ(results(), shown);
    choose("field4"); // a field only the results
    EXPECT_EQ(text("Tm2"), "Sylvite Field");
    EXPECT_EQ(results(), kEmpty);
    press();
    testsupport::typeInto(w().field("dataEntry2"), "0"); // a salt the results
    EXPECT_EQ(results(), kEmpty);
    press();
    // A scale the entries and the results; the next entry is read in it.
    choose("Molality");
    EXPECT_EQ(text("StaticText1"), "mole / kg H2O");
    EXPECT_EQ(w().field("dataEntry1").text() + w().field("dataEntry2").text() + results().join(""), "");
    testsupport::typeInto(w().field("dataEntry1"), "2");
    EXPECT_EQ(Mnumber[1], 2);
}

// Every label as the equations give it for the composition held in the
// arrays, with the arguments in the equations' order: both fields, a start
// below 273.15 K (20 / 10 mass %), one above 923.15 K where the SLV pressure
// comes from the composition alone (30 / 62 as %), and KCl-H2O.
TEST_F(LIquidusWindow, ResultsAreTheModelsAtTheTypedPressure) {
    for (const char* entry : {"field3 Mole 15 5 0.1", "field4 Mole 5 25 100", "field3 Mass 20 10 100",
                              "field3 Mole 30 62 0.1", "field4 Mass  30 100"}) {
        type(entry);
        press();
        const int field = entry[5] - '0';
        const double xN = ASnumber[1] / 100, xK = ASnumber[2] / 100,
                     P = ui::Val(QString(entry).section(' ', 4));
        const double startK = liquidusStartTemperature(FDP_Mirtox(field, xN, xK));
        const auto t = Temperature_Liquidus(field, xN, xK, P, startK);
        const double aN = xN * std::exp(Activity_Coefficient_Liquid(1, xN, xK, t[0], P));
        const double aK = xK * std::exp(Activity_Coefficient_Liquid(2, xN, xK, t[0], P));
        const double slv = startK <= 923.15 ? Pressure(field, (1 - xN) - xK, xN, startK)
                                            : Pressure650(field, (1 - xN) - xK, xN, xK);
        EXPECT_EQ(results(), (QStringList{Str(t[0] - 273.15), Str(aN), Str(aK), Str(t[1]), Str(t[2]),
                                          slv < 1.0 ? "< 1.0" : Str(slv)}))
            << entry;
    }
    EXPECT_EQ(testsupport::clippedTexts(w()), QStringList());
    testsupport::saveScreenshot(w(), "LIquidus-calculated");
}

// Labels of an earlier press never stay: each failure writes all six, and
// nothing typed (0 and 0) empties them. The failures: salts above 100 %; no
// water (a trace of it left in as % by rounding); a negative salt; no as % to
// calculate with; halite from a liquid without NaCl, sylvite without KCl;
// the model's root near -205 C, outside it; no liquidus found.
TEST_F(LIquidusWindow, CompositionsAndPressuresWithoutALiquidus) {
    const char* const entries[] = {
        "field3 Mass 60 50 0.1",   "field3 Mass 60 40 0.1", "field3 Mass -5 10 0.1",
        "field3 Mass 20 1000 0.1", "field3 Mass  30 0.1",   "field4 Mass 30  0.1",
        "field4 Mole 2 2 0.1",     "field3 Mole 15 5 1e6",  "field3 Mole 0 0 0.1"};
    for (const char* entry : entries) {
        type(entry);
        for (const QString& r : kResults)
            w().label(r).setText("stale");
        press();
        EXPECT_EQ(results(), QString(entry).contains(" 0 0 ") ? kEmpty : kFailed) << entry;
    }
}

TEST_F(LIquidusWindow, JunkInEveryFieldWithEveryRadio) {
    for (const char* scale : {"Mass", "Mole", "Molality"})
        for (const char* field : {"field3", "field4"}) {
            choose(scale);
            choose(field);
            EXPECT_EQ(calctest::sweepJunk(w(), {"dataEntry1", "dataEntry2", "dataEntryP"}, [&] { press(); }),
                      QStringList());
        }
}

// ---------------------------------------------------------------------------
// The solvus

const QStringList kSolvusResults = {"Result1N",  "Result1K",  "Result1aN", "Result1aK",
                                    "Result1bN", "Result1bK", "Result2N",  "Result2K",
                                    "Result2aN", "Result2aK", "Result2bN", "Result2bK"};

class ThermoSolvusWindow : public testsupport::GuiTest {
protected:
    ui::Window& w() { return *Solvus(); }
    QStringList results() { return calctest::texts(w(), kSolvusResults); }
    void calculate(const char* tC, const char* P) {
        w().field("dataEntry1").setText(tC);
        w().field("dataEntry2").setText(P);
        testsupport::click(w().button("calculate"));
    }
};

// Every label as the equations give it, just below the consolute point
// (near 492.5 C at 0.1 MPa, higher at 100 MPa) too.
TEST_F(ThermoSolvusWindow, ResultsAreTheModels) {
    for (auto [tC, P] : {std::pair{"300", "0.1"}, {"400", "100"}, {"500", "100"}, {"492", "0.1"}}) {
        calculate(tC, P);
        const double T = ui::Val(tC) + 273.15, p = ui::Val(P);
        QStringList expected;
        for (double x : Equality_solids(T, p)) {
            const double aN = x * std::exp(Activity_Coefficient_Solid(1, x, 1 - x, T, p));
            const double aK = (1 - x) * std::exp(Activity_Coefficient_Solid(2, x, 1 - x, T, p));
            for (double v : {x, 1 - x, aN, aK, 8.31451 * T * std::log(aN), 8.31451 * T * std::log(aK)})
                expected << ui::Str(v);
        }
        EXPECT_EQ(results(), expected) << tC << " C, " << P << " MPa";
    }
}

// Red halves of one sentence just above the consolute point (no clipped
// text), black values below it. The composition of the other windows stays.
TEST_F(ThermoSolvusWindow, RedAboveTheConsolutePointEditsAndJunk) {
    ASnumber[1] = 12.5;
    calculate("493", "0.1");
    EXPECT_EQ(results(), (QStringList{"Temperature exceeds", "", "", "", "", "", "maximum of solvus", "", "",
                                      "", "", ""}));
    EXPECT_EQ(calctest::look(w(), "Result1N"), std::pair(ui::kRed, 11));
    EXPECT_EQ(calctest::look(w(), "Result2N"), std::pair(ui::kRed, 11));
    EXPECT_EQ(testsupport::clippedTexts(w()), QStringList());
    testsupport::saveScreenshot(w(), "Solvus-above-consolute");
    testsupport::typeInto(w().field("dataEntry1"), "1"); // the message goes, its look stays for the next text
    EXPECT_EQ(results(), QStringList(12, ""));
    EXPECT_EQ(calctest::look(w(), "Result1N"), std::pair(ui::kRed, 11));
    calculate("500", "100");
    EXPECT_EQ(calctest::look(w(), "Result2N"), std::pair(ui::kBlack, 14));
    testsupport::typeInto(w().field("dataEntry2"), "0");
    EXPECT_EQ(results(), QStringList(12, ""));
    EXPECT_EQ(ASnumber[1], 12.5);
    auto press = [&] { testsupport::click(w().button("calculate")); }; // junk in every field
    EXPECT_EQ(calctest::sweepJunk(w(), {"dataEntry1", "dataEntry2"}, press), QStringList());
}

} // namespace
