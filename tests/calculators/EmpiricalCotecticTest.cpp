// The cotectic lines of the empirical model: the calculation on its own, and
// the window driven as a user drives it.
#include "support/GuiTest.h"

#include "Globals.h"
#include "app/Start2.h"
#include "calculators/EmpiricalReference.h"
#include "calculators/empirical/EmpiricalCotectic.h"
#include "calculators/empirical/EmpiricalCotecticCalc.h"
#include "ui/ValStr.h"

#include <QTest>

#include <cmath>
#include <string>

namespace {

using namespace calculators;
using testsupport::click;
using testsupport::GuiTest;
using testsupport::processEvents;

constexpr double kC = 273.15;

// The solids whose liquidus surfaces meet on each line.
constexpr int kSurfaces[6][2] = {{0, 0}, {1, 2}, {1, 4}, {2, 4}, {2, 3}, {3, 4}};
// The solid whose liquidus gives the water of the liquid.
constexpr int kPhase[6] = {0, 1, 1, 4, 3, 3};

// A typed temperature (degC) that lands exactly on the crest of the solvus.
double crestCelsius() {
    const double crest = Globals::MaxSolvus(0);
    double t = crest - kC;
    for (int i = 0; i < 64 && t + kC != crest; ++i)
        t = std::nextafter(t, t + kC < crest ? HUGE_VAL : -HUGE_VAL);
    EXPECT_EQ(t + kC, crest);
    return t;
}

TEST(EmpiricalCotecticCalc, HydrohaliteIsNaCl2H2O) {
    EXPECT_EQ(kHydrohaliteAsPercentNaCl, 33.333333333333336);
    EXPECT_EQ(kHydrohaliteMassPercentNaCl, 61.86961010499102);
}

TEST(EmpiricalCotecticCalc, AnAnhydrousSolidOnBothScales) {
    const AnhydrousSolid nacl = anhydrousSolid(0.0);
    EXPECT_EQ(nacl.asPercentNaCl, 100);
    EXPECT_EQ(nacl.asPercentKCl, 0);
    EXPECT_EQ(nacl.massPercentNaCl, 100);
    EXPECT_EQ(nacl.massPercentKCl, 0);
    const AnhydrousSolid kcl = anhydrousSolid(1.0);
    EXPECT_EQ(kcl.asPercentKCl, 100);
    EXPECT_EQ(kcl.massPercentKCl, 100);
    EXPECT_EQ(kcl.massPercentNaCl, 0);
    // Equal amounts of both salts: KCl is the heavier, 74.57143 / 133.033898.
    EXPECT_NEAR(anhydrousSolid(0.5).massPercentKCl, 56.05446, 1e-5);
    for (double v : {0.001, 0.1, 0.41, 0.7, 0.999}) {
        const AnhydrousSolid s = anhydrousSolid(v);
        // Back from mass to amount of substance.
        const double nK = s.massPercentKCl / 74.57143, nN = s.massPercentNaCl / 58.462468;
        EXPECT_NEAR(nK / (nK + nN), v, 1e-14);
        EXPECT_NEAR(s.asPercentNaCl + s.asPercentKCl, 100, 1e-12);
        EXPECT_NEAR(s.massPercentNaCl + s.massPercentKCl, 100, 1e-12);
        EXPECT_GT(s.massPercentKCl, s.asPercentKCl);
    }
}

TEST(EmpiricalCotecticCalc, NoLineNoResult) {
    for (int line : {0, -1, 6}) {
        const CotecticResult r = empiricalCotectic(line, 25);
        EXPECT_FALSE(r.lineChosen);
        EXPECT_EQ(r.solid1.kind, CotecticSolidKind::None);
    }
}

// Each line at a temperature on it and at one past its end.
struct LineCase {
    int line;
    double insideC, outsideC;
    CotecticSolidKind solid1, solid2;
};

using K = CotecticSolidKind;
const LineCase kLineCases[] = {
    {1, -22, -15, K::Ice, K::Hydrohalite},     // past the end: no ratio
    {2, -15, -5, K::Sylvite, K::Ice},          // past the H2O-KCl eutectic: no ratio
    {3, -10, 650, K::Sylvite, K::Hydrohalite}, // salts past the whole liquid
    {4, -1, 800, K::Halite, K::Hydrohalite},   {5, 300, 700, K::SolvusLimb, K::SolvusLimb},
};

TEST(EmpiricalCotecticCalc, EachLineInsideAndOutside) {
    for (const LineCase& c : kLineCases) {
        SCOPED_TRACE("line " + std::to_string(c.line));
        const CotecticResult in = empiricalCotectic(c.line, c.insideC);
        ASSERT_TRUE(in.lineChosen);
        EXPECT_TRUE(in.liquidInRange);
        const double T = c.insideC + kC;
        EXPECT_EQ(in.temperatureK, T);
        const double R = Globals::Cotectic_Exact(c.line, T);
        const reference::Liquid e = reference::liquid(kPhase[c.line], T, R);
        EXPECT_NEAR(in.liquid.xNaCl, e.xNaCl, 1e-12 * e.xNaCl);
        EXPECT_NEAR(in.liquid.xKCl, e.xKCl, 1e-12 * e.xKCl);
        EXPECT_NEAR(in.liquid.wNaCl, e.wNaCl, 1e-12 * e.wNaCl);
        EXPECT_NEAR(in.liquid.wKCl, e.wKCl, 1e-12 * e.wKCl);
        EXPECT_NEAR(in.liquid.pressureMPa, e.pressureMPa, 1e-12 * e.pressureMPa);
        // The liquid lies on the liquidus surfaces of both solids.
        const double ratio = in.liquid.xNaCl / (in.liquid.xNaCl + in.liquid.xKCl);
        EXPECT_NEAR(Globals::Molefraction_H2O(kSurfaces[c.line][0], T, ratio),
                    Globals::Molefraction_H2O(kSurfaces[c.line][1], T, ratio), 1e-9);
        EXPECT_NEAR(in.liquid.xH2O, Globals::Molefraction_H2O(kSurfaces[c.line][0], T, ratio), 1e-9);
        EXPECT_EQ(in.solid1.kind, c.solid1);
        EXPECT_EQ(in.solid2.kind, c.solid2);

        const CotecticResult out = empiricalCotectic(c.line, c.outsideC);
        EXPECT_TRUE(out.lineChosen);
        EXPECT_FALSE(out.liquidInRange);
        // The solids are known all the same (above the crest: one solid).
        EXPECT_NE(out.solid1.kind, K::None);
    }
}

TEST(EmpiricalCotecticCalc, PressureSwitchesAbove650) {
    const double t650 = 650, t651 = 651;
    for (double t : {t650, t651}) {
        const CotecticResult r = empiricalCotectic(4, t);
        ASSERT_TRUE(r.liquidInRange);
        const EmpiricalLiquid& l = r.liquid;
        const double T = t + kC;
        if (T > 923.15) {
            EXPECT_EQ(l.pressureMPa, Globals::Pressure650(3, l.xH2O, l.xNaCl, l.xKCl));
        } else {
            EXPECT_EQ(l.pressureMPa, Globals::Pressure(3, l.xH2O, l.xNaCl, T));
        }
        EXPECT_GT(l.pressureMPa, 1.0);
    }
    // Through ice: no SLV pressure above the floor at any temperature.
    for (double t : {-22.0, 25.0, 700.0}) {
        const CotecticResult r = empiricalCotectic(1, t);
        EXPECT_EQ(r.liquid.pressureMPa, 0.1) << t;
    }
}

// On a cotectic both surfaces give the same water, so only the pressure tells
// which solid's liquidus the liquid was taken from: sylvite on the
// hydrohalite + sylvite line, halite on the two lines through halite.
TEST(EmpiricalCotecticCalc, ThePressureIsThatOfTheLinesSalt) {
    struct Case {
        int line, salt, other;
    };
    for (const Case& c : {Case{3, 4, 3}, Case{4, 3, 4}, Case{5, 3, 4}}) {
        const CotecticResult r = empiricalCotectic(c.line, 300);
        ASSERT_TRUE(r.liquidInRange);
        const EmpiricalLiquid& l = r.liquid;
        const double T = 300 + kC;
        EXPECT_EQ(l.pressureMPa, Globals::Pressure(c.salt, l.xH2O, l.xNaCl, T)) << c.line;
        EXPECT_NE(l.pressureMPa, Globals::Pressure(c.other, l.xH2O, l.xNaCl, T)) << c.line;
    }
}

TEST(EmpiricalCotecticCalc, TheSolvusLimbsBelowTheCrestOnly) {
    const double crestC = crestCelsius();
    for (double t : {25.0, 300.0, 450.0, 495.0, crestC - 1e-9}) {
        SCOPED_TRACE(t);
        const CotecticResult r = empiricalCotectic(5, t);
        ASSERT_EQ(r.solid1.kind, K::SolvusLimb);
        ASSERT_EQ(r.solid2.kind, K::SolvusLimb);
        const double T = t + kC;
        const double v3 = Globals::RatioSolvus(3, T), v4 = Globals::RatioSolvus(4, T);
        EXPECT_EQ(r.solid1.limb.asPercentKCl, 100 * v3);
        EXPECT_EQ(r.solid2.limb.asPercentKCl, 100 * v4);
        // The NaCl-rich limb holds less KCl than the KCl-rich one.
        EXPECT_LT(r.solid1.limb.asPercentKCl, r.solid2.limb.asPercentKCl);
    }
    for (double t : {crestC, crestC + 1e-9, 600.0}) {
        const CotecticResult r = empiricalCotectic(5, t);
        EXPECT_EQ(r.solid1.kind, K::MinimumLine) << t;
        EXPECT_EQ(r.solid2.kind, K::MinimumLine) << t;
    }
}

// ---------------------------------------------------------------------------
// The window.

const char* const kResults[] = {"ResultKelvin",    "ResultPres",     "ResultNaCl",     "ResultKCl",
                                "ResultNaCla",     "ResultKCla",     "ResultNaClsol1", "ResultKClsol1",
                                "ResultNaClsol1a", "ResultKClsol1a", "ResultNaClsol2", "ResultKClsol2",
                                "ResultNaClsol2a", "ResultKClsol2a", "solid1",         "solid2"};
const char* const kRadios[] = {"IHH", "ISL", "HHS", "HHH", "HS"};

class CotecticWindow : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        w = EmpiricalCotectic();
        w->Show();
        processEvents();
    }

    QString text(const char* label) const { return w->label(label).text(); }
    void choose(const char* radio) { click(w->radio(radio)); }
    void type(const QString& t) {
        w->field("dataEntry1").clear();
        testsupport::typeInto(w->field("dataEntry1"), t);
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
    // The solid columns: name, NaCl and KCl as %, NaCl and KCl mass %.
    QStringList solid(char column) const {
        const QString c(column);
        return {w->label(QString("solid") + c).text(), w->label("ResultNaClsol" + c).text(),
                w->label("ResultKClsol" + c).text(), w->label("ResultNaClsol" + c + "a").text(),
                w->label("ResultKClsol" + c + "a").text()};
    }

    class EmpiricalCotectic* w = nullptr;
};

const char* radioOf(int line) {
    return kRadios[line - 1];
}

QString percent(double fraction) {
    return ui::Str(100 * fraction);
}

TEST_F(CotecticWindow, StartsWithNoLineChosen) {
    for (const char* r : kRadios)
        EXPECT_FALSE(w->radio(r).value()) << r;
    EXPECT_EQ(w->field("dataEntry1").text(), "");
    EXPECT_EQ(results(), QStringList(std::size(kResults), QString()));
    EXPECT_EQ(text("temp1"), "\u02daCelsius");
    EXPECT_EQ(w->groupBox("Model").title(), "Cotectic Line ");
    EXPECT_TRUE(w->label("Comp").font().underline());
    EXPECT_EQ(w->defaultButton(), &w->button("calculate"));
}

TEST_F(CotecticWindow, WithoutALineCalculateEmptiesTheResults) {
    type("25");
    fillResults("old");
    calculate();
    EXPECT_EQ(results(), QStringList(std::size(kResults), QString()));
    EXPECT_EQ(w->field("dataEntry1").text(), "25");
}

TEST_F(CotecticWindow, EditingTheTemperatureEmptiesTheResults) {
    choose("HS");
    type("300");
    calculate();
    EXPECT_FALSE(text("solid1").isEmpty());
    testsupport::typeInto(w->field("dataEntry1"), "1");
    EXPECT_EQ(results(), QStringList(std::size(kResults), QString()));
    calculate();
    EXPECT_FALSE(text("ResultKelvin").isEmpty());
    QTest::keyClick(&w->field("dataEntry1"), Qt::Key_Backspace);
    EXPECT_EQ(results(), QStringList(std::size(kResults), QString()));
}

TEST_F(CotecticWindow, ChoosingALineEmptiesTheFieldAndTheResults) {
    for (const char* r : kRadios) {
        SCOPED_TRACE(r);
        choose(r == kRadios[0] ? "HS" : "IHH");
        type("-5");
        calculate();
        EXPECT_FALSE(text("solid2").isEmpty());
        choose(r);
        EXPECT_EQ(w->field("dataEntry1").text(), "");
        EXPECT_EQ(results(), QStringList(std::size(kResults), QString()));
    }
}

TEST_F(CotecticWindow, TheTemperatureIsShownInKelvinOnEveryLine) {
    for (const char* r : kRadios) {
        choose(r);
        type("25");
        calculate();
        EXPECT_EQ(text("ResultKelvin"), ui::Str(25 + 273.15)) << r;
        calculate();
        const QStringList once = results();
        calculate();
        EXPECT_EQ(results(), once) << r;
    }
}

TEST_F(CotecticWindow, TheFixedSolidColumns) {
    const QString hhNaCl = ui::Str(33.333333333333336), hhMass = ui::Str(61.86961010499102);
    const QStringList ice{"ice", "0.0", "0.0", "0.0", "0.0"};
    const QStringList hydrohalite{"hydrohalite", hhNaCl, "0.0", hhMass, "0.0"};
    const QStringList halite{"halite", "100.0", "0.0", "100.0", "0.0"};
    const QStringList sylvite{"sylvite", "0.0", "100.0", "0.0", "100.0"};
    EXPECT_EQ(hhNaCl, "33.33333");
    EXPECT_EQ(hhMass, "61.86961");
    struct Case {
        const char* radio;
        QStringList solid1, solid2;
    };
    const Case cases[] = {{"IHH", ice, hydrohalite},
                          {"ISL", sylvite, ice},
                          {"HHS", sylvite, hydrohalite},
                          {"HHH", halite, hydrohalite}};
    for (const Case& c : cases) {
        for (const char* t : {"-22", "-5", "300"}) { // the same at every temperature
            SCOPED_TRACE(std::string(c.radio) + " at " + t);
            choose(c.radio);
            type(t);
            calculate();
            EXPECT_EQ(solid('1'), c.solid1);
            EXPECT_EQ(solid('2'), c.solid2);
        }
    }
}

TEST_F(CotecticWindow, EachLineAgreesWithTheEquations) {
    for (const LineCase& c : kLineCases) {
        SCOPED_TRACE("line " + std::to_string(c.line));
        choose(radioOf(c.line));
        type(ui::Str(c.insideC));
        calculate();
        const double T = c.insideC + kC;
        const reference::Liquid e = reference::liquid(kPhase[c.line], T, Globals::Cotectic_Exact(c.line, T));
        EXPECT_EQ(text("ResultNaCl"), percent(e.xNaCl));
        EXPECT_EQ(text("ResultKCl"), percent(e.xKCl));
        EXPECT_EQ(text("ResultNaCla"), percent(e.wNaCl));
        EXPECT_EQ(text("ResultKCla"), percent(e.wKCl));
        EXPECT_EQ(text("ResultPres"), e.pressureMPa > 1.0 ? ui::Str(e.pressureMPa) : QStringLiteral("< 1.0"));
        // Water counts in the liquid.
        EXPECT_LT(e.xNaCl + e.xKCl, 1.0);
        EXPECT_LT(e.wNaCl + e.wKCl, 1.0);

        type(ui::Str(c.outsideC));
        calculate();
        EXPECT_EQ(text("ResultKelvin"), ui::Str(c.outsideC + kC));
        EXPECT_EQ(text("ResultNaCl"), "out of range");
        EXPECT_EQ(text("ResultKCl"), "");
        EXPECT_EQ(text("ResultNaCla"), "out of range");
        EXPECT_EQ(text("ResultKCla"), "");
        EXPECT_EQ(text("ResultPres"), ""); // no pressure without a liquid
        EXPECT_FALSE(text("ResultNaClsol1").isEmpty());
        EXPECT_FALSE(text("ResultNaClsol2").isEmpty());
    }
}

TEST_F(CotecticWindow, PressureTexts) {
    struct Case {
        const char* radio;
        const char* celsius;
    };
    // Through ice there is no pressure above 1 MPa; below 180 degC none at all.
    for (const Case& c : {Case{"IHH", "-22"}, Case{"ISL", "-15"}, Case{"IHH", "700"}, Case{"HHS", "100"},
                          Case{"HHH", "150"}, Case{"HS", "180"}}) {
        choose(c.radio);
        type(c.celsius);
        calculate();
        EXPECT_EQ(text("ResultPres"), "< 1.0") << c.radio << " " << c.celsius;
    }
    choose("HS");
    type("300");
    calculate();
    const double T = 300 + kC;
    const reference::Liquid e = reference::liquid(3, T, Globals::Cotectic_Exact(5, T));
    ASSERT_GT(e.pressureMPa, 1.0);
    EXPECT_EQ(text("ResultPres"), ui::Str(e.pressureMPa)); // the unit is a caption of its own
}

TEST_F(CotecticWindow, TheSolvusLimbsOnTheHaliteSylviteLine) {
    choose("HS");
    for (double t : {25.0, 300.0, 450.0}) {
        SCOPED_TRACE(t);
        type(ui::Str(t));
        calculate();
        const double T = t + kC;
        for (int limb : {3, 4}) {
            const char column = limb == 3 ? '1' : '2';
            const double v = Globals::RatioSolvus(limb, T);
            const double wK = v * 74.57143 / (v * 74.57143 + (1 - v) * 58.462468);
            EXPECT_EQ(solid(column), (QStringList{"anh. salt", ui::Str(100 * (1 - v)), ui::Str(100 * v),
                                                  ui::Str(100 * (1 - wK)), ui::Str(100 * wK)}));
            const QStringList s = solid(column);
            EXPECT_NEAR(ui::Val(s[1]) + ui::Val(s[2]), 100, 1e-4);
            EXPECT_NEAR(ui::Val(s[3]) + ui::Val(s[4]), 100, 1e-4);
        }
    }

    // At and above the crest the two solids are one solid solution.
    for (const QString& t : {QString::number(crestCelsius(), 'g', 17), QStringLiteral("600")}) {
        SCOPED_TRACE(t.toStdString());
        type(t);
        calculate();
        EXPECT_EQ(solid('1'), (QStringList{"", "minimum line", "", "", ""}));
        EXPECT_EQ(solid('2'), (QStringList{"", "minimum line", "", "", ""}));
    }
}

TEST_F(CotecticWindow, NoTypedTextGivesANumberThatIsNotFinite) {
    const QString junk[] = {"",
                            "abc",
                            "1e999",
                            "-1e999",
                            "-1e308",
                            "1e308",
                            "nan",
                            "inf",
                            "-inf",
                            "1,5",
                            "2.5e1",
                            "-273.15",
                            "-300",
                            "0",
                            "1e-320",
                            "12abc",
                            ",",
                            ".",
                            "-",
                            "1e",
                            "--5",
                            " 25 ",
                            "1.2.3",
                            "\u0663",
                            "495.0933355867081",
                            "650",
                            "650.0000000001",
                            "-10.6",
                            "-21.2"};
    auto check = [&] {
        for (QWidget* c : w->controls()) {
            auto* l = dynamic_cast<ui::StaticText*>(c);
            if (!l) continue;
            const QString t = l->text().toLower();
            ASSERT_FALSE(t.contains("nan") || t.contains("inf"))
                << l->objectName().toStdString() << ": " << t.toStdString();
        }
    };
    for (const QString& j : junk) {
        w->field("dataEntry1").setText(j);
        w->button("calculate").click();
        check();
    }
    for (const char* r : kRadios) {
        w->radio(r).setValue(true);
        for (const QString& j : junk) {
            w->field("dataEntry1").setText(j);
            w->button("calculate").click();
            check();
        }
    }
}

TEST_F(CotecticWindow, FromTheChooserToACotecticLiquid) {
    auto* chooser = Start2();
    chooser->Show();
    click(chooser->radio("Empirical"));
    click(chooser->radio("Cotectics"));
    click(chooser->button("PushButton1"));
    processEvents();
    EXPECT_TRUE(testsupport::isShown("EmpiricalCotectic"));
    EXPECT_EQ(testsupport::openCount("EmpiricalCotectic"), 1);

    choose("HS");
    type("300");
    QTest::keyClick(&w->field("dataEntry1"), Qt::Key_Return); // the default button
    EXPECT_EQ(text("solid1"), "anh. salt");
    EXPECT_EQ(text("ResultKelvin"), "573.15");
    EXPECT_TRUE(testsupport::clippedTexts(*w).isEmpty())
        << testsupport::clippedTexts(*w).join("; ").toStdString();
    testsupport::saveScreenshot(*w, "EmpiricalCotectic-halite-sylvite");

    choose("IHH");
    type("-22");
    calculate();
    EXPECT_TRUE(testsupport::clippedTexts(*w).isEmpty())
        << testsupport::clippedTexts(*w).join("; ").toStdString();
    testsupport::saveScreenshot(*w, "EmpiricalCotectic-ice-hydrohalite");
}

} // namespace
