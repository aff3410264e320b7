// The empirical salinity window driven as a user drives it: choosing a system,
// ticking solids, typing temperatures and pressing "calculate".
#include "support/GuiTest.h"

#include "Globals.h"
#include "app/Start2.h"
#include "calculators/EmpiricalReference.h"
#include "calculators/empirical/EmpiricalSalinity.h"
#include "ui/ValStr.h"

#include <QTest>

#include <algorithm>

namespace {

using testsupport::click;
using testsupport::GuiTest;
using testsupport::processEvents;

constexpr double kC = 273.15;

const char* const kBoxes[] = {"CheckBox_I", "CheckBox_HH", "CheckBox_H", "CheckBox_S"};
const char* const kFields[] = {"Temp_Ice", "Temp_Hydrohalite", "Temp_Halite", "Temp_Sylvite"};
const char* const kResults[] = {"resultT1",    "resultP1",    "resultNaCl1", "resultNaCl1a", "resultKCl1",
                                "resultKCl1a", "resultT2",    "resultP2",    "resultNaCl2",  "resultNaCl2a",
                                "resultKCl2",  "resultKCl2a", "ResultSalt"};

class SalinityWindow : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        w = EmpiricalSalinity();
        w->Show();
        processEvents();
    }

    QString text(const char* label) const { return w->label(label).text(); }
    void choose(const char* radio) { click(w->radio(radio)); }
    void tick(const char* box) { click(w->checkBox(box)); }
    void type(const char* field, const QString& t) {
        w->field(field).clear();
        testsupport::typeInto(w->field(field), t);
    }
    void calculate() { click(w->button("calculate")); }
    QStringList results() const {
        QStringList texts;
        for (const char* r : kResults)
            texts << text(r);
        return texts;
    }
    void fillResults(const QString& t) {
        for (const char* r : kResults)
            w->label(r).setText(t);
    }

    class EmpiricalSalinity* w = nullptr;
};

QString percent(double fraction) {
    return ui::Str(100 * fraction);
}

TEST_F(SalinityWindow, StartsWithNothingChosen) {
    for (const char* r : {"binaryWH", "binaryWS", "ternaryWHS", "Solvus_Present", "Solvus_Absent"})
        EXPECT_FALSE(w->radio(r).value()) << r;
    for (const char* b : kBoxes)
        EXPECT_FALSE(w->checkBox(b).value()) << b;
    for (const char* f : kFields)
        EXPECT_EQ(w->field(f).text(), "") << f;
    EXPECT_EQ(results(), QStringList(std::size(kResults), QString()));
    for (const char* l : {"limits1", "limits2", "limits3", "warning1", "warning2", "compsalt"})
        EXPECT_EQ(text(l), "") << l;
    EXPECT_EQ(w->label("warning1").textColor(), ui::kRed);
    EXPECT_EQ(w->label("warning2").textColor(), ui::kRed);
    EXPECT_EQ(text("textC1"), "\u02daC");
    EXPECT_EQ(text("StaticText1"), "as % = amount-of-substance percentage (\"mole\" percentage)");
    EXPECT_EQ(w->defaultButton(), &w->button("calculate"));
}

// Choosing a system resets the selection and writes its limits.
struct SystemCase {
    const char* radio;
    const char* before; // another system chosen first
    bool present;
    const char* compsalt;
    const char* limits[3];
};

class ChoosingASystem : public SalinityWindow, public ::testing::WithParamInterface<SystemCase> {};

TEST_P(ChoosingASystem, ResetsTheSelectionAndWritesTheLimits) {
    const SystemCase& c = GetParam();
    choose(c.before);
    for (const char* b : kBoxes)
        tick(b);
    for (const char* f : kFields)
        type(f, "12");
    choose("Solvus_Absent");
    w->label("warning1").setText("Warning:");
    w->label("warning2").setText("something");

    choose(c.radio);
    EXPECT_TRUE(w->radio(c.radio).value());
    for (const char* b : kBoxes)
        EXPECT_FALSE(w->checkBox(b).value()) << b;
    for (const char* f : kFields)
        EXPECT_EQ(w->field(f).text(), "") << f;
    EXPECT_EQ(text("warning1"), "");
    EXPECT_EQ(text("warning2"), "");
    EXPECT_EQ(w->radio("Solvus_Present").value(), c.present);
    EXPECT_FALSE(w->radio("Solvus_Absent").value());
    EXPECT_EQ(text("compsalt"), QString::fromUtf8(c.compsalt));
    EXPECT_EQ(text("limits1"), QString::fromUtf8(c.limits[0]));
    EXPECT_EQ(text("limits2"), QString::fromUtf8(c.limits[1]));
    EXPECT_EQ(text("limits3"), QString::fromUtf8(c.limits[2]));
}

INSTANTIATE_TEST_SUITE_P(EmpiricalSalinity, ChoosingASystem,
                         ::testing::Values(SystemCase{"binaryWH",
                                                      "ternaryWHS",
                                                      false,
                                                      "",
                                                      {"Ice: from 0.0 to -21.2 \u02daC",
                                                       "Hydrohalite: from +0.1 to -21.2 \u02daC",
                                                       "Halite: from +0.1 to 801 \u02daC"}},
                                           SystemCase{"binaryWS",
                                                      "binaryWH",
                                                      false,
                                                      "",
                                                      {"Ice: from 0.0 to -10.7 \u02daC",
                                                       "Sylvite: from -10.6 to 770 \u02daC", ""}},
                                           SystemCase{"ternaryWHS",
                                                      "binaryWS",
                                                      true,
                                                      "Composition remaining solid at cotectic temperature:",
                                                      {"Cot. Ice-Hydrohalite: from -22.9 to -21.2 \u02daC",
                                                       "Cot. Ice-Sylvite: from -10.7 to -22.9 \u02daC",
                                                       "Cot. Halite-Sylvite: from -2.3 to 658 \u02daC"}}),
                         [](const auto& info) { return std::string(info.param.radio); });

TEST_F(SalinityWindow, TheHaliteLimitComesBackWithH2ONaCl) {
    choose("binaryWS");
    EXPECT_EQ(text("limits3"), "");
    choose("binaryWH");
    EXPECT_EQ(text("limits3"), "Halite: from +0.1 to 801 \u02daC");
}

// ---------------------------------------------------------------------------
// Check-box warnings.

TEST_F(SalinityWindow, WithoutASystemTheBoxesWarnOfNothing) {
    w->label("warning1").setText("kept");
    w->label("warning2").setText("kept too");
    for (const char* b : kBoxes)
        tick(b);
    tick("CheckBox_S");
    EXPECT_EQ(text("warning1"), "kept");
    EXPECT_EQ(text("warning2"), "kept too");
}

struct Step {
    const char* box; // ticked or unticked by a click
    const char* warning2;
};

void expectSteps(class EmpiricalSalinity* w, std::initializer_list<Step> steps) {
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string("click on ") + s.box);
        click(w->checkBox(s.box));
        const QString expected = QString::fromUtf8(s.warning2);
        EXPECT_EQ(w->label("warning2").text(), expected);
        EXPECT_EQ(w->label("warning1").text(), expected.isEmpty() ? "" : "Warning:");
    }
}

constexpr const char* kOnePhase = "Select only 1 dissolving phase in the binary system";
constexpr const char* kTwoPhases = "Select only 2 dissolving phases in the ternary system";

TEST_F(SalinityWindow, H2ONaClWarnsOfASecondSolidAndOfSylvite) {
    choose("binaryWH");
    expectSteps(w, {{"CheckBox_I", ""},
                    {"CheckBox_HH", kOnePhase},
                    {"CheckBox_HH", ""},
                    {"CheckBox_H", kOnePhase},
                    {"CheckBox_S", "Do not select sylvite"},
                    {"CheckBox_S", ""}, // although ice and halite are both still ticked
                    {"CheckBox_I", ""},
                    {"CheckBox_S", "Do not select sylvite"}});
}

TEST_F(SalinityWindow, H2OKClWarnsOfHydrohaliteHaliteAndASecondSolid) {
    choose("binaryWS");
    expectSteps(w, {{"CheckBox_HH", "Do not select Hydrohalite"},
                    {"CheckBox_I", kOnePhase},
                    {"CheckBox_I", ""},
                    {"CheckBox_HH", ""},
                    {"CheckBox_H", "Do not select Halite"},
                    {"CheckBox_H", ""},
                    {"CheckBox_I", ""},
                    {"CheckBox_S", kOnePhase},
                    {"CheckBox_S", ""}});
}

TEST_F(SalinityWindow, TheTernarySystemTakesTwoSolids) {
    choose("ternaryWHS");
    expectSteps(w, {{"CheckBox_I", ""},
                    {"CheckBox_HH", ""},
                    {"CheckBox_H", kTwoPhases},
                    {"CheckBox_S", kTwoPhases},
                    {"CheckBox_I", kTwoPhases},
                    {"CheckBox_HH", ""}});
}

// ---------------------------------------------------------------------------
// Clearing.

TEST_F(SalinityWindow, TypingATemperatureEmptiesTheResultsOnly) {
    choose("ternaryWHS");
    for (const char* f : kFields) {
        SCOPED_TRACE(f);
        fillResults("old");
        w->label("warning1").setText("error:");
        type(f, "5");
        EXPECT_EQ(results(), QStringList(std::size(kResults), QString()));
        EXPECT_EQ(text("warning1"), "error:");
        EXPECT_EQ(text("compsalt"), "Composition remaining solid at cotectic temperature:");
        EXPECT_EQ(text("limits1"), "Cot. Ice-Hydrohalite: from -22.9 to -21.2 \u02daC");
    }
}

TEST_F(SalinityWindow, WithoutASystemCalculateWritesNothing) {
    tick("CheckBox_I");
    type("Temp_Ice", "-5");
    fillResults("old");
    calculate();
    EXPECT_EQ(results(), QStringList(std::size(kResults), QStringLiteral("old")));
    EXPECT_EQ(text("warning1"), "");
}

// ---------------------------------------------------------------------------
// Binary systems.

TEST_F(SalinityWindow, H2ONaClTakesTheFirstTickedSolid) {
    choose("binaryWH");
    tick("CheckBox_H");
    tick("CheckBox_I");
    type("Temp_Ice", "-10");
    type("Temp_Halite", "300");
    calculate();
    const double T = -10 + kC;
    const double xw = Globals::Molefraction_H2O(1, T, 1.0);
    const double xs = 1 - xw;
    const double ws = 1 - 18.01528 * xw / (58.462468 * xs + 18.01528 * xw);
    EXPECT_EQ(results(), (QStringList{"251.95 K", "low value", "8.56", "23.3", "-", "-", ui::Str(T) + " K",
                                      "low value", percent(xs), percent(ws), "-", "-", ""}));
}

TEST_F(SalinityWindow, H2ONaClWithHaliteShowsThePeritecticAndThePressure) {
    choose("binaryWH");
    tick("CheckBox_H");
    type("Temp_Halite", "25");
    calculate();
    EXPECT_EQ(text("resultT1"), "273.25 K (per.)");
    EXPECT_EQ(text("resultNaCl1"), "9.91");
    EXPECT_EQ(text("resultNaCl1a"), "26.3");
    EXPECT_EQ(text("resultP2"), "low value"); // the fit's 0.1 MPa at 25 degC

    for (double t : {300.0, 700.0}) {
        type("Temp_Halite", ui::Str(t));
        calculate();
        const double T = t + kC;
        const double xw = Globals::Molefraction_H2O(3, T, 1.0);
        const double P = Globals::Pressure(3, xw, 1 - xw, T);
        ASSERT_GT(P, 0.1);
        EXPECT_EQ(text("resultP2"), ui::Str(P) + " MPa");
        EXPECT_EQ(text("resultNaCl2"), percent(1 - xw));
    }
}

TEST_F(SalinityWindow, H2ONaClWithSylviteOnlyWarnsAndKeepsTheResults) {
    choose("binaryWH");
    choose("Solvus_Present");
    tick("CheckBox_S");
    type("Temp_Sylvite", "100");
    fillResults("old");
    calculate();
    EXPECT_EQ(text("warning1"), "Warning:");
    EXPECT_EQ(text("warning2"), "Do not include Sylvite");
    EXPECT_EQ(results(), QStringList(std::size(kResults), QStringLiteral("old")));
    EXPECT_FALSE(w->radio("Solvus_Present").value());
    EXPECT_FALSE(w->radio("Solvus_Absent").value());
}

TEST_F(SalinityWindow, H2OKClTakesIceBeforeSylvite) {
    choose("binaryWS");
    tick("CheckBox_S");
    tick("CheckBox_I");
    type("Temp_Ice", "-5");
    type("Temp_Sylvite", "100");
    calculate();
    const double T = -5 + kC;
    const double xw = Globals::Molefraction_H2O(1, T, 0.0);
    const double xs = 1 - xw;
    const double ws = 1 - 18.01528 * xw / (74.57143 * xs + 18.01528 * xw);
    EXPECT_EQ(results(), (QStringList{"262.55 K", "low value", "-", "-", "5.60", "19.7", ui::Str(T) + " K",
                                      "low value", "-", "-", percent(xs), percent(ws), ""}));

    // Sylvite alone, with its SLV pressure.
    tick("CheckBox_I");
    calculate();
    const double Ts = 400 + kC;
    type("Temp_Sylvite", "400");
    calculate();
    const double xws = Globals::Molefraction_H2O(4, Ts, 0.0);
    EXPECT_EQ(text("resultKCl2"), percent(1 - xws));
    EXPECT_EQ(text("resultP2"), ui::Str(Globals::Pressure(4, xws, 0.0, Ts)) + " MPa");
}

TEST_F(SalinityWindow, H2OKClWithHydrohaliteOrHaliteOnlyWarns) {
    for (const char* box : {"CheckBox_HH", "CheckBox_H"}) {
        choose("binaryWH");
        choose("binaryWS");
        tick(box);
        calculate();
        EXPECT_EQ(text("warning1"), "Warning:");
        EXPECT_EQ(text("warning2"), "Do not include Hydrohalite or Halite");
        EXPECT_EQ(text("resultT2"), "");
    }
}

// ---------------------------------------------------------------------------
// Ternary system.

struct TernaryCase {
    const char* what;
    const char* boxes[2];
    const char* temperatures[2];
    bool absent;
    int line, phase;
    double cotecticC, finalC;
    const char* salt; // ResultSalt; "" for "salt, x(NaCl) = " and the ratio
};

class TernaryResults : public SalinityWindow, public ::testing::WithParamInterface<TernaryCase> {};

TEST_P(TernaryResults, AgreeWithTheEquations) {
    const TernaryCase& c = GetParam();
    choose("ternaryWHS");
    if (c.absent) choose("Solvus_Absent");
    for (int i = 0; i < 2; ++i) {
        tick(c.boxes[i]);
        const int k = int(std::find_if(std::begin(kBoxes), std::end(kBoxes),
                                       [&](const char* b) { return qstrcmp(b, c.boxes[i]) == 0; }) -
                          std::begin(kBoxes));
        type(kFields[k], QString::fromUtf8(c.temperatures[i]));
    }
    calculate();

    const double Tcot = c.cotecticC + kC, Tfin = c.finalC + kC;
    const reference::Salinity e = reference::ternary(c.line, c.phase, Tcot, Tfin, c.absent);
    auto pressure = [](double P) { return P > 0.1 ? ui::Str(P) + " MPa" : QStringLiteral("low value"); };
    const QString salt = *c.salt ? QString::fromUtf8(c.salt) : "salt, x(NaCl) = " + ui::Str(e.Rs);
    EXPECT_EQ(results(),
              (QStringList{ui::Str(Tcot) + " K", pressure(e.cotectic.pressureMPa), percent(e.cotectic.xNaCl),
                           percent(e.cotectic.wNaCl), percent(e.cotectic.xKCl), percent(e.cotectic.wKCl),
                           ui::Str(Tfin) + " K", pressure(e.final.pressureMPa), percent(e.final.xNaCl),
                           percent(e.final.wNaCl), percent(e.final.xKCl), percent(e.final.wKCl), salt}));
    EXPECT_EQ(text("warning1"), "");
    EXPECT_EQ(text("warning2"), "");
    EXPECT_TRUE(testsupport::clippedTexts(*w).isEmpty())
        << testsupport::clippedTexts(*w).join("; ").toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EmpiricalSalinity, TernaryResults, ::testing::Values(
    TernaryCase{"ice_last_at_the_limits", {"CheckBox_I", "CheckBox_HH"}, {"-21.2", "-22.9"}, false, 1, 1, -22.9, -21.2, "ice (H2O)"},
    TernaryCase{"hydrohalite_last",       {"CheckBox_I", "CheckBox_HH"}, {"-22.5", "-5"},    false, 1, 2, -22.5, -5,    "hydrohalite (NaCl\u00b72H2O)"},
    TernaryCase{"sylvite_after_ice",      {"CheckBox_I", "CheckBox_S"},  {"-15", "20"},      false, 2, 4, -15,   20,    ""},
    TernaryCase{"hh_equal_to_halite",     {"CheckBox_HH", "CheckBox_H"}, {"-1", "-1"},       false, 4, 2, -1,    -1,    "hydrohalite (NaCl\u00b72H2O)"},
    TernaryCase{"halite_after_hh",        {"CheckBox_HH", "CheckBox_H"}, {"-1", "200"},      false, 4, 3, -1,    200,   ""},
    TernaryCase{"halite_solid_solution",  {"CheckBox_H", "CheckBox_S"},  {"300", "100"},     false, 5, 3, 100,   300,   ""},
    TernaryCase{"halite_pure",            {"CheckBox_H", "CheckBox_S"},  {"300", "100"},     true,  5, 3, 100,   300,   "salt, x(NaCl) = 1"},
    TernaryCase{"sylvite_pure",           {"CheckBox_H", "CheckBox_S"},  {"100", "300"},     true,  5, 4, 100,   300,   "salt, x(NaCl) = 0"},
    TernaryCase{"above_the_crest",        {"CheckBox_H", "CheckBox_S"},  {"600", "550"},     false, 5, 3, 550,   600,   ""},
    TernaryCase{"cotectic_above_650",     {"CheckBox_H", "CheckBox_S"},  {"655.5", "655"},   false, 5, 3, 655,   655.5, ""}),
    [](const auto& info) { return std::string(info.param.what); });
// clang-format on

TEST_F(SalinityWindow, ThreeSolidsTakeTheLastPair) {
    choose("ternaryWHS");
    tick("CheckBox_I");
    tick("CheckBox_HH");
    tick("CheckBox_S");
    EXPECT_EQ(text("warning2"), kTwoPhases);
    type("Temp_Ice", "-22");
    type("Temp_Hydrohalite", "-10");
    type("Temp_Sylvite", "50");
    calculate();
    // Hydrohalite + sylvite decides, and its temperatures are in range.
    EXPECT_EQ(text("warning1"), "");
    EXPECT_EQ(text("warning2"), "");
    EXPECT_EQ(text("resultT1"), ui::Str(-10 + kC) + " K");
    EXPECT_EQ(text("resultT2"), ui::Str(50 + kC) + " K");
    const reference::Salinity e = reference::ternary(3, 4, -10 + kC, 50 + kC, false);
    EXPECT_EQ(text("resultKCl2"), percent(e.final.xKCl));
}

TEST_F(SalinityWindow, BothTemperaturesOutsideTheLineGiveAnErrorAndStillResults) {
    choose("ternaryWHS");
    tick("CheckBox_I");
    tick("CheckBox_HH");
    type("Temp_Ice", "-25");
    type("Temp_Hydrohalite", "-20");
    calculate();
    EXPECT_EQ(text("warning1"), "error:");
    EXPECT_EQ(text("warning2"), "cotectic temperature out of range");
    EXPECT_EQ(w->label("warning1").textColor(), ui::kRed);
    EXPECT_EQ(text("resultT1"), ui::Str(-25 + kC) + " K");
    EXPECT_FALSE(text("resultNaCl2").isEmpty());

    // One of them inside clears the error.
    type("Temp_Ice", "-22");
    type("Temp_Hydrohalite", "-30");
    calculate();
    EXPECT_EQ(text("warning1"), "");
    EXPECT_EQ(text("warning2"), "");
    EXPECT_EQ(text("resultT1"), ui::Str(-30 + kC) + " K");
}

TEST_F(SalinityWindow, ThePeritecticHasItsOwnError) {
    choose("ternaryWHS");
    tick("CheckBox_HH");
    tick("CheckBox_H");
    type("Temp_Hydrohalite", "-3");
    type("Temp_Halite", "0.2");
    calculate();
    EXPECT_EQ(text("warning1"), "error:");
    EXPECT_EQ(text("warning2"), "peritectic temperature out of range");
}

TEST_F(SalinityWindow, IceAndHaliteAreNoPair) {
    choose("ternaryWHS");
    tick("CheckBox_I");
    tick("CheckBox_H");
    type("Temp_Ice", "-5");
    type("Temp_Halite", "100");
    fillResults("old");
    w->label("warning2").setText("kept");
    calculate();
    EXPECT_EQ(results(), QStringList(std::size(kResults), QStringLiteral("old")));
    EXPECT_EQ(text("warning2"), "kept");
}

TEST_F(SalinityWindow, AFailedSearchShowsOutOfRangeAndNoPressure) {
    choose("ternaryWHS");
    tick("CheckBox_I");
    tick("CheckBox_S");
    type("Temp_Ice", "-5");
    type("Temp_Sylvite", "-4");
    calculate();
    EXPECT_EQ(results(),
              (QStringList{ui::Str(-5 + kC) + " K", "", "out of range", "", "", "", ui::Str(-4 + kC) + " K",
                           "", "out of range", "", "", "", "salt, x(NaCl) = 0"}));

    // Hydrohalite at 700 degC: the cotectic liquid is known, the final one not.
    choose("ternaryWHS");
    tick("CheckBox_HH");
    tick("CheckBox_S");
    type("Temp_Hydrohalite", "700");
    type("Temp_Sylvite", "-10");
    calculate();
    EXPECT_NE(text("resultNaCl1"), "out of range");
    EXPECT_EQ(text("resultNaCl2"), "out of range");
    EXPECT_EQ(text("resultP2"), "");
    EXPECT_EQ(text("resultKCl2a"), "");
    EXPECT_EQ(text("ResultSalt"), "hydrohalite (NaCl\u00b72H2O)");
}

TEST_F(SalinityWindow, IceDissolvingLastAbove650HasTheLowPressure) {
    choose("ternaryWHS");
    tick("CheckBox_I");
    tick("CheckBox_HH");
    type("Temp_Ice", "700");
    type("Temp_Hydrohalite", "-22");
    calculate();
    EXPECT_EQ(text("resultP1"), "low value");
    EXPECT_EQ(text("resultP2"), "low value");
    EXPECT_EQ(text("ResultSalt"), "ice (H2O)");
}

// ---------------------------------------------------------------------------
// Hostile input.

TEST_F(SalinityWindow, NoTypedTextGivesANumberThatIsNotFinite) {
    const QString junk[] = {"",     "abc", "1e999", "-1e999",  "-1e308", "1e308", "nan",    "inf",
                            "-inf", "1,5", "2.5e1", "-273.15", "-300",   "0",     "1e-320", "12abc",
                            ",",    ".",   "-",     "1e",      "--5",    " 25 ",  "1.2.3",  "\u0663"};
    const int n = int(std::size(junk));
    auto sweep = [&](const char* system) {
        for (bool absent : {false, true}) {
            for (int mask = 0; mask < 16; ++mask) {
                if (system) w->radio(system).setValue(false); // chosen again below, which resets it
                if (system) w->radio(system).setValue(true);
                w->radio(absent ? "Solvus_Absent" : "Solvus_Present").setValue(true);
                for (int b = 0; b < 4; ++b)
                    w->checkBox(kBoxes[b]).setValue(mask & (1 << b));
                for (int j = 0; j < n; j += 3) {
                    for (int f = 0; f < 4; ++f)
                        w->field(kFields[f]).setText(junk[(j + 5 * f + mask) % n]);
                    w->button("calculate").click();
                    for (QWidget* c : w->controls()) {
                        auto* l = dynamic_cast<ui::StaticText*>(c);
                        if (!l) continue;
                        const QString t = l->text().toLower();
                        ASSERT_FALSE(t.contains("nan") || t.contains("inf"))
                            << l->objectName().toStdString() << ": " << t.toStdString();
                    }
                }
            }
        }
    };
    sweep(nullptr);
    for (const char* system : {"binaryWH", "binaryWS", "ternaryWHS"})
        sweep(system);
}

// ---------------------------------------------------------------------------
// As a new user meets it.

TEST_F(SalinityWindow, FromTheChooserToASalinity) {
    auto* chooser = Start2();
    chooser->Show();
    click(chooser->radio("Empirical"));
    click(chooser->radio("Salinity"));
    click(chooser->button("PushButton1"));
    processEvents();
    EXPECT_TRUE(testsupport::isShown("EmpiricalSalinity"));
    EXPECT_EQ(testsupport::openCount("EmpiricalSalinity"), 1);

    choose("ternaryWHS");
    tick("CheckBox_H");
    tick("CheckBox_S");
    type("Temp_Halite", "300");
    type("Temp_Sylvite", "100");
    QTest::keyClick(&w->field("Temp_Sylvite"), Qt::Key_Return); // the default button
    EXPECT_FALSE(text("resultNaCl2").isEmpty());
    EXPECT_TRUE(text("ResultSalt").startsWith("salt, x(NaCl) = 0.99"));

    EXPECT_TRUE(testsupport::clippedTexts(*w).isEmpty())
        << testsupport::clippedTexts(*w).join("; ").toStdString();
    testsupport::saveScreenshot(*w, "EmpiricalSalinity-ternary");

    click(w->button("clarification1"));
    processEvents();
    EXPECT_TRUE(testsupport::isShown("Details1"));
    EXPECT_TRUE(w->isVisible());
}

} // namespace
