// A survey of what the calculator windows show, without a window: every
// result of a grid of inputs printed in full precision, one line per press,
// so that two builds can be compared with diff.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <vector>

namespace survey {

// Every number to the last bit; the texts a window shows instead stand as words.
inline void num(double v) {
    std::printf(" %.17g", v);
}
inline void word(const char* w) {
    std::printf(" %s", w);
}
inline void end() {
    std::printf("\n");
}

// Typed temperatures (degC) that a user may reach: absolute zero and below,
// and numbers the fields read as huge or infinite.
std::vector<double> hostileCelsius();
// From `from` to `to` in steps, then the hostile temperatures.
std::vector<double> celsiusGrid(double from, double to, double step);

void empiricalWindows();
void thermodynamicWindows();

} // namespace survey
