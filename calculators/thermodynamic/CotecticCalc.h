// The halite-sylvite cotectic at a temperature and pressure with the
// equilibrium-thermodynamics model: the two (Na,K)Cl solids of the anhydrous
// solvus and the aqueous liquid in equilibrium with both.
#pragma once

#include "calculators/SaltContent.h"
#include "calculators/thermodynamic/CotecticLiquidSearch.h"

namespace calculators {

struct CotecticResult {
    bool temperatureOutOfRange = false;       // at or below absolute zero: no phase at all
    bool solvusFound = false;                 // false above the crest of the solvus at that pressure
    double naclRichNaCl = 0, kclRichNaCl = 0; // x(NaCl) of the two solids
    SaltContent naclRichSolid;                // "solid phase 1"
    SaltContent kclRichSolid;                 // "solid phase 2"

    bool liquidFound = false;
    CotecticLiquid liquid;
    SaltContent liquidContent;
};

CotecticResult cotecticAt(double temperatureK, double pressureMPa);

} // namespace calculators
