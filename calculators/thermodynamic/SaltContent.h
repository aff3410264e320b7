// How the thermodynamic calculators show a composition.
#pragma once

namespace calculators {

// NaCl and KCl as amount-of-substance % and mass % (water counts in the mass
// of a liquid; the water share itself is not shown).
struct SaltContent {
    double asNaCl = 0, asKCl = 0, massNaCl = 0, massKCl = 0;
};

} // namespace calculators
