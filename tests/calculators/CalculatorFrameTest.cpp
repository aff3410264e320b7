// What the calculator windows share: the buttons of the auxiliary windows and
// the helpers that write result labels (an unknown table cell is tried with
// the composition entry).
#include "support/GuiTest.h"
#include "support/Windows.h"

#include "calculators/CalculatorWindow.h"
#include "calculators/empirical/EmpiricalSolvus.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

using testsupport::GuiTest;

TEST_F(GuiTest, TheAuxiliaryButtonsShowTheirWindowOnce) {
    // window, button, the window it shows
    for (const QString row :
         {"EmpiricalSalinity PushButton1 Units", "EmpiricalSalinity clarification1 Details1",
          "EmpiricalTemperature PushButton2 Units", "EmpiricalTemperature PushButton1 DetailsRef",
          "EmpiricalSolvus PushButton1 Units", "EmpiricalCotectic PushButton1 Units",
          "Salinities PushButton1 Units", "Salinities clarification1 DetailsThermo",
          "LIquidus PushButton2 Units", "LIquidus PushButton1 DetailsRef", "Solvus PushButton1 Units",
          "Cotectic PushButton1 Units"}) {
        const QStringList c = row.split(' ');
        const auto& windows = testsupport::allWindows();
        ui::Window* w =
            std::ranges::find_if(windows, [&](const auto& e) { return c[0] == e.className; })->open();
        w->Show();
        w->button(c[1]).click();
        w->button(c[1]).click();
        testsupport::processEvents();
        EXPECT_TRUE(testsupport::isShown(qPrintable(c[2])) && testsupport::openCount(qPrintable(c[2])) == 1)
            << row.toStdString();
    }
}

TEST_F(GuiTest, AMessageChangesTheLookAValueRestoresItAndNoNumberIsADash) {
    calculators::CalculatorWindow* w = EmpiricalSolvus();
    const ui::StaticText& label = w->label("Result1N");
    w->showMessage("Result1N", "Temperature exceeds", calculators::kRed, 11);
    w->setText("Result1N", "out of range"); // a plain text keeps the look
    EXPECT_EQ(std::tuple(label.text(), label.textColor(), label.textSize()),
              std::tuple("out of range", ui::kRed, 11));
    w->showNumber("Result1N", 248.15 - 273.15, " \u02daC");
    EXPECT_EQ(std::tuple(label.text(), label.textColor(), label.textSize()),
              std::tuple("-25 \u02daC", ui::kBlack, 14));
    testsupport::ExpectWarnings warnings; // a result that is not finite: the caller's fault
    w->showNumber("Result1N", NAN, " MPa");
    EXPECT_EQ(label.text() + QString::number(warnings.messages().size()), " - 1");
}

} // namespace
