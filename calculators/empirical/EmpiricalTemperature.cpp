#include "EmpiricalTemperature.h"

#include "calculators/empirical/EmpiricalTemperatureCalc.h"

#include "Globals.h"

namespace {

using enum ui::Kind;
using Globals::ASnumber;
using Globals::MASSnumber;

const ui::WindowProperties kWindow =
    calculators::windowProperties("EmpiricalTemperature", "SLV surface H2O-NaCl-KCl", 450, 570);

constexpr const char* kAsNote = "as % = amount-of-substance percentage (\"mole\" percentage)";

// clang-format off
const ui::Control kControls[] = {
    // name          kind         text or caption                                   left top  width height  other
    {"Comp",         StaticText,  "Purely empirical model (variable pressures)",      20,  20, 340, 20, {.textSize = 16, .underline = true, .multiline = true}},
    {"calculate",    PushButton,  "calculate",                                       260, 375, 100, 30, {.textSize = 18, .isDefault = true}},
    {"Tm1",          StaticText,  "Diss. Temp.",                                     204, 485,  85, 20, {.textSize = 14, .multiline = true}},
    {"Field",        GroupBox,    "Field* ",                                          20, 350, 140, 160, {.textSize = 16, .italic = true}},
    {"field1",       RadioButton, "Ice",                                              35, 385, 105, 20, {.in = "Field", .textSize = 14, .value = true}},
    {"field2",       RadioButton, "Hydrohalite",                                      35, 415, 105, 20, {.in = "Field", .textSize = 14}},
    {"field3",       RadioButton, "Halite",                                           35, 445, 105, 20, {.in = "Field", .textSize = 14}},
    {"field4",       RadioButton, "Sylvite",                                          35, 475, 105, 20, {.in = "Field", .textSize = 14}},
    {"Tm2",          StaticText,  "Ice",                                             204, 445,  90, 20, {.textSize = 14, .multiline = true}},
    {"Rectangle5",   Rectangle,   nullptr,                                           294, 483, 136, 24},
    {"Result1",      StaticText,  "",                                                299, 485, 126, 20, {.in = "Rectangle5", .textSize = 14}},
    {"dataEntry1",   EditField,   "",                                                255, 123, 100, 20, {.textSize = 14}},
    {"StaticText3",  StaticText,  "molality",                                        308, 233,  70, 20, {.textSize = 16}},
    {"Rectangle6",   Rectangle,   nullptr,                                           175, 261, 106, 24},
    {"asNaCl",       StaticText,  "",                                                178, 263, 100, 20, {.in = "Rectangle6", .textSize = 16}},
    {"Rectangle7",   Rectangle,   nullptr,                                           175, 291, 106, 24},
    {"asKCl",        StaticText,  "",                                                178, 293, 100, 20, {.in = "Rectangle7", .textSize = 16}},
    {"Rectangle8",   Rectangle,   nullptr,                                           305, 261, 106, 24},
    {"molNaCl",      StaticText,  "",                                                308, 263, 100, 20, {.in = "Rectangle8", .textSize = 16}},
    {"Rectangle9",   Rectangle,   nullptr,                                           305, 291, 106, 24},
    {"molKCl",       StaticText,  "",                                                308, 293, 100, 20, {.in = "Rectangle9", .textSize = 16}},
    {"StaticText1",  StaticText,  "mass %",                                          255,  93, 150, 20, {.textSize = 16}},
    {"StaticText2",  StaticText,  "mass %",                                           43, 233,  65, 20, {.index = 0, .textSize = 16}},
    {"Rectangle10",  Rectangle,   nullptr,                                            40, 261, 106, 24},
    {"massNaCl",     StaticText,  "",                                                 43, 263, 100, 20, {.in = "Rectangle10", .textSize = 16}},
    {"Rectangle11",  Rectangle,   nullptr,                                            40, 291, 106, 24},
    {"massKCl",      StaticText,  "",                                                 43, 293, 100, 20, {.in = "Rectangle11", .textSize = 16}},
    {"GroupBox1",    GroupBox,    "",                                                 40,  93,  90, 90, {.textSize = 0}},
    {"Mass",         RadioButton, "mass %",                                           47, 103,  75, 20, {.in = "GroupBox1", .value = true}},
    {"Mole",         RadioButton, "as %",                                             47, 128,  75, 20, {.in = "GroupBox1"}},
    {"Molality",     RadioButton, "molality",                                         47, 153,  75, 20, {.in = "GroupBox1"}},
    {"StaticText8",  StaticText,  kAsNote,                                            40, 193, 305, 12, {.textSize = 10, .multiline = true}},
    {"dataEntry2",   EditField,   "",                                                255, 153, 100, 20, {.textSize = 14}},
    {"StaticText2",  StaticText,  "as %",                                            178, 233,  40, 20, {.index = 1, .textSize = 16}},
    {"salt1",        StaticText,  "NaCl",                                            200, 123,  50, 20, {.textSize = 16}},
    {"salt2",        StaticText,  "KCl",                                             200, 153,  50, 20, {.textSize = 16}},
    {"Pm1",          StaticText,  "Diss. Pres.",                                     204, 525,  76, 20, {.textSize = 14, .multiline = true}},
    {"Rectangle12",  Rectangle,   nullptr,                                           294, 522, 136, 24},
    {"Result2",      StaticText,  "",                                                299, 524, 126, 20, {.in = "Rectangle12", .textSize = 14}},
    {"PushButton1",  PushButton,  "* phase diagram",                                  55, 520, 100, 20, {.textSize = 10}},
    {"Comp1",        StaticText,  "Temperature calculations from known salinities",   40,  60, 375, 20, {.textSize = 16, .multiline = true}},
    {"PushButton2",  PushButton,  "units",                                           360, 190,  60, 20, {.textSize = 10}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(EmpiricalTemperature, calculate, Action),   UI_BIND(EmpiricalTemperature, field1, Action),
    UI_BIND(EmpiricalTemperature, field2, Action),      UI_BIND(EmpiricalTemperature, field3, Action),
    UI_BIND(EmpiricalTemperature, field4, Action),      UI_BIND(EmpiricalTemperature, dataEntry1, TextChange),
    UI_BIND(EmpiricalTemperature, Mass, Action),        UI_BIND(EmpiricalTemperature, Mole, Action),
    UI_BIND(EmpiricalTemperature, Molality, Action),    UI_BIND(EmpiricalTemperature, dataEntry2, TextChange),
    UI_BIND(EmpiricalTemperature, PushButton1, Action), UI_BIND(EmpiricalTemperature, PushButton2, Action),
};

constexpr const char* kSolidRadios[] = {"field1", "field2", "field3", "field4"};

} // namespace

EmpiricalTemperature::EmpiricalTemperature() : CompositionWindow(kWindow) {
    build(kControls, kBindings);
}

void EmpiricalTemperature::calculate_Action() {
    // The composition last typed in this window or in LIquidus, which the
    // entries then show.
    followSharedComposition();
    const calculators::SolutionComposition composition{.massPercentNaCl = MASSnumber[1],
                                                       .massPercentKCl = MASSnumber[2],
                                                       .percentNaCl = ASnumber[1],
                                                       .percentKCl = ASnumber[2]};
    for (int fieldCode = 1; fieldCode <= 4; ++fieldCode) {
        if (!isOn(kSolidRadios[fieldCode - 1])) continue;
        const calculators::DissolutionResult r = calculators::dissolutionOf(fieldCode, composition);
        if (!r.dissolves) {
            setText("Result1", QString::fromUtf8(calculators::noSolidText(fieldCode)));
            clear({"Result2"});
            return;
        }
        showNumber("Result1", r.temperatureK - 273.15, QStringLiteral(" \u02daC"));
        if (r.pressure == calculators::PressureShown::Value)
            showNumber("Result2", r.pressureMPa, QStringLiteral(" MPa"));
        else
            showValue("Result2", QString::fromUtf8(calculators::pressureText(r.pressure)));
    }
}

void EmpiricalTemperature::chooseSolid(int fieldCode) {
    if (!isOn(kSolidRadios[fieldCode - 1])) return;
    setText("Tm2", QString::fromUtf8(calculators::solidName(fieldCode)));
    clear({"Result1", "Result2"});
}

void EmpiricalTemperature::field1_Action() {
    chooseSolid(1);
}

void EmpiricalTemperature::field2_Action() {
    chooseSolid(2);
}

void EmpiricalTemperature::field3_Action() {
    chooseSolid(3);
}

void EmpiricalTemperature::field4_Action() {
    chooseSolid(4);
}

void EmpiricalTemperature::showMassAndAmountOfSubstance() {
    // This table marks nothing as out of range; a value that a conversion
    // could not compute is shown as " - ".
    showCell("massNaCl", MASSnumber[1]);
    showCell("massKCl", MASSnumber[2]);
    showCell("asNaCl", ASnumber[1]);
    showCell("asKCl", ASnumber[2]);
}

void EmpiricalTemperature::clearResults() {
    clear({"Result1", "Result2"});
}

void EmpiricalTemperature::dataEntry1_TextChange() {
    enterSalt(1);
}

void EmpiricalTemperature::dataEntry2_TextChange() {
    enterSalt(2);
}

void EmpiricalTemperature::chooseScale(const char* radio, const char* unit) {
    if (!isOn(radio)) return;
    setText("StaticText1", QString::fromUtf8(unit));
    clear({"massNaCl", "massKCl", "asNaCl", "asKCl", "molNaCl", "molKCl"});
    // Emptying an entry is a change of its text: the composition entry runs
    // once more, now in the new scale, so the table and the shared
    // composition show what the empty entries stand for (as in LIquidus).
    clear({"dataEntry1", "dataEntry2"});
    clear({"Result1", "Result2"});
}

void EmpiricalTemperature::Mass_Action() {
    chooseScale("Mass", "mass %");
}

void EmpiricalTemperature::Mole_Action() {
    chooseScale("Mole", "as %");
}

void EmpiricalTemperature::Molality_Action() {
    chooseScale("Molality", "mole / kg H2O");
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
