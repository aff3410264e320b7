// The calculator window of liquid and solids along the five cotectic lines (purely empirical model).
#pragma once

#include "calculators/CalculatorWindow.h"

namespace calculators {
struct CotecticSolid;
}

class EmpiricalCotectic : public calculators::CalculatorWindow {
public:
    EmpiricalCotectic();

    void dataEntry1_TextChange();
    void calculate_Action();
    void IHH_Action();
    void ISL_Action();
    void HHH_Action();
    void HHS_Action();
    void HS_Action();
    void PushButton1_Action();

private:
    void chooseLine();
    void showSolid(char column, const calculators::CotecticSolid& solid);
};

EmpiricalCotectic* EmpiricalCotectic();
