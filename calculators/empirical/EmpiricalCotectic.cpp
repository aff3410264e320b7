#include "EmpiricalCotectic.h"

#include "calculators/empirical/EmpiricalCotecticCalc.h"
#include "calculators/shared/Pictures.h"

#include <cmath>

namespace {

using enum ui::Kind;

const ui::WindowProperties kWindow =
    calculators::windowProperties("EmpiricalCotectic", "Cotectics H2O-NaCl-KCl System", 680, 665);

// clang-format off
const ui::Control kControls[] = {
    // name              kind         text or caption         left top  width height  other
    {"dataEntry1",       EditField,   "",                       40, 300, 100,  20, {.textSize = 14}},
    {"temp",             StaticText,  "Temperature",            40, 270, 110,  20, {.textSize = 16}},
    {"temp1",            StaticText,  "\u02daCelsius",         150, 300,  70,  20, {.textSize = 16}},
    {"phaseliq",         StaticText,  "liquid",                230, 450,  59,  20, {.textSize = 14, .multiline = true}},
    {"Rectangle1",       Rectangle,   nullptr,                 227, 508, 136,  24},
    {"composition",      StaticText,  "Composition",           120, 450,  90,  20, {.textSize = 14, .multiline = true}},
    {"Rectangle2",       Rectangle,   nullptr,                 227, 478, 136,  24},
    {"Rectangle3",       Rectangle,   nullptr,                 372, 508, 136,  24},
    {"ResultKClsol1",    StaticText,  "",                      380, 510, 120,  20, {.in = "Rectangle3", .textSize = 14}},
    {"Rectangle4",       Rectangle,   nullptr,                 372, 478, 136,  24},
    {"ResultNaClsol1",   StaticText,  "",                      380, 480, 120,  20, {.in = "Rectangle4", .textSize = 14}},
    {"NaCl",             StaticText,  "NaCl",                  180, 480,  40,  20, {.textSize = 14, .multiline = true}},
    {"KCl",              StaticText,  "KCl",                   180, 510,  40,  20, {.textSize = 14, .multiline = true}},
    {"calculate",        PushButton,  "calculate",              38, 341, 100,  30, {.textSize = 18, .isDefault = true}},
    // Single line: the text is as wide as the label, and wrapping would break it in two.
    {"composition1",     StaticText,  "as %",                  120, 480,  30,  20, {.textSize = 14}},
    {"StaticText1",      StaticText,  "as% = amount-of-substance percentage (\"mole\" percentage)",
                                                               355, 535, 300,  12, {.textSize = 10, .multiline = true}},
    {"Comp",             StaticText,  "Purely empirical model", 20,  20, 200,  20, {.textSize = 16, .underline = true, .multiline = true}},
    {"Rectangle5",       Rectangle,   nullptr,                 227, 588, 136,  24},
    {"ResultKCla",       StaticText,  "",                      235, 590, 120,  20, {.in = "Rectangle5", .textSize = 14}},
    {"Rectangle6",       Rectangle,   nullptr,                 227, 558, 136,  24},
    {"ResultNaCla",      StaticText,  "",                      235, 560, 120,  20, {.in = "Rectangle6", .textSize = 14}},
    {"Rectangle7",       Rectangle,   nullptr,                 372, 588, 136,  24},
    {"ResultKClsol1a",   StaticText,  "",                      380, 590, 120,  20, {.in = "Rectangle7", .textSize = 14}},
    {"Rectangle8",       Rectangle,   nullptr,                 372, 558, 136,  24},
    {"ResultNaClsol1a",  StaticText,  "",                      380, 560, 120,  20, {.in = "Rectangle8", .textSize = 14}},
    {"NaCl1",            StaticText,  "NaCl",                  180, 560,  40,  20, {.textSize = 14, .multiline = true}},
    {"KCl1",             StaticText,  "KCl",                   180, 590,  40,  20, {.textSize = 14, .multiline = true}},
    {"composition13",    StaticText,  "mass %",                120, 560,  51,  20, {.textSize = 14, .multiline = true}},
    {"Model",            GroupBox,    "Cotectic Line ",         20,  60, 220, 190, {.textSize = 16, .italic = true}},
    {"IHH",              RadioButton, "Ice + Hydrohalite",      30,  94, 200,  20, {.in = "Model", .textSize = 14}},
    {"ISL",              RadioButton, "Ice + Sylvite",          30, 124, 200,  20, {.in = "Model", .textSize = 14}},
    {"HHH",              RadioButton, "Hydrohalite + Halite",   30, 154, 200,  20, {.in = "Model", .textSize = 14}},
    {"HHS",              RadioButton, "Hydrohalite + Sylvite",  30, 184, 200,  20, {.in = "Model", .textSize = 14}},
    {"HS",               RadioButton, "Halite + Sylvite",       30, 214, 200,  20, {.in = "Model", .textSize = 14}},
    {"Rectangle9",       Rectangle,   nullptr,                 518, 508, 136,  24},
    {"ResultKClsol2",    StaticText,  "",                      526, 510, 120,  20, {.in = "Rectangle9", .textSize = 14}},
    {"Rectangle10",      Rectangle,   nullptr,                 518, 478, 136,  24},
    {"ResultNaClsol2",   StaticText,  "",                      526, 480, 120,  20, {.in = "Rectangle10", .textSize = 14}},
    {"Rectangle11",      Rectangle,   nullptr,                 518, 588, 136,  24},
    {"ResultKClsol2a",   StaticText,  "",                      526, 590, 120,  20, {.in = "Rectangle11", .textSize = 14}},
    {"Rectangle12",      Rectangle,   nullptr,                 518, 558, 136,  24},
    {"ResultNaClsol2a",  StaticText,  "",                      526, 560, 120,  20, {.in = "Rectangle12", .textSize = 14}},
    {"phase2",           StaticText,  "solid phase 2",         520, 448, 134,  20, {.textSize = 14, .multiline = true}},
    {"ResultKCl",        StaticText,  "",                      235, 510, 120,  20, {.in = "Rectangle1", .textSize = 14}},
    {"ResultNaCl",       StaticText,  "",                      235, 480, 120,  20, {.in = "Rectangle2", .textSize = 14}},
    {"temptext",         StaticText,  "Temperature",           120, 415,  95,  20, {.textSize = 14, .multiline = true}},
    {"Rectangle13",      Rectangle,   nullptr,                 227, 413, 116,  24},
    {"ResultKelvin",     StaticText,  "",                      235, 415, 100,  20, {.in = "Rectangle13", .textSize = 14}},
    {"phase1",           StaticText,  "solid phase 1",         375, 448, 111,  20, {.textSize = 14, .multiline = true}},
    {"temptext1",        StaticText,  "Pressure",              415, 415,  65,  20, {.textSize = 14, .multiline = true}},
    {"Rectangle14",      Rectangle,   nullptr,                 486, 413, 116,  24},
    {"ResultPres",       StaticText,  "",                      493, 415, 100,  20, {.in = "Rectangle14", .textSize = 14}},
    {"temptext2",        StaticText,  "K",                     355, 415,  20,  20, {.textSize = 14, .multiline = true}},
    {"temptext21",       StaticText,  "MPa",                   613, 415,  35,  20, {.textSize = 14, .multiline = true}},
    {"Rectangle15",      Rectangle,   nullptr,                 372, 620, 136,  24},
    {"solid1",           StaticText,  "",                      380, 622, 120,  20, {.in = "Rectangle15", .textSize = 14}},
    {"Rectangle16",      Rectangle,   nullptr,                 518, 620, 136,  24},
    {"solid2",           StaticText,  "",                      526, 622, 120,  20, {.in = "Rectangle16", .textSize = 14}},
    {"Canvas1",          Canvas,      nullptr,                 255,  20, 402, 346, {.picture = &pictures::Cotects2}},
    {"PushButton1",      PushButton,  "units",                 585, 370,  60,  20, {.textSize = 10}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(EmpiricalCotectic, dataEntry1, TextChange),
    UI_BIND(EmpiricalCotectic, calculate, Action),
    UI_BIND(EmpiricalCotectic, IHH, Action),
    UI_BIND(EmpiricalCotectic, ISL, Action),
    UI_BIND(EmpiricalCotectic, HHH, Action),
    UI_BIND(EmpiricalCotectic, HHS, Action),
    UI_BIND(EmpiricalCotectic, HS, Action),
    UI_BIND(EmpiricalCotectic, PushButton1, Action),
};

// The radio of each line, in the order they are tested; a later one that is
// on would win.
struct LineChoice {
    const char* radio;
    int line;
};
const LineChoice kLines[] = {{"IHH", 1}, {"ISL", 2}, {"HHS", 3}, {"HHH", 4}, {"HS", 5}};

// What a solid column shows: its name, then NaCl and KCl as %, NaCl and KCl
// mass %. The pure solids are fixed texts; hydrohalite is NaCl·2H2O, whose
// water has no row.
struct SolidTexts {
    calculators::CotecticSolidKind kind;
    const char* name;
    QString texts[4];
};

const SolidTexts& fixedSolid(calculators::CotecticSolidKind kind) {
    using enum calculators::CotecticSolidKind;
    const QString zero = QStringLiteral("0.0");
    const QString hundred = QStringLiteral("100.0");
    // clang-format off
    static const SolidTexts kSolids[] = {
        {Ice,         "ice",         {zero, zero, zero, zero}},
        {Hydrohalite, "hydrohalite", {ui::Str(calculators::kHydrohaliteAsPercentNaCl), zero,
                                      ui::Str(calculators::kHydrohaliteMassPercentNaCl), zero}},
        {Halite,      "halite",      {hundred, zero, hundred, zero}},
        {Sylvite,     "sylvite",     {zero, hundred, zero, hundred}},
    };
    // clang-format on
    for (const SolidTexts& s : kSolids)
        if (s.kind == kind) return s;
    return kSolids[0];
}

QString percentText(double fraction) {
    return ui::Str(100 * fraction);
}

QString numberText(double number) {
    return std::isfinite(number) ? ui::Str(number) : QStringLiteral(" - ");
}

QString name(const char* stem, char column, const char* tail = "") {
    return QString::fromLatin1(stem) + QLatin1Char(column) + QString::fromLatin1(tail);
}

} // namespace

EmpiricalCotectic::EmpiricalCotectic() : CalculatorWindow(kWindow) {
    build(kControls, kBindings);
}

void EmpiricalCotectic::dataEntry1_TextChange() {
    clear({"ResultKelvin", "ResultPres", "ResultNaCl", "ResultKCl", "ResultNaCla", "ResultKCla",
           "ResultNaClsol1", "ResultKClsol1", "ResultNaClsol1a", "ResultKClsol1a", "ResultNaClsol2",
           "ResultKClsol2", "ResultNaClsol2a", "ResultKClsol2a", "solid1", "solid2"});
}

void EmpiricalCotectic::chooseLine() {
    clear({"dataEntry1", "ResultKelvin", "ResultPres", "solid1", "solid2", "ResultNaCl", "ResultKCl",
           "ResultNaCla", "ResultKCla", "ResultNaClsol1", "ResultKClsol1", "ResultNaClsol1a",
           "ResultKClsol1a", "ResultNaClsol2", "ResultKClsol2", "ResultNaClsol2a", "ResultKClsol2a"});
}

void EmpiricalCotectic::IHH_Action() {
    chooseLine();
}

void EmpiricalCotectic::ISL_Action() {
    chooseLine();
}

void EmpiricalCotectic::HHH_Action() {
    chooseLine();
}

void EmpiricalCotectic::HHS_Action() {
    chooseLine();
}

void EmpiricalCotectic::HS_Action() {
    chooseLine();
}

void EmpiricalCotectic::PushButton1_Action() {
    showUnits();
}

void EmpiricalCotectic::showSolid(char column, const calculators::CotecticSolid& solid) {
    using enum calculators::CotecticSolidKind;
    const QString nameLabel = QStringLiteral("solid") + QLatin1Char(column);
    const QString rows[4] = {name("ResultNaClsol", column), name("ResultKClsol", column),
                             name("ResultNaClsol", column, "a"), name("ResultKClsol", column, "a")};
    switch (solid.kind) {
    case None:
        return;
    case MinimumLine:
    case OutOfRange:
        // Above the crest of the solvus the two solids are one solid solution;
        // at or below absolute zero there is none. The name labels stay as
        // the last edit left them (empty).
        setText(rows[0],
                solid.kind == MinimumLine ? QStringLiteral("minimum line") : QStringLiteral("out of range"));
        for (int i = 1; i < 4; ++i)
            setText(rows[i], QString());
        return;
    case SolvusLimb: {
        const calculators::AnhydrousSolid& s = solid.limb;
        setText(nameLabel, QStringLiteral("anh. salt"));
        const double values[4] = {s.asPercentNaCl, s.asPercentKCl, s.massPercentNaCl, s.massPercentKCl};
        for (int i = 0; i < 4; ++i)
            setText(rows[i], numberText(values[i]));
        return;
    }
    case Ice:
    case Hydrohalite:
    case Halite:
    case Sylvite: {
        const SolidTexts& s = fixedSolid(solid.kind);
        setText(nameLabel, QString::fromLatin1(s.name));
        for (int i = 0; i < 4; ++i)
            setText(rows[i], s.texts[i]);
        return;
    }
    }
}

void EmpiricalCotectic::calculate_Action() {
    int line = 0;
    for (const LineChoice& c : kLines)
        if (isOn(c.radio)) line = c.line;

    const calculators::EmpiricalCotecticResult r = calculators::empiricalCotectic(line, value("dataEntry1"));
    if (!r.lineChosen) {
        dataEntry1_TextChange();
        return;
    }

    setText("ResultKelvin", numberText(r.temperatureK));
    const calculators::EmpiricalLiquid& l = r.liquid;
    if (r.liquidInRange) {
        setText("ResultNaCl", percentText(l.xNaCl));
        setText("ResultNaCla", percentText(l.wNaCl));
        setText("ResultKCl", percentText(l.xKCl));
        setText("ResultKCla", percentText(l.wKCl));
        // Pressures up to 1 MPa lie below what the fits resolve.
        const double P = l.pressureMPa;
        setText("ResultPres", std::isfinite(P) && P > 1.0 ? ui::Str(P) : QStringLiteral("< 1.0"));
    } else {
        // No liquid on this line at this temperature, so no pressure either.
        setText("ResultNaCl", QStringLiteral("out of range"));
        setText("ResultKCl", QString());
        setText("ResultNaCla", QStringLiteral("out of range"));
        setText("ResultKCla", QString());
        setText("ResultPres", QString());
    }
    showSolid('1', r.solid1);
    showSolid('2', r.solid2);
}

class EmpiricalCotectic* EmpiricalCotectic() {
    return ui::implicitInstance<class EmpiricalCotectic>();
}
