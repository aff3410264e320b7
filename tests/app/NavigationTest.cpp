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
        QTest::keyClick(Start1(), Qt::Key_Return); // presses "continue"
        testsupport::processEvents();
        return *Start2();
    }
    void choose(ui::Window& w, const char* model, const char* mode) {
        testsupport::click(w.radio(model));
        testsupport::click(w.radio(mode));
        w.button("PushButton1").click();
        testsupport::processEvents();
    }
};

TEST_F(Navigation, OneChooserKeepsItsChoicesAndStartsOnEmpiricalSalinity) {
    ui::Window& first = chooser();
    EXPECT_TRUE(first.radio("Empirical").value());
    EXPECT_TRUE(first.radio("Salinity").value());
    first.button("PushButton1").click();
    EXPECT_TRUE(isShown("EmpiricalSalinity"));
    testsupport::click(first.radio("Thermodynamic"));
    EXPECT_EQ(&chooser(), &first);
    EXPECT_EQ(openCount("Start2"), 1);
    EXPECT_TRUE(first.radio("Thermodynamic").value());
}

TEST_F(Navigation, EachOfTheEightChoicesShowsItsOneWindow) {
    const struct {
        const char *model, *mode, *window;
    } choices[] = {
        {"Empirical", "Salinity", "EmpiricalSalinity"}, {"Empirical", "Temperature", "EmpiricalTemperature"},
        {"Empirical", "AnSolvus", "EmpiricalSolvus"},   {"Empirical", "Cotectics", "EmpiricalCotectic"},
        {"Thermodynamic", "Salinity", "Salinities"},    {"Thermodynamic", "AnSolvus", "Solvus"},
        {"Thermodynamic", "Temperature", "LIquidus"},   {"Thermodynamic", "Cotectics", "Cotectic"},
    };
    auto* cotectic = Cotectic(); // built hidden, shown on request
    EXPECT_FALSE(cotectic->isVisible());
    ui::Window& w = chooser();
    for (const auto& c : choices) {
        SCOPED_TRACE(c.window);
        choose(w, c.model, c.mode);
        EXPECT_TRUE(isShown(c.window));
        // The second press brings the same window.
        choose(w, c.model, c.mode);
        EXPECT_EQ(openCount(c.window), 1);
    }
    EXPECT_EQ(Cotectic(), cotectic);
    // Every calculator stays open beside the chooser and the start window.
    for (const auto& c : choices)
        EXPECT_TRUE(isShown(c.window)) << c.window;
}

TEST_F(Navigation, ArrowsInTheChooserChooseAndReturnOpensTheChosenCalculator) {
    ui::Window& w = chooser();
    w.radio("Salinity").setFocus();
    QTest::keyClick(&w.radio("Salinity"), Qt::Key_Down);
    EXPECT_TRUE(w.radio("Empirical").value()); // the model group keeps its choice
    QTest::keyClick(w.focusWidget(), Qt::Key_Return);
    testsupport::processEvents();
    EXPECT_TRUE(isShown("EmpiricalTemperature"));
    EXPECT_FALSE(isShown("EmpiricalSalinity"));
}

TEST_F(Navigation, AClosedCalculatorComesBackOnRequest) {
    ui::Window& w = chooser();
    choose(w, "Empirical", "AnSolvus");
    for (ui::Window* open : ui::openWindows())
        if (open->objectName() == "EmpiricalSolvus") open->close();
    testsupport::processEvents();
    EXPECT_EQ(openCount("EmpiricalSolvus"), 0);
    choose(w, "Empirical", "AnSolvus");
    EXPECT_TRUE(isShown("EmpiricalSolvus"));
}

TEST_F(GuiTest, EveryWindowHasItsTitleAndSize) {
    for (const testsupport::WindowEntry& e : testsupport::allWindows()) {
        SCOPED_TRACE(e.className);
        ui::Window* w = e.open();
        EXPECT_EQ(w->windowTitle(), e.title);
        EXPECT_EQ(w->content().size(), QSize(e.width, e.height));
        EXPECT_EQ(w->isVisible(), e.visibleWhenBuilt);
        EXPECT_EQ(e.open(), w);
        // Only the units window can be resized.
        EXPECT_EQ(w->content().minimumSize() == w->content().maximumSize(),
                  e.className != std::string("Units"));
    }
}

} // namespace
