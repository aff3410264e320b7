#include "Cotectic.h"

namespace {

using enum ui::Kind;

const ui::WindowProperties kWindow =
    calculators::windowProperties("Cotectic", "Cotectic H2O-NaCl-KCl System", 575, 370, false);

// clang-format off
const ui::Control kControls[] = {
    // name            kind        text or caption   left top  width height  other
    {"PushButton1",    PushButton, "units",           490,  20,  60,  20, {.textSize = 10}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(Cotectic, PushButton1, Action),
};

} // namespace

Cotectic::Cotectic() : CalculatorWindow(kWindow) {
    build(kControls, kBindings);
}

void Cotectic::PushButton1_Action() {
    showUnits();
}

class Cotectic* Cotectic() {
    return ui::implicitInstance<class Cotectic>();
}
