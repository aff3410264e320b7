// Where the thermodynamic liquidus search starts: every caller of
// Temperature_Liquidus seeds it the same way, from the empirical dissolution
// temperature of the same liquid.
#pragma once

namespace Globals {

// The seed (K) from the empirical dissolution temperature (K): below
// 273.15 K (also the 0 of a failed empirical search) it becomes 293.15 K,
// above 1093.15 K it becomes 1073.15 K; both bounds themselves are kept.
inline double liquidusStartTemperature(double empiricalK) {
    // Written as "not at or above" so that a seed that is not a number starts
    // from room temperature as a failed empirical search does.
    if (!(empiricalK >= 273.15)) return 293.15;
    if (empiricalK > 1093.15) return 1073.15;
    return empiricalK;
}

} // namespace Globals
