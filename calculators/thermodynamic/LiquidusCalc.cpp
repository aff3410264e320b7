#include "LiquidusCalc.h"

#include "Globals.h"

#include <cmath>

namespace calculators {

bool saltsOutOfRange(double naCl, double kCl) {
    return naCl + kCl > 100;
}

namespace {

// A liquid the model can be asked about: finite, non-negative salt
// fractions that leave some water.
bool calculable(const SaltContents& s, double xNaCl, double xKCl) {
    if (!std::isfinite(xNaCl) || !std::isfinite(xKCl)) return false;
    if (xNaCl < 0 || xKCl < 0) return false;
    // Salts that make up the whole or more (a table pair "out of range") in
    // either scale leave no water. Both pairs are tested: the conversion can
    // leave a trace of water in one of them by rounding.
    if (!(s.massNaCl + s.massKCl < 100) || !(s.asNaCl + s.asKCl < 100)) return false;
    return (1 - xNaCl) - xKCl > 0;
}

} // namespace

LiquidusCalculation liquidusFromSalinity(int fieldCode, const SaltContents& salts, double pressureMPa) {
    using Outcome = LiquidusCalculation::Outcome;
    LiquidusCalculation r;
    const double xNaCl = salts.asNaCl / 100;
    const double xKCl = salts.asKCl / 100;
    const double P = pressureMPa;

    if ((fieldCode != 3 && fieldCode != 4) || !calculable(salts, xNaCl, xKCl)) {
        r.outcome = Outcome::OutOfRange;
        return r;
    }
    if (!(xNaCl > 0 || xKCl > 0)) return r; // nothing typed yet
    // Halite cannot be in equilibrium with a liquid without NaCl, nor
    // sylvite with one without KCl, at any temperature. (The model's answer
    // there is the melting point of the pure salt, for its liquid term of
    // the absent salt drops out; any trace of that salt gives no liquidus.)
    if (!((fieldCode == 3 ? xNaCl : xKCl) > 0)) {
        r.outcome = Outcome::OutOfRange;
        return r;
    }

    // The empirical dissolution temperature only seeds the search.
    r.startK = liquidusStartTemperature(Globals::FDP_Mirtox(fieldCode, xNaCl, xKCl));

    const auto liquidus = Globals::Temperature_Liquidus(fieldCode, xNaCl, xKCl, P, r.startK);
    const double T = liquidus[0];
    // The model's bracket searches stop at 273.15 K; a root below it comes
    // only from a failed lower bracket and lies far outside the model (a
    // brine "saturated" at -205 degC), so it is no liquidus either.
    if (!(T >= 273.15) || !std::isfinite(T)) {
        r.outcome = Outcome::OutOfRange;
        return r;
    }
    r.outcome = Outcome::Found;
    r.temperatureK = T;
    r.solidNaCl = liquidus[1];
    r.solidKCl = liquidus[2];
    r.activityNaCl = xNaCl * std::exp(Globals::Activity_Coefficient_Liquid(1, xNaCl, xKCl, T, P));
    r.activityKCl = xKCl * std::exp(Globals::Activity_Coefficient_Liquid(2, xNaCl, xKCl, T, P));

    // The empirical SLV surface knows nothing of the model's temperature: it
    // is evaluated at the empirical one, and above 650 degC from the
    // composition alone.
    const double xH2O = (1 - xNaCl) - xKCl;
    if (r.startK <= 923.15)
        r.slvPressureMPa = Globals::Pressure(fieldCode, xH2O, xNaCl, r.startK);
    else
        r.slvPressureMPa = Globals::Pressure650(fieldCode, xH2O, xNaCl, xKCl);
    return r;
}

} // namespace calculators
