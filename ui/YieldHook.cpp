#include "YieldHook.h"

#include "Globals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

namespace ui {

namespace {
constexpr qint64 kIntervalMs = 20;
constexpr long kPassesPerLook = 256;
} // namespace

void yieldToWindows(long passes) {
    // A search makes up to a hundred passes per call and may be called many
    // times per calculation: processing events on each pass would cost more
    // than the search itself. Even reading the clock on each pass would: a
    // calculation makes up to millions of passes, most of them well under
    // the 40 ns that takes, so the clock is read every 256 passes only.
    static long sinceLook = 0;
    sinceLook += passes;
    if (sinceLook < kPassesPerLook) return;
    sinceLook = 0;
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
