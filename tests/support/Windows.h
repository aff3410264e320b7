// The fourteen windows of the program with what every one of them must have.
#pragma once

#include "ui/Window.h"

#include <ostream>
#include <vector>

namespace testsupport {

struct WindowEntry {
    const char *className, *title;
    int width, height;
    bool visibleWhenBuilt;
    ui::Window* (*open)(); // the window's accessor
};

const std::vector<WindowEntry>& allWindows();

inline void PrintTo(const WindowEntry& entry, std::ostream* os) {
    *os << entry.className;
}

} // namespace testsupport
