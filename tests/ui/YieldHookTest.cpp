// A long search yields to the windows through the hook of the equations
// library: pending work of Qt is done, at most every 20 ms.
#include "support/GuiTest.h"

#include "Globals.h"
#include "ui/YieldHook.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {

using testsupport::GuiTest;

// Posts one queued call and counts how often queued calls ran.
struct QueuedWork {
    int done = 0;
    void post() {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [this] { ++done; }, Qt::QueuedConnection);
    }
};

void waitPastInterval() {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 25) {
    }
}

TEST_F(GuiTest, StartUpInstallsTheYieldOfTheSearches) {
    QueuedWork work;
    waitPastInterval();
    work.post();
    Globals::yieldToEventLoop();
    EXPECT_EQ(work.done, 1);
}

TEST_F(GuiTest, TheYieldIsThrottled) {
    QueuedWork work;
    waitPastInterval();
    Globals::yieldToEventLoop();
    work.post();
    // A search calls the hook on every pass; right after a yield the next
    // calls return at once.
    for (int i = 0; i < 100; ++i)
        Globals::yieldToEventLoop();
    EXPECT_EQ(work.done, 0);
    waitPastInterval();
    Globals::yieldToEventLoop();
    EXPECT_EQ(work.done, 1);
}

TEST_F(GuiTest, ShutdownRemovesTheYield) {
    brinolith::shutDown();
    QueuedWork work;
    waitPastInterval();
    work.post();
    Globals::yieldToEventLoop();
    EXPECT_EQ(work.done, 0);
    testsupport::processEvents();
    EXPECT_EQ(work.done, 1);
    brinolith::startUp();
}

} // namespace
