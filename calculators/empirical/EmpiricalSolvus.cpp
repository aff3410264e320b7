#include "EmpiricalSolvus.h"

#include "calculators/empirical/EmpiricalSolvusCalc.h"

namespace {

using enum ui::Kind;

const ui::WindowProperties kWindow =
    calculators::windowProperties("EmpiricalSolvus", "Binary NaCl-KCl System", 545, 380);

constexpr const char* kAsNote = "a.s.= amount-of-substance fraction (\"mole\" fraction)";

// clang-format off
const ui::Control kControls[] = {
    // name             kind        text or caption                          left top  width height  other
    {"dataEntry1",      EditField,  "",                                       310,  55, 100, 20, {.textSize = 14}},
    {"temp",            StaticText, "Temperature",                            190,  55, 110, 20, {.textSize = 16}},
    {"temp1",           StaticText, "\u02daCelsius",                          420,  55,  70, 20, {.textSize = 16}},
    {"phase1",          StaticText, "phase 1",                                185, 170,  59, 20, {.textSize = 14}},
    {"composition",     StaticText, "Composition",                             30, 200,  90, 20, {.textSize = 14}},
    {"phase2",          StaticText, "phase 2",                                330, 170,  59, 20, {.textSize = 14}},
    {"NaCl",            StaticText, "NaCl",                                   130, 200,  40, 20, {.textSize = 14}},
    {"KCl",             StaticText, "KCl",                                    130, 232,  40, 20, {.textSize = 14}},
    {"calculate",       PushButton, "calculate",                               30, 120, 100, 30, {.textSize = 18, .isDefault = true}},
    {"titel1",          StaticText, "Anhydrous solvus:",                       30,  55, 160, 20, {.textSize = 16}},
    {"composition1",    StaticText, "a.s.",                                   475, 200,  30, 20, {.textSize = 14}},
    {"composition12",   StaticText, "a.s.",                                   475, 230,  30, 20, {.textSize = 14}},
    {"StaticText1",     StaticText, kAsNote,                                  195, 255, 265, 12, {.textSize = 10}},
    {"Comp",            StaticText, "Purely empirical model (at 0.1 MPa)",     20,  20, 340, 20, {.textSize = 16, .underline = true}},
    {"temp2",           StaticText, "Maximum temperature of solvus is",       190,  85, 210, 20, {.textSize = 12}},
    {"temp3",           StaticText, "",                                       405,  85,  60, 20, {.textSize = 12}},
    {"temp11",          StaticText, "\u02daCelsius",                          470,  85,  55, 20, {.textSize = 12}},
    {"NaCl1",           StaticText, "NaCl",                                   130, 290,  40, 20, {.textSize = 14}},
    {"KCl1",            StaticText, "KCl",                                    130, 322,  40, 20, {.textSize = 14}},
    {"composition13",   StaticText, "w.",                                     475, 290,  30, 20, {.textSize = 14}},
    {"composition121",  StaticText, "w.",                                     475, 320,  30, 20, {.textSize = 14}},
    {"StaticText2",     StaticText, "w. = mass fraction",                     365, 345, 100, 12, {.textSize = 10}},
    {"PushButton1",     PushButton, "units",                                  460, 125,  60, 20, {.textSize = 10}},
    // The result grid, each label framed by its box: "phase 1" at left 190,
    // "phase 2" at left 335; "a.s." rows at top 200 and 230, "w." rows at 290 and 320.
    {"Rectangle1",      Rectangle,  nullptr,                                  182, 228, 136, 24},
    {"Result1K",        StaticText, "",                                       190, 230, 120, 20, {.in = "Rectangle1", .textSize = 14}},
    {"Rectangle2",      Rectangle,  nullptr,                                  182, 198, 136, 24},
    {"Result1N",        StaticText, "",                                       190, 200, 120, 20, {.in = "Rectangle2", .textSize = 14}},
    {"Rectangle3",      Rectangle,  nullptr,                                  327, 228, 136, 24},
    {"Result2K",        StaticText, "",                                       335, 230, 120, 20, {.in = "Rectangle3", .textSize = 14}},
    {"Rectangle4",      Rectangle,  nullptr,                                  327, 198, 136, 24},
    {"Result2N",        StaticText, "",                                       335, 200, 120, 20, {.in = "Rectangle4", .textSize = 14}},
    {"Rectangle5",      Rectangle,  nullptr,                                  182, 318, 136, 24},
    {"Result1K1",       StaticText, "",                                       190, 320, 120, 20, {.in = "Rectangle5", .textSize = 14}},
    {"Rectangle6",      Rectangle,  nullptr,                                  182, 288, 136, 24},
    {"Result1N1",       StaticText, "",                                       190, 290, 120, 20, {.in = "Rectangle6", .textSize = 14}},
    {"Rectangle7",      Rectangle,  nullptr,                                  327, 318, 136, 24},
    {"Result2K1",       StaticText, "",                                       335, 320, 120, 20, {.in = "Rectangle7", .textSize = 14}},
    {"Rectangle8",      Rectangle,  nullptr,                                  327, 288, 136, 24},
    {"Result2N1",       StaticText, "",                                       335, 290, 120, 20, {.in = "Rectangle8", .textSize = 14}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(EmpiricalSolvus, dataEntry1, TextChange),
    UI_BIND(EmpiricalSolvus, calculate, Action),
    UI_BIND(EmpiricalSolvus, PushButton1, Action),
    UI_BIND_WINDOW(EmpiricalSolvus, Activate),
};

} // namespace

EmpiricalSolvus::EmpiricalSolvus() : CalculatorWindow(kWindow) {
    build(kControls, kBindings);
}

void EmpiricalSolvus::Event_Activate() {
    showNumber("temp3", calculators::solvusCrestK() - 273.15);
}

void EmpiricalSolvus::dataEntry1_TextChange() {
    clear(
        {"Result1N", "Result1K", "Result2N", "Result2K", "Result1N1", "Result1K1", "Result2N1", "Result2K1"});
}

void EmpiricalSolvus::showSolid(const calculators::SolvusSolid& solid, const char* wNaCl, const char* wKCl,
                                const char* asNaCl, const char* asKCl) {
    showNumber(wNaCl, solid.wNaCl);
    showNumber(wKCl, solid.wKCl);
    showNumber(asNaCl, solid.asNaCl);
    showNumber(asKCl, solid.asKCl);
}

void EmpiricalSolvus::calculate_Action() {
    const calculators::SolvusResult r = calculators::empiricalSolvusAt(value("dataEntry1") + 273.15);
    if (!r.inRange) {
        setText("Result1N", QStringLiteral("out of range"));
        clear({"Result1K", "Result2N", "Result2K", "Result1N1", "Result1K1", "Result2N1", "Result2K1"});
        return;
    }
    showSolid(r.phase1, "Result1N1", "Result1K1", "Result1N", "Result1K");
    showSolid(r.phase2, "Result2N1", "Result2K1", "Result2N", "Result2K");
}

void EmpiricalSolvus::PushButton1_Action() {
    showUnits();
}

class EmpiricalSolvus* EmpiricalSolvus() {
    return ui::implicitInstance<class EmpiricalSolvus>();
}
