#include "Details1.h"

#include "Pictures.h"

namespace {

using enum ui::Kind;

const ui::WindowProperties kWindow{"Details1", "Phase Diagram SLV", 515, 660};

constexpr const char* kNote =
    "Note: yellow dots indicate temperatures on the NaCl-KCl solvus (maximum at 495 \u02daC). White dots are "
    "specific temperatures on cotectic lines. Temperatures are given in \u02daC, and pressures in MPa. The "
    "minimum "
    "of the anhydrous NaCl-KCl binary is 656 \u02daC and 43.2 mass% NaCl.\n"
    "\n"
    "Example:\n"
    "\n"
    "Fluid inclusion with two daughter crystals (halite and sylvite) at room temperature and a vapour "
    "bubble. At "
    "T1 (400 \u02daC) the \"sylvite\" crystal (with 20.35 mass% NaCl) is completely dissolved, whereas the "
    "remaining \"halite\" crystal contains about 91.62 mass% NaCl (anhydrous solvus-ratio at T1, this point "
    "is "
    "revealed in the calculation-window). During further heating both liquid and remaining crystal change "
    "their "
    "compositions. The intersection of the T2 isotherm (600 \u02daC) and the line between the T1-cotectic "
    "and "
    "T1-anhydrous solvus-ratio defines the bulk salinity of this inclusion.";

// clang-format off
const ui::Control kControls[] = {
    // name          kind        text   left top  width height  other
    {"StaticText1",  StaticText, kNote,  20, 440, 475, 187, {.textSize = 11, .multiline = true}},
    {"Canvas1",      Canvas,     nullptr, 20, 20, 472, 404, {.picture = &pictures::phase2}},
};
// clang-format on

} // namespace

Details1::Details1() : ui::Window(kWindow) {
    build(kControls);
}

class Details1* Details1() {
    return ui::implicitInstance<class Details1>();
}
