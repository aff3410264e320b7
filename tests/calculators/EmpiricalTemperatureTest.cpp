// The empirical windows for a known composition driven as a user drives them:
// the dissolution temperature, with the composition entry it shares with
// LIquidus, and the anhydrous NaCl-KCl solvus.
#include "support/GuiTest.h"

#include "CalculatorTestKit.h"
#include "calculators/CompositionEntry.h"
#include "calculators/empirical/EmpiricalSolvus.h"
#include "calculators/empirical/EmpiricalSolvusCalc.h"
#include "calculators/empirical/EmpiricalTemperature.h"
#include "calculators/empirical/EmpiricalTemperatureCalc.h"
#include "ui/ValStr.h"

#include "Globals.h"

#include <QApplication>
#include <QRegularExpression>

#include <array>
#include <cmath>
#include <tuple>
#include <utility>

namespace {

using Globals::ASnumber;
using Globals::MASSnumber;
using Globals::Mnumber;

const char* const kSolids[] = {"field1", "field2", "field3", "field4"};
const char* const kCells[] = {"massNaCl", "massKCl", "asNaCl", "asKCl", "molNaCl", "molKCl"};

class TemperatureWindow : public testsupport::GuiTest {
protected:
    static class EmpiricalTemperature& w() { return *EmpiricalTemperature(); }
    static QString text(const char* label) { return w().label(label).text(); }
    static void choose(const char* radio) { testsupport::click(w().radio(radio)); }
    // Replaces the entry's text as a user who selects it and types.
    static void type(const char* entry, const QString& typed) {
        w().field(entry).selectAll();
        testsupport::typeInto(w().field(entry), typed);
    }
    // "Result1 | Result2" after pressing "calculate" for the solid.
    static QString resultsFor(const char* solid) {
        choose(solid);
        w().button("calculate").click();
        return text("Result1") + " | " + text("Result2");
    }
    static QStringList cells() { return calctest::texts(w(), kCells); }
};

TEST_F(TemperatureWindow, EachScaleIsConvertedIntoTheOthers) {
    // The examples of the composition entry: scale, unit, NaCl and KCl typed,
    // and the table (mass %, as %, molality; NaCl then KCl).
    const std::tuple<const char*, const char*, const char*, const char*, std::array<double, 6>> kCases[] = {
        {"Mass", "mass %", "20", "10", {20, 10, 7.84, 3.07, 4.89, 1.92}},
        {"Mole", "as %", "10", "0", {26.5, 0, 10, 0, 6.17, 0}},
        {"Molality", "mole / kg H2O", "2", "1", {9.81, 6.26, 3.42, 1.71, 2, 1}}};
    for (const auto& [scale, unit, naCl, kCl, table] : kCases) {
        choose(scale);
        type("dataEntry1", naCl);
        type("dataEntry2", kCl);
        EXPECT_EQ(text("StaticText1"), unit);
        for (int i = 0; i < 6; ++i)
            EXPECT_NEAR(ui::Val(cells()[i]), table[i], std::fmax(5e-3, 2e-3 * table[i])) << scale << " " << i;
    }
}

TEST_F(TemperatureWindow, WhatClearsWhat) {
    const char* names[] = {"Ice", "Hydrohalite", "Halite", "Sylvite"};
    for (int i : {2, 0, 3, 1}) {
        resultsFor(kSolids[(i + 1) % 4]);
        choose(kSolids[i]);
        EXPECT_EQ(text("Tm2") + text("Result1") + text("Result2"), names[i]);
        ASSERT_NE(resultsFor(kSolids[i]), " | ");
        type(i % 2 ? "dataEntry1" : "dataEntry2", "5");
        EXPECT_EQ(text("Result1") + text("Result2"), "") << i;
    }
    // A scale empties entries and results; emptying an entry is a change of
    // its text, so the table and the shared composition then show what the
    // empty entries stand for: no salt.
    choose("Mole");
    type("dataEntry1", "12.5");
    type("dataEntry2", "3");
    EXPECT_EQ(ASnumber[0], 84.5);
    resultsFor("field1");
    choose("Molality");
    EXPECT_EQ(w().field("dataEntry1").text() + w().field("dataEntry2").text() + text("Result1") +
                  text("Result2"),
              "");
    EXPECT_EQ(cells().join(" "), "0 0 0 0 0 0");
    EXPECT_EQ(std::tuple(ASnumber[1], ASnumber[2], MASSnumber[0]), std::tuple(0.0, 0.0, 100.0));
    EXPECT_EQ(w().label("StaticText2", 1).text(), "as %"); // a control array
}

TEST_F(TemperatureWindow, ResultsAreThoseOfTheEquations) {
    // Liquids on each salt's surface at T (K) and salt ratio, typed as
    // amount-of-substance %, with the pressure text (nullptr: the number of
    // the equations). NaCl and KCl differ, so swapped arguments would show.
    const std::tuple<int, double, double, const char*> kCases[] = {{2, 255, 0.9, "approx. 0.1 MPa"},
                                                                   {3, 400, 0.9, "< 1.0 MPa"},
                                                                   {3, 1000, 0.8, nullptr},
                                                                   {4, 773.15, 0.2, nullptr}};
    choose("Mole");
    for (const auto& [code, temperatureK, ratio, pressure] : kCases) {
        const double xSalt = 1 - Globals::Molefraction_H2O(code, temperatureK, ratio);
        type("dataEntry1", QString::number(100 * xSalt * ratio, 'g', 17));
        type("dataEntry2", QString::number(100 * xSalt * (1 - ratio), 'g', 17));
        const double xN = ASnumber[1] / 100, xK = ASnumber[2] / 100, xW = (1 - xN) - xK;
        const double T = Globals::FDP_Mirtox(code, xN, xK);
        ASSERT_NEAR(T, temperatureK, 1e-6);
        const double P =
            T > 923.15 ? Globals::Pressure650(code, xW, xN, xK) : Globals::Pressure(code, xW, xN, T);
        EXPECT_EQ(resultsFor(kSolids[code - 1]),
                  ui::Str(T - 273.15) + " \u02daC | " + (pressure ? pressure : ui::Str(P) + " MPa"));
    }
    choose("Mass"); // ice is fitted in mass %
    type("dataEntry1", "12");
    type("dataEntry2", "4");
    EXPECT_EQ(resultsFor("field1"), ui::Str(Globals::FDP_Hall87(12, 4) - 273.15) + " \u02daC | < 0.1 MPa");
    EXPECT_EQ(testsupport::clippedTexts(w()), QStringList());
    testsupport::saveScreenshot(w(), QStringLiteral("EmpiricalTemperature-ice"));
}

TEST_F(TemperatureWindow, WithoutWaterOrAKnownCompositionNothingDissolves) {
    const char* none[] = {"no ice | ", "no hydrohalite | ", "no halite | ", "no sylvite | "};
    for (const char* kCl : {"50", "1000"}) { // no water; moles in 100 g below 0: not convertible
        type("dataEntry1", "60");
        type("dataEntry2", kCl);
        EXPECT_EQ(cells().mid(4), QStringList({" - ", " - "})) << kCl;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(resultsFor(kSolids[i]), none[i]) << kCl;
    }
    EXPECT_EQ(cells().mid(2, 2), QStringList({" - ", " - "}));
    choose("Molality");
    type("dataEntry2", "0");
    type("dataEntry1", "-100"); // grams of solution below 0
    EXPECT_EQ(cells(), QStringList(6, " - "));
    // LIquidus changes the shared composition after a result: the next press
    // uses it, and its "no ..." text leaves no stale pressure beside it.
    type("dataEntry1", "47.44");
    type("dataEntry2", "0");
    ASSERT_TRUE(resultsFor("field3").endsWith(" MPa"));
    calculators::ConvertComposition(1, calculators::CompositionScale::AmountOfSubstance, 70);
    calculators::ConvertComposition(2, calculators::CompositionScale::AmountOfSubstance, 40);
    w().button("calculate").click();
    EXPECT_EQ(text("Result1") + " | " + text("Result2"), "no halite | ");
}

TEST_F(TemperatureWindow, JunkInEitherEntryShowsNumbersOrItsOwnTexts) {
    const QRegularExpression shown(
        QStringLiteral("^(-?[0-9.]+(e[-+][0-9]+)? \u02daC \\| ([0-9.]+(e[-+][0-9]+)? MPa|"
                       "< 0\\.1 MPa|approx\\. 0\\.1 MPa|< 1\\.0 MPa| - )|no [a-z]+ \\| )$"));
    for (const char* scale : {"Mass", "Mole", "Molality"}) {
        choose(scale);
        const QStringList faults = calctest::sweepJunk(w(), {"dataEntry1", "dataEntry2"}, [&] {
            for (const char* solid : kSolids)
                EXPECT_TRUE(shown.match(resultsFor(solid)).hasMatch())
                    << scale << " " << resultsFor(solid).toStdString();
        });
        EXPECT_EQ(faults, QStringList()) << scale;
    }
}

TEST(DissolutionLimits, AtAndJustBeyondEachLimit) {
    // Ice from -25 degC up; hydrohalite -25 to 2; halite -5 to 810; sylvite
    // -25 to 780. A failed search (0 K) or a temperature that is not finite
    // dissolves nothing.
    const double kRanges[][2] = {{248.15, HUGE_VAL}, {248.15, 275.15}, {268.15, 1083.15}, {248.15, 1053.15}};
    for (int code = 1; code <= 4; ++code) {
        auto dissolves = [&](double T) { return calculators::dissolutionAt(code, T, 0.05, 0.05).dissolves; };
        const double lo = kRanges[code - 1][0], hi = kRanges[code - 1][1];
        EXPECT_TRUE(dissolves(lo) && dissolves(std::fmin(hi, 1e6))) << code;
        EXPECT_FALSE(dissolves(std::nextafter(lo, 0.0)) || dissolves(std::nextafter(hi, HUGE_VAL))) << code;
        EXPECT_FALSE(dissolves(0) || dissolves(NAN) || dissolves(HUGE_VAL) || dissolves(-HUGE_VAL)) << code;
    }
    // Salts with no water left dissolve nothing, pure molten salt still does;
    // mixed signs would melt ice at about 13,700 degC.
    EXPECT_FALSE(calculators::dissolutionOf(3, {.percentNaCl = 70, .percentKCl = 40}).dissolves);
    EXPECT_TRUE(calculators::dissolutionOf(3, {.percentNaCl = 100}).dissolves);
    EXPECT_FALSE(calculators::dissolutionOf(1, {.massPercentNaCl = -500, .massPercentKCl = 601}).dissolves);
    // 1.0 MPa is the smallest pressure shown as a number; one that is not
    // finite is " - ".
    using enum calculators::PressureShown;
    for (auto [P, shown] : {std::pair{1.0, Value}, std::pair{std::nextafter(1.0, 0.0), BelowOneMPa},
                            std::pair{double(NAN), Unknown}, std::pair{-HUGE_VAL, Unknown}})
        EXPECT_EQ(calculators::pressureShown(P), shown) << P;
    EXPECT_STREQ(calculators::pressureText(Unknown), " - ");
}

// ---------------------------------------------------------------------------
// The anhydrous solvus.

const char* const kSolvusResults[] = {"Result1N",  "Result1K",  "Result2N",  "Result2K",
                                      "Result1N1", "Result1K1", "Result2N1", "Result2K1"};

class SolvusWindow : public testsupport::GuiTest {
protected:
    static class EmpiricalSolvus& w() { return *EmpiricalSolvus(); }
    static QString text(const QString& label) { return w().label(label).text(); }
    static QStringList results() { return calctest::texts(w(), kSolvusResults); }
    static void calculateAt(const QString& celsius) {
        w().field("dataEntry1").selectAll();
        testsupport::typeInto(w().field("dataEntry1"), celsius);
        w().button("calculate").click();
    }
};

TEST_F(SolvusWindow, BothSolidsBelowTheCrestInBothScales) {
    for (double t : {300.0, 450.0}) { // both fits of the KCl-rich limb
        calculateAt(ui::Str(t));
        // "a.s.": the KCl amount-of-substance fraction that the solvus returns;
        // "w.": the mass fraction of the same solid. Phase 1 is KCl-rich.
        for (auto [row, v] : {std::pair{"Result1", Globals::RatioSolvus(4, t + 273.15)},
                              std::pair{"Result2", Globals::RatioSolvus(3, t + 273.15)}}) {
            const QString r = QString::fromLatin1(row);
            const double wKCl = v * 74.57143 / (v * 74.57143 + (1 - v) * 58.462468);
            EXPECT_EQ(text(r + "K") + " " + text(r + "N"), ui::Str(v) + " " + ui::Str(1 - v)) << t;
            EXPECT_NEAR(ui::Val(text(r + "K1")), wKCl, 1e-6) << t;
            EXPECT_NEAR(ui::Val(text(r + "N1")), 1 - wKCl, 1e-6) << t;
        }
        EXPECT_GT(ui::Val(text("Result1K")), ui::Val(text("Result2K")));
    }
    EXPECT_EQ(testsupport::clippedTexts(w()), QStringList());
    testsupport::saveScreenshot(w(), QStringLiteral("EmpiricalSolvus-450"));
    testsupport::typeInto(w().field("dataEntry1"), "0");
    EXPECT_EQ(results().join(""), "");
}

TEST_F(SolvusWindow, TheCrestOnActivationAndOutOfRangeAboveIt) {
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&w(), &activate);
    EXPECT_EQ(text("temp3"), ui::Str(Globals::MaxSolvus(0) - 273.15));
    EXPECT_TRUE(text("temp3").startsWith("495.09"));
    calculateAt("495");
    EXPECT_NE(text("Result2K1"), "");
    for (const QString& t :
         {QString::number(Globals::MaxSolvus(0) - 273.15 + 1e-9, 'g', 17), QString("1e999")}) {
        calculateAt(t);
        EXPECT_EQ(results().join("|"), "out of range|||||||") << t.toStdString();
    }
    EXPECT_EQ(w().label("Result1N").textColor(), ui::kBlack);
    // The crest itself has a solvus; a temperature that is not a number has
    // none (the fit would answer it with pure NaCl on both limbs).
    EXPECT_TRUE(calculators::empiricalSolvusAt(calculators::solvusCrestK()).inRange);
    EXPECT_FALSE(calculators::empiricalSolvusAt(std::nan("")).inRange);
    testsupport::typeInto(w().field("dataEntry1"), "1");
    EXPECT_EQ(results().join(""), "");
}

TEST_F(SolvusWindow, JunkShowsFractionsOrOutOfRange) {
    const QStringList faults = calctest::sweepJunk(w(), {"dataEntry1"}, [&] {
        w().button("calculate").click();
        if (text("Result1N") == "out of range") return;
        for (const char* r : kSolvusResults)
            EXPECT_TRUE(ui::Val(text(r)) >= 0 && ui::Val(text(r)) <= 1) << r << " " << text(r).toStdString();
    });
    EXPECT_EQ(faults, QStringList());
}

} // namespace
