// The program's start and end, everything but the event loop.
#include "support/GuiTest.h"

#include "Globals.h"
#include "app/MenuBar1.h"
#include "app/Pictures.h"
#include "app/Start1.h"
#include "app/Start2.h"

#include <QApplication>
#include <QMenuBar>
#include <QTimer>

namespace {

using testsupport::GuiTest;

std::vector<QString> visibleWindows() {
    std::vector<QString> names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isWindow() && !w->objectName().isEmpty() && dynamic_cast<ui::Window*>(w))
            names.push_back(w->objectName());
    return names;
}

TEST_F(GuiTest, AfterStartOnlyTheStartWindowIsOpen) {
    EXPECT_EQ(visibleWindows(), std::vector<QString>{"Start1"});
    EXPECT_EQ(Start1()->windowTitle(), "Start");
    EXPECT_EQ(testsupport::openCount("Start2"), 0);
}

TEST_F(GuiTest, TheStartWindowShowsTheMenuBar) {
    auto* bar = Start1()->findChild<QMenuBar*>("MenuBar1");
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 2);
    EXPECT_EQ(bar->actions()[0], MenuBar1()->fileMenu()->menuAction());
    EXPECT_EQ(bar->actions()[1], MenuBar1()->editMenu()->menuAction());
    // The window's content keeps its full size below the menu bar.
    EXPECT_EQ(Start1()->content().size(), QSize(540, 580));
    EXPECT_EQ(Start1()->height(), 580 + bar->sizeHint().height());
}

TEST_F(GuiTest, StartUpClearsTheCompositionArrays) {
    Globals::MASSnumber[1] = 12;
    Globals::ASnumber[2] = 3;
    Globals::Mnumber[1] = 1;
    brinolith::shutDown();
    brinolith::startUp();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Globals::MASSnumber[i], 0.0);
        EXPECT_EQ(Globals::ASnumber[i], 0.0);
        EXPECT_EQ(Globals::Mnumber[i], 0.0);
    }
}

TEST_F(GuiTest, ShutdownReleasesWindowsPicturesAndMenuBar) {
    Start1()->button("continue1").click();
    ASSERT_TRUE(testsupport::isShown("Start2"));
    const int logoReads = pictures::reads(168);
    brinolith::shutDown();
    testsupport::processEvents();
    EXPECT_TRUE(ui::openWindows().empty());
    brinolith::startUp();
    // The logo is drawn again: its cache was emptied.
    EXPECT_EQ(pictures::reads(168), logoReads + 1);
    EXPECT_EQ(visibleWindows(), std::vector<QString>{"Start1"});
}

TEST_F(GuiTest, ClosingTheStartWindowNeitherQuitsNorReopensIt) {
    Start1()->button("continue1").click();
    Start1()->close();
    testsupport::processEvents();
    EXPECT_EQ(testsupport::openCount("Start1"), 0);
    EXPECT_TRUE(testsupport::isShown("Start2"));
    Start2()->button("PushButton1").click();
    EXPECT_TRUE(testsupport::isShown("EmpiricalSalinity"));
    EXPECT_EQ(testsupport::openCount("Start1"), 0);
}

TEST_F(GuiTest, QuitEndsTheEventLoopWithWindowsOpen) {
    Start1()->button("continue1").click();
    Start2()->button("PushButton1").click();
    bool timedOut = false;
    QTimer::singleShot(0, [] { MenuBar1()->item("FileQuit")->trigger(); });
    QTimer::singleShot(5000, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(timedOut);
}

} // namespace
