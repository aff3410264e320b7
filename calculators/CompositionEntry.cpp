#include "calculators/CompositionEntry.h"

#include "Globals.h"

#include <limits>

namespace calculators {

using Globals::ASnumber;
using Globals::MASSnumber;
using Globals::Mnumber;

namespace {

constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();

// Molalities from the mass % held in MASSnumber; undefined without water.
void molalitiesFromMass() {
    if (MASSnumber[0] > 0) {
        Mnumber[1] = MASSnumber[1] * (1000 / MASSnumber[0]) / Globals::kMolarMassNaCl;
        Mnumber[2] = MASSnumber[2] * (1000 / MASSnumber[0]) / Globals::kMolarMassKCl;
    } else {
        Mnumber[1] = Mnumber[2] = kUnknown;
    }
}

void fromMass() {
    MASSnumber[0] = (100 - MASSnumber[1]) - MASSnumber[2];
    const double n = MASSnumber[0] / Globals::kMolarMassH2O + MASSnumber[1] / Globals::kMolarMassNaCl +
                     MASSnumber[2] / Globals::kMolarMassKCl; // moles in 100 g
    if (n > 0) {
        ASnumber[1] = 100 * (MASSnumber[1] / Globals::kMolarMassNaCl) / n;
        ASnumber[2] = 100 * (MASSnumber[2] / Globals::kMolarMassKCl) / n;
        molalitiesFromMass();
    } else {
        ASnumber[1] = ASnumber[2] = kUnknown;
        Mnumber[1] = Mnumber[2] = kUnknown;
    }
}

void fromAmountOfSubstance() {
    ASnumber[0] = (100 - ASnumber[1]) - ASnumber[2];
    const double m = ASnumber[0] * Globals::kMolarMassH2O + ASnumber[1] * Globals::kMolarMassNaCl +
                     ASnumber[2] * Globals::kMolarMassKCl; // grams in 100 mol
    if (m > 0) {
        MASSnumber[1] = (100 * ASnumber[1]) * Globals::kMolarMassNaCl / m;
        MASSnumber[2] = (100 * ASnumber[2]) * Globals::kMolarMassKCl / m;
        MASSnumber[0] = (100 - MASSnumber[1]) - MASSnumber[2];
        molalitiesFromMass();
    } else {
        MASSnumber[0] = MASSnumber[1] = MASSnumber[2] = kUnknown;
        Mnumber[1] = Mnumber[2] = kUnknown;
    }
}

void fromMolality() {
    // 100 x molar mass, written as the products they are in double precision.
    constexpr double kHundredNaCl = 5846.2468;
    constexpr double kHundredKCl = 7457.143000000001;
    const double m = 1000 + Mnumber[1] * Globals::kMolarMassNaCl + Mnumber[2] * Globals::kMolarMassKCl;
    if (m > 0) {
        MASSnumber[1] = kHundredNaCl * Mnumber[1] / m;
        MASSnumber[2] = kHundredKCl * Mnumber[2] / m;
        MASSnumber[0] = (100 - MASSnumber[1]) - MASSnumber[2];
    } else {
        MASSnumber[0] = MASSnumber[1] = MASSnumber[2] = kUnknown;
    }
    const double n = (Mnumber[1] + Mnumber[2]) + Globals::kMolesWaterPerKg;
    if (n > 0) {
        ASnumber[1] = 100 * Mnumber[1] / n;
        ASnumber[2] = 100 * Mnumber[2] / n;
    } else {
        ASnumber[1] = ASnumber[2] = kUnknown;
    }
}

} // namespace

void ConvertComposition(int k, CompositionScale scale, double v) {
    if (k != 1 && k != 2) return;
    switch (scale) {
    case CompositionScale::Mass:
        MASSnumber[k] = v;
        fromMass();
        break;
    case CompositionScale::AmountOfSubstance:
        ASnumber[k] = v;
        fromAmountOfSubstance();
        break;
    case CompositionScale::Molality:
        Mnumber[k] = v;
        fromMolality();
        break;
    }
}

bool MolalityDefined() {
    if (MASSnumber[0] > 0) return true;
    Mnumber[1] = 0;
    Mnumber[2] = 0;
    return false;
}

} // namespace calculators
