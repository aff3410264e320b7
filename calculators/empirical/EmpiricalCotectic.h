// The calculator window of liquid and solids along the five cotectic lines (purely empirical model).
#pragma once

#include "calculators/CalculatorWindow.h"

class EmpiricalCotectic : public calculators::CalculatorWindow {
public:
    EmpiricalCotectic();

    void PushButton1_Action();
};

EmpiricalCotectic* EmpiricalCotectic();
