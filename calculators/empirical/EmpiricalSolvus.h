// The calculator window of the anhydrous NaCl-KCl solvus at 0.1 MPa (purely empirical model).
#pragma once

#include "calculators/CalculatorWindow.h"

class EmpiricalSolvus : public calculators::CalculatorWindow {
public:
    EmpiricalSolvus();

    void PushButton1_Action();
};

EmpiricalSolvus* EmpiricalSolvus();
