#include "calculators/empirical/EmpiricalSalinityCalc.h"

#include "Globals.h"

#include <cmath>

namespace calculators {

namespace {

constexpr double kZeroCelsius = 273.15;
// x(H2O) of hydrohalite, NaCl·2H2O.
constexpr double kHydrohaliteWater = 0.6666666666666666;

// A liquid is shown when it and its temperature are finite numbers, the
// temperature lies above absolute zero (below it the ice fit answers with its
// failure value, which reads as pure water) and its composition is one a
// liquid can have.
bool shownLiquid(const EmpiricalLiquid& l, double temperatureK) {
    return std::isfinite(temperatureK) && temperatureK > 0 && l.finite() && !l.impossible();
}

SalinityPoint binaryLiquid(int fieldCode, double temperatureK, bool nacl) {
    SalinityPoint p;
    p.temperatureK = temperatureK;
    p.hasNaCl = nacl;
    p.hasKCl = !nacl;
    EmpiricalLiquid& l = p.liquid;
    const double T = temperatureK;
    const double M = nacl ? Globals::kMolarMassNaCl : Globals::kMolarMassKCl;
    l.xH2O = Globals::Molefraction_H2O(fieldCode, T, nacl ? 1.0 : 0.0);
    const double xSalt = 1 - l.xH2O;
    const double wH2O = Globals::kMolarMassH2O * l.xH2O / (M * xSalt + Globals::kMolarMassH2O * l.xH2O);
    const double wSalt = 1 - wH2O;
    if (nacl) {
        l.xNaCl = xSalt;
        l.wNaCl = wSalt;
    } else {
        l.xKCl = xSalt;
        l.wKCl = wSalt;
    }
    l.pressureMPa = slvPressure(fieldCode, l.xH2O, l.xNaCl, l.xKCl, T);
    p.found = shownLiquid(l, T);
    return p;
}

EmpiricalSalinityResult binaryNaCl(const SalinityInput& in) {
    EmpiricalSalinityResult r;
    r.solvusOptionsOff = true;
    // The first ticked solid of the system counts; a tick on sylvite alone is
    // only warned about.
    int phase = 0;
    double t = 0;
    if (in.ice) {
        phase = 1;
        t = in.iceC;
    } else if (in.hydrohalite) {
        phase = 2;
        t = in.hydrohaliteC;
    } else if (in.halite) {
        phase = 3;
        t = in.haliteC;
    } else {
        if (in.sylvite) r.warning = SalinityWarning::NoSylvite;
        return r;
    }
    r.written = true;
    r.reference = phase == 3 ? BinaryPoint::NaClPeritectic : BinaryPoint::NaClEutectic;
    r.phase = phase;
    r.finalDissolution = binaryLiquid(phase, t + kZeroCelsius, true);
    return r;
}

EmpiricalSalinityResult binaryKCl(const SalinityInput& in) {
    EmpiricalSalinityResult r;
    r.solvusOptionsOff = true;
    int phase = 0;
    double t = 0;
    if (in.ice) {
        phase = 1;
        t = in.iceC;
    } else if (in.sylvite) {
        phase = 4;
        t = in.sylviteC;
    } else {
        if (in.hydrohalite || in.halite) r.warning = SalinityWarning::NoHydrohaliteOrHalite;
        return r;
    }
    r.written = true;
    r.reference = BinaryPoint::KClEutectic;
    r.phase = phase;
    r.finalDissolution = binaryLiquid(phase, t + kZeroCelsius, false);
    return r;
}

// A pair of ticked solids and the cotectic (or peritectic) line they share.
struct Pair {
    bool ticked;
    double tA, tB; // degC
    int line;
    int phaseA, phaseB; // the solid of each temperature
    double lowC, highC; // range of the line's temperatures
    SalinityWarning outOfRange;
};

EmpiricalSalinityResult ternary(const SalinityInput& in) {
    using enum SalinityWarning;
    // Tested in this order; the last pair that is ticked decides, so with three
    // or four solids ticked the later lines win.
    const Pair pairs[] = {
        {in.ice && in.hydrohalite, in.iceC, in.hydrohaliteC, 1, 1, 2, -22.9, -21.2, CotecticOutOfRange},
        {in.ice && in.sylvite, in.iceC, in.sylviteC, 2, 1, 4, -22.9, -10.6, CotecticOutOfRange},
        {in.hydrohalite && in.sylvite, in.hydrohaliteC, in.sylviteC, 3, 2, 4, -22.9, -2.3,
         CotecticOutOfRange},
        {in.hydrohalite && in.halite, in.hydrohaliteC, in.haliteC, 4, 2, 3, -2.3, 0.1, PeritecticOutOfRange},
        {in.halite && in.sylvite, in.haliteC, in.sylviteC, 5, 3, 4, -2.3, 658.0, CotecticOutOfRange},
    };

    EmpiricalSalinityResult r;
    double Tcot = 0, Tfin = 0;
    for (const Pair& p : pairs) {
        if (!p.ticked) continue;
        r.line = p.line;
        // The solid with the higher temperature dissolves last; at equal
        // temperatures the first of the pair.
        if (p.tA < p.tB) {
            r.phase = p.phaseB;
            Tcot = p.tA + kZeroCelsius;
            Tfin = p.tB + kZeroCelsius;
        } else {
            r.phase = p.phaseA;
            Tcot = p.tB + kZeroCelsius;
            Tfin = p.tA + kZeroCelsius;
        }
        // The limits themselves are inside; one temperature inside is enough.
        auto outside = [&](double t) { return t > p.highC || t < p.lowC; };
        r.warning = outside(p.tA) && outside(p.tB) ? p.outOfRange : Clear;
    }
    if (r.line == 0) return r; // no pair of solids: nothing to calculate

    r.written = true;
    const int phase = r.phase;
    const double crest = Globals::MaxSolvus(0);

    const double R = Globals::Cotectic_Exact(r.line, Tcot);
    const bool cotecticFound = ratioFound(R);
    r.cotectic.temperatureK = Tcot;
    r.cotectic.liquid = empiricalLiquid(phase, Tcot, R);
    r.cotectic.found = cotecticFound && shownLiquid(r.cotectic.liquid, Tcot);
    const double xwCot = r.cotectic.liquid.xH2O;

    // The solid that dissolves last, as a salt ratio (Rs) and water fraction,
    // and the salt ratio of the liquid at final dissolution (Rf), which lies on
    // the straight line from the cotectic liquid away from that solid.
    // A liquid that no liquid can be leads to no liquid: every final ratio
    // starts from the cotectic point.
    double Rs = 0, Rf = R;
    bool finalFound = r.cotectic.found;
    switch (phase) {
    case 1:
        // Ice adds only water: the liquid keeps the cotectic ratio.
        r.solid = LastSolid::Ice;
        break;
    case 2:
        r.solid = LastSolid::Hydrohalite;
        Rs = 1.0;
        if (finalFound) {
            Rf = Globals::FinalRatio(2, Tfin, R, xwCot, Rs, kHydrohaliteWater);
            finalFound = ratioFound(Rf);
        }
        break;
    default:
        r.solid = LastSolid::Salt;
        if (crest < Tcot) {
            // No solvus above its crest: the solid takes the ratio of the
            // cotectic liquid, which keeps it up to final dissolution; no
            // liquid, no ratio.
            Rs = R;
            r.solidSaltRatioKnown = r.cotectic.found;
        } else {
            // Present: the (Na,K)Cl solid on its limb at the cotectic
            // temperature; metastably absent: the pure salt.
            if (in.solvusPresent) Rs = 1 - Globals::RatioSolvus(phase, Tcot);
            if (in.solvusAbsent) Rs = phase == 3 ? 1.0 : 0.0;
            r.solidSaltRatioKnown = std::isfinite(Rs);
            if (finalFound) {
                Rf = Globals::FinalRatio(phase, Tfin, R, xwCot, Rs, 0.0);
                finalFound = ratioFound(Rf);
            }
        }
        r.solidSaltRatio = Rs;
        break;
    }

    r.finalDissolution.temperatureK = Tfin;
    if (finalFound) r.finalDissolution.liquid = empiricalLiquid(phase, Tfin, Rf);
    r.finalDissolution.found = finalFound && shownLiquid(r.finalDissolution.liquid, Tfin);
    return r;
}

} // namespace

EmpiricalSalinityResult empiricalSalinity(const SalinityInput& in) {
    switch (in.system) {
    case SalinitySystem::H2O_NaCl:
        return binaryNaCl(in);
    case SalinitySystem::H2O_KCl:
        return binaryKCl(in);
    case SalinitySystem::H2O_NaCl_KCl:
        return ternary(in);
    case SalinitySystem::None:
        break;
    }
    return {};
}

} // namespace calculators
