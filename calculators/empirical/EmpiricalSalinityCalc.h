// Salinity of a fluid inclusion from the dissolution temperatures of its
// solids, with the purely empirical model of the SLV surface: in the binary
// systems H2O-NaCl and H2O-KCl from one dissolution temperature, in the
// ternary system H2O-NaCl-KCl from the temperatures of two solids, through the
// cotectic liquid at the lower one and the liquid at final dissolution.
#pragma once

#include "calculators/empirical/EmpiricalLiquid.h"

namespace calculators {

enum class SalinitySystem { None, H2O_NaCl, H2O_KCl, H2O_NaCl_KCl };

// What the user chose, ticked and typed.
struct SalinityInput {
    SalinitySystem system = SalinitySystem::None;
    bool ice = false, hydrohalite = false, halite = false, sylvite = false; // ticked solids
    double iceC = 0, hydrohaliteC = 0, haliteC = 0, sylviteC = 0;           // typed, degC
    bool solvusPresent = false, solvusAbsent = false;
};

// What becomes of the two warning lines.
enum class SalinityWarning {
    Keep,                  // left as they are
    Clear,                 // emptied
    NoSylvite,             // a solid of the other binary system was ticked
    NoHydrohaliteOrHalite, // likewise
    CotecticOutOfRange,    // both temperatures of the pair outside its line's range
    PeritecticOutOfRange,
};

// The fixed invariant points of the binary systems, shown in the first column.
enum class BinaryPoint { None, NaClEutectic, NaClPeritectic, KClEutectic };

// A liquid of the result grid. When `found` is false there is no composition
// to show and no pressure: a search failed, the numbers or the temperature
// are not finite, or the composition is one no liquid has.
struct SalinityPoint {
    double temperatureK = 0;
    bool found = false;
    EmpiricalLiquid liquid;
    bool hasNaCl = true, hasKCl = true; // a binary liquid holds only one salt
};

enum class LastSolid { None, Ice, Hydrohalite, Salt };

struct EmpiricalSalinityResult {
    bool solvusOptionsOff = false; // the binary systems switch both solvus options off
    SalinityWarning warning = SalinityWarning::Keep;
    bool written = false;                      // false: the grid stays as it is
    BinaryPoint reference = BinaryPoint::None; // first column of a binary system
    SalinityPoint cotectic;                    // first column of the ternary system
    SalinityPoint finalDissolution;            // second column
    LastSolid solid = LastSolid::None;         // ternary: the solid that dissolves last
    double solidSaltRatio = 0;                 // its x(NaCl)/(x(NaCl)+x(KCl)) when it is a salt
    bool solidSaltRatioKnown = false;

    // Ternary: what the pair of solids decided.
    int line = 0;  // CotecticLine
    int phase = 0; // FieldCode of the solid that dissolves last
};

EmpiricalSalinityResult empiricalSalinity(const SalinityInput& in);

} // namespace calculators
