// The numerical module of Brinolith: every equation of the empirical and of the
// thermodynamic model of H2O-NaCl-KCl, evaluated from plain numbers.
//
// Units: temperatures in kelvin, pressures in MPa, compositions as
// amount-of-substance fractions unless a function says otherwise (the
// ice-melting pair works in mass %). Integer codes are passed as plain ints:
//   FieldCode     1 ice, 2 hydrohalite, 3 halite (NaCl-rich solid), 4 sylvite (KCl-rich solid)
//   SaltCode      1 NaCl, 2 KCl
//   CotecticLine  1 ice+hydrohalite, 2 ice+sylvite, 3 hydrohalite+sylvite,
//                 4 hydrohalite+halite (peritectic), 5 halite+sylvite
//
// No function throws or reports an error. A search that finds nothing returns
// a fixed failure value (0.0, 273.15, 1.0, 1100.0 or an all-zero array, as
// documented at each function); callers test for exactly these values.
// NaN and infinity propagate as IEEE arithmetic makes them: the library must
// never be built with -ffast-math or -ffinite-math-only.
#pragma once

#include <array>

namespace Globals {

// Molar masses in g/mol and the amount of water in one kilogram.
inline constexpr double kMolarMassH2O = 18.01528;
inline constexpr double kMolarMassNaCl = 58.462468;
inline constexpr double kMolarMassKCl = 74.57143;
inline constexpr double kMolesWaterPerKg = 55.508435061791985;
inline constexpr double kGasConstant = 8.31451; // J/(mol K)

// ---------------------------------------------------------------------------
// Shared composition. Index 0 H2O, 1 NaCl, 2 KCl; index 3 (and index 0 of
// Mnumber) is never used. All zero at start. The composition last typed in
// either composition-entry window lives here, so both windows calculate with
// it; the solvus and cotectic windows leave solid or liquid fractions at
// indexes 0 and 1.
extern double MASSnumber[4]; // mass %
extern double ASnumber[4];   // amount-of-substance %
extern double Mnumber[4];    // mol per kg H2O

// ---------------------------------------------------------------------------
// Yield hook. Every pass of every search and scan calls it once so that the
// application can keep its windows painted during a long calculation. The
// library never installs one itself; the default does nothing.
using YieldHook = void (*)();
void setYieldHook(YieldHook hook);
void yieldToEventLoop();

// ---------------------------------------------------------------------------
// Cubic solver: roots of x^3 + a x^2 + b x + c = 0.
// Row 0 holds the real parts, row 1 the imaginary parts; a root is real when
// its imaginary part is exactly 0. All zero when the reduced cubic has p*q = 0
// (nothing is computed then; the ice-melting inverse relies on that).
using CubicRoots = std::array<std::array<double, 3>, 2>;
CubicRoots CubicEquation(double a, double b, double c);

// ---------------------------------------------------------------------------
// Empirical model of the SLV surface.

// Final melting temperature of ice (K) from mass % NaCl and KCl;
// 273.15 when the total salt content is not positive.
double FDP_Hall87(double massPercentNaCl, double massPercentKCl);

// Inverse of FDP_Hall87: total salt content in mass % from the ice-melting
// temperature (K) and the NaCl mass share X of the salt. 0 outside
// T > 0, 0 <= X <= 1.
double Mass_Hall87(double temperatureK, double naclMassShare);

// x(H2O) of the liquid saturated with the solid of fieldCode (1 to 4) at
// temperatureK and SaltRatio x(NaCl)/(x(NaCl)+x(KCl)); 0.0 for other codes.
double Molefraction_H2O(int fieldCode, double temperatureK, double saltRatio);

// Dissolution temperature (K) of hydrohalite, halite or sylvite (fieldCode
// 2, 3, 4) in a liquid of the given amount-of-substance fractions.
// 273.15 when the fractions leave no water; 0.0 when the search fails.
double FDP_Mirtox(int fieldCode, double xNaCl, double xKCl);

// SaltRatio of the liquid on a cotectic line at temperatureK; 0.0 when the
// search fails. A code outside 1 to 5 gives NaN.
double Cotectic_Exact(int cotecticLine, double temperatureK);

// SaltRatio of the point of the segment from (r1, xw1) to (r2, xw2) that lies
// on the liquidus of fieldCode at temperatureK; each point is a SaltRatio and
// an x(H2O). 0.0 when the search fails or the code is outside 1 to 4.
double FinalRatio(int fieldCode, double temperatureK, double r1, double xw1, double r2, double xw2);

// Crest of the empirical solvus: selector 0 gives its temperature (K),
// selector 1 its composition as a KCl mass fraction, anything else 0.
double MaxSolvus(int selector);

// Amount-of-substance fraction of KCl in the solid of the NaCl-rich (3) or
// KCl-rich (4) solvus limb at temperatureK. 0 above the crest and for other
// codes.
double RatioSolvus(int fieldCode, double temperatureK);

// SLV pressure (MPa) of a liquid saturated with halite (3) or sylvite (4):
// 0.1 at and below 453.15 K and for other codes.
double Pressure(int fieldCode, double xH2O, double xNaCl, double temperatureK);

// SLV pressure (MPa) above 923.15 K, from a composition-pressure relation
// without temperature; 0.0 when the search fails, NaN for codes other than
// 3 and 4.
double Pressure650(int fieldCode, double xH2O, double xNaCl, double xKCl);

} // namespace Globals
