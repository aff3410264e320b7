#include "Windows.h"

#include "app/Start1.h"
#include "app/Start2.h"
#include "calculators/empirical/EmpiricalCotectic.h"
#include "calculators/empirical/EmpiricalSalinity.h"
#include "calculators/empirical/EmpiricalSolvus.h"
#include "calculators/empirical/EmpiricalTemperature.h"
#include "calculators/shared/Details1.h"
#include "calculators/shared/DetailsRef.h"
#include "calculators/shared/DetailsThermo.h"
#include "calculators/shared/Units.h"
#include "calculators/thermodynamic/Cotectic.h"
#include "calculators/thermodynamic/LIquidus.h"
#include "calculators/thermodynamic/Salinities.h"
#include "calculators/thermodynamic/Solvus.h"

namespace testsupport {

template <auto accessor> ui::Window* open() {
    return accessor();
}

const std::vector<WindowEntry>& allWindows() {
    static const std::vector<WindowEntry> windows = {
        {"Start1", "Start", 540, 580, true, open<Start1>},
        {"Start2", "Liquidus Model", 420, 485, true, open<Start2>},
        {"Units", "Units and Symbols", 555, 700, true, open<Units>},
        {"DetailsRef", "Fields", 440, 418, true, open<DetailsRef>},
        {"DetailsThermo", "Liquidus Surface", 400, 510, true, open<DetailsThermo>},
        {"Details1", "Phase Diagram SLV", 515, 660, true, open<Details1>},
        {"EmpiricalSalinity", "SLV surface H2O-NaCl-KCl", 620, 700, true, open<EmpiricalSalinity>},
        {"EmpiricalTemperature", "SLV surface H2O-NaCl-KCl", 450, 570, true, open<EmpiricalTemperature>},
        {"EmpiricalSolvus", "Binary NaCl-KCl System", 545, 380, true, open<EmpiricalSolvus>},
        {"EmpiricalCotectic", "Cotectics H2O-NaCl-KCl System", 680, 665, true, open<EmpiricalCotectic>},
        {"Salinities", "Salinity H2O-NaCl-KCl", 530, 670, true, open<Salinities>},
        {"LIquidus", "Liquidus H2O-NaCl-KCl System", 780, 480, true, open<LIquidus>},
        {"Solvus", "Binary NaCl-KCl System", 595, 437, true, open<Solvus>},
        {"Cotectic", "Cotectic H2O-NaCl-KCl System", 575, 370, false, open<Cotectic>},
    };
    return windows;
}

} // namespace testsupport
