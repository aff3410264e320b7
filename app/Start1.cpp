#include "Start1.h"

#include "Start2.h"
#include "calculators/shared/Pictures.h"

namespace {

using enum ui::Kind;

const ui::WindowProperties kWindow{"Start1", "Start", 540, 580};

constexpr const char* kLiterature =
    "Ice melting after Hall, D.L., Sterner, S.M. & Bodnar, R.J. (1988): Freezing point depression of "
    "NaCl-KCl-H2O solutions. Economic Geology 83, 197\u2013202. The other equations are empirical fits "
    "of the SLV surface and a Gibbs-energy model of the liquid and of the (Na,K)Cl solid solution.";

constexpr const char* kModels = "Purely empirical best-fits for the SLV surface (at variable pressures) and "
                                "thermodynamic modelling of the liquidus at constant pressures";

constexpr const char* kCaption = "fluid inclusion in quartz with salt crystal, vapour and liquid";

// clang-format off
const ui::Control kControls[] = {
    // name          kind        text or caption                     left top  width height  other
    {"StaticText1",  StaticText, "Brinolith",                         205, 120, 130,  30,    {.textSize = 24, .align = 1}},
    {"StaticText2",  StaticText, "\u00a9 2026 the authors",           415,   6, 120,  15},
    {"ImageWell1",   ImageWell,  nullptr,                               1,   2, 368,  87,    {.picture = &pictures::Logo10}},
    {"StaticText3",  StaticText, "no web site yet",                   388,  74, 150,  15,    {.font = "arial"}},
    {"Line1",        Line,       nullptr,                               0,  91, 540,  91,    {.borderWidth = 1}},
    {"StaticText4",  StaticText, "Brinolith package, version 0.1",    127, 155, 286,  25,    {.textSize = 18, .align = 1}},
    {"continue1",    PushButton, "continue",                          440, 535,  75,  25,    {.isDefault = true}},
    {"StaticText5",  StaticText, kLiterature,                          20, 290, 463,  79,    {.multiline = true}},
    {"StaticText6",  StaticText, kModels,                              20, 200, 455,  35,    {.multiline = true}},
    {"StaticText7",  StaticText, "Fluid system:",                     155, 255,  80,  20},
    {"Canvas1",      Canvas,     nullptr,                             245, 255, 111,  20,    {.picture = &pictures::components}},
    {"StaticText8",  StaticText, "modification 07/2012",              405,  25, 130,  15},
    {"Canvas2",      Canvas,     nullptr,                             190, 380, 150, 150,    {.picture = &pictures::Nfi1_150}},
    {"StaticText9",  StaticText, kCaption,                            115, 535, 300,  15,    {.textSize = 10, .multiline = true}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(Start1, continue1, Action),
};

} // namespace

Start1::Start1() : ui::Window(kWindow) {
    build(kControls, kBindings);
}

void Start1::continue1_Action() {
    Start2()->Show();
}

class Start1* Start1() {
    return ui::implicitInstance<class Start1>();
}
