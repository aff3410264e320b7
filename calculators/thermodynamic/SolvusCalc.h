// The anhydrous NaCl-KCl solvus of the equilibrium-thermodynamics model at a
// temperature and pressure: the two (Na,K)Cl solid solutions that coexist,
// with the activities and chemical potentials of both salts in each. No Qt:
// the Solvus window shows the result.
#pragma once

namespace calculators {

struct SolidSolution {
    double xNaCl = 0, xKCl = 0; // amount-of-substance fractions
    double activityNaCl = 0, activityKCl = 0;
    double potentialNaCl = 0, potentialKCl = 0; // R T ln a, J/mol
};

struct SolvusCalculation {
    // At or below absolute zero: no solid at all, whatever the model's
    // equations give there.
    bool temperatureOutOfRange = false;
    // False above the consolute point of the solid solution (or where the
    // solvus search fails, or the temperature is out of range): the solids
    // are then not computed.
    bool found = false;
    SolidSolution phase1; // the KCl-rich solid
    SolidSolution phase2; // the NaCl-rich solid
};

// Values the model cannot give (the chemical potential of a salt whose
// activity is 0, say) come back as they are, NaN or infinite, for the caller
// to test.
SolvusCalculation thermodynamicSolvus(double temperatureK, double pressureMPa);

} // namespace calculators
