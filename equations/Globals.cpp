#include "Globals.h"

namespace Globals {

double MASSnumber[4] = {0.0, 0.0, 0.0, 0.0};
double ASnumber[4] = {0.0, 0.0, 0.0, 0.0};
double Mnumber[4] = {0.0, 0.0, 0.0, 0.0};

namespace {
YieldHook currentHook = nullptr;
}

void setYieldHook(YieldHook hook) {
    currentHook = hook;
}

void yieldToEventLoop() {
    if (currentHook) currentHook();
}

void yieldToEventLoop(long passes) {
    if (currentHook)
        for (long i = 0; i < passes; ++i)
            currentHook();
}

} // namespace Globals
