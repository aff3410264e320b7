#include "LIquidus.h"

#include "LiquidusCalc.h"

#include "Globals.h"

#include <cmath>

namespace {

using enum ui::Kind;
using Globals::ASnumber;
using Globals::MASSnumber;

const ui::WindowProperties kWindow =
    calculators::windowProperties("LIquidus", "Liquidus H2O-NaCl-KCl System", 780, 480);

constexpr const char* kNote = "as % = amount-of-substance percentage (\"mole\" percentage)";

// clang-format off
const ui::Control kControls[] = {
    // name            kind         text or caption                  left top  width height  other
    {"titel",          StaticText,  "Thermodynamic modelling",         20,  14, 220,  20, {.textSize = 16, .underline = true, .multiline = true}},
    {"dataEntryP",     EditField,   "",                               111,  90, 100,  20, {.textSize = 14}},
    {"pres",           StaticText,  "Pressure",                        30,  90,  75,  20, {.textSize = 16}},
    {"pres1",          StaticText,  "MPa",                            221,  90,  50,  20, {.textSize = 16}},
    {"calculate",      PushButton,  "calculate",                      550,  95, 100,  30, {.textSize = 18, .isDefault = true}},
    {"Field",          GroupBox,    "Field* ",                         30, 360, 140,  97, {.textSize = 16, .italic = true}},
    {"field3",         RadioButton, "Halite",                          45, 394, 105,  20, {.in = "Field", .textSize = 14, .value = true}},
    {"field4",         RadioButton, "Sylvite",                         45, 424, 105,  20, {.in = "Field", .textSize = 14}},
    {"PushButton1",    PushButton,  "* phase diagram",                183, 429, 100,  20, {.textSize = 10}},
    {"dataEntry1",     EditField,   "",                               245, 160, 100,  20, {.textSize = 14}},
    {"StaticText4",    StaticText,  "molality",                       295, 260,  70,  20, {.textSize = 16}},
    {"Rectangle13",    Rectangle,   {},                               180, 285, 106,  24, {}},
    {"asNaCl",         StaticText,  "",                               185, 287,  96,  20, {.in = "Rectangle13", .textSize = 16}},
    {"Rectangle14",    Rectangle,   {},                               180, 315, 106,  24, {}},
    {"asKCl",          StaticText,  "",                               185, 317,  96,  20, {.in = "Rectangle14", .textSize = 16}},
    {"Rectangle15",    Rectangle,   {},                               295, 285, 106,  24, {}},
    {"molNaCl",        StaticText,  "",                               300, 287,  96,  20, {.in = "Rectangle15", .textSize = 16}},
    {"Rectangle16",    Rectangle,   {},                               295, 315, 106,  24, {}},
    {"molKCl",         StaticText,  "",                               300, 317,  96,  20, {.in = "Rectangle16", .textSize = 16}},
    {"StaticText1",    StaticText,  "mass %",                         245, 130, 150,  20, {.textSize = 16}},
    {"StaticText2",    StaticText,  "mass %",                          65, 260,  65,  20, {.index = 0, .textSize = 16}},
    {"Rectangle17",    Rectangle,   {},                                65, 285, 106,  24, {}},
    {"massNaCl",       StaticText,  "",                                70, 287,  96,  20, {.in = "Rectangle17", .textSize = 16}},
    {"Rectangle18",    Rectangle,   {},                                65, 315, 106,  24, {}},
    {"massKCl",        StaticText,  "",                                70, 317,  96,  20, {.in = "Rectangle18", .textSize = 16}},
    {"GroupBox1",      GroupBox,    "",                                30, 130,  90,  90, {.textSize = 0}},
    {"Mass",           RadioButton, "mass %",                          37, 140,  75,  20, {.in = "GroupBox1", .textSize = 12, .value = true}},
    {"Mole",           RadioButton, "as %",                            37, 165,  75,  20, {.in = "GroupBox1", .textSize = 12}},
    {"Molality",       RadioButton, "molality",                        37, 190,  75,  20, {.in = "GroupBox1", .textSize = 12}},
    {"StaticText8",    StaticText,  kNote,                             30, 225, 305,  12, {.textSize = 10, .multiline = true}},
    {"dataEntry2",     EditField,   "",                               245, 190, 100,  20, {.textSize = 14}},
    {"StaticText3",    StaticText,  "as %",                           180, 260,  40,  20, {.textSize = 16}},
    {"salt1",          StaticText,  "NaCl",                           190, 160,  50,  20, {.textSize = 16}},
    {"salt2",          StaticText,  "KCl",                            190, 190,  50,  20, {.textSize = 16}},
    {"Comp1",          StaticText,  "Temperature calculations from known salinities and pressures",
                                                                       30,  50, 490,  20, {.textSize = 16, .multiline = true}},
    {"composition",    StaticText,  "Temperature",                    440, 200,  90,  20, {.textSize = 14, .multiline = true}},
    {"Rectangle1",     Rectangle,   {},                               545, 198, 136,  24, {}},
    {"Result1N",       StaticText,  "",                               553, 200, 120,  20, {.in = "Rectangle1", .textSize = 14}},
    {"NaCl",           StaticText,  "\u02daCelsius",                  690, 200,  64,  20, {.textSize = 14, .multiline = true}},
    {"Result1",        StaticText,  "",                               553, 200, 120,  20, {.in = "Result1N", .textSize = 14}},
    {"Rectangle2",     Rectangle,   {},                               600, 377, 136,  24, {}},
    {"ResultxKCl",     StaticText,  "",                               608, 379, 120,  20, {.in = "Rectangle2", .textSize = 14}},
    {"composition1",   StaticText,  "Composition coexisting solid",   440, 315, 210,  20, {.textSize = 14, .multiline = true}},
    {"Rectangle3",     Rectangle,   {},                               600, 347, 136,  24, {}},
    {"Result1N1",      StaticText,  "",                               608, 349, 120,  20, {.in = "Rectangle3", .textSize = 14}},
    {"Rectangle4",     Rectangle,   {},                               590, 273, 136,  24, {}},
    {"ResultactKCl",   StaticText,  "",                               598, 275, 120,  20, {.in = "Rectangle4", .textSize = 14}},
    {"Rectangle5",     Rectangle,   {},                               590, 243, 136,  24, {}},
    {"ResultactNaCl",  StaticText,  "",                               598, 245, 120,  20, {.in = "Rectangle5", .textSize = 14}},
    {"NaCl1",          StaticText,  "x(NaCl)",                        540, 349,  55,  20, {.textSize = 14, .multiline = true}},
    {"NaCl11",         StaticText,  "NaCl",                           540, 245,  40,  20, {.textSize = 14, .multiline = true}},
    {"KCl",            StaticText,  "x(KCl)",                         540, 381,  50,  20, {.textSize = 14, .multiline = true}},
    {"KCl1",           StaticText,  "KCl",                            540, 277,  40,  20, {.textSize = 14, .multiline = true}},
    {"ResultxNaCl",    StaticText,  "",                               608, 349, 120,  20, {.in = "Result1N1", .textSize = 14}},
    {"activity",       StaticText,  "Activity liquid",                440, 245, 101,  20, {.textSize = 14, .multiline = true}},
    {"Line1",          Line,        {},                               420,  85, 420, 450, {.borderWidth = 2}},
    {"Tm2",            StaticText,  "Halite Field",                   440, 160, 100,  20, {.textSize = 16, .multiline = true}},
    {"PressureSLV",    StaticText,  "Pressure SLV",                   440, 430, 101,  20, {.textSize = 14, .multiline = true}},
    {"Rectangle19",    Rectangle,   {},                               545, 428, 136,  24, {}},
    {"ResultPslv",     StaticText,  "",                               553, 430, 120,  20, {.in = "Rectangle19", .textSize = 14}},
    {"salt11",         StaticText,  "NaCl",                            20, 287,  40,  20, {.textSize = 16}},
    {"salt21",         StaticText,  "KCl",                             20, 317,  40,  20, {.textSize = 16}},
    {"pres11",         StaticText,  "MPa",                            690, 430,  50,  20, {.textSize = 16}},
    {"PushButton2",    PushButton,  "units",                          305, 430,  60,  20, {.textSize = 10}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(LIquidus, calculate, Action),      UI_BIND(LIquidus, field3, Action),
    UI_BIND(LIquidus, field4, Action),         UI_BIND(LIquidus, PushButton1, Action),
    UI_BIND(LIquidus, dataEntry1, TextChange), UI_BIND(LIquidus, Mass, Action),
    UI_BIND(LIquidus, Mole, Action),           UI_BIND(LIquidus, Molality, Action),
    UI_BIND(LIquidus, dataEntry2, TextChange), UI_BIND(LIquidus, PushButton2, Action),
};

const QString kOutOfRange = QStringLiteral("out of range");

// A value of the model, or the window's failure text where it has none.
QString resultText(double value) {
    return std::isfinite(value) ? ui::Str(value) : kOutOfRange;
}

} // namespace

LIquidus::LIquidus() : CompositionWindow(kWindow) {
    build(kControls, kBindings);
}

void LIquidus::clearResults() {
    clear({"Result1", "ResultactNaCl", "ResultactKCl", "ResultxNaCl", "ResultxKCl", "ResultPslv"});
}

void LIquidus::calculate_Action() {
    using Outcome = calculators::LiquidusCalculation::Outcome;
    // The composition last typed in this window or in EmpiricalTemperature,
    // which the entries then show.
    followSharedComposition();
    int field = 0;
    if (isOn("field3")) field = 3;
    if (isOn("field4")) field = 4;
    const calculators::SaltContents salts{
        .massNaCl = MASSnumber[1], .massKCl = MASSnumber[2], .asNaCl = ASnumber[1], .asKCl = ASnumber[2]};
    const auto r = calculators::liquidusFromSalinity(field, salts, value("dataEntryP"));

    switch (r.outcome) {
    case Outcome::NoComposition:
        clearResults();
        return;
    case Outcome::OutOfRange:
        // No result of an earlier press may stand beside the failure.
        setText("Result1", kOutOfRange);
        clear({"ResultactNaCl", "ResultactKCl", "ResultxNaCl", "ResultxKCl", "ResultPslv"});
        return;
    case Outcome::Found:
        break;
    }
    setText("Result1", resultText(r.temperatureK - 273.15));
    setText("ResultactNaCl", resultText(r.activityNaCl));
    setText("ResultactKCl", resultText(r.activityKCl));
    setText("ResultxNaCl", resultText(r.solidNaCl));
    setText("ResultxKCl", resultText(r.solidKCl));
    if (std::isfinite(r.slvPressureMPa) && r.slvPressureMPa < 1.0)
        setText("ResultPslv", QStringLiteral("< 1.0"));
    else
        setText("ResultPslv", resultText(r.slvPressureMPa));
}

void LIquidus::chooseField(const char* radio, const char* name) {
    if (!isOn(radio)) return;
    setText("Tm2", QString::fromUtf8(name));
    clearResults();
}

void LIquidus::field3_Action() {
    chooseField("field3", "Halite Field");
}

void LIquidus::field4_Action() {
    chooseField("field4", "Sylvite Field");
}

void LIquidus::PushButton1_Action() {
    showFields();
}

void LIquidus::showSaltPair(const char* naClCell, const char* kClCell, double naCl, double kCl) {
    if (calculators::saltsOutOfRange(naCl, kCl)) {
        showMessage(naClCell, kOutOfRange, calculators::kRed, 12);
        showMessage(kClCell, kOutOfRange, calculators::kRed, 12);
        return;
    }
    // Back to the cell's own black size 16.
    showCell(naClCell, naCl);
    showCell(kClCell, kCl);
}

void LIquidus::showMassAndAmountOfSubstance() {
    showSaltPair("massNaCl", "massKCl", MASSnumber[1], MASSnumber[2]);
    showSaltPair("asNaCl", "asKCl", ASnumber[1], ASnumber[2]);
}

void LIquidus::dataEntry1_TextChange() {
    enterSalt(1);
}

void LIquidus::chooseScale(const char* radio, const char* unit) {
    if (!isOn(radio)) return;
    setText("StaticText1", QString::fromUtf8(unit));
    clear({"massNaCl", "massKCl", "asNaCl", "asKCl", "molNaCl", "molKCl"});
    // Emptying an entry is a change of its text: the composition entry runs
    // once more, now in the new scale.
    clear({"dataEntry1", "dataEntry2"});
    clear({"Result1"});
}

void LIquidus::Mass_Action() {
    chooseScale("Mass", "mass %");
}

void LIquidus::Mole_Action() {
    chooseScale("Mole", "as %");
}

void LIquidus::Molality_Action() {
    chooseScale("Molality", "mole / kg H2O");
}

void LIquidus::dataEntry2_TextChange() {
    enterSalt(2);
}

void LIquidus::PushButton2_Action() {
    showUnits();
}

class LIquidus* LIquidus() {
    return ui::implicitInstance<class LIquidus>();
}
