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

// The hook looks at the clock once every 256 passes.
void passes(int n) {
    for (int i = 0; i < n; ++i)
        Globals::yieldToEventLoop();
}

TEST_F(GuiTest, StartUpInstallsAThrottledYield) {
    done = 0;
    waitPastInterval();
    passes(256);
    postWork();
    // A search calls the hook on every pass; within the interval after a
    // yield the calls return at once.
    passes(2000);
    EXPECT_EQ(done, 0);
    waitPastInterval();
    passes(256);
    EXPECT_EQ(done, 1);
}

} // namespace
