// The calculator window of salinity from the dissolution temperatures of ice, hydrohalite, halite and sylvite
// (purely empirical model).
#pragma once

#include "calculators/CalculatorWindow.h"

namespace calculators {
struct SalinityPoint;
}

class EmpiricalSalinity : public calculators::CalculatorWindow {
public:
    EmpiricalSalinity();

    void Temp_Ice_TextChange();
    void Temp_Hydrohalite_TextChange();
    void calculate_Action();
    void clarification1_Action();
    void Temp_Halite_TextChange();
    void PushButton1_Action();
    void binaryWH_Action();
    void binaryWS_Action();
    void ternaryWHS_Action();
    void Temp_Sylvite_TextChange();
    void CheckBox_I_Action();
    void CheckBox_HH_Action();
    void CheckBox_H_Action();
    void CheckBox_S_Action();

private:
    void clearResults();
    void chooseSystem(const char* radio);
    void checkBoxChanged(const char* box);
    void warn(const QString& line1, const QString& line2);
    void showPoint(char column, const calculators::SalinityPoint& point);
};

EmpiricalSalinity* EmpiricalSalinity();
