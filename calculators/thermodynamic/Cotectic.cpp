#include "Cotectic.h"

#include "calculators/thermodynamic/CotecticCalc.h"

namespace {

using enum ui::Kind;

const ui::WindowProperties kWindow =
    calculators::windowProperties("Cotectic", "Cotectic H2O-NaCl-KCl System", 575, 370, false);

constexpr const char* kAsNote = "as% = amount-of-substance percentage (\"mole\" percentage)";

// clang-format off
const ui::Control kControls[] = {
    // name            kind        text or caption                                    left top  width height  other
    {"phaseliq",        StaticText, "liquid",                                          130, 170,  59,  20, {.textSize = 14}},
    {"Rectangle1",      Rectangle,  nullptr,                                           127, 228, 136,  24},
    {"composition",     StaticText, "Composition",                                      20, 170,  90,  20, {.textSize = 14}},
    {"Rectangle2",      Rectangle,  nullptr,                                           127, 198, 136,  24},
    {"Rectangle3",      Rectangle,  nullptr,                                           272, 228, 136,  24},
    {"ResultKClsol1",   StaticText, "",                                                280, 230, 120,  20, {.in = "Rectangle3", .textSize = 14}},
    {"Rectangle4",      Rectangle,  nullptr,                                           272, 198, 136,  24},
    {"ResultNaClsol1",  StaticText, "",                                                280, 200, 120,  20, {.in = "Rectangle4", .textSize = 14}},
    {"NaCl",            StaticText, "NaCl",                                             80, 200,  40,  20, {.textSize = 14}},
    {"KCl",             StaticText, "KCl",                                              80, 230,  40,  20, {.textSize = 14}},
    {"composition1",    StaticText, "as %",                                             20, 200,  30,  20, {.textSize = 14}},
    {"StaticText1",     StaticText, kAsNote,                                           250, 255, 300,  12, {.textSize = 10}},
    {"Rectangle5",      Rectangle,  nullptr,                                           127, 308, 136,  24},
    {"ResultKCla",      StaticText, "",                                                135, 310, 120,  20, {.in = "Rectangle5", .textSize = 14}},
    {"Rectangle6",      Rectangle,  nullptr,                                           127, 278, 136,  24},
    {"ResultNaCla",     StaticText, "",                                                135, 280, 120,  20, {.in = "Rectangle6", .textSize = 14}},
    {"Rectangle7",      Rectangle,  nullptr,                                           272, 308, 136,  24},
    {"ResultKClsol1a",  StaticText, "",                                                280, 310, 120,  20, {.in = "Rectangle7", .textSize = 14}},
    {"Rectangle8",      Rectangle,  nullptr,                                           272, 278, 136,  24},
    {"ResultNaClsol1a", StaticText, "",                                                280, 280, 120,  20, {.in = "Rectangle8", .textSize = 14}},
    {"NaCl1",           StaticText, "NaCl",                                             80, 280,  40,  20, {.textSize = 14}},
    {"KCl1",            StaticText, "KCl",                                              80, 312,  40,  20, {.textSize = 14}},
    {"composition13",   StaticText, "mass %",                                           20, 280,  51,  20, {.textSize = 14}},
    {"Rectangle9",      Rectangle,  nullptr,                                           418, 228, 136,  24},
    {"ResultKClsol2",   StaticText, "",                                                426, 230, 120,  20, {.in = "Rectangle9", .textSize = 14}},
    {"Rectangle10",     Rectangle,  nullptr,                                           418, 198, 136,  24},
    {"ResultNaClsol2",  StaticText, "",                                                426, 200, 120,  20, {.in = "Rectangle10", .textSize = 14}},
    {"Rectangle11",     Rectangle,  nullptr,                                           418, 308, 136,  24},
    {"ResultKClsol2a",  StaticText, "",                                                426, 310, 120,  20, {.in = "Rectangle11", .textSize = 14}},
    {"Rectangle12",     Rectangle,  nullptr,                                           418, 278, 136,  24},
    {"ResultNaClsol2a", StaticText, "",                                                426, 280, 120,  20, {.in = "Rectangle12", .textSize = 14}},
    {"phase1",          StaticText, "solid phase 1",                                   275, 170, 100,  20, {.textSize = 14}},
    {"phase2",          StaticText, "solid phase 2",                                   420, 170, 109,  20, {.textSize = 14}},
    {"ResultKCl",       StaticText, "",                                                135, 230, 120,  20, {.in = "Rectangle1", .textSize = 14}},
    {"ResultNaCl",      StaticText, "",                                                135, 200, 120,  20, {.in = "Rectangle2", .textSize = 14}},
    {"titel",           StaticText, "Thermodynamic modelling",                          20,  20, 220,  20, {.textSize = 16, .underline = true}},
    {"dataEntry1",      EditField,  "",                                                150,  90, 100,  20, {.textSize = 14}},
    {"dataEntry2",      EditField,  "",                                                150, 120, 100,  20, {.textSize = 14}},
    {"temp",            StaticText, "Temperature",                                      30,  90, 105,  20, {.textSize = 16}},
    {"pres",            StaticText, "Pressure",                                         30, 120, 105,  20, {.textSize = 16}},
    {"calculate1",      PushButton, "calculate",                                       400, 100, 100,  30, {.textSize = 18, .isDefault = true}},
    {"temp1",           StaticText, "\u02daCelsius",                                   260,  90,  70,  20, {.textSize = 16}},
    {"pres1",           StaticText, "MPa",                                             260, 120,  50,  20, {.textSize = 16}},
    {"cot",             StaticText, "Cotectic line between halite and sylvite field",   30,  50, 350,  20, {.textSize = 16}},
    {"StaticText2",     StaticText, "in addition to H2O",                              170, 335, 100,  15, {.textSize = 10}},
    {"PushButton1",     PushButton, "units",                                           490,  20,  60,  20, {.textSize = 10}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(Cotectic, dataEntry1, TextChange),
    UI_BIND(Cotectic, dataEntry2, TextChange),
    UI_BIND(Cotectic, calculate1, Action),
    UI_BIND(Cotectic, PushButton1, Action),
};

// The two halves of one sentence in the NaCl row of the two solid columns.
constexpr int kMessageSize = 11;

} // namespace

Cotectic::Cotectic() : CalculatorWindow(kWindow) {
    build(kControls, kBindings);
}

void Cotectic::clearResults() {
    clear({"ResultNaCl", "ResultKCl", "ResultNaCla", "ResultKCla", "ResultNaClsol1", "ResultKClsol1",
           "ResultNaClsol1a", "ResultKClsol1a", "ResultNaClsol2", "ResultKClsol2", "ResultNaClsol2a",
           "ResultKClsol2a"});
}

void Cotectic::dataEntry1_TextChange() {
    clearResults();
}

void Cotectic::dataEntry2_TextChange() {
    clearResults();
}

void Cotectic::calculate1_Action() {
    const calculators::CotecticResult r =
        calculators::cotecticAt(value("dataEntry1") + 273.15, value("dataEntry2"));

    if (r.temperatureOutOfRange) {
        // In each column's own black size 14: the red pair is the crest's.
        showValue("ResultNaClsol1", QStringLiteral("out of range"));
        showValue("ResultNaClsol2", QStringLiteral("out of range"));
        setText("ResultNaCl", QStringLiteral("out of range"));
        clear({"ResultKClsol1", "ResultNaClsol1a", "ResultKClsol1a", "ResultKClsol2", "ResultNaClsol2a",
               "ResultKClsol2a", "ResultKCl", "ResultNaCla", "ResultKCla"});
        return;
    }
    if (!r.solvusFound) {
        showMessage("ResultNaClsol1", "Temperature exceeds", calculators::kRed, kMessageSize);
        clear({"ResultKClsol1", "ResultNaClsol1a", "ResultKClsol1a"});
        showMessage("ResultNaClsol2", "maximum of solvus", calculators::kRed, kMessageSize);
        clear({"ResultKClsol2", "ResultNaClsol2a", "ResultKClsol2a", "ResultNaCl", "ResultKCl", "ResultNaCla",
               "ResultKCla"});
        return;
    }
    showNumber("ResultNaClsol1", r.naclRichSolid.asNaCl);
    showNumber("ResultKClsol1", r.naclRichSolid.asKCl);
    showNumber("ResultNaClsol1a", r.naclRichSolid.massNaCl);
    showNumber("ResultKClsol1a", r.naclRichSolid.massKCl);
    showNumber("ResultNaClsol2", r.kclRichSolid.asNaCl);
    showNumber("ResultKClsol2", r.kclRichSolid.asKCl);
    showNumber("ResultNaClsol2a", r.kclRichSolid.massNaCl);
    showNumber("ResultKClsol2a", r.kclRichSolid.massKCl);

    if (!r.liquidFound) {
        setText("ResultNaCl", "out of range");
        clear({"ResultKCl", "ResultNaCla", "ResultKCla"});
        return;
    }
    showNumber("ResultNaCl", r.liquidContent.asNaCl);
    showNumber("ResultKCl", r.liquidContent.asKCl);
    showNumber("ResultNaCla", r.liquidContent.massNaCl);
    showNumber("ResultKCla", r.liquidContent.massKCl);
}

void Cotectic::PushButton1_Action() {
    showUnits();
}

class Cotectic* Cotectic() {
    return ui::implicitInstance<class Cotectic>();
}
