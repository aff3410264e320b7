// Keeps the windows painted while a long search runs inside a handler.
#pragma once

namespace ui {

// Installs the yield of the numerical library: at most every 20 ms it lets Qt
// repaint, but it delivers no user input, so no second calculation can start
// inside a running one.
void installYieldHook();
void removeYieldHook();

// The yield itself (what the library calls on every pass of a search, with
// the number of passes since its last call).
void yieldToWindows(long passes);

} // namespace ui
