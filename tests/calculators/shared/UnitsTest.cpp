// The units window: a tall pane moved by a scroll bar in a window whose
// height the user may change between 400 and 1450 pixels.
#include "support/GuiTest.h"

#include "calculators/shared/Units.h"

namespace {

using testsupport::GuiTest;

void resizeContent(ui::Window& w, int height) {
    w.resize(w.width(), w.height() - w.content().height() + height);
    testsupport::processEvents();
}

TEST_F(GuiTest, UnitsScrollBarMovesThePaneAndFollowsTheHeight) {
    ui::Window& w = *Units();
    testsupport::processEvents();
    ui::ScrollBar& bar = w.scrollBar("ScrollBar1");
    const ui::Rectangle& pane = w.rectangle("Rectangle1");
    EXPECT_EQ(pane.y(), 0);
    EXPECT_EQ(bar.maximum(), 750); // 1450 - 700
    EXPECT_EQ(bar.pageStep(), 700);
    bar.setValue(750);
    EXPECT_EQ(pane.y(), -750);
    EXPECT_EQ(bar.y(), 0);
    Units()->Show(); // showing it again keeps the position
    EXPECT_EQ(pane.y(), -750);
    const struct {
        int asked, height, barHeight, barMaximum;
    } sizes[] = {{1450, 1450, 1435, 0}, {400, 400, 385, 1050}, {2000, 1450, 1435, 0}, {100, 400, 385, 1050}};
    for (const auto& s : sizes) {
        resizeContent(w, s.asked);
        EXPECT_EQ(w.content().height(), s.height) << s.asked;
        EXPECT_EQ(bar.height(), s.barHeight) << s.asked;
        EXPECT_EQ(bar.maximum(), s.barMaximum) << s.asked;
    }
    w.resize(800, w.height());
    testsupport::processEvents();
    EXPECT_EQ(w.content().width(), 555);
}

} // namespace
