// Prints what the empirical and thermodynamic solvus, cotectic and salinity
// calculations give for a grid of inputs, including temperatures at and below
// absolute zero and ones the fields read as infinite. Run by hand before and
// after a change to a calculation and compare:
//   build/bench/calculator_survey > before.txt
#include "CalculatorSurvey.h"

#include "calculators/empirical/EmpiricalCotecticCalc.h"
#include "calculators/empirical/EmpiricalSalinityCalc.h"
#include "calculators/empirical/EmpiricalSolvusCalc.h"

#include <cmath>
#include <cstdio>

namespace survey {

std::vector<double> hostileCelsius() {
    return {-HUGE_VAL, -1e300, -1000, -400, -300, -280, -273.16, -273.15,
            -273.14,   -273,   -250,  -200, -100, 1e6,  1e300,   HUGE_VAL};
}

std::vector<double> celsiusGrid(double from, double to, double step) {
    std::vector<double> t;
    for (double c = from; c <= to; c += step)
        t.push_back(c);
    for (double c : hostileCelsius())
        t.push_back(c);
    return t;
}

namespace {

using namespace calculators;

void liquid(bool shown, const EmpiricalLiquid& l) {
    if (!shown) return word("out-of-range");
    for (double v : {l.xH2O, l.xNaCl, l.xKCl, l.wNaCl, l.wKCl, l.pressureMPa})
        num(v);
}

void point(const SalinityPoint& p) {
    word("|");
    num(p.temperatureK);
    liquid(p.found, p.liquid);
}

void salinity(const SalinityInput& in) {
    const EmpiricalSalinityResult r = empiricalSalinity(in);
    std::printf("salinity %d %d%d%d%d %d%d", int(in.system), in.ice, in.hydrohalite, in.halite, in.sylvite,
                in.solvusPresent, in.solvusAbsent);
    for (double t : {in.iceC, in.hydrohaliteC, in.haliteC, in.sylviteC})
        num(t);
    word("->");
    std::printf(" %d %d %d %d %d %d", r.solvusOptionsOff, int(r.warning), r.written, int(r.reference), r.line,
                r.phase);
    if (r.written) {
        if (r.reference == BinaryPoint::None) point(r.cotectic);
        point(r.finalDissolution);
        std::printf(" | %d", int(r.solid));
        if (r.solid == LastSolid::Salt) {
            if (r.solidSaltRatioKnown)
                num(r.solidSaltRatio);
            else
                word("out-of-range");
        }
    }
    end();
}

// Temperatures of the ternary pairs: every line's ends and what lies beyond.
std::vector<double> pairCelsius() {
    std::vector<double> t = {-30, -25,  -22.9, -22.5, -22, -21.2, -20,     -15,  -10.6,    -10,
                             -5,  -2.3, -1,    0,     0.1, 2,     5,       10,   25,       50,
                             100, 200,  300,   400,   495, 500,   550,     600,  655,      658,
                             690, 700,  770,   800,   801, 900,   -273.15, -300, HUGE_VAL, -HUGE_VAL};
    return t;
}

void salinities() {
    // One solid in each binary system, on a grid and at hostile temperatures.
    std::vector<double> single = celsiusGrid(-40, 900, 2.5);
    for (double t : {0.0, 0.05, 0.1, 0.2, 1.0, 2.0, 5.0, -0.001, -1e-9})
        single.push_back(t);
    for (int system : {1, 2}) {
        for (int solid = 0; solid < 4; ++solid) {
            for (double t : single) {
                SalinityInput in;
                in.system = SalinitySystem(system);
                in.ice = solid == 0;
                in.hydrohalite = solid == 1;
                in.halite = solid == 2;
                in.sylvite = solid == 3;
                in.iceC = in.hydrohaliteC = in.haliteC = in.sylviteC = t;
                salinity(in);
            }
        }
    }
    // Every pair of solids of the ternary system, both solvus options.
    const std::vector<double> temps = pairCelsius();
    for (int pair = 0; pair < 5; ++pair) {
        for (int option = 0; option < 2; ++option) {
            for (double a : temps) {
                for (double b : temps) {
                    SalinityInput in;
                    in.system = SalinitySystem::H2O_NaCl_KCl;
                    in.solvusPresent = option == 0;
                    in.solvusAbsent = option == 1;
                    double* fields[] = {&in.iceC, &in.hydrohaliteC, &in.haliteC, &in.sylviteC};
                    bool* boxes[] = {&in.ice, &in.hydrohalite, &in.halite, &in.sylvite};
                    constexpr int kPairs[5][2] = {{0, 1}, {0, 3}, {1, 3}, {1, 2}, {2, 3}};
                    *boxes[kPairs[pair][0]] = *boxes[kPairs[pair][1]] = true;
                    *fields[kPairs[pair][0]] = a;
                    *fields[kPairs[pair][1]] = b;
                    salinity(in);
                }
            }
        }
    }
}

void solid(const CotecticSolid& s) {
    std::printf(" | %d", int(s.kind));
    if (s.kind == CotecticSolidKind::SolvusLimb)
        for (double v :
             {s.limb.asPercentNaCl, s.limb.asPercentKCl, s.limb.massPercentNaCl, s.limb.massPercentKCl})
            num(v);
}

void cotecticLines() {
    const std::vector<double> temps = celsiusGrid(-40, 900, 1);
    for (int line = 0; line <= 5; ++line) {
        for (double t : temps) {
            const EmpiricalCotecticResult r = empiricalCotectic(line, t);
            std::printf("cotectic %d", line);
            num(t);
            word("->");
            std::printf(" %d", r.lineChosen);
            if (r.lineChosen) {
                num(r.temperatureK);
                liquid(r.liquidInRange, r.liquid);
                solid(r.solid1);
                solid(r.solid2);
            }
            end();
        }
    }
}

void solvusSolid(const SolvusSolid& s) {
    for (double v : {s.asNaCl, s.asKCl, s.wNaCl, s.wKCl})
        num(v);
}

void empiricalSolvus() {
    for (double t : celsiusGrid(-300, 600, 0.5)) {
        const SolvusResult r = empiricalSolvusAt(t + 273.15);
        std::printf("empirical-solvus");
        num(t);
        word("->");
        if (!r.inRange) {
            word("out-of-range");
        } else {
            solvusSolid(r.phase1);
            solvusSolid(r.phase2);
        }
        end();
    }
}

} // namespace

void empiricalWindows() {
    salinities();
    cotecticLines();
    empiricalSolvus();
}

} // namespace survey

int main() {
    survey::empiricalWindows();
    survey::thermodynamicWindows();
    return 0;
}
