// The thermodynamic solvus and cotectic calculations of the survey.
#include "CalculatorSurvey.h"

#include "calculators/thermodynamic/CotecticCalc.h"
#include "calculators/thermodynamic/SolvusCalc.h"

#include <cmath>
#include <cstdio>

namespace survey {

namespace {

using namespace calculators;

const double kPressures[] = {0.1, 1, 10, 50, 100, 150, 200};

void solidSolution(const SolidSolution& s) {
    for (double v : {s.xNaCl, s.xKCl, s.activityNaCl, s.activityKCl, s.potentialNaCl, s.potentialKCl})
        num(v);
}

void content(const SaltContent& c) {
    for (double v : {c.asNaCl, c.asKCl, c.massNaCl, c.massKCl})
        num(v);
}

// One line per press at each pressure and temperature; `show` prints the results.
template <class Show> void overGrid(const char* window, const Show& show) {
    for (double P : kPressures) {
        for (double t : celsiusGrid(-300, 700, 7)) {
            std::printf("%s", window);
            num(t);
            num(P);
            word("->");
            show(t + 273.15, P);
            end();
        }
    }
}

void solvus() {
    overGrid("solvus", [](double T, double P) {
        const SolvusCalculation r = thermodynamicSolvus(T, P);
        if (r.temperatureOutOfRange) return word("out-of-range");
        if (!r.found) return word("exceeds-maximum");
        solidSolution(r.phase1);
        solidSolution(r.phase2);
    });
}

// About 2 ms a press where the solvus exists.
void cotectic() {
    overGrid("cotectic-thermo", [](double T, double P) {
        const CotecticResult r = cotecticAt(T, P);
        if (r.temperatureOutOfRange) return word("out-of-range");
        if (!r.solvusFound) return word("exceeds-maximum");
        content(r.naclRichSolid);
        content(r.kclRichSolid);
        if (r.liquidFound)
            content(r.liquidContent);
        else
            word("out-of-range");
    });
}

} // namespace

void thermodynamicWindows() {
    solvus();
    cotectic();
}

} // namespace survey
