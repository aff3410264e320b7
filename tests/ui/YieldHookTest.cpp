// A long search yields to the windows through the hook of the equations
// library: pending work of Qt is done, at most every 20 ms.
#include "support/GuiTest.h"

#include "Globals.h"

#include <QThread>

namespace {

using testsupport::GuiTest;

int done = 0;

void postWork() {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { ++done; }, Qt::QueuedConnection);
}

void waitPastInterval() {
    QThread::msleep(25);
}

TEST_F(GuiTest, StartUpInstallsAThrottledYield) {
    done = 0;
    waitPastInterval();
    Globals::yieldToEventLoop();
    postWork();
    // A search calls the hook on every pass; right after a yield the next
    // calls return at once.
    for (int i = 0; i < 100; ++i)
        Globals::yieldToEventLoop();
    EXPECT_EQ(done, 0);
    waitPastInterval();
    Globals::yieldToEventLoop();
    EXPECT_EQ(done, 1);
}

} // namespace
