// A composition as the calculator windows show it: NaCl and KCl as
// amount-of-substance % and mass %, converted in this one place.
#pragma once

namespace calculators {

struct SaltContent {
    double asNaCl = 0, asKCl = 0, massNaCl = 0, massKCl = 0;

    bool finite() const;
};

// A liquid: the water counts in its mass ("in addition to H2O"), its own share
// is not shown.
SaltContent liquidContent(double xH2O, double xNaCl, double xKCl);

// An anhydrous (Na,K)Cl solid.
SaltContent solidContent(double xNaCl, double xKCl);

} // namespace calculators
