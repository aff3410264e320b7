#include "DetailsRef.h"

#include "Pictures.h"

#include <QFontMetricsF>

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

// The second line of the binary eutectics continues the first: its thirty
// leading blanks stand for " 3. Binary eutectics ", which a proportional font
// draws wider. Qt widens a run of blanks only once by word spacing, so the
// list is set a little more loosely instead: each character gets some letter
// spacing and each gap between words gives it back, which leaves the gaps as
// they were and moves the "=" below under the one above, whatever the font.
void alignContinuation(QLabel& label) {
    const QStringList lines = label.text().split(QLatin1Char('\n'));
    const QString head = lines.value(4).section(QLatin1Char('='), 0, 0);
    const QString blanks = lines.value(5).section(QLatin1Char('='), 0, 0);
    QFont font = label.font();
    // How far the "=" below falls short of the one above; linear in the spacing.
    auto shortfall = [&](double spacing) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        font.setWordSpacing(-spacing);
        const QFontMetricsF metrics(font);
        return metrics.horizontalAdvance(head) - metrics.horizontalAdvance(blanks);
    };
    const double atNone = shortfall(0), perPixel = atNone - shortfall(1);
    if (!(atNone > 0 && perPixel > 0)) return;
    const double spacing = atNone / perPixel;
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    font.setWordSpacing(-spacing);
    label.setFont(font);
}

} // namespace

DetailsRef::DetailsRef() : ui::Window(kWindow) {
    build(kControls);
    alignContinuation(label("StaticText1"));
}

class DetailsRef* DetailsRef() {
    return ui::implicitInstance<class DetailsRef>();
}
