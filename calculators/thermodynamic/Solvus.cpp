#include "Solvus.h"

#include "SolvusCalc.h"

#include <cmath>

namespace {

using enum ui::Kind;

const ui::WindowProperties kWindow =
    calculators::windowProperties("Solvus", "Binary NaCl-KCl System", 595, 437);

constexpr const char* kNote = "a.s.= amount-of-substance fraction (\"mole\" fraction)";

// clang-format off
const ui::Control kControls[] = {
    // name            kind         text or caption          left top  width height  other
    {"titel",          StaticText,  "Thermodynamic modelling", 20,  14, 210,  20, {.textSize = 16, .underline = true}},
    {"dataEntry1",     EditField,   "",                       340,  50, 100,  20, {.textSize = 14}},
    {"dataEntry2",     EditField,   "",                       340,  80, 100,  20, {.textSize = 14}},
    {"temp",           StaticText,  "Temperature",            220,  50, 105,  20, {.textSize = 16}},
    {"pres",           StaticText,  "Pressure",               220,  80, 105,  20, {.textSize = 16}},
    {"temp1",          StaticText,  "\u02daCelsius",          450,  50,  70,  20, {.textSize = 16}},
    {"pres1",          StaticText,  "MPa",                    450,  80,  50,  20, {.textSize = 16}},
    {"phase1",         StaticText,  "phase 1",                225, 180,  59,  20, {.textSize = 14}},
    {"activity",       StaticText,  "Activity",                30, 290,  64,  20, {.textSize = 14}},
    {"composition",    StaticText,  "Composition",             30, 210,  90,  20, {.textSize = 14}},
    {"phase2",         StaticText,  "phase 2",                370, 180,  59,  20, {.textSize = 14}},
    {"chempot",        StaticText,  "Chemical Potential",      30, 365, 130,  20, {.textSize = 14}},
    {"NaCl",           StaticText,  "NaCl",                   170, 210,  40,  20, {.textSize = 14}},
    {"NaCl1",          StaticText,  "NaCl",                   170, 290,  40,  20, {.textSize = 14}},
    {"NaCl2",          StaticText,  "NaCl",                   170, 365,  40,  20, {.textSize = 14}},
    {"KCl",            StaticText,  "KCl",                    170, 242,  40,  20, {.textSize = 14}},
    {"KCl1",           StaticText,  "KCl",                    170, 322,  40,  20, {.textSize = 14}},
    {"KCl2",           StaticText,  "KCl",                    170, 395,  40,  20, {.textSize = 14}},
    {"calculate",      PushButton,  "calculate",              340, 120, 100,  30, {.textSize = 18, .isDefault = true}},
    {"titel1",         StaticText,  "Anhydrous solvus:",       30,  50, 160,  20, {.textSize = 16}},
    {"chempot1",       StaticText,  "J/mol",                  515, 365,  40,  20, {.textSize = 14}},
    {"chempot12",      StaticText,  "J/mol",                  515, 395,  40,  20, {.textSize = 14}},
    {"composition1",   StaticText,  "a.s.",                   515, 210,  30,  20, {.textSize = 14}},
    {"composition12",  StaticText,  "a.s.",                   515, 240,  30,  20, {.textSize = 14}},
    {"StaticText1",    StaticText,  kNote,                    235, 265, 265,  12, {.textSize = 10}},
    {"PushButton1",    PushButton,  "units",                  515, 170,  60,  20, {.textSize = 10}},
    // The result grid: "phase 1" at the left, "phase 2" at the right, each
    // value in its framed box.
    {"Rectangle1",     Rectangle,   {},                       222, 238, 136,  24, {}},
    {"Result1K",       StaticText,  "",                       230, 240, 120,  20, {.in = "Rectangle1", .textSize = 14}},
    {"Rectangle2",     Rectangle,   {},                       222, 208, 136,  24, {}},
    {"Result1N",       StaticText,  "",                       230, 210, 120,  20, {.in = "Rectangle2", .textSize = 14}},
    {"Rectangle3",     Rectangle,   {},                       367, 238, 136,  24, {}},
    {"Result2K",       StaticText,  "",                       375, 240, 120,  20, {.in = "Rectangle3", .textSize = 14}},
    {"Rectangle4",     Rectangle,   {},                       367, 208, 136,  24, {}},
    {"Result2N",       StaticText,  "",                       375, 210, 120,  20, {.in = "Rectangle4", .textSize = 14}},
    {"Rectangle5",     Rectangle,   {},                       222, 318, 136,  24, {}},
    {"Result1aK",      StaticText,  "",                       230, 320, 120,  20, {.in = "Rectangle5", .textSize = 14}},
    {"Rectangle6",     Rectangle,   {},                       222, 288, 136,  24, {}},
    {"Result1aN",      StaticText,  "",                       230, 290, 120,  20, {.in = "Rectangle6", .textSize = 14}},
    {"Rectangle7",     Rectangle,   {},                       367, 318, 136,  24, {}},
    {"Result2aK",      StaticText,  "",                       375, 320, 120,  20, {.in = "Rectangle7", .textSize = 14}},
    {"Rectangle8",     Rectangle,   {},                       367, 288, 136,  24, {}},
    {"Result2aN",      StaticText,  "",                       375, 290, 120,  20, {.in = "Rectangle8", .textSize = 14}},
    {"Rectangle9",     Rectangle,   {},                       222, 393, 136,  24, {}},
    {"Result1bK",      StaticText,  "",                       230, 395, 120,  20, {.in = "Rectangle9", .textSize = 14}},
    {"Rectangle10",    Rectangle,   {},                       222, 363, 136,  24, {}},
    {"Result1bN",      StaticText,  "",                       230, 365, 120,  20, {.in = "Rectangle10", .textSize = 14}},
    {"Rectangle11",    Rectangle,   {},                       367, 393, 136,  24, {}},
    {"Result2bK",      StaticText,  "",                       375, 395, 120,  20, {.in = "Rectangle11", .textSize = 14}},
    {"Rectangle12",    Rectangle,   {},                       367, 363, 136,  24, {}},
    {"Result2bN",      StaticText,  "",                       375, 365, 120,  20, {.in = "Rectangle12", .textSize = 14}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(Solvus, dataEntry1, TextChange),
    UI_BIND(Solvus, dataEntry2, TextChange),
    UI_BIND(Solvus, calculate, Action),
    UI_BIND(Solvus, PushButton1, Action),
};

// A value of the model, or a failure text where it has none (the chemical
// potential of a salt of activity 0, say).
QString resultText(double value) {
    return std::isfinite(value) ? ui::Str(value) : QStringLiteral("out of range");
}

} // namespace

Solvus::Solvus() : CalculatorWindow(kWindow) {
    build(kControls, kBindings);
}

void Solvus::clearResults() {
    clear({"Result1N", "Result1K", "Result1aN", "Result1aK", "Result1bN", "Result1bK", "Result2N", "Result2K",
           "Result2aN", "Result2aK", "Result2bN", "Result2bK"});
}

void Solvus::dataEntry1_TextChange() {
    clearResults();
}

void Solvus::dataEntry2_TextChange() {
    clearResults();
}

void Solvus::showPhase(const calculators::SolidSolution& solid, const char* aNaCl, const char* muNaCl,
                       const char* aKCl, const char* muKCl) {
    setText(aNaCl, resultText(solid.activityNaCl));
    setText(muNaCl, resultText(solid.potentialNaCl));
    setText(aKCl, resultText(solid.activityKCl));
    setText(muKCl, resultText(solid.potentialKCl));
}

void Solvus::calculate_Action() {
    const calculators::SolvusCalculation r =
        calculators::thermodynamicSolvus(value("dataEntry1") + 273.15, value("dataEntry2"));
    if (r.temperatureOutOfRange) {
        // In the first row's own black size 14: the red pair is the consolute point's.
        showValue("Result1N", QStringLiteral("out of range"));
        clear({"Result1K", "Result1aN", "Result1aK", "Result1bN", "Result1bK", "Result2N", "Result2K",
               "Result2aN", "Result2aK", "Result2bN", "Result2bK"});
        return;
    }
    if (!r.found) {
        // Two halves of one sentence, side by side under "phase 1" and "phase 2".
        showMessage("Result1N", QStringLiteral("Temperature exceeds"), calculators::kRed, 11);
        clear({"Result1K", "Result1aN", "Result1aK", "Result1bN", "Result1bK"});
        showMessage("Result2N", QStringLiteral("maximum of solvus"), calculators::kRed, 11);
        clear({"Result2K", "Result2aN", "Result2aK", "Result2bN", "Result2bK"});
        return;
    }
    // A value sets the first row back to its own black size 14.
    showValue("Result1N", resultText(r.phase1.xNaCl));
    setText("Result1K", resultText(r.phase1.xKCl));
    showValue("Result2N", resultText(r.phase2.xNaCl));
    setText("Result2K", resultText(r.phase2.xKCl));
    showPhase(r.phase1, "Result1aN", "Result1bN", "Result1aK", "Result1bK");
    showPhase(r.phase2, "Result2aN", "Result2bN", "Result2aK", "Result2bK");
}

void Solvus::PushButton1_Action() {
    showUnits();
}

class Solvus* Solvus() {
    return ui::implicitInstance<class Solvus>();
}
