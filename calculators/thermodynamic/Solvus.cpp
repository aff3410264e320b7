#include "Solvus.h"

namespace {

using enum ui::Kind;

const ui::WindowProperties kWindow =
    calculators::windowProperties("Solvus", "Binary NaCl-KCl System", 595, 437);

// clang-format off
const ui::Control kControls[] = {
    // name            kind        text or caption   left top  width height  other
    {"PushButton1",    PushButton, "units",           515, 170,  60,  20, {.textSize = 10}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(Solvus, PushButton1, Action),
};

} // namespace

Solvus::Solvus() : CalculatorWindow(kWindow) {
    build(kControls, kBindings);
}

void Solvus::PushButton1_Action() {
    showUnits();
}

class Solvus* Solvus() {
    return ui::implicitInstance<class Solvus>();
}
