#include "EmpiricalSolvus.h"

namespace {

using enum ui::Kind;

const ui::WindowProperties kWindow =
    calculators::windowProperties("EmpiricalSolvus", "Binary NaCl-KCl System", 545, 380);

// clang-format off
const ui::Control kControls[] = {
    // name            kind        text or caption   left top  width height  other
    {"PushButton1",    PushButton, "units",           460, 125,  60,  20, {.textSize = 10}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(EmpiricalSolvus, PushButton1, Action),
};

} // namespace

EmpiricalSolvus::EmpiricalSolvus() : CalculatorWindow(kWindow) {
    build(kControls, kBindings);
}

void EmpiricalSolvus::PushButton1_Action() {
    showUnits();
}

class EmpiricalSolvus* EmpiricalSolvus() {
    return ui::implicitInstance<class EmpiricalSolvus>();
}
