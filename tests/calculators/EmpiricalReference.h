// The liquids of the empirical salinity and cotectic windows, evaluated here
// step by step from the equations, with the molar masses written out, so that
// tests can compare what the windows show with the equations themselves.
#pragma once

#include "Globals.h"

namespace reference {

struct Liquid {
    double xH2O, xNaCl, xKCl, wNaCl, wKCl, pressureMPa;
};

inline Liquid liquid(int phase, double temperatureK, double ratio) {
    const double T = temperatureK;
    Liquid l{};
    l.xH2O = Globals::Molefraction_H2O(phase, T, ratio);
    l.xNaCl = ratio * (1 - l.xH2O);
    l.xKCl = (1 - ratio) * (1 - l.xH2O);
    const double S = 18.01528 * l.xH2O + 58.462468 * l.xNaCl + 74.57143 * l.xKCl;
    l.wNaCl = 58.462468 * l.xNaCl / S;
    l.wKCl = 74.57143 * l.xKCl / S;
    // Only halite and sylvite have an SLV pressure above the floor of 0.1 MPa.
    l.pressureMPa = 0.1;
    if (phase == 3 || phase == 4) {
        l.pressureMPa = T > 923.15 ? Globals::Pressure650(phase, l.xH2O, l.xNaCl, l.xKCl)
                                   : Globals::Pressure(phase, l.xH2O, l.xNaCl, T);
    }
    return l;
}

// The ternary salinity: the cotectic liquid of `line` at Tcot, the solid that
// dissolves last (`phase`) and the liquid at final dissolution at Tfin.
struct Salinity {
    double R, Rs, xs, Rf;
    Liquid cotectic, final;
};

inline Salinity ternary(int line, int phase, double TcotK, double TfinK, bool solvusAbsent) {
    Salinity s{};
    s.R = Globals::Cotectic_Exact(line, TcotK);
    s.cotectic = liquid(phase, TcotK, s.R);
    s.Rf = s.R;
    if (phase == 2) {
        s.Rs = 1;
        s.xs = 2.0 / 3;
        s.Rf = Globals::FinalRatio(2, TfinK, s.R, s.cotectic.xH2O, s.Rs, s.xs);
    } else if (phase >= 3) {
        if (Globals::MaxSolvus(0) < TcotK) {
            s.Rs = s.R;
        } else {
            s.Rs = solvusAbsent ? (phase == 3 ? 1.0 : 0.0) : 1 - Globals::RatioSolvus(phase, TcotK);
            s.Rf = Globals::FinalRatio(phase, TfinK, s.R, s.cotectic.xH2O, s.Rs, 0.0);
        }
    }
    s.final = liquid(phase, TfinK, s.Rf);
    return s;
}

} // namespace reference
