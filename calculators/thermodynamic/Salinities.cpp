#include "Salinities.h"

#include "calculators/thermodynamic/SalinityCalc.h"

#include <cmath>

namespace {

using enum ui::Kind;

const ui::WindowProperties kWindow =
    calculators::windowProperties("Salinities", "Salinity H2O-NaCl-KCl", 530, 670);

constexpr const char* kAsNote = "as % = amount-of-substance percentage (\"mole\" percentage)";

// clang-format off
const ui::Control kControls[] = {
    // name             kind        text or caption                   left top  width height  other
    {"titel",           StaticText, "Thermodynamic modelling",          20,  20, 220,  20, {.textSize = 16, .underline = true, .multiline = true}},
    {"Text3c1",         StaticText, "Dissolution Pressure:",            40,  55, 210,  20, {.textSize = 16, .multiline = true}},
    {"Text3c",          StaticText, "Dissolution Temperatures:",        40,  90, 210,  20, {.textSize = 16, .multiline = true}},
    {"Text3f",          StaticText, "Sylvite",                         265,  90,  59,  20, {.textSize = 14, .multiline = true}},
    {"Text3g",          StaticText, "Halite",                          265, 120,  59,  20, {.textSize = 14, .multiline = true}},
    {"TextC31",         StaticText, "MPa",                             435,  55,  40,  20, {.textSize = 14}},
    {"TextC3",          StaticText, "\u02daC",                         435,  90,  30,  20, {.textSize = 14}},
    {"TextC4",          StaticText, "\u02daC",                         435, 120,  30,  20, {.textSize = 14}},
    {"dataEntryP",      EditField,  "",                                330,  55, 100,  20, {.textSize = 14}},
    {"dataEntryTsyl",   EditField,  "",                                330,  90, 100,  20, {.textSize = 14}},
    {"dataEntryThal",   EditField,  "",                                330, 120, 100,  20, {.textSize = 14}},
    {"calculate",       PushButton, "calculate",                       329, 155, 100,  30, {.textSize = 18, .isDefault = true}},
    {"clarification1",  PushButton, "phase diagram",                    40, 165, 100,  20, {.textSize = 10}},
    {"GroupBox2",       GroupBox,   "Properties of liquid solution",    20, 220, 490, 210, {.textSize = 16, .italic = true}},
    {"mole",            StaticText, "as %",                             40, 310,  40,  20, {.in = "GroupBox2", .textSize = 14, .multiline = true}},
    {"KCl1",            StaticText, "KCl",                             100, 340,  40,  20, {.in = "GroupBox2", .textSize = 16, .multiline = true}},
    {"Text3h",          StaticText, "Temperature",                      40, 280,  95,  20, {.in = "GroupBox2", .textSize = 14, .multiline = true}},
    {"resultT1",        StaticText, "",                                170, 280, 150,  20, {.in = "GroupBox2", .textSize = 14, .multiline = true}},
    {"resultNaCl1",     StaticText, "",                                170, 310, 150,  20, {.in = "GroupBox2", .textSize = 14, .multiline = true}},
    {"resultKCl1",      StaticText, "",                                170, 340, 150,  20, {.in = "GroupBox2", .textSize = 14, .multiline = true}},
    {"resultNaCl1a",    StaticText, "",                                170, 370, 150,  20, {.in = "GroupBox2", .textSize = 14, .multiline = true}},
    {"resultKCl1a",     StaticText, "",                                170, 400, 150,  20, {.in = "GroupBox2", .textSize = 14, .multiline = true}},
    {"resultT2",        StaticText, "",                                340, 280, 150,  20, {.in = "GroupBox2", .textSize = 14, .multiline = true}},
    {"resultNaCl2",     StaticText, "",                                340, 310, 150,  20, {.in = "GroupBox2", .textSize = 14, .multiline = true}},
    {"resultKCl2",      StaticText, "",                                340, 340, 150,  20, {.in = "GroupBox2", .textSize = 14, .multiline = true}},
    {"resultNaCl2a",    StaticText, "",                                340, 370, 150,  20, {.in = "GroupBox2", .textSize = 14, .multiline = true}},
    {"resultKCl2a",     StaticText, "",                                340, 400, 150,  20, {.in = "GroupBox2", .textSize = 14, .multiline = true}},
    {"cotectic",        StaticText, "Cotectic",                        170, 250,  95,  20, {.in = "GroupBox2", .textSize = 14, .multiline = true}},
    {"Text3h1",         StaticText, "Final Dissolution",               340, 250, 131,  20, {.in = "GroupBox2", .textSize = 14, .multiline = true}},
    {"NaCl1",           StaticText, "NaCl",                            100, 310,  40,  20, {.in = "GroupBox2", .textSize = 14, .multiline = true}},
    {"mass",            StaticText, "mass %",                           40, 370,  55,  20, {.in = "GroupBox2", .textSize = 14, .multiline = true}},
    {"KCl2",            StaticText, "KCl",                             100, 400,  40,  20, {.in = "GroupBox2", .textSize = 16, .multiline = true}},
    {"NaCl2",           StaticText, "NaCl",                            100, 370,  40,  20, {.in = "GroupBox2", .textSize = 14, .multiline = true}},
    {"StaticText1",     StaticText, kAsNote,                           207, 636, 302,  15, {.textSize = 10, .multiline = true}},
    {"GroupBox3",       GroupBox,   "Properties of solid solution",     20, 455, 490, 180, {.textSize = 16, .italic = true}},
    {"cotectic1",       StaticText, "Cotectic",                        170, 485,  95,  20, {.in = "GroupBox3", .textSize = 14, .multiline = true}},
    {"Text3h11",        StaticText, "Final Dissolution",               340, 485, 131,  20, {.in = "GroupBox3", .textSize = 14, .multiline = true}},
    {"mole1",           StaticText, "as %",                             40, 515,  40,  20, {.in = "GroupBox3", .textSize = 14, .multiline = true}},
    {"KCl11",           StaticText, "KCl",                             100, 545,  40,  20, {.in = "GroupBox3", .textSize = 16, .multiline = true}},
    {"resultNaCl1sol",  StaticText, "",                                170, 515, 150,  20, {.in = "GroupBox3", .textSize = 14, .multiline = true}},
    {"resultKCl1sol",   StaticText, "",                                170, 545, 150,  20, {.in = "GroupBox3", .textSize = 14, .multiline = true}},
    {"resultNaCl1asol", StaticText, "",                                170, 575, 150,  20, {.in = "GroupBox3", .textSize = 14, .multiline = true}},
    {"resultKCl1asol",  StaticText, "",                                170, 605, 150,  20, {.in = "GroupBox3", .textSize = 14, .multiline = true}},
    {"resultNaCl2sol",  StaticText, "",                                340, 515, 150,  20, {.in = "GroupBox3", .textSize = 14, .multiline = true}},
    {"resultKCl2sol",   StaticText, "",                                340, 545, 150,  20, {.in = "GroupBox3", .textSize = 14, .multiline = true}},
    {"resultNaCl2asol", StaticText, "",                                340, 575, 150,  20, {.in = "GroupBox3", .textSize = 14, .multiline = true}},
    {"resultKCl2asol",  StaticText, "",                                340, 605, 150,  20, {.in = "GroupBox3", .textSize = 14, .multiline = true}},
    {"NaCl11",          StaticText, "NaCl",                            100, 515,  40,  20, {.in = "GroupBox3", .textSize = 14, .multiline = true}},
    {"mass1",           StaticText, "mass %",                           40, 575,  55,  20, {.in = "GroupBox3", .textSize = 14, .multiline = true}},
    {"KCl21",           StaticText, "KCl",                             100, 605,  40,  20, {.in = "GroupBox3", .textSize = 16, .multiline = true}},
    {"NaCl21",          StaticText, "NaCl",                            100, 575,  40,  20, {.in = "GroupBox3", .textSize = 14, .multiline = true}},
    {"StaticText2",     StaticText, "in addition to H2O",              410, 430, 100,  15, {.textSize = 10, .multiline = true}},
    {"PushButton1",     PushButton, "units",                           170, 165,  60,  20, {.textSize = 10}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(Salinities, dataEntryP, TextChange),    UI_BIND(Salinities, dataEntryTsyl, TextChange),
    UI_BIND(Salinities, dataEntryThal, TextChange), UI_BIND(Salinities, calculate, Action),
    UI_BIND(Salinities, clarification1, Action),    UI_BIND(Salinities, PushButton1, Action),
};

constexpr const char* kOutOfRange = "out of range";

} // namespace

Salinities::Salinities() : CalculatorWindow(kWindow) {
    build(kControls, kBindings);
}

void Salinities::clearResults() {
    clear({"resultT1", "resultNaCl1", "resultKCl1", "resultNaCl1a", "resultKCl1a", "resultNaCl1sol",
           "resultKCl1sol", "resultNaCl1asol", "resultKCl1asol", "resultT2", "resultNaCl2", "resultKCl2",
           "resultNaCl2a", "resultKCl2a", "resultNaCl2sol", "resultKCl2sol", "resultNaCl2asol",
           "resultKCl2asol"});
}

void Salinities::dataEntryP_TextChange() {
    clearResults();
}

void Salinities::dataEntryTsyl_TextChange() {
    clearResults();
}

void Salinities::dataEntryThal_TextChange() {
    clearResults();
}

void Salinities::calculate_Action() {
    const calculators::SalinityResult r = calculators::salinityFromDissolution(
        value("dataEntryP"), value("dataEntryThal") + 273.15, value("dataEntryTsyl") + 273.15);

    // A temperature typed too large for a number has no kelvin value to show.
    for (auto [name, kelvin] : {std::pair{"resultT1", r.cotecticK}, std::pair{"resultT2", r.finalK}}) {
        if (std::isfinite(kelvin))
            showNumber(name, kelvin, "  K");
        else
            setText(name, kOutOfRange);
    }

    if (!r.solidFound) {
        setText("resultNaCl1", kOutOfRange);
        clear({"resultKCl1", "resultNaCl1a", "resultKCl1a"});
        setText("resultNaCl1sol", kOutOfRange);
        clear({"resultKCl1sol", "resultNaCl1asol", "resultKCl1asol"});
        return;
    }
    showNumber("resultNaCl1sol", r.cotecticSolid.asNaCl);
    showNumber("resultKCl1sol", r.cotecticSolid.asKCl);
    showNumber("resultNaCl1asol", r.cotecticSolid.massNaCl);
    showNumber("resultKCl1asol", r.cotecticSolid.massKCl);

    if (!r.liquidFound) {
        setText("resultNaCl1", kOutOfRange);
        clear({"resultKCl1", "resultNaCl1a", "resultKCl1a"});
        return;
    }
    showNumber("resultNaCl1", r.cotecticLiquid.asNaCl);
    showNumber("resultKCl1", r.cotecticLiquid.asKCl);
    showNumber("resultNaCl1a", r.cotecticLiquid.massNaCl);
    showNumber("resultKCl1a", r.cotecticLiquid.massKCl);

    if (!r.bulkFound) {
        setText("resultNaCl2", kOutOfRange);
        clear({"resultKCl2", "resultNaCl2a", "resultKCl2a"});
        setText("resultNaCl2sol", kOutOfRange);
        clear({"resultKCl2sol", "resultNaCl2asol", "resultKCl2asol"});
        return;
    }
    showNumber("resultNaCl2", r.bulk.asNaCl);
    showNumber("resultKCl2", r.bulk.asKCl);
    showNumber("resultNaCl2a", r.bulk.massNaCl);
    showNumber("resultKCl2a", r.bulk.massKCl);
    showNumber("resultNaCl2sol", r.finalSolid.asNaCl);
    showNumber("resultKCl2sol", r.finalSolid.asKCl);
    showNumber("resultNaCl2asol", r.finalSolid.massNaCl);
    showNumber("resultKCl2asol", r.finalSolid.massKCl);
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
