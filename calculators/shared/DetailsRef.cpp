#include "DetailsRef.h"

#include "Pictures.h"

namespace {

using enum ui::Kind;

const ui::WindowProperties kWindow{"DetailsRef", "Fields", 440, 418};

constexpr const char* kReferencePoints =
    "Reference points:\n"
    "\n"
    " 1. Eutectic point = 20.36 mass% NaCl, 5.56 mass% KCl (-22.9 \u02daC)\n"
    " 2. Peritectic point = 22.33 mass% NaCl, 7.05 mass% KCl (-2.3 \u02daC)\n"
    " 3. Binary eutectics = 23.16 mass% NaCl, 0 mass% KCl (-21.2 \u02daC)\n"
    "                              = 0 mass% NaCl, 19.62 mass% KCl (-10.7 \u02daC)\n"
    " 4. Binary peritectic = 26.24 mass% NaCl, 0 mass% KCl (+0.1 \u02daC)";

// clang-format off
const ui::Control kControls[] = {
    // name          kind        text               left top  width height  other
    {"StaticText1",  StaticText, kReferencePoints,   20, 290, 400, 110, {.textSize = 12, .multiline = true}},
    {"StaticText2",  StaticText, "Mass fractions",  165, 250, 100,  20, {.textSize = 14, .multiline = true}},
    {"Canvas1",      Canvas,     nullptr,            95,  20, 252, 226, {.picture = &pictures::fields2}},
};
// clang-format on

} // namespace

DetailsRef::DetailsRef() : ui::Window(kWindow) {
    build(kControls);
}

class DetailsRef* DetailsRef() {
    return ui::implicitInstance<class DetailsRef>();
}
