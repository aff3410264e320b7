// The calculator window of dissolution temperatures and SLV pressure from a salinity (purely empirical
// model).
#pragma once

#include "calculators/CalculatorWindow.h"

class EmpiricalTemperature : public calculators::CalculatorWindow {
public:
    EmpiricalTemperature();

    void PushButton1_Action();
    void PushButton2_Action();
};

EmpiricalTemperature* EmpiricalTemperature();
