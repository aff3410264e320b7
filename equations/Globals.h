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
// Yield hook. Every pass of every search and scan calls it so that the
// application can keep its windows painted during a long calculation; it is
// told how many passes were made since the last call (1, except where a scan
// passes over a stretch it has no need to compute). The library never
// installs one itself; the default does nothing.
using YieldHook = void (*)(long passes);
void setYieldHook(YieldHook hook);
void yieldToEventLoop();
void yieldToEventLoop(long passes);

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

// ===========================================================================
// Thermodynamic model
//
// Gibbs energy of melting of the pure salts, activity models of the aqueous
// liquid and of the (Na,K)Cl solid solution, and the equilibria built on them,
// at a pressure given by the caller. Activity coefficients are natural
// logarithms. Liquids and solids travel as [x(NaCl), x(KCl)]; a solid of
// [0, 0] stands for the pure solid of the salt whose residual is computed.

using LiquidComposition = std::array<double, 2>;
using SolidComposition = std::array<double, 2>;

// ln gamma of NaCl (saltCode 1) or KCl (2) in the aqueous liquid of the given
// amount-of-substance fractions (water by difference, not checked). 0.0 for
// other codes.
double Activity_Coefficient_Liquid(int saltCode, double xNaCl, double xKCl, double temperatureK,
                                   double pressureMPa);

// Molar Gibbs energy of melting, G(liquid) - G(solid), of pure NaCl (1) or
// KCl (2), J/mol: zero at the melting point at 0.1 MPa, positive below it.
// NaN for other codes.
double dG_melting_pureSalt(int saltCode, double temperatureK, double pressureMPa);

// ln gamma of NaCl (1) or KCl (2) in the solid solution [x1, x2] (not
// normalised). An absent component gives -3e100, so that x exp(ln gamma) is
// exactly 0; other codes give 0.
double Activity_Coefficient_Solid(int saltCode, double x1, double x2, double temperatureK,
                                  double pressureMPa);

// Turning points of the NaCl activity of the solid solution over its whole
// composition range, in increasing order, remaining slots 0: normally the two
// spinodal compositions [e0, e1, 0, 0, 0]; all zero above the consolute point.
std::array<double, 5> Extrema_Activity_Solids(double temperatureK, double pressureMPa);

// The fraction x in (lo, hi) at which the activity of NaCl (saltCode 1, x an
// NaCl fraction) or of KCl (any other code, x a KCl fraction) equals its
// activity at xRef. 1.0 when the search fails.
double Activity_Intercept_Solid(int saltCode, double xRef, double lo, double hi, double temperatureK,
                                double pressureMPa);

// The anhydrous solvus: [x(NaCl) of the KCl-rich solid, x(NaCl) of the
// NaCl-rich solid], with equal activities of both salts in the two solids.
// [0, 0] above the consolute temperature or when the search fails.
std::array<double, 2> Equality_solids(double temperatureK, double pressureMPa);

// For a liquid of water fraction xH2O against the solid [xsNaCl, 1 - xsNaCl]:
// splits the salt of the liquid so that NaCl is in equilibrium and returns
// [KCl residual (J/mol), x(NaCl), x(KCl) of that liquid]. [0, 0, 0] when the
// inner search fails (a converged liquid always has index 1 above 0).
std::array<double, 3> Cotectic_NaCl_sol_liq(double xH2O, double xsNaCl, double temperatureK,
                                            double pressureMPa);

// Liquid-solid residuals, J/mol: G(melting) + RT ln a(liquid) - RT ln a(solid).
// Function1 is that of the main salt of fieldCode (3 NaCl, 4 KCl), Function2
// that of the other salt (or of the main salt against its pure solid when the
// liquid holds none of the other). 0.0 for other codes.
double Function1_Zero_Energy(int fieldCode, const LiquidComposition& liquid, const SolidComposition& solid,
                             double temperatureK, double pressureMPa);
double Function2_Zero_Energy(int fieldCode, const LiquidComposition& liquid, const SolidComposition& solid,
                             double temperatureK, double pressureMPa);

// x(NaCl) of the solid at the turning point of the main-salt residual of
// fieldCode (the spinodal on the main salt's side), scanned from the pure
// main salt. 0.0 (field 3) or 1.0 (field 4) when there is none. Where the
// turning point is so flat that rounding hides it, the scan stops after
// 10,000 passes at the point it has reached (a normal scan needs about 1,010).
double Extrema_liq_sol(int fieldCode, double xNaCl, double xKCl, double temperatureK, double pressureMPa);

// x(NaCl) of the solid between that turning point and the pure main salt that
// is in equilibrium with the liquid for the main salt. 1.0 (field 3) or 0.0
// (field 4) when the search fails; 0.0 for a liquid without NaCl and 1.0 for
// one without KCl.
double Equality_liq_sol(int fieldCode, double xNaCl, double xKCl, double temperatureK, double pressureMPa);

// Liquidus temperature (K) of the liquid against the pure main salt of
// fieldCode; 0.0 when the search fails.
double MinPure_Temp(int fieldCode, double xNaCl, double xKCl, double startK, double pressureMPa);

// Temperature (K) at which the liquid is in equilibrium with the solid at its
// turning-point composition: the highest liquidus the solid solution allows.
// 1100.0 when the search fails.
double Max_Temp(int fieldCode, double xNaCl, double xKCl, double startK, double pressureMPa);

// Liquidus of the liquid in the halite (3) or sylvite (4) field: [T (K),
// x(NaCl), x(KCl) of the coexisting solid]; [0, 0, 0] when there is none. The
// temperature is always a root of the second salt's residual: where the
// secant search stops on something else (a bound, a failed solid), the root
// is sought by bisection of a sign change between the two bracket ends. A
// liquid with only one salt gives its liquidus against the pure main salt,
// [0, 1, 0] or [0, 0, 1] when that search fails or stops on 273.15 K. Note
// that the pressure comes before the start temperature here.
std::array<double, 3> Temperature_Liquidus(int fieldCode, double xNaCl, double xKCl, double pressureMPa,
                                           double startK);

} // namespace Globals
