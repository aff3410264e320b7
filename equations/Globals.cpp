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
    if (currentHook) currentHook(1);
}

void yieldToEventLoop(long passes) {
    if (currentHook && passes > 0) currentHook(passes);
}

} // namespace Globals
