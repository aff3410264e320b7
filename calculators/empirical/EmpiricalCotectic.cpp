#include "EmpiricalCotectic.h"

#include "app/Pictures.h"

namespace {

using enum ui::Kind;

const ui::WindowProperties kWindow =
    calculators::windowProperties("EmpiricalCotectic", "Cotectics H2O-NaCl-KCl System", 680, 665);

// clang-format off
const ui::Control kControls[] = {
    // name            kind        text or caption   left top  width height  other
    {"Canvas1",        Canvas,     nullptr,           255,  20, 402, 346, {.picture = &pictures::Cotects2}},
    {"PushButton1",    PushButton, "units",           585, 370,  60,  20, {.textSize = 10}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(EmpiricalCotectic, PushButton1, Action),
};

} // namespace

EmpiricalCotectic::EmpiricalCotectic() : CalculatorWindow(kWindow) {
    build(kControls, kBindings);
}

void EmpiricalCotectic::PushButton1_Action() {
    showUnits();
}

class EmpiricalCotectic* EmpiricalCotectic() {
    return ui::implicitInstance<class EmpiricalCotectic>();
}
