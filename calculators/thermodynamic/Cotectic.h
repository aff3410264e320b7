// The calculator window of the halite-sylvite cotectic at a temperature and pressure (equilibrium
// thermodynamics).
#pragma once

#include "calculators/CalculatorWindow.h"

class Cotectic : public calculators::CalculatorWindow {
public:
    Cotectic();

    void PushButton1_Action();
};

Cotectic* Cotectic();
