// The anhydrous NaCl-KCl solvus at 0.1 MPa from the empirical fit: the two
// coexisting (Na,K)Cl solids at a temperature. No Qt.
#pragma once

namespace calculators {

// One solid as amount-of-substance ("a.s.") and mass ("w.") fractions.
struct SolvusSolid {
    double asNaCl = 0, asKCl = 0;
    double wNaCl = 0, wKCl = 0;
};

struct SolvusResult {
    // False above the crest and at or below absolute zero ("out of range"),
    // and where the fit gives no number.
    bool inRange = false;
    SolvusSolid phase1; // KCl-rich limb
    SolvusSolid phase2; // NaCl-rich limb
};

// The crest of the solvus, in kelvin.
double solvusCrestK();

SolvusResult empiricalSolvusAt(double temperatureK);

// The solid whose KCl amount-of-substance fraction is v.
SolvusSolid solvusSolid(double kclAmountFraction);

} // namespace calculators
