// The calculator window of the anhydrous NaCl-KCl solvus at a pressure (equilibrium thermodynamics).
#pragma once

#include "calculators/CalculatorWindow.h"

namespace calculators {
struct SolidSolution;
}

class Solvus : public calculators::CalculatorWindow {
public:
    Solvus();

    void dataEntry1_TextChange();
    void dataEntry2_TextChange();
    void calculate_Action();
    void PushButton1_Action();

private:
    void clearResults();
    void showPhase(const calculators::SolidSolution& solid, const char* aNaCl, const char* muNaCl,
                   const char* aKCl, const char* muKCl);
};

Solvus* Solvus();
