#include "DetailsThermo.h"

#include "Pictures.h"

namespace {

using enum ui::Kind;

const ui::WindowProperties kWindow{"DetailsThermo", "Liquidus Surface", 400, 510};

constexpr const char* kLegend = "Isotherms (400, 500, 600 and 700 \u02daC) at the liquidus surface\n"
                                "at selected pressures (50 and 200 MPa).\n"
                                "\n"
                                " c : cotectic line\n"
                                "\n"
                                " ec: end points of the cotectic line\n"
                                "\n"
                                "       50 MPa: 498.26 \u02daC, x(NaCl) = 0.2838, x(KCl) = 0.3252\n"
                                "       200 MPa: 515.38 \u02daC, x(NaCl) = 0.2664, x(KCl) = 0.3269\n"
                                "\n"
                                " m: minimum line\n"
                                "\n";

// clang-format off
const ui::Control kControls[] = {
    // name          kind        text     left top  width height  other
    {"StaticText1",  StaticText, kLegend,  20, 320, 360, 170, {.textSize = 12, .multiline = true}},
    {"Canvas1",      Canvas,     nullptr,  40,  20, 315, 280, {.picture = &pictures::thermos2}},
};
// clang-format on

} // namespace

DetailsThermo::DetailsThermo() : ui::Window(kWindow) {
    build(kControls);
}

class DetailsThermo* DetailsThermo() {
    return ui::implicitInstance<class DetailsThermo>();
}
