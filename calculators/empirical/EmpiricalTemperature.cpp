#include "EmpiricalTemperature.h"

namespace {

using enum ui::Kind;

const ui::WindowProperties kWindow =
    calculators::windowProperties("EmpiricalTemperature", "SLV surface H2O-NaCl-KCl", 450, 570);

// clang-format off
const ui::Control kControls[] = {
    // name            kind        text or caption   left top  width height  other
    {"PushButton1",    PushButton, "* phase diagram",  55, 520, 100,  20, {.textSize = 10}},
    {"PushButton2",    PushButton, "units",           360, 190,  60,  20, {.textSize = 10}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(EmpiricalTemperature, PushButton1, Action),
    UI_BIND(EmpiricalTemperature, PushButton2, Action),
};

} // namespace

EmpiricalTemperature::EmpiricalTemperature() : CalculatorWindow(kWindow) {
    build(kControls, kBindings);
}

void EmpiricalTemperature::PushButton1_Action() {
    showFields();
}

void EmpiricalTemperature::PushButton2_Action() {
    showUnits();
}

class EmpiricalTemperature* EmpiricalTemperature() {
    return ui::implicitInstance<class EmpiricalTemperature>();
}
