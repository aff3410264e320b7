// The liquid and the two solids along the five lines of the H2O-NaCl-KCl
// liquidus on which a liquid coexists with two solids, with the purely
// empirical model: the four cotectics and the hydrohalite + halite peritectic.
#pragma once

#include "Globals.h"
#include "calculators/empirical/EmpiricalLiquid.h"

namespace calculators {

// Hydrohalite, NaCl·2H2O: one NaCl in three formula units, and its NaCl mass %.
inline constexpr double kHydrohaliteAsPercentNaCl = 100.0 / 3;
inline constexpr double kHydrohaliteMassPercentNaCl =
    100 * Globals::kMolarMassNaCl / (Globals::kMolarMassNaCl + 2 * Globals::kMolarMassH2O);

// An anhydrous (Na,K)Cl solid from the KCl amount-of-substance fraction v, in
// percent on both scales.
struct AnhydrousSolid {
    double asPercentNaCl, asPercentKCl, massPercentNaCl, massPercentKCl;
};
AnhydrousSolid anhydrousSolid(double xKCl);

// What stands in a solid column.
enum class CotecticSolidKind {
    None,
    Ice,
    Hydrohalite,
    Halite,
    Sylvite,
    SolvusLimb,  // the anhydrous solid on one limb of the solvus
    MinimumLine, // at and above the crest of the solvus: one solid solution
    OutOfRange,  // at or below absolute zero: no solid at all
};

struct CotecticSolid {
    CotecticSolidKind kind = CotecticSolidKind::None;
    AnhydrousSolid limb{}; // SolvusLimb only
};

struct EmpiricalCotecticResult {
    bool lineChosen = false; // false: nothing to show
    double temperatureK = 0;
    // False when the liquid cannot be shown: the temperature is at or below
    // absolute zero, the cotectic search failed, the composition is one no
    // liquid has, or the numbers are not finite. It then has no pressure
    // either.
    bool liquidInRange = false;
    EmpiricalLiquid liquid;
    CotecticSolid solid1, solid2;
};

// line: CotecticLine 1 ice + hydrohalite, 2 ice + sylvite, 3 hydrohalite +
// sylvite, 4 hydrohalite + halite, 5 halite + sylvite; 0 for none.
EmpiricalCotecticResult empiricalCotectic(int line, double temperatureC);

} // namespace calculators
