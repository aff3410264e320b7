#include "YieldHook.h"

#include "Globals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

namespace ui {

namespace {
constexpr qint64 kIntervalMs = 20;
}

void yieldToWindows() {
    // A search makes up to a hundred passes per call and may be called many
    // times per calculation: processing events on each pass would cost more
    // than the search itself.
    static QElapsedTimer sinceLast;
    if (sinceLast.isValid() && sinceLast.elapsed() < kIntervalMs) return;
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceLast.start();
}

void installYieldHook() {
    Globals::setYieldHook(&yieldToWindows);
}

void removeYieldHook() {
    Globals::setYieldHook(nullptr);
}

} // namespace ui
