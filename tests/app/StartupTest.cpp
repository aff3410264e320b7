// The program's start and end, everything but the event loop.
#include "support/GuiTest.h"

#include "Globals.h"
#include "app/Start1.h"
#include "app/Start2.h"
#include "calculators/shared/Pictures.h"

namespace {

using testsupport::GuiTest;

TEST_F(GuiTest, StartShowsOnlyTheStartWindowWithClearedCompositions) {
    EXPECT_EQ(ui::openWindows(), std::vector<ui::Window*>{Start1()});
    Globals::MASSnumber[1] = 12;
    Globals::ASnumber[2] = 3;
    Globals::Mnumber[1] = 1;
    Start1()->button("continue1").click();
    const int logoReads = pictures::reads(168);
    brinolith::shutDown();
    testsupport::processEvents();
    EXPECT_TRUE(ui::openWindows().empty());
    brinolith::startUp();
    EXPECT_EQ(ui::openWindows(), std::vector<ui::Window*>{Start1()});
    EXPECT_EQ(pictures::reads(168), logoReads + 1); // the picture cache was emptied
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Globals::MASSnumber[i] + Globals::ASnumber[i] + Globals::Mnumber[i], 0.0);
}

TEST_F(GuiTest, ClosingTheStartWindowNeitherQuitsNorReopensIt) {
    Start1()->button("continue1").click();
    Start1()->close();
    testsupport::processEvents();
    Start2()->button("PushButton1").click();
    EXPECT_TRUE(testsupport::isShown("EmpiricalSalinity"));
    EXPECT_EQ(testsupport::openCount("Start1"), 0);
}

} // namespace
