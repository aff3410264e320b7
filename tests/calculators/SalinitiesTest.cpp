// The thermodynamic salinity window, driven as a user drives it.
#include "support/GuiTest.h"

#include "calculators/thermodynamic/Salinities.h"
#include "calculators/thermodynamic/SalinityCalc.h"
#include "ui/ValStr.h"

#include "Globals.h"

#include <QTest>

namespace {

using testsupport::GuiTest;
using testsupport::typeInto;

const char* const kCotecticLabels[] = {"resultT1",      "resultNaCl1",     "resultKCl1",
                                       "resultNaCl1a",  "resultKCl1a",     "resultNaCl1sol",
                                       "resultKCl1sol", "resultNaCl1asol", "resultKCl1asol"};
const char* const kFinalLabels[] = {"resultT2",      "resultNaCl2",     "resultKCl2",
                                    "resultNaCl2a",  "resultKCl2a",     "resultNaCl2sol",
                                    "resultKCl2sol", "resultNaCl2asol", "resultKCl2asol"};

class SalinitiesWindow : public GuiTest {
protected:
    class Salinities* w = nullptr;

    void SetUp() override {
        GuiTest::SetUp();
        w = Salinities();
    }
    void enter(const QString& pressure, const QString& sylvite, const QString& halite) {
        for (auto [name, text] : {std::pair{"dataEntryP", pressure}, std::pair{"dataEntryTsyl", sylvite},
                                  std::pair{"dataEntryThal", halite}}) {
            w->field(name).clear();
            // Key events exist for ASCII text only; the rest is pasted.
            bool ascii = true;
            for (QChar c : text)
                ascii = ascii && c.unicode() < 128;
            if (ascii)
                typeInto(w->field(name), text);
            else
                w->field(name).insert(text);
        }
    }
    void calculate() { testsupport::click(w->button("calculate")); }
    QString text(const char* label) const { return w->label(label).text(); }
    void expectAllFilled() {
        for (const char* name : kCotecticLabels)
            EXPECT_FALSE(text(name).isEmpty()) << name;
        for (const char* name : kFinalLabels)
            EXPECT_FALSE(text(name).isEmpty()) << name;
    }
    void expectAllEmpty() {
        for (const char* name : kCotecticLabels)
            EXPECT_EQ(text(name), "") << name;
        for (const char* name : kFinalLabels)
            EXPECT_EQ(text(name), "") << name;
    }
    void expectNoNumberTextBroken() {
        for (QWidget* c : w->controls())
            if (auto* l = dynamic_cast<ui::StaticText*>(c)) {
                const QString t = l->text();
                EXPECT_FALSE(t.contains("nan", Qt::CaseInsensitive) || t.contains("inf", Qt::CaseInsensitive))
                    << l->objectName().toStdString() << ": " << t.toStdString();
                EXPECT_EQ(l->textColor(), ui::kBlack) << l->objectName().toStdString();
            }
    }
};

TEST_F(SalinitiesWindow, ControlsAsTheUserSeesThem) {
    EXPECT_EQ(w->label("titel").text(), "Thermodynamic modelling");
    EXPECT_TRUE(w->label("titel").font().underline());
    EXPECT_EQ(w->label("TextC3").text(), "\u02daC");
    EXPECT_EQ(w->label("TextC31").text(), "MPa");
    EXPECT_EQ(w->label("StaticText2").text(), "in addition to H2O");
    EXPECT_EQ(w->groupBox("GroupBox2").title(), "Properties of liquid solution");
    EXPECT_EQ(w->groupBox("GroupBox3").title(), "Properties of solid solution");
    EXPECT_EQ(w->button("calculate").geometry(), QRect(329, 155, 100, 30));
    EXPECT_EQ(w->label("resultKCl2asol").mapTo(&w->content(), QPoint(0, 0)), QPoint(340, 605));
    EXPECT_EQ(w->label("resultNaCl1").parentWidget(), &w->groupBox("GroupBox2"));
    EXPECT_EQ(w->label("resultNaCl1sol").parentWidget(), &w->groupBox("GroupBox3"));
    EXPECT_EQ(w->controls().size(), 53u);
    expectAllEmpty();
}

TEST_F(SalinitiesWindow, ReturnPressesCalculateNotThePhaseDiagram) {
    EXPECT_TRUE(w->button("calculate").isDefault());
    EXPECT_TRUE(w->button("clarification1").isDefault());
    EXPECT_EQ(w->defaultButton(), &w->button("calculate"));
    enter("0.1", "300", "350");
    QTest::keyClick(&w->field("dataEntryThal"), Qt::Key_Return);
    EXPECT_EQ(text("resultT1"), "573.15  K");
    expectAllFilled();
    testsupport::processEvents();
    EXPECT_FALSE(testsupport::isShown("DetailsThermo"));
}

TEST_F(SalinitiesWindow, ResultsOfTheThreeStages) {
    enter("0.1", "300", "350");
    calculate();
    EXPECT_EQ(text("resultT1"), "573.15  K");
    EXPECT_EQ(text("resultT2"), "623.15  K");
    expectAllFilled();
    expectNoNumberTextBroken();

    // Halite dissolves last: the solid at the cotectic is on the NaCl-rich
    // limb of the solvus at the lower temperature.
    const double xs = Globals::Equality_solids(573.15, 0.1)[1];
    EXPECT_EQ(text("resultNaCl1sol"), ui::Str(100 * xs));
    EXPECT_EQ(text("resultKCl1sol"), ui::Str(100 * (1 - xs)));

    // Every label shows the calculation's numbers.
    const calculators::SalinityResult r =
        calculators::salinityFromDissolution(0.1, 350 + 273.15, 300 + 273.15);
    ASSERT_TRUE(r.bulkFound);
    const struct {
        const char* label;
        double value;
    } shown[] = {
        {"resultNaCl1", r.cotecticLiquid.asNaCl},
        {"resultKCl1", r.cotecticLiquid.asKCl},
        {"resultNaCl1a", r.cotecticLiquid.massNaCl},
        {"resultKCl1a", r.cotecticLiquid.massKCl},
        {"resultNaCl1asol", r.cotecticSolid.massNaCl},
        {"resultKCl1asol", r.cotecticSolid.massKCl},
        {"resultNaCl2", r.bulk.asNaCl},
        {"resultKCl2", r.bulk.asKCl},
        {"resultNaCl2a", r.bulk.massNaCl},
        {"resultKCl2a", r.bulk.massKCl},
        {"resultNaCl2sol", r.finalSolid.asNaCl},
        {"resultKCl2sol", r.finalSolid.asKCl},
        {"resultNaCl2asol", r.finalSolid.massNaCl},
        {"resultKCl2asol", r.finalSolid.massKCl},
    };
    for (const auto& s : shown)
        EXPECT_EQ(text(s.label), ui::Str(s.value)) << s.label;

    // The bulk liquid's liquidus is the typed halite temperature.
    const double bulkNaCl = ui::Val(text("resultNaCl2")) / 100, bulkKCl = ui::Val(text("resultKCl2")) / 100;
    const auto liquidus = Globals::Temperature_Liquidus(3, bulkNaCl, bulkKCl, 0.1, 620);
    EXPECT_NEAR(liquidus[0], 623.15, 0.01); // the labels keep 7 digits
    EXPECT_NEAR(100 * liquidus[1], ui::Val(text("resultNaCl2sol")), 1e-3);

    QString path = testsupport::saveScreenshot(*w, "Salinities");
    EXPECT_FALSE(path.isEmpty());
    EXPECT_EQ(testsupport::clippedTexts(*w), QStringList());
}

TEST_F(SalinitiesWindow, TheCotecticLiquidIsTheSameWhicheverSaltDissolvesLast) {
    enter("100", "300", "350");
    calculate();
    const QString haliteLast[] = {text("resultNaCl1"), text("resultKCl1")};
    EXPECT_EQ(text("resultT1"), "573.15  K");
    enter("100", "350", "300");
    calculate();
    EXPECT_EQ(text("resultT1"), "573.15  K");
    EXPECT_NEAR(ui::Val(text("resultNaCl1")), ui::Val(haliteLast[0]), 1e-4);
    EXPECT_NEAR(ui::Val(text("resultKCl1")), ui::Val(haliteLast[1]), 1e-4);
    // Sylvite dissolves last: the KCl-rich solid.
    EXPECT_LT(ui::Val(text("resultNaCl1sol")), 50);
    EXPECT_LT(ui::Val(text("resultNaCl2sol")), 50);
}

TEST_F(SalinitiesWindow, EqualTemperaturesMeanHaliteDissolvesLast) {
    enter("0.1", "300", "300");
    calculate();
    EXPECT_EQ(text("resultT1"), "573.15  K");
    EXPECT_EQ(text("resultT2"), "573.15  K");
    expectAllFilled();
    EXPECT_GT(ui::Val(text("resultNaCl1sol")), 90);
    // The bulk is the cotectic liquid itself.
    EXPECT_NEAR(ui::Val(text("resultNaCl2")), ui::Val(text("resultNaCl1")), 1e-4);
    EXPECT_NEAR(ui::Val(text("resultKCl2")), ui::Val(text("resultKCl1")), 1e-4);
}

TEST_F(SalinitiesWindow, EveryEditEmptiesAllEighteenResults) {
    for (const char* field : {"dataEntryP", "dataEntryTsyl", "dataEntryThal"}) {
        SCOPED_TRACE(field);
        enter("0.1", "300", "350");
        calculate();
        expectAllFilled();
        typeInto(w->field(field), "."); // the same numbers: "300." is 300
        expectAllEmpty();
        calculate();
        expectAllFilled();
        QTest::keyClick(&w->field(field), Qt::Key_Backspace); // deleting is an edit too
        expectAllEmpty();
    }
}

TEST_F(SalinitiesWindow, AboveTheSolvusCrestTheCotecticIsOutOfRange) {
    enter("0.1", "500", "600");
    for (const char* name : kFinalLabels)
        w->label(name).setText("earlier"); // the last stage does not run
    calculate();
    EXPECT_EQ(text("resultT1"), "773.15  K");
    EXPECT_EQ(text("resultT2"), "873.15  K");
    EXPECT_EQ(text("resultNaCl1"), "out of range");
    EXPECT_EQ(text("resultNaCl1sol"), "out of range");
    for (const char* name :
         {"resultKCl1", "resultNaCl1a", "resultKCl1a", "resultKCl1sol", "resultNaCl1asol", "resultKCl1asol"})
        EXPECT_EQ(text(name), "") << name;
    for (const char* name : kFinalLabels)
        if (std::string(name) != "resultT2") {
            EXPECT_EQ(text(name), "earlier") << name;
        }
    expectNoNumberTextBroken(); // plain texts in black
    EXPECT_EQ(w->label("resultNaCl1").textSize(), 14);
}

TEST_F(SalinitiesWindow, NoCotecticLiquidFromTheNaClRichSolidAtTenDegrees) {
    enter("0.1", "10", "50");
    for (const char* name : kFinalLabels)
        w->label(name).setText("earlier");
    calculate();
    EXPECT_EQ(text("resultNaCl1"), "out of range");
    for (const char* name : {"resultKCl1", "resultNaCl1a", "resultKCl1a"})
        EXPECT_EQ(text(name), "") << name;
    for (const char* name : {"resultNaCl1sol", "resultKCl1sol", "resultNaCl1asol", "resultKCl1asol"})
        EXPECT_NE(ui::Val(text(name)), 0.0) << name;
    for (const char* name : kFinalLabels)
        if (std::string(name) != "resultT2") {
            EXPECT_EQ(text(name), "earlier") << name;
        }
}

TEST_F(SalinitiesWindow, AFinalTemperatureThatNoLiquidOfTheLineHasIsOutOfRange) {
    // Sylvite at 825 degC is above the melting of the KCl-rich solid.
    enter("0.1", "825", "125");
    calculate();
    for (const char* name : kCotecticLabels)
        EXPECT_NE(text(name), "") << name;
    EXPECT_NE(text("resultNaCl1"), "out of range");
    EXPECT_EQ(text("resultNaCl2"), "out of range");
    EXPECT_EQ(text("resultNaCl2sol"), "out of range");
    for (const char* name :
         {"resultKCl2", "resultNaCl2a", "resultKCl2a", "resultKCl2sol", "resultNaCl2asol", "resultKCl2asol"})
        EXPECT_EQ(text(name), "") << name;
    EXPECT_EQ(text("resultT2"), "1098.15  K");
}

TEST_F(SalinitiesWindow, JunkInEveryFieldShowsNumbersOrItsOwnTexts) {
    const QString junk[] = {"",     "abc",   "1e999", "-1e999", "-1e308", "1e308",   "nan",    "inf",
                            "-inf", "1,5e2", ",",     "-",      "0",      "-273.15", "1e-320", "  42 ˚C"};
    const QString valid[] = {"0.1", "300", "350"};
    for (int field = 0; field < 3; ++field)
        for (const QString& j : junk) {
            SCOPED_TRACE(::testing::Message() << field << " " << j.toStdString());
            QString in[3] = {valid[0], valid[1], valid[2]};
            in[field] = j;
            enter(in[0], in[1], in[2]);
            calculate();
            expectNoNumberTextBroken();
            EXPECT_FALSE(text("resultT1").isEmpty());
            EXPECT_FALSE(text("resultNaCl1sol").isEmpty());
        }
    for (const QString& j : junk) {
        SCOPED_TRACE(j.toStdString());
        enter(j, j, j);
        calculate();
        expectNoNumberTextBroken();
    }
}

TEST_F(SalinitiesWindow, TemperaturesTooLargeForANumberAreOutOfRange) {
    enter("0.1", "300", "1e999");
    calculate();
    EXPECT_EQ(text("resultT1"), "573.15  K");
    EXPECT_EQ(text("resultT2"), "out of range");
    EXPECT_EQ(text("resultNaCl2"), "out of range");
    enter("0.1", "-1e999", "300");
    calculate();
    EXPECT_EQ(text("resultT1"), "out of range");
    EXPECT_EQ(text("resultNaCl1"), "out of range");
}

} // namespace
