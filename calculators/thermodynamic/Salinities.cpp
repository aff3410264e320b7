#include "Salinities.h"

namespace {

using enum ui::Kind;

const ui::WindowProperties kWindow =
    calculators::windowProperties("Salinities", "Salinity H2O-NaCl-KCl", 530, 670);

// clang-format off
const ui::Control kControls[] = {
    // name            kind        text or caption   left top  width height  other
    {"clarification1", PushButton, "phase diagram",    40, 165, 100,  20, {.textSize = 10, .isDefault = true}},
    {"PushButton1",    PushButton, "units",           170, 165,  60,  20, {.textSize = 10}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(Salinities, clarification1, Action),
    UI_BIND(Salinities, PushButton1, Action),
};

} // namespace

Salinities::Salinities() : CalculatorWindow(kWindow) {
    build(kControls, kBindings);
}

void Salinities::clarification1_Action() {
    showLiquidusSurface();
}

void Salinities::PushButton1_Action() {
    showUnits();
}

class Salinities* Salinities() {
    return ui::implicitInstance<class Salinities>();
}
