// The calculator window of salinity from the dissolution temperatures of ice, hydrohalite, halite and sylvite
// (purely empirical model).
#pragma once

#include "calculators/CalculatorWindow.h"

class EmpiricalSalinity : public calculators::CalculatorWindow {
public:
    EmpiricalSalinity();

    void clarification1_Action();
    void PushButton1_Action();
};

EmpiricalSalinity* EmpiricalSalinity();
