// What the calculator windows share: accessors, property sets, the buttons of
// the auxiliary windows, and the helpers that read fields and write labels.
#include "support/GuiTest.h"

#include "calculators/CalculatorWindow.h"
#include "calculators/empirical/EmpiricalCotectic.h"
#include "calculators/empirical/EmpiricalSalinity.h"
#include "calculators/empirical/EmpiricalSolvus.h"
#include "calculators/empirical/EmpiricalTemperature.h"
#include "calculators/thermodynamic/Cotectic.h"
#include "calculators/thermodynamic/LIquidus.h"
#include "calculators/thermodynamic/Salinities.h"
#include "calculators/thermodynamic/Solvus.h"

#include <limits>

namespace {

using testsupport::ExpectWarnings;
using testsupport::GuiTest;

struct ButtonCase {
    calculators::CalculatorWindow* (*open)();
    const char* button;
    const char* caption;
    const char* shows;
};

const ButtonCase kButtons[] = {
    {[]() -> calculators::CalculatorWindow* { return EmpiricalSalinity(); }, "PushButton1", "units", "Units"},
    {[]() -> calculators::CalculatorWindow* { return EmpiricalSalinity(); }, "clarification1",
     "phase diagram", "Details1"},
    {[]() -> calculators::CalculatorWindow* { return EmpiricalTemperature(); }, "PushButton2", "units",
     "Units"},
    {[]() -> calculators::CalculatorWindow* { return EmpiricalTemperature(); }, "PushButton1",
     "* phase diagram", "DetailsRef"},
    {[]() -> calculators::CalculatorWindow* { return EmpiricalSolvus(); }, "PushButton1", "units", "Units"},
    {[]() -> calculators::CalculatorWindow* { return EmpiricalCotectic(); }, "PushButton1", "units", "Units"},
    {[]() -> calculators::CalculatorWindow* { return Salinities(); }, "PushButton1", "units", "Units"},
    {[]() -> calculators::CalculatorWindow* { return Salinities(); }, "clarification1", "phase diagram",
     "DetailsThermo"},
    {[]() -> calculators::CalculatorWindow* { return LIquidus(); }, "PushButton2", "units", "Units"},
    {[]() -> calculators::CalculatorWindow* { return LIquidus(); }, "PushButton1", "* phase diagram",
     "DetailsRef"},
    {[]() -> calculators::CalculatorWindow* { return Solvus(); }, "PushButton1", "units", "Units"},
    {[]() -> calculators::CalculatorWindow* { return Cotectic(); }, "PushButton1", "units", "Units"},
};

TEST_F(GuiTest, TheAuxiliaryButtonsShowTheirWindowOnce) {
    for (const ButtonCase& c : kButtons) {
        SCOPED_TRACE(std::string(c.button) + " -> " + c.shows);
        calculators::CalculatorWindow* w = c.open();
        w->Show();
        EXPECT_EQ(w->button(c.button).text(), c.caption);
        w->button(c.button).click();
        w->button(c.button).click();
        testsupport::processEvents();
        EXPECT_TRUE(testsupport::isShown(c.shows));
        EXPECT_EQ(testsupport::openCount(c.shows), 1);
        EXPECT_TRUE(w->isVisible());
    }
}

TEST_F(GuiTest, TheEmpiricalCotecticWindowShowsTheCotecticLines) {
    const ui::Canvas& canvas = EmpiricalCotectic()->canvas("Canvas1");
    EXPECT_EQ(canvas.geometry(), QRect(255, 20, 402, 346));
    EXPECT_EQ(canvas.backdrop().size(), QSize(402, 346));
}

TEST_F(GuiTest, SalinitiesReturnPressesItsFirstDefaultButton) {
    // Both of its buttons "calculate" and "phase diagram" are default buttons;
    // until "calculate" exists, Return presses "phase diagram".
    ui::Window* w = Salinities();
    ASSERT_NE(w->defaultButton(), nullptr);
    EXPECT_TRUE(w->button("clarification1").isDefault());
}

// A calculator of its own to try the helpers on.
class Helpers : public calculators::CalculatorWindow {
public:
    Helpers() : CalculatorWindow(calculators::windowProperties("Helpers", "Helpers", 300, 200)) {
        build(kTable);
    }

    static constexpr ui::Control kTable[] = {
        {"entry", ui::Kind::EditField, nullptr, 10, 10, 100, 20, {.textSize = 14}},
        {"Result", ui::Kind::StaticText, "", 10, 40, 150, 20, {.textSize = 14}},
        {"Other", ui::Kind::StaticText, "other", 10, 70, 150, 20, {.textSize = 16}},
        {"on", ui::Kind::RadioButton, "on", 10, 100, 100, 20, {.value = true}},
        {"off", ui::Kind::RadioButton, "off", 10, 130, 100, 20},
        {"tick", ui::Kind::CheckBox, "tick", 150, 100, 100, 20, {.value = true}},
    };
};

TEST_F(GuiTest, CalculatorHelpersReadFieldsWithVal) {
    Helpers* w = ui::implicitInstance<Helpers>();
    EXPECT_EQ(w->value("entry"), 0.0);
    w->field("entry").setText(" 1,5 ˚C");
    EXPECT_EQ(w->value("entry"), 1.5);
    EXPECT_TRUE(w->isOn("on"));
    EXPECT_FALSE(w->isOn("off"));
    EXPECT_TRUE(w->isOn("tick"));
    EXPECT_THROW(w->value("Result"), ui::NilObjectException);
}

TEST_F(GuiTest, AMessageChangesTheLookAndAValueRestoresIt) {
    Helpers* w = ui::implicitInstance<Helpers>();
    ui::StaticText& result = w->label("Result");
    w->showMessage("Result", "Temperature exceeds", calculators::kRed, 11);
    EXPECT_EQ(result.text(), "Temperature exceeds");
    EXPECT_EQ(result.textColor(), ui::kRed);
    EXPECT_EQ(result.textSize(), 11);
    w->clear({"Result", "entry"});
    EXPECT_EQ(result.text(), "");
    EXPECT_EQ(result.textColor(), ui::kRed); // clearing keeps the look
    w->setText("Result", "out of range");
    EXPECT_EQ(result.textSize(), 11);
    w->showNumber("Result", 248.15 - 273.15, " \u02daC");
    EXPECT_EQ(result.text(), "-25 \u02daC");
    EXPECT_EQ(result.textColor(), ui::kBlack);
    EXPECT_EQ(result.textSize(), 14);
    w->showValue("Other", "0.1");
    EXPECT_EQ(w->label("Other").textSize(), 16);
}

TEST_F(GuiTest, ANumberThatIsNotFiniteIsNeverShown) {
    Helpers* w = ui::implicitInstance<Helpers>();
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        ExpectWarnings warnings;
        w->showNumber("Result", bad, " MPa");
        EXPECT_EQ(w->label("Result").text(), " - ");
        EXPECT_EQ(warnings.messages().size(), 1);
    }
}

TEST_F(GuiTest, AnUnknownCellShowsADashWithoutAReport) {
    Helpers* w = ui::implicitInstance<Helpers>();
    w->showMessage("Result", "out of range", calculators::kRed, 11);
    w->showCell("Result", std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(w->label("Result").text(), " - ");
    EXPECT_EQ(w->label("Result").textColor(), ui::kBlack);
    EXPECT_EQ(w->label("Result").textSize(), 14);
    w->showCell("Result", -std::numeric_limits<double>::infinity());
    EXPECT_EQ(w->label("Result").text(), " - ");
    w->showCell("Result", 7.15);
    EXPECT_EQ(w->label("Result").text(), "7.15");
}

TEST_F(GuiTest, TheCommonPropertySet) {
    const ui::WindowProperties p = calculators::windowProperties("X", "Title", 300, 200, false);
    EXPECT_STREQ(p.className, "X");
    EXPECT_EQ(p.width, 300);
    EXPECT_FALSE(p.visible);
    EXPECT_FALSE(p.resizeable);
    EXPECT_EQ(p.minWidth, 64);
    EXPECT_EQ(p.maxHeight, 32000);
}

} // namespace
