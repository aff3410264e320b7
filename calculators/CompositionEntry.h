// The one conversion of a typed salt content between mass %, amount-of-
// substance % and molality, through the shared composition arrays of the
// numerical module (water by difference). Both composition-entry windows
// use it, so a composition typed in one is the one the other calculates with.
#pragma once

namespace calculators {

enum class CompositionScale { Mass, AmountOfSubstance, Molality };

// Stores v (the content of salt k: 1 NaCl, 2 KCl) in the array of `scale` and
// converts the composition into the other two. A value that cannot be
// computed (its divisor is not positive: the salts leave no water, or the
// contents are negative) is set to NaN rather than left at the value of an
// earlier keystroke, so that no table cell and no calculation uses a number
// from another composition.
void ConvertComposition(int k, CompositionScale scale, double v);

// No water: the molality is undefined. Sets Mnumber[1] and Mnumber[2] to 0
// and returns false; true when the molalities are meaningful.
bool MolalityDefined();

} // namespace calculators
