// The calculator window of the halite-sylvite cotectic at a temperature and pressure (equilibrium
// thermodynamics).
#pragma once

#include "calculators/CalculatorWindow.h"

class Cotectic : public calculators::CalculatorWindow {
public:
    Cotectic();

    void dataEntry1_TextChange();
    void dataEntry2_TextChange();
    void calculate1_Action();
    void PushButton1_Action();

private:
    void clearResults();
};

Cotectic* Cotectic();
