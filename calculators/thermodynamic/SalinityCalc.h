// Salinity of an H2O-NaCl-KCl inclusion from the temperatures at which its
// halite and sylvite dissolve, with the equilibrium-thermodynamics model.
//
// The lower temperature is the cotectic one: there the first salt vanishes
// and the liquid lies on the halite-sylvite cotectic, in equilibrium with the
// solid solution of the other salt (taken from the solvus). The bulk
// composition lies on the straight line from that anhydrous solid to the
// cotectic liquid, where the liquidus of the last salt is the higher
// temperature. Three stages, each feeding the next: the solid, the cotectic
// liquid, the bulk liquid at final dissolution with its solid.
#pragma once

#include "calculators/SaltContent.h"
#include "calculators/thermodynamic/CotecticLiquidSearch.h"

#include <array>
#include <functional>

namespace calculators {

// The functions of the thermodynamic model the calculation uses, replaceable
// so that the searches can be tried on residuals of known shape.
struct SalinityModel {
    std::function<std::array<double, 2>(double temperatureK, double pressureMPa)> solvus;
    std::function<CotecticInnerResult(double xH2O, double solidNaCl, double temperatureK, double pressureMPa)>
        cotecticInner;
    std::function<double(int field, double xNaCl, double xKCl)> liquidusSeed;
    std::function<std::array<double, 3>(int field, double xNaCl, double xKCl, double pressureMPa,
                                        double startK)>
        liquidus;
    // The highest liquidus the solid solution allows the liquid (K), 1100
    // when there is no turning point to find.
    std::function<double(int field, double xNaCl, double xKCl, double startK, double pressureMPa)>
        highestLiquidus;

    static SalinityModel thermodynamic(); // the Globals functions
};

struct SalinityResult {
    double cotecticK = 0, finalK = 0; // the typed temperatures, lower and higher
    int field = 3;                    // the salt dissolving last: 3 halite, 4 sylvite

    bool solidFound = false; // stage A: the solid at the cotectic
    double solidNaCl = 0;    // its x(NaCl)
    SaltContent cotecticSolid;

    bool liquidFound = false; // stage B: the cotectic liquid
    CotecticLiquid cotectic;
    SaltContent cotecticLiquid;

    bool bulkFound = false;                        // stage C: the liquid at final dissolution
    double bulkH2O = 0, bulkNaCl = 0, bulkKCl = 0; // fractions
    double liquidusK = 0;                          // liquidus of the bulk liquid, = finalK
    double s = 0;                                  // where it lies between solid (0) and cotectic liquid (1)
    SaltContent bulk;
    SaltContent finalSolid;
};

// From the pressure (MPa) and the dissolution temperatures (K) of halite and
// sylvite. A stage that fails leaves the later ones not found.
SalinityResult salinityFromDissolution(double pressureMPa, double haliteK, double sylviteK,
                                       const SalinityModel& model = SalinityModel::thermodynamic());

// Melting temperature (K) of the anhydrous (Na,K)Cl solid of KCl fraction k at
// pressureMPa.
double anhydrousMeltingK(double k, double pressureMPa);

} // namespace calculators
