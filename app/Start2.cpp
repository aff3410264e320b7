#include "Start2.h"

#include "calculators/empirical/EmpiricalCotectic.h"
#include "calculators/empirical/EmpiricalSalinity.h"
#include "calculators/empirical/EmpiricalSolvus.h"
#include "calculators/empirical/EmpiricalTemperature.h"
#include "calculators/thermodynamic/Cotectic.h"
#include "calculators/thermodynamic/LIquidus.h"
#include "calculators/thermodynamic/Salinities.h"
#include "calculators/thermodynamic/Solvus.h"

namespace {

using enum ui::Kind;

const ui::WindowProperties kWindow{"Start2", "Liquidus Model", 420, 485};

constexpr const char* kModels =
    "The liquidus of the ternary system H2O-NaCl-KCl can be calculated at constant pressures and variable "
    "pressures (SLV). Equilibrium thermodynamics can be applied at constant pressure, whereas purely "
    "empirical "
    "equations are only applied to the SLV surface at variable pressures.";

// clang-format off
const ui::Control kControls[] = {
    // name            kind         text or caption                                  left top  width height  other
    {"PushButton1",    PushButton,  "continue",                                      330, 440,  75,  25,  {.isDefault = true}},
    {"Model",          GroupBox,    "Model ",                                         20, 140, 380, 100,  {.textSize = 16, .italic = true}},
    {"Empirical",      RadioButton, "Purely empirical model",                         40, 175, 340,  20,  {.in = "Model", .textSize = 14, .value = true}},
    {"Thermodynamic",  RadioButton, "Equilibrium thermodynamics",                     40, 205, 340,  20,  {.in = "Model", .textSize = 14}},
    {"Text2a",         StaticText,  kModels,                                          20,  20, 380, 108,  {.textSize = 14, .multiline = true}},
    {"method",         GroupBox,    "Calculation mode ",                              20, 260, 380, 160,  {.textSize = 16, .italic = true}},
    {"Salinity",       RadioButton, "Salinity from known dissolution temperatures",   40, 295, 340,  20,  {.in = "method", .textSize = 14, .value = true}},
    {"Temperature",    RadioButton, "Dissolution temperatures from known salinity",   40, 325, 340,  20,  {.in = "method", .textSize = 14}},
    {"AnSolvus",       RadioButton, "Anhydrous solvus",                               40, 355, 340,  20,  {.in = "method", .textSize = 14}},
    {"Cotectics",      RadioButton, "Cotectic Lines",                                 40, 385, 340,  20,  {.in = "method", .textSize = 14}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(Start2, PushButton1, Action),
};

} // namespace

Start2::Start2() : ui::Window(kWindow) {
    build(kControls, kBindings);
}

void Start2::PushButton1_Action() {
    // Eight independent tests, each shows its window when both of its radio
    // buttons are chosen.
    if (radio("Empirical").value() && radio("Salinity").value()) EmpiricalSalinity()->Show();
    if (radio("Empirical").value() && radio("Temperature").value()) EmpiricalTemperature()->Show();
    if (radio("Empirical").value() && radio("AnSolvus").value()) EmpiricalSolvus()->Show();
    if (radio("Empirical").value() && radio("Cotectics").value()) EmpiricalCotectic()->Show();
    if (radio("Thermodynamic").value() && radio("Salinity").value()) Salinities()->Show();
    if (radio("Thermodynamic").value() && radio("AnSolvus").value()) Solvus()->Show();
    if (radio("Thermodynamic").value() && radio("Temperature").value()) LIquidus()->Show();
    if (radio("Thermodynamic").value() && radio("Cotectics").value()) Cotectic()->Show();
}

class Start2* Start2() {
    return ui::implicitInstance<class Start2>();
}
