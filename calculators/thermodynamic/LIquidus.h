// The calculator window of liquidus temperature of halite or sylvite from a salinity and a pressure
// (equilibrium thermodynamics).
#pragma once

#include "calculators/CompositionWindow.h"

class LIquidus : public calculators::CompositionWindow {
public:
    LIquidus();

    void calculate_Action();
    void field3_Action();
    void field4_Action();
    void PushButton1_Action();
    void dataEntry1_TextChange();
    void Mass_Action();
    void Mole_Action();
    void Molality_Action();
    void dataEntry2_TextChange();
    void PushButton2_Action();

private:
    void clearResults() override;
    void showMassAndAmountOfSubstance() override;
    void showSaltPair(const char* naClCell, const char* kClCell, double naCl, double kCl);
    void chooseScale(const char* radio, const char* unit);
    void chooseField(const char* radio, const char* name);
};

LIquidus* LIquidus();
