#include "EmpiricalSalinity.h"

#include "calculators/empirical/EmpiricalSalinityCalc.h"

#include <cmath>

namespace {

using enum ui::Kind;
using calculators::kRed;

const ui::WindowProperties kWindow =
    calculators::windowProperties("EmpiricalSalinity", "SLV surface H2O-NaCl-KCl", 620, 700);

constexpr const char* kPhases = "DissolvingPhasesGroup";
constexpr const char* kGrid = "GroupBox2";
constexpr const char* kLimits = "GroupBox1";
constexpr const char* kSystem = "GroupBox3";

// clang-format off
const ui::Control kControls[] = {
    // name                    kind         text or caption                  left top  width height  other
    {"DissolvingPhasesGroup",  GroupBox,    "Dissolving Phases",               20, 180, 380, 190, {.textSize = 16, .italic = true}},
    {"Text3c",                 StaticText,  "Dissolution Temperatures",       180, 210, 210,  20, {.in = kPhases, .textSize = 16, .multiline = true}},
    {"Temp_Ice",               EditField,   "",                               180, 245, 100,  20, {.in = kPhases, .textSize = 14}},
    {"textC1",                 StaticText,  "\u02daC",                        285, 245,  30,  20, {.in = kPhases, .textSize = 14}},
    {"Temp_Hydrohalite",       EditField,   "",                               180, 275, 100,  20, {.in = kPhases, .textSize = 14}},
    {"TextC2",                 StaticText,  "\u02daC",                        285, 275,  30,  20, {.in = kPhases, .textSize = 14}},
    {"calculate",              PushButton,  "calculate",                       45, 385, 100,  30, {.textSize = 18, .isDefault = true}},
    {"clarification1",         PushButton,  "phase diagram",                  492, 175, 100,  20, {.textSize = 10}},
    {"GroupBox2",              GroupBox,    "",                                40, 430, 540, 240, {.textSize = 16, .italic = true}},
    {"mole",                   StaticText,  "as %",                            60, 527,  40,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"KCl1",                   StaticText,  "KCl",                            120, 557,  40,  20, {.in = kGrid, .textSize = 16, .multiline = true}},
    {"Text3a",                 StaticText,  "Purely empirical model: salinity calculation from known temperatures",
                                                                               20,  20, 540,  20, {.textSize = 16, .multiline = true}},
    {"Text3i",                 StaticText,  "Pressure",                        60, 497,  79,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"Text3h",                 StaticText,  "Temperature",                     60, 467,  95,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"Temp_Halite",            EditField,   "",                               180, 305, 100,  20, {.in = kPhases, .textSize = 14}},
    {"TextC4",                 StaticText,  "\u02daC",                        285, 305,  30,  20, {.in = kPhases, .textSize = 14}},
    {"GroupBox1",              GroupBox,    "Temperature limits of dissolution", 320, 55, 280, 110, {.textSize = 16, .italic = true}},
    {"limits1",                StaticText,  "",                               330,  85, 260,  20, {.in = kLimits, .textSize = 12, .multiline = true}},
    {"resultT1",               StaticText,  "",                               190, 467, 150,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"resultP1",               StaticText,  "",                               190, 497, 150,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"resultNaCl1",            StaticText,  "",                               190, 527, 150,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"resultKCl1",             StaticText,  "",                               190, 557, 150,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"resultNaCl1a",           StaticText,  "",                               190, 587, 150,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"resultKCl1a",            StaticText,  "",                               190, 617, 150,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"resultT2",               StaticText,  "",                               375, 467, 150,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"resultP2",               StaticText,  "",                               375, 497, 150,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"resultNaCl2",            StaticText,  "",                               375, 527, 150,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"resultKCl2",             StaticText,  "",                               375, 557, 150,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"resultNaCl2a",           StaticText,  "",                               375, 587, 150,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"resultKCl2a",            StaticText,  "",                               375, 617, 150,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"limits2",                StaticText,  "",                               330, 110, 260,  20, {.in = kLimits, .textSize = 12, .multiline = true}},
    {"limits3",                StaticText,  "",                               330, 135, 260,  20, {.in = kLimits, .textSize = 12, .multiline = true}},
    {"cotectic",               StaticText,  "Cotectic/Eutectic",              190, 437, 127,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"Text3h1",                StaticText,  "Final Dissolution",              375, 437, 131,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"NaCl1",                  StaticText,  "NaCl",                           120, 527,  40,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"mass",                   StaticText,  "mass %",                          60, 587,  55,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"KCl2",                   StaticText,  "KCl",                            120, 617,  40,  20, {.in = kGrid, .textSize = 16, .multiline = true}},
    {"NaCl2",                  StaticText,  "NaCl",                           120, 587,  40,  20, {.in = kGrid, .textSize = 14, .multiline = true}},
    {"StaticText1",            StaticText,  "as % = amount-of-substance percentage (\"mole\" percentage)",
                                                                              278, 673, 302,  15, {.textSize = 10, .multiline = true}},
    {"compsalt",               StaticText,  "",                                60, 647, 320,  20, {.in = kGrid, .textSize = 12, .multiline = true}},
    {"ResultSalt",             StaticText,  "",                               380, 647, 190,  20, {.in = kGrid, .textSize = 12, .multiline = true}},
    {"PushButton1",            PushButton,  "units",                          532, 210,  60,  20, {.textSize = 10}},
    {"GroupBox3",              GroupBox,    "System",                          20,  55, 230, 110, {.textSize = 16, .italic = true}},
    {"binaryWH",               RadioButton, "binary H2O-NaCl",                 40,  85, 190,  20, {.in = kSystem, .textSize = 14}},
    {"binaryWS",               RadioButton, "binary H2O-KCl",                  40, 110, 190,  20, {.in = kSystem, .textSize = 14}},
    {"ternaryWHS",             RadioButton, "ternary H2O-NaCl-KCl",            40, 135, 190,  20, {.in = kSystem, .textSize = 14}},
    {"Temp_Sylvite",           EditField,   "",                               180, 335, 100,  20, {.in = kPhases, .textSize = 14}},
    {"TextC3",                 StaticText,  "\u02daC",                        285, 335,  30,  20, {.in = kPhases, .textSize = 14}},
    {"Solvus",                 GroupBox,    "NaCl-KCl solvus",                420, 280, 180,  90, {.textSize = 16, .italic = true}},
    {"Solvus_Present",         RadioButton, "present",                        430, 310, 155,  20, {.in = "Solvus", .textSize = 14}},
    {"Solvus_Absent",          RadioButton, "metastable absent",              430, 340, 155,  20, {.in = "Solvus", .textSize = 14}},
    {"Text3c1",                StaticText,  "In the ternary system:",         420, 250, 180,  20, {.textSize = 16, .multiline = true}},
    {"warning1",               StaticText,  "",                               180, 380, 400,  16, {.textSize = 12, .textColor = kRed}},
    {"warning2",               StaticText,  "",                               180, 400, 400,  16, {.textSize = 12, .textColor = kRed}},
    {"CheckBox_I",             CheckBox,    "Ice",                             40, 245, 120,  20, {.in = kPhases, .textSize = 14}},
    {"CheckBox_HH",            CheckBox,    "Hydrohalite",                     40, 275, 120,  20, {.in = kPhases, .textSize = 14}},
    {"CheckBox_H",             CheckBox,    "Halite",                          40, 305, 120,  20, {.in = kPhases, .textSize = 14}},
    {"CheckBox_S",             CheckBox,    "Sylvite",                         40, 335, 120,  20, {.in = kPhases, .textSize = 14}},
    // For a line: from X1, Y1 to X2, Y2.
    {"Line1",                  Line,        nullptr,                           60, 522, 540, 522, {.in = kGrid}},
    {"Line2",                  Line,        nullptr,                           60, 582, 540, 582, {.in = kGrid}},
    {"Line3",                  Line,        nullptr,                           60, 642, 540, 642, {.in = kGrid}},
};
// clang-format on

const ui::Binding kBindings[] = {
    UI_BIND(EmpiricalSalinity, Temp_Ice, TextChange),
    UI_BIND(EmpiricalSalinity, Temp_Hydrohalite, TextChange),
    UI_BIND(EmpiricalSalinity, calculate, Action),
    UI_BIND(EmpiricalSalinity, clarification1, Action),
    UI_BIND(EmpiricalSalinity, Temp_Halite, TextChange),
    UI_BIND(EmpiricalSalinity, PushButton1, Action),
    UI_BIND(EmpiricalSalinity, binaryWH, Action),
    UI_BIND(EmpiricalSalinity, binaryWS, Action),
    UI_BIND(EmpiricalSalinity, ternaryWHS, Action),
    UI_BIND(EmpiricalSalinity, Temp_Sylvite, TextChange),
    UI_BIND(EmpiricalSalinity, CheckBox_I, Action),
    UI_BIND(EmpiricalSalinity, CheckBox_HH, Action),
    UI_BIND(EmpiricalSalinity, CheckBox_H, Action),
    UI_BIND(EmpiricalSalinity, CheckBox_S, Action),
};

// What each system shows as the limits of its dissolution temperatures.
struct SystemChoice {
    const char* radio;
    bool ternary;
    const char* limits[3];
};

// clang-format off
const SystemChoice kSystems[] = {
    {"binaryWH",   false, {"Ice: from 0.0 to -21.2 \u02daC",
                           "Hydrohalite: from +0.1 to -21.2 \u02daC",
                           "Halite: from +0.1 to 801 \u02daC"}},
    {"binaryWS",   false, {"Ice: from 0.0 to -10.7 \u02daC",
                           "Sylvite: from -10.6 to 770 \u02daC",
                           ""}},
    {"ternaryWHS", true,  {"Cot. Ice-Hydrohalite: from -22.9 to -21.2 \u02daC",
                           "Cot. Ice-Sylvite: from -10.7 to -22.9 \u02daC",
                           "Cot. Halite-Sylvite: from -2.3 to 658 \u02daC"}},
};
// clang-format on

// The warnings of the phase check boxes: which system counts the ticked boxes
// for the one-phase rule, and in which system the box's own solid does not
// occur.
struct BoxRule {
    const char* box;
    const char* countedIn[2];
    const char* excludedIn;
    const char* exclusion;
};

const BoxRule kBoxes[] = {
    {"CheckBox_I", {"binaryWH", "binaryWS"}, nullptr, nullptr},
    {"CheckBox_HH", {"binaryWH", nullptr}, "binaryWS", "Do not select Hydrohalite"},
    {"CheckBox_H", {"binaryWH", nullptr}, "binaryWS", "Do not select Halite"},
    {"CheckBox_S", {"binaryWS", nullptr}, "binaryWH", "Do not select sylvite"},
};

// The fixed invariant points of the binary systems: temperature, pressure,
// NaCl as %, NaCl mass %, KCl as %, KCl mass %.
struct ReferenceTexts {
    calculators::BinaryPoint point;
    const char* texts[6];
};

// clang-format off
const ReferenceTexts kReferences[] = {
    {calculators::BinaryPoint::NaClEutectic,   {"251.95 K",        "low value", "8.56", "23.3", "-",    "-"}},
    {calculators::BinaryPoint::NaClPeritectic, {"273.25 K (per.)", "low value", "9.91", "26.3", "-",    "-"}},
    {calculators::BinaryPoint::KClEutectic,    {"262.55 K",        "low value", "-",    "-",    "5.60", "19.7"}},
};
// clang-format on

constexpr const char* kOutOfRange = "out of range";

QString kelvinText(double temperatureK) {
    return std::isfinite(temperatureK) ? ui::Str(temperatureK) + QStringLiteral(" K") : QStringLiteral(" - ");
}

// Pressures up to 0.1 MPa lie below what the fits resolve.
QString pressureText(double pressureMPa) {
    if (std::isfinite(pressureMPa) && pressureMPa > 0.1) return ui::Str(pressureMPa) + QStringLiteral(" MPa");
    return QStringLiteral("low value");
}

QString percentText(double fraction) {
    return ui::Str(100 * fraction);
}

QString name(const char* stem, char column, const char* tail = "") {
    return QString::fromLatin1(stem) + QLatin1Char(column) + QString::fromLatin1(tail);
}

} // namespace

EmpiricalSalinity::EmpiricalSalinity() : CalculatorWindow(kWindow) {
    build(kControls, kBindings);
}

void EmpiricalSalinity::clearResults() {
    clear({"resultT1", "resultP1", "resultNaCl1", "resultNaCl1a", "resultKCl1", "resultKCl1a", "resultT2",
           "resultP2", "resultNaCl2", "resultNaCl2a", "resultKCl2", "resultKCl2a", "ResultSalt"});
}

void EmpiricalSalinity::Temp_Ice_TextChange() {
    clearResults();
}

void EmpiricalSalinity::Temp_Hydrohalite_TextChange() {
    clearResults();
}

void EmpiricalSalinity::Temp_Halite_TextChange() {
    clearResults();
}

void EmpiricalSalinity::Temp_Sylvite_TextChange() {
    clearResults();
}

void EmpiricalSalinity::clarification1_Action() {
    showSlvPhaseDiagram();
}

void EmpiricalSalinity::PushButton1_Action() {
    showUnits();
}

void EmpiricalSalinity::chooseSystem(const char* radioName) {
    const SystemChoice* choice = nullptr;
    for (const SystemChoice& s : kSystems)
        if (qstrcmp(s.radio, radioName) == 0) choice = &s;

    for (const char* box : {"CheckBox_I", "CheckBox_HH", "CheckBox_H", "CheckBox_S"})
        checkBox(box).setValue(false);
    clear({"warning1", "warning2"});
    radio("Solvus_Present").setValue(choice->ternary);
    radio("Solvus_Absent").setValue(false);
    setText("compsalt", choice->ternary
                            ? QStringLiteral("Composition remaining solid at cotectic temperature:")
                            : QString());
    clear({"Temp_Ice", "Temp_Hydrohalite", "Temp_Halite", "Temp_Sylvite"});
    if (isOn(radioName)) {
        setText("limits1", QString::fromUtf8(choice->limits[0]));
        setText("limits2", QString::fromUtf8(choice->limits[1]));
        setText("limits3", QString::fromUtf8(choice->limits[2]));
    }
}

void EmpiricalSalinity::binaryWH_Action() {
    chooseSystem("binaryWH");
}

void EmpiricalSalinity::binaryWS_Action() {
    chooseSystem("binaryWS");
}

void EmpiricalSalinity::ternaryWHS_Action() {
    chooseSystem("ternaryWHS");
}

void EmpiricalSalinity::warn(const QString& line1, const QString& line2) {
    setText("warning1", line1);
    setText("warning2", line2);
}

void EmpiricalSalinity::checkBoxChanged(const char* box) {
    const BoxRule* rule = nullptr;
    for (const BoxRule& r : kBoxes)
        if (qstrcmp(r.box, box) == 0) rule = &r;

    int ticked = 0;
    for (const char* b : {"CheckBox_I", "CheckBox_HH", "CheckBox_H", "CheckBox_S"})
        if (isOn(b)) ++ticked;

    // The three systems exclude one another, so at most one rule writes.
    const QString warning = QStringLiteral("Warning:");
    bool counted = false;
    for (const char* system : rule->countedIn)
        if (system && isOn(system)) counted = true;
    if (counted) {
        if (ticked > 1)
            warn(warning, QStringLiteral("Select only 1 dissolving phase in the binary system"));
        else
            clear({"warning1", "warning2"});
    }
    if (rule->excludedIn && isOn(rule->excludedIn)) {
        if (isOn(box))
            warn(warning, QString::fromUtf8(rule->exclusion));
        else
            clear({"warning1", "warning2"});
    }
    if (isOn("ternaryWHS")) {
        if (ticked > 2)
            warn(warning, QStringLiteral("Select only 2 dissolving phases in the ternary system"));
        else
            clear({"warning1", "warning2"});
    }
}

void EmpiricalSalinity::CheckBox_I_Action() {
    checkBoxChanged("CheckBox_I");
}

void EmpiricalSalinity::CheckBox_HH_Action() {
    checkBoxChanged("CheckBox_HH");
}

void EmpiricalSalinity::CheckBox_H_Action() {
    checkBoxChanged("CheckBox_H");
}

void EmpiricalSalinity::CheckBox_S_Action() {
    checkBoxChanged("CheckBox_S");
}

void EmpiricalSalinity::showPoint(char column, const calculators::SalinityPoint& point) {
    setText(name("resultT", column), kelvinText(point.temperatureK));
    if (!point.found) {
        // No composition, and no pressure for a composition that is not there.
        setText(name("resultNaCl", column), QString::fromLatin1(kOutOfRange));
        for (const char* stem : {"resultP", "resultKCl"})
            setText(name(stem, column), QString());
        for (const char* stem : {"resultNaCl", "resultKCl"})
            setText(name(stem, column, "a"), QString());
        return;
    }
    const calculators::EmpiricalLiquid& l = point.liquid;
    const QString absent = QStringLiteral("-");
    setText(name("resultP", column), pressureText(l.pressureMPa));
    setText(name("resultNaCl", column), point.hasNaCl ? percentText(l.xNaCl) : absent);
    setText(name("resultNaCl", column, "a"), point.hasNaCl ? percentText(l.wNaCl) : absent);
    setText(name("resultKCl", column), point.hasKCl ? percentText(l.xKCl) : absent);
    setText(name("resultKCl", column, "a"), point.hasKCl ? percentText(l.wKCl) : absent);
}

void EmpiricalSalinity::calculate_Action() {
    using calculators::SalinitySystem;
    calculators::SalinityInput in;
    in.iceC = value("Temp_Ice");
    in.hydrohaliteC = value("Temp_Hydrohalite");
    in.haliteC = value("Temp_Halite");
    in.sylviteC = value("Temp_Sylvite");
    if (isOn("binaryWH")) in.system = SalinitySystem::H2O_NaCl;
    if (isOn("binaryWS")) in.system = SalinitySystem::H2O_KCl;
    if (isOn("ternaryWHS")) in.system = SalinitySystem::H2O_NaCl_KCl;
    in.ice = isOn("CheckBox_I");
    in.hydrohalite = isOn("CheckBox_HH");
    in.halite = isOn("CheckBox_H");
    in.sylvite = isOn("CheckBox_S");
    in.solvusPresent = isOn("Solvus_Present");
    in.solvusAbsent = isOn("Solvus_Absent");

    const calculators::EmpiricalSalinityResult r = calculators::empiricalSalinity(in);

    if (r.solvusOptionsOff) {
        radio("Solvus_Present").setValue(false);
        radio("Solvus_Absent").setValue(false);
    }
    using enum calculators::SalinityWarning;
    switch (r.warning) {
    case Keep:
        break;
    case Clear:
        clear({"warning1", "warning2"});
        break;
    case NoSylvite:
        warn(QStringLiteral("Warning:"), QStringLiteral("Do not include Sylvite"));
        break;
    case NoHydrohaliteOrHalite:
        warn(QStringLiteral("Warning:"), QStringLiteral("Do not include Hydrohalite or Halite"));
        break;
    case CotecticOutOfRange:
        warn(QStringLiteral("error:"), QStringLiteral("cotectic temperature out of range"));
        break;
    case PeritecticOutOfRange:
        warn(QStringLiteral("error:"), QStringLiteral("peritectic temperature out of range"));
        break;
    }
    if (!r.written) return;

    if (r.reference != calculators::BinaryPoint::None) {
        for (const ReferenceTexts& ref : kReferences) {
            if (ref.point != r.reference) continue;
            const char* labels[6] = {"resultT1",     "resultP1",   "resultNaCl1",
                                     "resultNaCl1a", "resultKCl1", "resultKCl1a"};
            for (int i = 0; i < 6; ++i)
                setText(labels[i], QString::fromLatin1(ref.texts[i]));
        }
    } else {
        showPoint('1', r.cotectic);
    }
    showPoint('2', r.finalDissolution);

    using enum calculators::LastSolid;
    switch (r.solid) {
    case None:
        break;
    case Ice:
        setText("ResultSalt", QStringLiteral("ice (H2O)"));
        break;
    case Hydrohalite:
        setText("ResultSalt", QStringLiteral("hydrohalite (NaCl\u00b72H2O)"));
        break;
    case Salt:
        setText("ResultSalt",
                QStringLiteral("salt, x(NaCl) = ") +
                    (r.solidSaltRatioKnown ? ui::Str(r.solidSaltRatio) : QString::fromLatin1(kOutOfRange)));
        break;
    }
}

class EmpiricalSalinity* EmpiricalSalinity() {
    return ui::implicitInstance<class EmpiricalSalinity>();
}
