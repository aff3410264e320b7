// The calculator window of liquidus temperature of halite or sylvite from a salinity and a pressure
// (equilibrium thermodynamics).
#pragma once

#include "calculators/CalculatorWindow.h"

class LIquidus : public calculators::CalculatorWindow {
public:
    LIquidus();

    void PushButton1_Action();
    void PushButton2_Action();
};

LIquidus* LIquidus();
