// The units window: a tall pane moved by a scroll bar in a window whose
// height the user may change between 400 and 1450 pixels.
#include "support/GuiTest.h"

#include "app/Units.h"

namespace {

using testsupport::GuiTest;

class UnitsWindow : public GuiTest {
protected:
    ui::Window& units() {
        ui::Window* w = Units();
        testsupport::processEvents();
        return *w;
    }
    static int paneTop(ui::Window& w) { return w.rectangle("Rectangle1").y(); }
    static void resizeContent(ui::Window& w, int height) {
        w.resize(w.width(), w.height() - w.content().height() + height);
        testsupport::processEvents();
    }
};

TEST_F(UnitsWindow, StartsAtTheTopWithTheRangeOfItsHeight) {
    ui::Window& w = units();
    EXPECT_EQ(w.windowTitle(), "Units and Symbols");
    EXPECT_EQ(paneTop(w), 0);
    const ui::ScrollBar& bar = w.scrollBar("ScrollBar1");
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), 750);
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(bar.pageStep(), 700);
    EXPECT_EQ(bar.singleStep(), 1);
    EXPECT_EQ(bar.height(), 685);
    EXPECT_EQ(bar.geometry().topLeft(), QPoint(540, 0));
    EXPECT_EQ(w.rectangle("Rectangle1").size(), QSize(540, 1450));
}

TEST_F(UnitsWindow, ScrollingMovesThePaneButNotTheBar) {
    ui::Window& w = units();
    w.scrollBar("ScrollBar1").setValue(750);
    EXPECT_EQ(paneTop(w), -750);
    EXPECT_EQ(w.scrollBar("ScrollBar1").y(), 0);
    // Page 3 (rows 810 to 1421 of the pane) is now inside the window.
    const QRect page3 = w.canvas("Canvas3").geometry().translated(0, paneTop(w));
    EXPECT_GE(page3.top(), 0);
    EXPECT_LE(page3.bottom(), w.content().height());
    w.scrollBar("ScrollBar1").setValue(0);
    EXPECT_EQ(paneTop(w), 0);
}

TEST_F(UnitsWindow, ResizingSetsTheBarToTheHeight) {
    ui::Window& w = units();
    resizeContent(w, 1450);
    EXPECT_EQ(w.content().height(), 1450);
    EXPECT_EQ(w.scrollBar("ScrollBar1").height(), 1435);
    EXPECT_EQ(w.scrollBar("ScrollBar1").maximum(), 0);
    resizeContent(w, 400);
    EXPECT_EQ(w.content().height(), 400);
    EXPECT_EQ(w.scrollBar("ScrollBar1").height(), 385);
    EXPECT_EQ(w.scrollBar("ScrollBar1").maximum(), 1050);
}

TEST_F(UnitsWindow, SizeStaysWithinItsLimits) {
    ui::Window& w = units();
    EXPECT_EQ(w.content().minimumSize(), QSize(555, 400));
    EXPECT_EQ(w.content().maximumSize(), QSize(555, 1450));
    resizeContent(w, 2000);
    EXPECT_EQ(w.content().height(), 1450);
    w.resize(800, w.height());
    testsupport::processEvents();
    EXPECT_EQ(w.content().width(), 555);
    resizeContent(w, 100);
    EXPECT_EQ(w.content().height(), 400);
}

TEST_F(UnitsWindow, ShowingItAgainKeepsTheScrollPosition) {
    ui::Window& w = units();
    w.scrollBar("ScrollBar1").setValue(300);
    Units()->Show();
    EXPECT_EQ(Units(), &w);
    EXPECT_EQ(paneTop(w), -300);
}

TEST_F(UnitsWindow, TheNoteAndPagesLieOnThePane) {
    ui::Window& w = units();
    for (const char* name : {"Canvas1", "Canvas2", "Canvas3", "StaticText1"})
        EXPECT_EQ(w.find(name)->parentWidget(), &w.rectangle("Rectangle1")) << name;
    EXPECT_EQ(w.scrollBar("ScrollBar1").parentWidget(), &w.content());
    EXPECT_FALSE(w.label("StaticText1").text().isEmpty());
}

} // namespace
