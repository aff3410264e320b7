// Curves of the empirical SLV surface for the phase diagrams: cotectic lines,
// liquidus isotherms and the anhydrous solvus, as compositions that a picture
// can place in mass or amount-of-substance coordinates. No Qt here.
#pragma once

#include <optional>
#include <vector>

namespace pictures::geometry {

// A composition with both sets of fractions; water (or, for an anhydrous
// solid, nothing) makes up the rest.
struct Composition {
    double xNaCl, xKCl; // amount-of-substance fractions
    double wNaCl, wKCl; // mass fractions
};

// A liquid of SaltRatio x(NaCl)/(x(NaCl)+x(KCl)) and water fraction xWater.
Composition liquid(double saltRatio, double xWater);
// An anhydrous (Na,K)Cl solid with the amount-of-substance fraction xKCl.
Composition anhydrousSolid(double xKCl);

// The invariant points of the system as the diagram windows list them (˚C).
inline constexpr double kEutecticC = -22.9;           // ice + hydrohalite + sylvite
inline constexpr double kPeritecticC = -2.3;          // hydrohalite + halite + sylvite
inline constexpr double kBinaryEutecticNaClC = -21.2; // ice + hydrohalite, no KCl
inline constexpr double kBinaryEutecticKClC = -10.7;  // ice + sylvite, no NaCl
inline constexpr double kBinaryPeritecticC = 0.1;     // hydrohalite + halite, no KCl
inline constexpr double kAnhydrousMinimumC = 656;     // end of the halite + sylvite line

double solvusCrestC();

// The liquid on cotectic line 1 to 5 at tC: the ratio of the line and the
// water of the liquidus that the empirical cotectic window uses for it.
Composition cotecticLiquid(int line, double tC);

// The line sampled from fromC to toC; points whose water fraction lies
// outside [0, 1] are left out, and the line ends on the anhydrous edge where
// it reaches it.
std::vector<Composition> cotecticLine(int line, double fromC, double toC);
// Lines 1 to 4 over their whole temperature range.
std::vector<Composition> lowTemperatureLine(int line);

// The part of a line before it first leaves the box of mass fractions
// [0, maxNaCl] x [0, maxKCl], ending on the box's edge.
std::vector<Composition> clippedToMass(const std::vector<Composition>& line, double maxNaCl, double maxKCl);

// The liquidus isotherm at tC in two branches: [0] on the halite surface from
// the H2O-NaCl edge, [1] on the sylvite surface from the H2O-KCl edge, each up
// to the halite + sylvite line (or to the anhydrous edge above its end).
std::vector<std::vector<Composition>> isotherm(double tC);

// The liquidus of the equilibrium-thermodynamics model (˚C) of the liquid of
// SaltRatio x(NaCl)/(x(NaCl)+x(KCl)) and salt fraction 1 - x(H2O): the
// higher of its halite and sylvite liquidus, each asked of
// Temperature_Liquidus as the liquidus window asks it; NaN where the model
// gives neither.
double modelLiquidusC(double saltRatio, double salt, double pressureMPa);

// The model's liquidus isotherms at one pressure, traced along rays of
// constant SaltRatio from the H2O-NaCl edge to the H2O-KCl edge. An isotherm
// comes in runs: it breaks where it leaves the liquid's field, as the
// hottest ones do where they meet the anhydrous edge.
struct ModelIsotherm {
    double tC;
    std::vector<std::vector<Composition>> runs;
};
std::vector<ModelIsotherm> modelIsotherms(double pressureMPa, const std::vector<double>& temperaturesC);

// The anhydrous solid on limb 3 (NaCl-rich) or 4 (KCl-rich) of the solvus.
Composition solvusSolid(int limb, double tC);
Composition solvusCrestSolid();

// The worked example of the SLV phase diagram: at t1C the liquid on the
// halite + sylvite line and the two solids of the solvus; the liquid of the
// whole inclusion is where the line from that liquid to the halite crosses
// the halite isotherm of t2C.
struct Example {
    Composition cotectic, halite, sylvite;
    std::optional<Composition> bulk;
};
Example workedExample(double t1C, double t2C);

} // namespace pictures::geometry
