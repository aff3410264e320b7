// The calculator window of dissolution temperatures and SLV pressure from a salinity (purely empirical
// model).
#pragma once

#include "calculators/CompositionWindow.h"

class EmpiricalTemperature : public calculators::CompositionWindow {
public:
    EmpiricalTemperature();

    void calculate_Action();
    void field1_Action();
    void field2_Action();
    void field3_Action();
    void field4_Action();
    void dataEntry1_TextChange();
    void Mass_Action();
    void Mole_Action();
    void Molality_Action();
    void dataEntry2_TextChange();
    void PushButton1_Action();
    void PushButton2_Action();

private:
    void chooseSolid(int fieldCode);
    void showMassAndAmountOfSubstance() override;
    void clearResults() override;
    void chooseScale(const char* radio, const char* unit);
};

EmpiricalTemperature* EmpiricalTemperature();
