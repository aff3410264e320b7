// The calculator window of salinity from the dissolution temperatures of halite and sylvite (equilibrium
// thermodynamics).
#pragma once

#include "calculators/CalculatorWindow.h"

class Salinities : public calculators::CalculatorWindow {
public:
    Salinities();

    void dataEntryP_TextChange();
    void dataEntryTsyl_TextChange();
    void dataEntryThal_TextChange();
    void calculate_Action();
    void clarification1_Action();
    void PushButton1_Action();

private:
    void clearResults();
};

Salinities* Salinities();
