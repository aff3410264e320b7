// The liquidus temperature of an H2O-NaCl-KCl liquid of known composition in
// the halite or sylvite field, at a pressure the user types, from the
// equilibrium-thermodynamics model; with the activities of the salts in the
// liquid, the (Na,K)Cl solid that coexists with it and the empirical SLV
// pressure of the same liquid. No Qt: the LIquidus window shows the result.
#pragma once

#include "LiquidusSeed.h"

namespace calculators {

// A salt pair of the conversion table (mass % or amount-of-substance %)
// whose two contents sum to more than 100 (strictly). Such a pair is shown
// as "out of range" and never calculated with.
bool saltsOutOfRange(double naCl, double kCl);

// The seed of the thermodynamic search, shared with every other caller.
using Globals::liquidusStartTemperature;

// The composition as the composition arrays hold it, in percent.
struct SaltContents {
    double massNaCl, massKCl;
    double asNaCl, asKCl; // amount-of-substance %
};

struct LiquidusCalculation {
    enum class Outcome {
        NoComposition, // nothing typed (both salts 0): no result
        OutOfRange,    // a composition that cannot be calculated, or no liquidus found
        Found,
    };
    Outcome outcome = Outcome::NoComposition;
    double startK = 0; // seed of the search, also where the SLV pressure is evaluated
    double temperatureK = 0;
    double activityNaCl = 0, activityKCl = 0; // in the liquid at temperatureK
    double solidNaCl = 0, solidKCl = 0;       // amount-of-substance fractions of the coexisting solid
    double slvPressureMPa = 0;                // empirical, at startK
};

// fieldCode 3 (halite) or 4 (sylvite). The liquid is asNaCl/100, asKCl/100.
// A composition that a table pair marks out of range, with a negative or
// non-finite salt fraction, or that leaves no water, is OutOfRange, as is
// a liquid without the salt of the chosen solid and any other field code. The temperature, activities and
// solid are the model's at the typed pressure; the SLV pressure is the empirical one at the start
// temperature, not at the model's liquidus. Values that the model cannot give come back as they are (NaN,
// infinity) for the caller to test.
LiquidusCalculation liquidusFromSalinity(int fieldCode, const SaltContents& salts, double pressureMPa);

} // namespace calculators
