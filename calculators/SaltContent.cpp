#include "calculators/SaltContent.h"

#include "Globals.h"

#include <cmath>

namespace calculators {

using Globals::kMolarMassH2O;
using Globals::kMolarMassKCl;
using Globals::kMolarMassNaCl;

bool SaltContent::finite() const {
    return std::isfinite(asNaCl) && std::isfinite(asKCl) && std::isfinite(massNaCl) && std::isfinite(massKCl);
}

SaltContent liquidContent(double xH2O, double xNaCl, double xKCl) {
    const double mass = xH2O * kMolarMassH2O + xNaCl * kMolarMassNaCl + xKCl * kMolarMassKCl;
    return {100 * xNaCl, 100 * xKCl, 100 * xNaCl * kMolarMassNaCl / mass, 100 * xKCl * kMolarMassKCl / mass};
}

SaltContent solidContent(double xNaCl, double xKCl) {
    return liquidContent(0, xNaCl, xKCl);
}

} // namespace calculators
