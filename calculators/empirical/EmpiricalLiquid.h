// A liquid on the SLV surface of the purely empirical model: the composition
// of the liquid saturated with one solid at a temperature and salt ratio, its
// mass fractions and its SLV pressure. The salinity and cotectic windows both
// show such liquids.
#pragma once

namespace calculators {

struct EmpiricalLiquid {
    double xH2O = 0, xNaCl = 0, xKCl = 0; // amount-of-substance fractions
    double wNaCl = 0, wKCl = 0;           // mass fractions, water included
    double pressureMPa = 0;

    // Every fraction is a number (a liquid from a temperature typed as
    // "1e999" is not).
    bool finite() const;
    // A composition no liquid has, where a fit is taken past its range: salts
    // that add up to more than the whole liquid (a negative water fraction,
    // past the melting of the salts), or a salt below nothing (a water
    // fraction above 1, ice or a salt dissolving above its melting point).
    // The fractions may land a few units in the last place below 0 by
    // rounding alone.
    bool impossible() const;
};

// SLV pressure of a liquid saturated with the solid of fieldCode: the fit up
// to 923.15 K, the composition relation above. Ice and hydrohalite have no
// SLV pressure of note: the fit answers its floor of 0.1 MPa for them at
// every temperature (the composition relation has no case for them).
double slvPressure(int fieldCode, double xH2O, double xNaCl, double xKCl, double temperatureK);

// The liquid of salt ratio x(NaCl)/(x(NaCl) + x(KCl)) saturated with the solid
// of fieldCode (1 ice, 2 hydrohalite, 3 halite, 4 sylvite) at temperatureK.
EmpiricalLiquid empiricalLiquid(int fieldCode, double temperatureK, double saltRatio);

// Whether a salt ratio came out of a converged search: the cotectic and
// final-ratio searches answer 0.0 when they fail, and an unknown line gives
// a value that is not a number.
bool ratioFound(double saltRatio);

} // namespace calculators
