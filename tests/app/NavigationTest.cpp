// From the start window through the chooser to every calculator.
#include "support/GuiTest.h"
#include "support/Windows.h"

#include "app/Start1.h"
#include "app/Start2.h"
#include "calculators/thermodynamic/Cotectic.h"

#include <QTest>

namespace {

using testsupport::GuiTest;
using testsupport::isShown;
using testsupport::openCount;

class Navigation : public GuiTest {
protected:
    ui::Window& chooser() {
        Start1()->button("continue1").click();
        testsupport::processEvents();
        return *Start2();
    }
    void choose(ui::Window& w, const char* model, const char* mode) {
        testsupport::click(w.radio(model));
        testsupport::click(w.radio(mode));
    }
    void pressContinue(ui::Window& w) {
        w.button("PushButton1").click();
        testsupport::processEvents();
    }
};

TEST_F(Navigation, ContinueShowsOneChooser) {
    ui::Window& first = chooser();
    EXPECT_TRUE(isShown("Start2"));
    EXPECT_EQ(first.windowTitle(), "Liquidus Model");
    choose(first, "Thermodynamic", "AnSolvus");
    ui::Window& second = chooser();
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(openCount("Start2"), 1);
    // The choices stay as the user left them.
    EXPECT_TRUE(second.radio("Thermodynamic").value());
    EXPECT_TRUE(second.radio("AnSolvus").value());
    EXPECT_TRUE(isShown("Start1"));
}

TEST_F(Navigation, ReturnInTheStartWindowPressesContinue) {
    QTest::keyClick(Start1(), Qt::Key_Return);
    EXPECT_TRUE(isShown("Start2"));
}

TEST_F(Navigation, AFreshChooserShowsTheEmpiricalSalinityWindow) {
    ui::Window& w = chooser();
    EXPECT_TRUE(w.radio("Empirical").value());
    EXPECT_TRUE(w.radio("Salinity").value());
    pressContinue(w);
    EXPECT_TRUE(isShown("EmpiricalSalinity"));
}

struct Choice {
    const char* model;
    const char* mode;
    const char* window;
};

const Choice kChoices[] = {
    {"Empirical", "Salinity", "EmpiricalSalinity"}, {"Empirical", "Temperature", "EmpiricalTemperature"},
    {"Empirical", "AnSolvus", "EmpiricalSolvus"},   {"Empirical", "Cotectics", "EmpiricalCotectic"},
    {"Thermodynamic", "Salinity", "Salinities"},    {"Thermodynamic", "AnSolvus", "Solvus"},
    {"Thermodynamic", "Temperature", "LIquidus"},   {"Thermodynamic", "Cotectics", "Cotectic"},
};

TEST_F(Navigation, EveryChoiceShowsItsOneWindow) {
    ui::Window& w = chooser();
    for (const Choice& c : kChoices) {
        SCOPED_TRACE(c.window);
        choose(w, c.model, c.mode);
        pressContinue(w);
        EXPECT_TRUE(isShown(c.window));
        EXPECT_EQ(openCount(c.window), 1);
        QWidget* shown = nullptr;
        for (ui::Window* open : ui::openWindows())
            if (open->objectName() == c.window) shown = open;
        ASSERT_NE(shown, nullptr);
        // The second press brings the same window, with what it holds.
        shown->setProperty("marker", 1);
        pressContinue(w);
        EXPECT_EQ(openCount(c.window), 1);
        EXPECT_EQ(shown->property("marker").toInt(), 1);
    }
    // Every calculator stays open beside the chooser and the start window.
    for (const Choice& c : kChoices)
        EXPECT_TRUE(isShown(c.window)) << c.window;
    EXPECT_TRUE(isShown("Start2"));
    EXPECT_TRUE(isShown("Start1"));
}

TEST_F(Navigation, EachPressShowsExactlyOneNewWindow) {
    ui::Window& w = chooser();
    for (const Choice& c : kChoices) {
        SCOPED_TRACE(c.window);
        const std::size_t before = ui::openWindows().size();
        choose(w, c.model, c.mode);
        pressContinue(w);
        EXPECT_EQ(ui::openWindows().size(), before + 1);
    }
}

TEST_F(Navigation, TheThermodynamicCotecticWindowIsHiddenUntilShown) {
    auto* cotectic = Cotectic();
    EXPECT_FALSE(cotectic->isVisible());
    EXPECT_EQ(openCount("Cotectic"), 1);
    ui::Window& w = chooser();
    choose(w, "Thermodynamic", "Cotectics");
    pressContinue(w);
    EXPECT_EQ(Cotectic(), cotectic);
    EXPECT_TRUE(cotectic->isVisible());
}

TEST_F(Navigation, AClosedCalculatorComesBackOnRequest) {
    ui::Window& w = chooser();
    choose(w, "Empirical", "AnSolvus");
    pressContinue(w);
    for (ui::Window* open : ui::openWindows())
        if (open->objectName() == "EmpiricalSolvus") open->close();
    testsupport::processEvents();
    EXPECT_EQ(openCount("EmpiricalSolvus"), 0);
    pressContinue(w);
    EXPECT_TRUE(isShown("EmpiricalSolvus"));
}

TEST_F(GuiTest, EveryWindowHasItsTitleAndSize) {
    for (const testsupport::WindowEntry& e : testsupport::allWindows()) {
        SCOPED_TRACE(e.className);
        ui::Window* w = e.open();
        EXPECT_EQ(w->objectName(), e.className);
        EXPECT_EQ(w->windowTitle(), e.title);
        EXPECT_EQ(w->content().size(), QSize(e.width, e.height));
        EXPECT_EQ(w->isVisible(), e.visibleWhenBuilt);
        EXPECT_EQ(e.open(), w);
        // A window that is not the units window cannot be resized.
        if (QLatin1String(e.className) != "Units") {
            EXPECT_EQ(w->content().minimumSize(), w->content().maximumSize());
        }
        EXPECT_TRUE(w->testAttribute(Qt::WA_DeleteOnClose));
    }
}

} // namespace
