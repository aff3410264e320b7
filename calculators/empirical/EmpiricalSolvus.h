// The calculator window of the anhydrous NaCl-KCl solvus at 0.1 MPa (purely empirical model).
#pragma once

#include "calculators/CalculatorWindow.h"

namespace calculators {
struct SolvusSolid;
}

class EmpiricalSolvus : public calculators::CalculatorWindow {
public:
    EmpiricalSolvus();

    void Event_Activate();
    void dataEntry1_TextChange();
    void calculate_Action();
    void PushButton1_Action();

private:
    void showSolid(const calculators::SolvusSolid& solid, const char* wNaCl, const char* wKCl,
                   const char* asNaCl, const char* asKCl);
};

EmpiricalSolvus* EmpiricalSolvus();
