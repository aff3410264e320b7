// The empirical salinity and cotectic-line windows driven as a user drives
// them: choosing a system or a line, ticking solids, typing temperatures and
// pressing "calculate". What they show is compared with the liquids evaluated
// here from the equations step by step, with the molar masses written out.
#include "support/GuiTest.h"

#include "CalculatorTestKit.h"
#include "calculators/empirical/EmpiricalCotectic.h"
#include "calculators/empirical/EmpiricalSalinity.h"
#include "ui/ValStr.h"

#include "Globals.h"

#include <QTest>

#include <array>
#include <cmath>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

struct Liquid {
    double xH2O, xNaCl, xKCl, wNaCl, wKCl, pressureMPa;
};

// Saturated with `phase` at T (K) with the salt ratio x(NaCl)/(x(NaCl) + x(KCl)).
// Only halite and sylvite have an SLV pressure above the floor of 0.1 MPa.
Liquid liquid(int phase, double T, double ratio) {
    const double xw = Globals::Molefraction_H2O(phase, T, ratio), xN = ratio * (1 - xw),
                 xK = (1 - ratio) * (1 - xw);
    const double S = 18.01528 * xw + 58.462468 * xN + 74.57143 * xK;
    const double P = phase < 3    ? 0.1
                     : T > 923.15 ? Globals::Pressure650(phase, xw, xN, xK)
                                  : Globals::Pressure(phase, xw, xN, T);
    return {xw, xN, xK, 58.462468 * xN / S, 74.57143 * xK / S, P};
}

// The ternary salinity: the cotectic liquid of `line` at Tcot, the salt ratio
// Rs of the solid that dissolves last (`phase`), and the liquid at Tfin.
struct Salinity {
    double Rs;
    Liquid cotectic, final;
};

Salinity ternary(int line, int phase, double Tcot, double Tfin, bool solvusAbsent) {
    const double R = Globals::Cotectic_Exact(line, Tcot);
    const Liquid cotectic = liquid(phase, Tcot, R);
    if (phase == 1) return {0, cotectic, liquid(1, Tfin, R)};
    if (phase == 2)
        return {1, cotectic, liquid(2, Tfin, Globals::FinalRatio(2, Tfin, R, cotectic.xH2O, 1, 2.0 / 3))};
    if (Tcot > Globals::MaxSolvus(0)) return {R, cotectic, liquid(phase, Tfin, R)}; // one solid solution
    const double Rs = solvusAbsent ? (phase == 3 ? 1.0 : 0.0) : 1 - Globals::RatioSolvus(phase, Tcot);
    return {Rs, cotectic, liquid(phase, Tfin, Globals::FinalRatio(phase, Tfin, R, cotectic.xH2O, Rs, 0.0))};
}

QString percent(double fraction) {
    return ui::Str(100 * fraction);
}

using Temperatures = std::array<const char*, 4>; // typed for the ticked solids; "": not ticked

const char* const kBoxes[] = {"CheckBox_I", "CheckBox_HH", "CheckBox_H", "CheckBox_S"};
const char* const kFields[] = {"Temp_Ice", "Temp_Hydrohalite", "Temp_Halite", "Temp_Sylvite"};
const char* const kResults[] = {"resultT1",    "resultP1",    "resultNaCl1", "resultNaCl1a", "resultKCl1",
                                "resultKCl1a", "resultT2",    "resultP2",    "resultNaCl2",  "resultNaCl2a",
                                "resultKCl2",  "resultKCl2a", "ResultSalt"};
const char* const kCot = "cotectic temperature out of range";

class SalinityWindow : public testsupport::GuiTest {
protected:
    static class EmpiricalSalinity& w() { return *EmpiricalSalinity(); }
    static QString text(const char* label) { return w().label(label).text(); }
    static void calculate() { w().button("calculate").click(); }
    static QStringList results() { return calctest::texts(w(), kResults); }
    // Chooses the system afresh (nullptr: none) and the solvus option, ticks
    // the solids that have a temperature, types it and presses Return, which
    // presses "calculate", the default button.
    static void enter(const char* system, Temperatures temperatures, bool absent = false) {
        if (system) w().radio(system).setValue(false);
        if (system) testsupport::click(w().radio(system));
        if (absent) testsupport::click(w().radio("Solvus_Absent"));
        for (int i = 0; i < 4; ++i)
            if (*temperatures[i]) testsupport::click(w().checkBox(kBoxes[i]));
        for (int i = 0; i < 4; ++i)
            testsupport::typeInto(w().field(kFields[i]), temperatures[i]);
        QTest::keyClick(&w().field(kFields[0]), Qt::Key_Return);
    }
    static QString kelvin(double c) { return std::isfinite(c) ? ui::Str(c + 273.15) + " K" : " - "; }
    static QStringList outOfRange(double c) { return {kelvin(c), "", "out of range", "", "", ""}; }
    // A result column: temperature, pressure, NaCl as % and mass %, KCl likewise.
    static QStringList column(double c, const Liquid& l, bool nacl = true, bool kcl = true) {
        const QString P = l.pressureMPa > 0.1 ? ui::Str(l.pressureMPa) + " MPa" : "low value";
        auto in = [](bool shown, double x) { return shown ? percent(x) : "-"; };
        return {kelvin(c), P, in(nacl, l.xNaCl), in(nacl, l.wNaCl), in(kcl, l.xKCl), in(kcl, l.wKCl)};
    }
};

TEST_F(SalinityWindow, ChoosingASystemResetsTheSelectionAndWritesItsLimits) {
    const std::array<const char*, 4> kSystems[] = {
        {"binaryWH", "Ice: from 0.0 to -21.2 \u02daC", "Hydrohalite: from +0.1 to -21.2 \u02daC",
         "Halite: from +0.1 to 801 \u02daC"},
        {"binaryWS", "Ice: from 0.0 to -10.7 \u02daC", "Sylvite: from -10.6 to 770 \u02daC", ""},
        {"ternaryWHS", "Cot. Ice-Hydrohalite: from -22.9 to -21.2 \u02daC",
         "Cot. Ice-Sylvite: from -10.7 to -22.9 \u02daC", "Cot. Halite-Sylvite: from -2.3 to 658 \u02daC"}};
    const char* before = "ternaryWHS";
    for (const auto& [system, limits1, limits2, limits3] : kSystems) {
        enter(before, {"1", "2", "3", "4"}, true);
        testsupport::click(w().radio(system));
        const bool ternary = system == std::string_view("ternaryWHS");
        const char* compsalt = ternary ? "Composition remaining solid at cotectic temperature:" : "";
        EXPECT_EQ(QStringList({text("limits1"), text("limits2"), text("limits3"), text("compsalt"),
                               text("warning1") + text("warning2")}),
                  QStringList({limits1, limits2, limits3, compsalt, ""}));
        EXPECT_EQ(std::pair(w().isOn("Solvus_Present"), w().isOn("Solvus_Absent")),
                  std::pair(ternary, false));
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(!w().isOn(kBoxes[i]) && w().field(kFields[i]).text().isEmpty()) << system << i;
        before = system;
    }
}

TEST_F(SalinityWindow, EachTickWarnsOrClears) {
    const char* one = "Select only 1 dissolving phase in the binary system";
    const char* two = "Select only 2 dissolving phases in the ternary system";
    // The box clicked (0 ice ... 3 sylvite) and the warning it leaves.
    const std::pair<const char*, std::vector<std::pair<int, const char*>>> kSystems[] = {
        {"binaryWH", {{0, ""}, {1, one}, {1, ""}, {2, one}, {3, "Do not select sylvite"}, {3, ""}, {0, ""}}},
        {"binaryWS",
         {{1, "Do not select Hydrohalite"}, {0, one}, {0, ""}, {1, ""}, {2, "Do not select Halite"}}},
        {"ternaryWHS", {{0, ""}, {1, ""}, {2, two}, {3, two}, {0, two}, {1, ""}}}};
    for (const auto& [system, steps] : kSystems) {
        enter(system, {"", "", "", ""});
        for (const auto& [box, warning] : steps) {
            testsupport::click(w().checkBox(kBoxes[box]));
            EXPECT_EQ(text("warning1") + text("warning2"), (*warning ? "Warning:" : "") + QString(warning))
                << kBoxes[box];
        }
    }
}

TEST_F(SalinityWindow, WhatWritesNoResults) {
    // system (none, or one whose solids share no line), and the warning then
    const std::tuple<const char*, Temperatures, const char*> kCases[] = {
        {nullptr, {"-5", "", "", ""}, "kept"},
        {"binaryWH", {"", "", "", "100"}, "Do not include Sylvite"},
        {"binaryWS", {"", "-5", "", ""}, "Do not include Hydrohalite or Halite"},
        {"ternaryWHS", {"-5", "", "100", ""}, "kept"}};
    for (const auto& [system, temperatures, warning] : kCases) {
        enter(system, temperatures);
        for (const char* r : kResults)
            w().label(r).setText("old");
        w().label("warning2").setText("kept");
        calculate();
        EXPECT_EQ(results() << text("warning2"), QStringList(std::size(kResults), "old") << warning);
    }
}

TEST_F(SalinityWindow, BinaryLiquidsAreThoseOfTheEquations) {
    // The first ticked solid of the system counts. Past the melting of the salt the fits
    // give more salt than liquid (at 801 degC already); where a solid cannot dissolve (ice
    // above 0 degC, at or below absolute zero, a sign slip) a water fraction above 1.
    const QStringList eutecticNaCl{"251.95 K", "low value", "8.56", "23.3", "-", "-"};
    const QStringList peritectic{"273.25 K (per.)", "low value", "9.91", "26.3", "-", "-"};
    const QStringList eutecticKCl{"262.55 K", "low value", "-", "-", "5.60", "19.7"};
    // H2O-NaCl (or H2O-KCl), temperatures, the solid that counts, its temperature, a liquid shown
    const std::tuple<bool, Temperatures, int, double, bool> kCases[] = {
        {true, {"-10", "", "300", ""}, 1, -10, true}, {true, {"", "-15", "300", ""}, 2, -15, true},
        {true, {"", "", "25", ""}, 3, 25, true},      {true, {"", "", "800", ""}, 3, 800, true},
        {true, {"", "", "801", ""}, 3, 801, false},   {true, {"1e999", "", "", ""}, 1, HUGE_VAL, false},
        {false, {"-5", "", "", "100"}, 1, -5, true},  {false, {"", "", "", "400"}, 4, 400, true},
        {false, {"", "", "", "771"}, 4, 771, false},  {true, {"5", "", "", ""}, 1, 5, false},
        {true, {"", "150", "", ""}, 2, 150, false},   {false, {"5", "", "", ""}, 1, 5, false},
        {true, {"0", "", "", ""}, 1, 0, true},        {true, {"-273.15", "", "", ""}, 1, -273.15, false},
        {false, {"-300", "", "", ""}, 1, -300, false}};
    for (const auto& [nacl, temperatures, phase, celsius, shown] : kCases) {
        enter(nacl ? "binaryWH" : "binaryWS", temperatures, true);
        const Liquid e = liquid(phase, celsius + 273.15, nacl ? 1 : 0);
        const QStringList& first = phase == 3 ? peritectic : nacl ? eutecticNaCl : eutecticKCl;
        EXPECT_EQ(results(),
                  first + (shown ? column(celsius, e, nacl, !nacl) : outOfRange(celsius)) + QStringList{""});
        EXPECT_FALSE(w().isOn("Solvus_Absent"));
    }
}

TEST_F(SalinityWindow, TernaryResultsAreThoseOfTheEquations) {
    // temperatures, solvus metastably absent, line, the solid that dissolves
    // last, cotectic and final temperature, and ResultSalt ("": the solid's
    // ratio after "salt, x(NaCl) = ")
    const std::tuple<Temperatures, bool, int, int, double, double, const char*> kCases[] = {
        {{"-21.2", "-22.9", "", ""}, false, 1, 1, -22.9, -21.2, "ice (H2O)"}, // limits inside
        {{"-22.5", "-5", "", ""}, false, 1, 2, -22.5, -5, "hydrohalite (NaCl\u00b72H2O)"},
        {{"-15", "", "", "20"}, false, 2, 4, -15, 20, ""},
        {{"-22", "-10", "", "50"}, false, 3, 4, -10, 50, ""}, // three solids: the last pair
        {{"", "-1", "200", ""}, false, 4, 3, -1, 200, ""},
        {{"", "", "300", "100"}, false, 5, 3, 100, 300, ""},
        {{"", "", "100", "300"}, true, 5, 4, 100, 300, "salt, x(NaCl) = 0"},
        {{"", "", "600", "550"}, false, 5, 3, 550, 600, ""}, // above the crest of the solvus
        {{"", "", "655.5", "655"}, false, 5, 3, 655, 655.5, ""}};
    for (const auto& [temperatures, absent, line, phase, cotecticC, finalC, salt] : kCases) {
        enter("ternaryWHS", temperatures, absent);
        const Salinity e = ternary(line, phase, cotecticC + 273.15, finalC + 273.15, absent);
        EXPECT_EQ(results() << text("warning1") + text("warning2"),
                  column(cotecticC, e.cotectic) + column(finalC, e.final) +
                      (QStringList{*salt ? salt : "salt, x(NaCl) = " + ui::Str(e.Rs), ""}));
    }
    EXPECT_EQ(testsupport::clippedTexts(w()), QStringList());
    testsupport::saveScreenshot(w(), "EmpiricalSalinity-ternary");
    // Typing a temperature empties the results and nothing else.
    testsupport::typeInto(w().field("Temp_Halite"), "5");
    EXPECT_EQ(results() << text("limits3"), QStringList(std::size(kResults), QString())
                                                << "Cot. Halite-Sylvite: from -2.3 to 658 \u02daC");
}

TEST_F(SalinityWindow, TernaryLimitsAreInclusiveAndOneTemperatureInsideIsEnough) {
    const std::pair<Temperatures, const char*> kCases[] = {
        {{"-25", "-20", "", ""}, kCot},      {{"-22", "-30", "", ""}, ""},
        {{"-10.6", "", "", "-10.6"}, ""},    {{"-10.5", "", "", "-10.5"}, kCot},
        {{"", "0.1", "-2.3", ""}, ""},       {{"", "-3", "0.2", ""}, "peritectic temperature out of range"},
        {{"", "", "700", "658"}, ""},        {{"", "", "700", "659"}, kCot},
        {{"-22", "-22", "700", "680"}, kCot} // the last pair decides
    };
    for (const auto& [temperatures, warning] : kCases) {
        enter("ternaryWHS", temperatures);
        EXPECT_EQ(text("warning1") + text("warning2"), (*warning ? "error:" : "") + QString(warning));
        EXPECT_NE(text("resultT1"), ""); // written all the same
    }
    EXPECT_EQ(w().label("warning1").textColor(), ui::kRed);
}

TEST_F(SalinityWindow, AFailedSearchShowsOutOfRangeAndNoPressure) {
    // Ice + sylvite past the H2O-KCl eutectic: no cotectic ratio, no liquid;
    // above the crest the solid would take that ratio: unknown too.
    enter("ternaryWHS", {"-5", "", "", "-4"});
    EXPECT_EQ(results(), outOfRange(-5) + outOfRange(-4) + QStringList{"salt, x(NaCl) = 0"});
    enter("ternaryWHS", {"500", "", "", "600"});
    EXPECT_EQ(results(), outOfRange(500) + outOfRange(600) + QStringList{"salt, x(NaCl) = out of range"});
    // Hydrohalite dissolving at 700 degC: no final ratio.
    enter("ternaryWHS", {"", "700", "", "-10"});
    EXPECT_EQ(results().mid(6), outOfRange(700) + QStringList{"hydrohalite (NaCl\u00b72H2O)"});
    EXPECT_NE(text("resultNaCl1"), "out of range");
    // Halite at 700 after sylvite at 655 degC: about 115 % salt.
    enter("ternaryWHS", {"", "", "700", "655"});
    EXPECT_EQ(results().mid(6, 6), outOfRange(700));
    // Less than no salt: ice dissolving above 0 degC, a solid taking the ratio of
    // a cotectic liquid with more salt than the whole, a final liquid from one.
    const Liquid cotectic = ternary(1, 1, -22 + 273.15, 2 + 273.15, false).cotectic;
    enter("ternaryWHS", {"2", "-22", "", ""});
    EXPECT_EQ(results(), column(-22, cotectic) + outOfRange(2) + QStringList{"ice (H2O)"});
    enter("ternaryWHS", {"700", "-22", "", ""});
    EXPECT_EQ(results(), column(-22, cotectic) + outOfRange(700) + QStringList{"ice (H2O)"});
    enter("ternaryWHS", {"", "", "700", "690"});
    EXPECT_EQ(results(), outOfRange(690) + outOfRange(700) + QStringList{"salt, x(NaCl) = out of range"});
    enter("ternaryWHS", {"", "900", "", "655"});
    EXPECT_EQ(results(), outOfRange(655) + outOfRange(900) + QStringList{"hydrohalite (NaCl\u00b72H2O)"});
}

TEST_F(SalinityWindow, JunkShowsNumbersOrItsOwnTexts) {
    for (const char* system : {"", "binaryWH", "binaryWS", "ternaryWHS"}) {
        for (int state = 0; state < 32; ++state) { // four boxes; the solvus option in the ternary system
            if (state > 15 && system != std::string_view("ternaryWHS")) break;
            if (*system) enter(system, {"", "", "", ""}, state > 15);
            for (int b = 0; b < 4; ++b)
                w().checkBox(kBoxes[b]).setValue(state & (1 << b));
            EXPECT_EQ(calctest::sweepJunk(w(), {kFields[0], kFields[1], kFields[2], kFields[3]}, calculate),
                      QStringList())
                << system << state;
        }
    }
}

// ---------------------------------------------------------------------------
// The cotectic lines.

// The liquid, then each solid column: its name, NaCl and KCl as %, NaCl and KCl mass %.
const char* const kLineResults[] = {"ResultKelvin",   "ResultPres",      "ResultNaCl",      "ResultKCl",
                                    "ResultNaCla",    "ResultKCla",      "solid1",          "ResultNaClsol1",
                                    "ResultKClsol1",  "ResultNaClsol1a", "ResultKClsol1a",  "solid2",
                                    "ResultNaClsol2", "ResultKClsol2",   "ResultNaClsol2a", "ResultKClsol2a"};
const char* const kRadios[] = {"IHH", "ISL", "HHS", "HHH", "HS"};

class CotecticWindow : public testsupport::GuiTest {
protected:
    static class EmpiricalCotectic& w() { return *EmpiricalCotectic(); }
    static void choose(const char* radio) { testsupport::click(w().radio(radio)); }
    static void calculate() { w().button("calculate").click(); }
    static void type(const QString& t) { w().field("dataEntry1").setText(t); }
    static QStringList results() { return calctest::texts(w(), kLineResults); }
};

TEST_F(CotecticWindow, EachLineInsideAndOutsideItsRangeAndWhatEmptiesIt) {
    type("25");
    for (const char* r : kLineResults)
        w().label(r).setText("old");
    calculate(); // no line chosen
    EXPECT_EQ(results().join("") + w().field("dataEntry1").text(), "25");
    // The solid whose liquidus gives the water and the pressure, a temperature
    // (degC) on the line and one past its end, and the solid columns (HS: below).
    const std::tuple<int, double, double, const char*> kLines[] = {
        {1, -22, -15, "ice|0.0|0.0|0.0|0.0|hydrohalite|33.33333|0.0|61.86961|0.0"}, // NaCl·2H2O
        {1, -15, -5, "sylvite|0.0|100.0|0.0|100.0|ice|0.0|0.0|0.0|0.0"},
        {4, 300, 650, "sylvite|0.0|100.0|0.0|100.0|hydrohalite|33.33333|0.0|61.86961|0.0"},
        {3, 651, 800, "halite|100.0|0.0|100.0|0.0|hydrohalite|33.33333|0.0|61.86961|0.0"},
        {3, 300, 700, nullptr}};
    for (int line = 1; line <= 5; ++line) {
        const auto& [phase, insideC, outsideC, solids] = kLines[line - 1];
        choose(kRadios[line - 1]); // empties the temperature and the results
        EXPECT_EQ(results().join("") + w().field("dataEntry1").text(), "");
        type(ui::Str(insideC));
        calculate();
        const double T = insideC + 273.15;
        const Liquid e = liquid(phase, T, Globals::Cotectic_Exact(line, T));
        const QString P = e.pressureMPa > 1.0 ? ui::Str(e.pressureMPa) : QStringLiteral("< 1.0");
        const QStringList shown{ui::Str(T),     P, percent(e.xNaCl), percent(e.xKCl), percent(e.wNaCl),
                                percent(e.wKCl)};
        EXPECT_EQ(results().mid(0, solids ? 16 : 6).join("|"),
                  shown.join("|") + (solids ? "|" + QString(solids) : ""));
        testsupport::typeInto(w().field("dataEntry1"), "1"); // so does an edit
        EXPECT_EQ(results().join(""), "");
        // No liquid, so no pressure either; the solids are shown all the same.
        type(ui::Str(outsideC));
        calculate();
        EXPECT_EQ(results().mid(0, 6).join("|"),
                  ui::Str(outsideC + 273.15) + "||out of range||out of range|");
        EXPECT_NE(results()[7], "");
    }
}

// Lines taken above their ends give a water fraction above 1; the solids are still shown.
TEST_F(CotecticWindow, LessThanNoSaltIsOutOfRange) {
    for (auto [radio, celsius] : {std::pair{"IHH", 20.0}, {"IHH", 5.0}, {"ISL", 7.0}}) {
        choose(radio);
        type(ui::Str(celsius));
        calculate();
        EXPECT_EQ(results().mid(0, 7).join("|"), ui::Str(celsius + 273.15) +
                                                     "||out of range||out of range||" +
                                                     (radio[1] == 'H' ? "ice" : "sylvite"))
            << radio << " " << celsius;
    }
}

TEST_F(CotecticWindow, TheSolvusLimbsOnTheHaliteSylviteLine) {
    EXPECT_EQ(w().canvas("Canvas1").backdrop().size(), QSize(402, 346)); // the cotectic lines
    const double crest = Globals::MaxSolvus(0);
    double crestC = crest - 273.15; // typed, lands exactly on the crest
    for (int i = 0; i < 64 && crestC + 273.15 != crest; ++i)
        crestC = std::nextafter(crestC, crestC + 273.15 < crest ? HUGE_VAL : -HUGE_VAL);
    choose("HS");
    for (double t : {25.0, 450.0, crestC - 1e-9}) {
        type(QString::number(t, 'g', 17));
        QTest::keyClick(&w().field("dataEntry1"), Qt::Key_Return); // the default button
        // Each limb as the KCl amount-of-substance fraction and its mass %.
        for (auto [column, limb] : {std::pair{6, 3}, std::pair{11, 4}}) {
            const double v = Globals::RatioSolvus(limb, t + 273.15);
            const double grams = v * 74.57143 + (1 - v) * 58.462468;
            EXPECT_EQ(results().mid(column, 5),
                      (QStringList{"anh. salt", ui::Str(100 * (1 - v)), ui::Str(100 * v),
                                   ui::Str(100 * (1 - v) * 58.462468 / grams),
                                   ui::Str(100 * v * 74.57143 / grams)}))
                << t;
        }
    }
    EXPECT_EQ(testsupport::clippedTexts(w()), QStringList());
    testsupport::saveScreenshot(w(), "EmpiricalCotectic-halite-sylvite");
    // At and above the crest the two solids are one solid solution.
    for (double t : {crestC, 600.0}) {
        type(QString::number(t, 'g', 17));
        calculate();
        EXPECT_EQ(results().mid(6).join("|"), "|minimum line|||||minimum line|||") << t;
    }
    EXPECT_EQ(crestC + 273.15, crest);
}

TEST_F(CotecticWindow, JunkShowsNumbersOrItsOwnTexts) {
    for (const char* radio : {"", "IHH", "ISL", "HHS", "HHH", "HS"}) {
        if (*radio) w().radio(radio).setValue(true);
        EXPECT_EQ(calctest::sweepJunk(w(), {"dataEntry1"}, calculate), QStringList()) << radio;
    }
}

} // namespace
