#include "Globals.h"
#include "ThermoModel.h"

#include <cmath>

namespace Globals {

using thermo::kR;

double Activity_Coefficient_Liquid(int saltCode, double xNaCl, double xKCl, double temperatureK,
                                   double pressureMPa) {
    if (saltCode != 1 && saltCode != 2) return 0.0;
    return thermo::LiquidModel(temperatureK, pressureMPa).lnGamma(saltCode, xNaCl, xKCl);
}

double dG_melting_pureSalt(int saltCode, double temperatureK, double pressureMPa) {
    return thermo::meltingGibbs(saltCode, temperatureK, pressureMPa);
}

double Activity_Coefficient_Solid(int saltCode, double x1, double x2, double temperatureK,
                                  double pressureMPa) {
    if (saltCode != 1 && saltCode != 2) return 0.0;
    return thermo::SolidModel(temperatureK, pressureMPa).lnGamma(saltCode, x1, x2);
}

double Function1_Zero_Energy(int fieldCode, const LiquidComposition& liquid, const SolidComposition& solid,
                             double temperatureK, double pressureMPa) {
    if (fieldCode != 3 && fieldCode != 4) return 0.0;
    const thermo::MainSaltResidual F(fieldCode, liquid[0], liquid[1], temperatureK, pressureMPa);
    return F(solid[0], solid[1]);
}

double Function2_Zero_Energy(int fieldCode, const LiquidComposition& liquid, const SolidComposition& solid,
                             double temperatureK, double pressureMPa) {
    if (fieldCode != 3 && fieldCode != 4) return 0.0;
    const double T = temperatureK, P = pressureMPa;
    // The other salt of the field; a liquid without it gives the main salt's
    // residual against its pure solid instead.
    int salt;
    bool withSolid = true;
    if (fieldCode == 3) {
        salt = liquid[1] == 0 ? 1 : 2;
        withSolid = liquid[1] != 0;
    } else {
        salt = liquid[0] == 0 ? 2 : 1;
        withSolid = liquid[0] != 0;
    }
    const int k = salt - 1;
    const double RT = kR * T;
    const thermo::LiquidModel liquidModel(T, P);
    const double L = RT * (std::log(liquid[k]) + liquidModel.lnGamma(salt, liquid[0], liquid[1]));
    double S = 0;
    if (withSolid && solid[k] > 0)
        S = RT * (std::log(solid[k]) + thermo::SolidModel(T, P).lnGamma(salt, solid[0], solid[1]));
    return (thermo::meltingGibbs(salt, T, P) + L) - S;
}

} // namespace Globals
