#include "calculators/empirical/EmpiricalLiquid.h"

#include "calculators/SaltContent.h"

#include "Globals.h"

#include <cmath>
#include <limits>

namespace calculators {

bool EmpiricalLiquid::finite() const {
    return std::isfinite(xH2O) && std::isfinite(xNaCl) && std::isfinite(xKCl) && std::isfinite(wNaCl) &&
           std::isfinite(wKCl);
}

bool EmpiricalLiquid::impossible() const {
    constexpr double kRounding = 4 * std::numeric_limits<double>::epsilon();
    return xNaCl + xKCl > 1.0 || xNaCl < -kRounding || xKCl < -kRounding;
}

double slvPressure(int fieldCode, double xH2O, double xNaCl, double xKCl, double temperatureK) {
    const bool salt = fieldCode == 3 || fieldCode == 4;
    if (temperatureK > 923.15 && salt) return Globals::Pressure650(fieldCode, xH2O, xNaCl, xKCl);
    return Globals::Pressure(fieldCode, xH2O, xNaCl, temperatureK);
}

EmpiricalLiquid empiricalLiquid(int fieldCode, double temperatureK, double saltRatio) {
    EmpiricalLiquid l;
    const double R = saltRatio;
    l.xH2O = Globals::Molefraction_H2O(fieldCode, temperatureK, R);
    l.xNaCl = R * (1 - l.xH2O);
    l.xKCl = (1 - R) * (1 - l.xH2O);
    const SaltContent c = liquidContent(l.xH2O, l.xNaCl, l.xKCl);
    l.wNaCl = c.massNaCl / 100;
    l.wKCl = c.massKCl / 100;
    l.pressureMPa = slvPressure(fieldCode, l.xH2O, l.xNaCl, l.xKCl, temperatureK);
    return l;
}

bool ratioFound(double saltRatio) {
    return saltRatio != 0.0 && !std::isnan(saltRatio);
}

} // namespace calculators
