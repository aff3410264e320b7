#include "LIquidus.h"

namespace {

using enum ui::Kind;

const ui::WindowProperties kWindow =
    calculators::windowProperties("LIquidus", "Liquidus H2O-NaCl-KCl System", 780, 480);

// clang-format off
const ui::Control kControls[] = {
    // name            kind        text or caption   left top  width height  other
    {"PushButton1",    PushButton, "* phase diagram", 183, 429, 100,  20, {.textSize = 10}},
    {"PushButton2",    PushButton, "units",           305, 430,  60,  20, {.textSize = 10}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(LIquidus, PushButton1, Action),
    UI_BIND(LIquidus, PushButton2, Action),
};

} // namespace

LIquidus::LIquidus() : CalculatorWindow(kWindow) {
    build(kControls, kBindings);
}

void LIquidus::PushButton1_Action() {
    showFields();
}

void LIquidus::PushButton2_Action() {
    showUnits();
}

class LIquidus* LIquidus() {
    return ui::implicitInstance<class LIquidus>();
}
