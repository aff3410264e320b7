// The calculator window of the anhydrous NaCl-KCl solvus at a pressure (equilibrium thermodynamics).
#pragma once

#include "calculators/CalculatorWindow.h"

class Solvus : public calculators::CalculatorWindow {
public:
    Solvus();

    void PushButton1_Action();
};

Solvus* Solvus();
