#include "EmpiricalSalinity.h"

namespace {

using enum ui::Kind;

const ui::WindowProperties kWindow =
    calculators::windowProperties("EmpiricalSalinity", "SLV surface H2O-NaCl-KCl", 620, 700);

// clang-format off
const ui::Control kControls[] = {
    // name            kind        text or caption   left top  width height  other
    {"clarification1", PushButton, "phase diagram",   492, 175, 100,  20, {.textSize = 10}},
    {"PushButton1",    PushButton, "units",           532, 210,  60,  20, {.textSize = 10}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(EmpiricalSalinity, clarification1, Action),
    UI_BIND(EmpiricalSalinity, PushButton1, Action),
};

} // namespace

EmpiricalSalinity::EmpiricalSalinity() : CalculatorWindow(kWindow) {
    build(kControls, kBindings);
}

void EmpiricalSalinity::clarification1_Action() {
    showSlvPhaseDiagram();
}

void EmpiricalSalinity::PushButton1_Action() {
    showUnits();
}

class EmpiricalSalinity* EmpiricalSalinity() {
    return ui::implicitInstance<class EmpiricalSalinity>();
}
