// The thermodynamic cotectic window, driven as a user drives it.
#include "support/GuiTest.h"

#include "app/Start1.h"
#include "app/Start2.h"
#include "calculators/thermodynamic/Cotectic.h"
#include "calculators/thermodynamic/CotecticCalc.h"
#include "ui/ValStr.h"

#include "Globals.h"

#include <QTest>

namespace {

using testsupport::GuiTest;
using testsupport::typeInto;

const char* const kResults[] = {"ResultNaCl",     "ResultKCl",     "ResultNaCla",     "ResultKCla",
                                "ResultNaClsol1", "ResultKClsol1", "ResultNaClsol1a", "ResultKClsol1a",
                                "ResultNaClsol2", "ResultKClsol2", "ResultNaClsol2a", "ResultKClsol2a"};

class ThermoCotecticWindow : public GuiTest {
protected:
    class Cotectic* w = nullptr;

    void SetUp() override {
        GuiTest::SetUp();
        w = Cotectic();
        w->Show();
    }
    void enter(const QString& temperatureC, const QString& pressure) {
        for (auto [name, text] : {std::pair{"dataEntry1", temperatureC}, std::pair{"dataEntry2", pressure}}) {
            w->field(name).clear();
            typeInto(w->field(name), text);
        }
    }
    void calculate() { testsupport::click(w->button("calculate1")); }
    QString text(const char* label) const { return w->label(label).text(); }
    double number(const char* label) const { return ui::Val(text(label)); }
    void expectNoBrokenNumber() {
        for (const char* name : kResults) {
            const QString t = text(name);
            EXPECT_FALSE(t.contains("nan", Qt::CaseInsensitive) || t.contains("inf", Qt::CaseInsensitive))
                << name << ": " << t.toStdString();
        }
    }
};

TEST_F(GuiTest, TheCotecticWindowIsBuiltHiddenAndShownByTheChooser) {
    class Cotectic* w = Cotectic();
    EXPECT_FALSE(w->isVisible());
    Start1()->button("continue1").click();
    ui::Window* chooser = Start2();
    testsupport::click(chooser->radio("Thermodynamic"));
    testsupport::click(chooser->radio("Cotectics"));
    chooser->button("PushButton1").click();
    testsupport::processEvents();
    EXPECT_EQ(Cotectic(), w);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(ThermoCotecticWindow, ControlsAsTheUserSeesThem) {
    EXPECT_EQ(w->label("cot").text(), "Cotectic line between halite and sylvite field");
    EXPECT_EQ(w->label("temp1").text(), "\u02daCelsius");
    EXPECT_EQ(w->label("phase1").text(), "solid phase 1");
    EXPECT_EQ(w->defaultButton(), &w->button("calculate1"));
    // Each result sits in its frame, 8 to the right and 2 down.
    const struct {
        const char* label;
        const char* frame;
    } framed[] = {{"ResultNaCl", "Rectangle2"},       {"ResultKCl", "Rectangle1"},
                  {"ResultNaClsol1", "Rectangle4"},   {"ResultKClsol1a", "Rectangle7"},
                  {"ResultNaClsol2a", "Rectangle12"}, {"ResultKClsol2", "Rectangle9"}};
    for (const auto& f : framed) {
        EXPECT_EQ(w->label(f.label).parentWidget(), &w->rectangle(f.frame)) << f.label;
        EXPECT_EQ(w->label(f.label).pos(), QPoint(8, 2)) << f.label;
    }
    EXPECT_EQ(w->controls().size(), 46u);
}

TEST_F(ThermoCotecticWindow, SolidsAndLiquidAgreeWithTheModel) {
    enter("300", "100");
    QTest::keyClick(&w->field("dataEntry2"), Qt::Key_Return);
    const double T = 300 + 273.15;
    const auto pair = Globals::Equality_solids(T, 100);
    // Solid phase 1 is the NaCl-rich limb, solid phase 2 the KCl-rich one.
    EXPECT_EQ(text("ResultNaClsol1"), ui::Str(100 * pair[1]));
    EXPECT_EQ(text("ResultKClsol1"), ui::Str(100 * (1 - pair[1])));
    EXPECT_EQ(text("ResultNaClsol2"), ui::Str(100 * pair[0]));
    EXPECT_EQ(text("ResultKClsol2"), ui::Str(100 * (1 - pair[0])));
    for (const char* column : {"sol1", "sol2"}) {
        const std::string n = std::string("ResultNaCl") + column, k = std::string("ResultKCl") + column;
        EXPECT_NEAR(number(n.c_str()) + number(k.c_str()), 100, 1e-4);
        EXPECT_NEAR(number((n + "a").c_str()) + number((k + "a").c_str()), 100, 1e-4);
    }
    // The liquid: about 12.5 % NaCl and 18.7 % KCl, in equilibrium with both
    // solids; water counts in its sums.
    EXPECT_NEAR(number("ResultNaCl"), 12.5, 0.05);
    EXPECT_NEAR(number("ResultKCl"), 18.7, 0.05);
    EXPECT_LT(number("ResultNaCl") + number("ResultKCl"), 100);
    EXPECT_LT(number("ResultNaCla") + number("ResultKCla"), 100);
    const calculators::CotecticLiquid fromNaClRich = calculators::cotecticLiquid(pair[1], T, 100);
    ASSERT_TRUE(fromNaClRich.found);
    EXPECT_NEAR(number("ResultNaCl"), 100 * fromNaClRich.xNaCl, 1e-4);
    EXPECT_NEAR(number("ResultKCl"), 100 * fromNaClRich.xKCl, 1e-4);
    const double xw = 1 - number("ResultNaCl") / 100 - number("ResultKCl") / 100;
    const double mass =
        xw * 18.01528 + number("ResultNaCl") / 100 * 58.462468 + number("ResultKCl") / 100 * 74.57143;
    EXPECT_NEAR(number("ResultNaCla"), 100 * (number("ResultNaCl") / 100 * 58.462468) / mass, 1e-4);
    for (const char* name : kResults)
        EXPECT_EQ(w->label(name).textColor(), ui::kBlack) << name;

    testsupport::saveScreenshot(*w, "Cotectic");
    EXPECT_EQ(testsupport::clippedTexts(*w), QStringList());
}

TEST_F(ThermoCotecticWindow, AboveTheCrestOfTheSolvusTwoRedHalvesOfASentence) {
    enter("300", "100");
    calculate();
    enter("600", "0.1");
    calculate();
    ui::StaticText& left = w->label("ResultNaClsol1");
    ui::StaticText& right = w->label("ResultNaClsol2");
    EXPECT_EQ(left.text(), "Temperature exceeds");
    EXPECT_EQ(right.text(), "maximum of solvus");
    for (ui::StaticText* l : {&left, &right}) {
        EXPECT_EQ(l->textColor(), ui::kRed);
        EXPECT_EQ(l->textSize(), 11);
    }
    for (const char* name : kResults)
        if (std::string(name) != "ResultNaClsol1" && std::string(name) != "ResultNaClsol2") {
            EXPECT_EQ(text(name), "") << name;
        }
    testsupport::saveScreenshot(*w, "Cotectic-above-crest");
    EXPECT_EQ(testsupport::clippedTexts(*w), QStringList());

    // An edit empties the messages and keeps their look; the next value
    // brings back black at 14.
    typeInto(w->field("dataEntry1"), "0");
    EXPECT_EQ(left.text(), "");
    EXPECT_EQ(left.textColor(), ui::kRed);
    EXPECT_EQ(left.textSize(), 11);
    enter("300", "0.1");
    calculate();
    for (ui::StaticText* l : {&left, &right}) {
        EXPECT_EQ(l->textColor(), ui::kBlack);
        EXPECT_EQ(l->textSize(), 14);
        EXPECT_GT(ui::Val(l->text()), 0);
    }
}

TEST_F(ThermoCotecticWindow, ALiquidSearchThatDoesNotSettleIsOutOfRange) {
    enter("300", "3000");
    calculate();
    EXPECT_EQ(text("ResultNaCl"), "out of range");
    EXPECT_EQ(w->label("ResultNaCl").textColor(), ui::kBlack);
    EXPECT_EQ(w->label("ResultNaCl").textSize(), 14);
    for (const char* name : {"ResultKCl", "ResultNaCla", "ResultKCla"})
        EXPECT_EQ(text(name), "") << name;
    // The solids of the same press stand beside it.
    const auto pair = Globals::Equality_solids(573.15, 3000);
    EXPECT_EQ(text("ResultNaClsol1"), ui::Str(100 * pair[1]));
    EXPECT_EQ(text("ResultNaClsol2"), ui::Str(100 * pair[0]));
}

TEST_F(ThermoCotecticWindow, EveryEditEmptiesAllTwelveResults) {
    for (const char* field : {"dataEntry1", "dataEntry2"}) {
        SCOPED_TRACE(field);
        enter("300", "100");
        calculate();
        for (const char* name : kResults)
            EXPECT_NE(text(name), "") << name;
        typeInto(w->field(field), ".");
        for (const char* name : kResults)
            EXPECT_EQ(text(name), "") << name;
        calculate();
        EXPECT_NE(text("ResultKClsol2a"), "");
        QTest::keyClick(&w->field(field), Qt::Key_Backspace);
        for (const char* name : kResults)
            EXPECT_EQ(text(name), "") << name;
    }
}

TEST_F(ThermoCotecticWindow, JunkInEveryFieldShowsNumbersOrItsOwnTexts) {
    const QString junk[] = {"",     "abc",   "1e999", "-1e999", "-1e308", "1e308",   "nan",   "inf",
                            "-inf", "1,5e2", ",",     "-",      "0",      "-273.15", "1e-320"};
    for (int field = 0; field < 2; ++field)
        for (const QString& j : junk) {
            SCOPED_TRACE(::testing::Message() << field << " " << j.toStdString());
            enter(field == 0 ? j : "300", field == 1 ? j : "100");
            calculate();
            expectNoBrokenNumber();
            EXPECT_NE(text("ResultNaClsol1"), "");
            EXPECT_NE(text("ResultNaClsol2"), "");
        }
    for (const QString& j : junk) {
        enter(j, j);
        calculate();
        expectNoBrokenNumber();
    }
}

} // namespace
