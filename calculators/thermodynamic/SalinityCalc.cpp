#include "calculators/thermodynamic/SalinityCalc.h"

#include "calculators/thermodynamic/LiquidusCalc.h"

#include "DampedSecant.h"
#include "Globals.h"

#include <algorithm>
#include <cmath>

namespace calculators {

namespace {

namespace secant = Globals::secant;

// Half secant steps along the line; equal residuals (a liquidus that fails
// at both points gives T2 twice) halve the last move; only the relative step
// ends the search, at a looser tolerance than the liquidus inside it.
constexpr secant::Settings kBulkOnLine{.stepFactor = 0.5,
                                       .equalResiduals = secant::EqualRule::E3,
                                       .tolerance = 1e-8,
                                       .zeroResidual = secant::ZeroRule::NotTested,
                                       .divergenceTest = false};

// How closely the liquidus of the bulk liquid found must meet the typed
// final-dissolution temperature, relative. Converged searches meet it to
// 3e-7 or better (the liquidus search itself stops at 1e-8); a search that
// came to rest on an end of the line without a root misses it by kelvins.
constexpr double kLiquidusMatch = 1e-5;

// How far a final temperature may lie above the liquidus of the anhydrous
// solid before no point of the line can have it as its liquidus (K). Water
// lowers the liquidus; the margin covers the tolerances of the searches.
constexpr double kAboveTheSolid = 0.1;

// What the search for the highest liquidus answers when it finds none (K).
constexpr double kNoTurningPointK = 1100.0;

// Keeps the line parameter inside (0, 1): the bulk lies between the solid and
// the cotectic liquid. Negated strict tests, so that not-a-number is past
// the bound.
double keepOnSegment(double s, double step) {
    if (!(s > 0)) s = (s - step) / 2;
    if (!(s < 1)) s = (s - step) + (1 - (s - step)) / 2;
    return s;
}

// Whether the final temperature T2 (K) is the liquidus of no point of the
// line from the solid [0, xs, k] to the cotectic liquid. At positive
// pressures the liquidus falls along the line from the melting of the solid
// to the cotectic temperature, so T2 above the liquidus of the anhydrous
// solid itself is met nowhere. Where that liquidus is not found it lies
// above the reach of the liquidus search, whose upper end is the highest
// liquidus the solid solution allows; water lowers that too, and where it is
// not found the search reaches just above 1100 K. (At negative pressures, far
// outside the model's range, the liquidus rises and falls along the line.)
bool aboveTheLiquidusOfTheLine(const SalinityModel& model, int field, double xs, double k, double P,
                               double T2) {
    const double startK = liquidusStartTemperature(model.liquidusSeed(field, xs, k));
    double highestK = model.liquidus(field, xs, k, P, startK)[0];
    if (!(highestK > 0))
        highestK = std::max(model.highestLiquidus(field, xs, k, startK, P), kNoTurningPointK) + 0.1;
    return T2 - highestK > kAboveTheSolid;
}

} // namespace

SalinityModel SalinityModel::thermodynamic() {
    return {Globals::Equality_solids, Globals::Cotectic_NaCl_sol_liq, Globals::FDP_Mirtox,
            Globals::Temperature_Liquidus, Globals::Max_Temp};
}

double anhydrousMeltingK(double k, double pressureMPa) {
    const double tC = 800.1 - 334.2 * k + 781.6 * std::pow(k, 2) - 6490.3 * std::pow(k, 3) +
                      17553.1 * std::pow(k, 4) - 17638.4 * std::pow(k, 5) + 6098.3 * std::pow(k, 6) +
                      pressureMPa / 5;
    return tC + 273.15;
}

SalinityResult salinityFromDissolution(double pressureMPa, double haliteK, double sylviteK,
                                       const SalinityModel& model) {
    const double P = pressureMPa;
    SalinityResult r;
    // Equal temperatures count as halite dissolving last.
    if (haliteK < sylviteK) {
        r.cotecticK = haliteK;
        r.finalK = sylviteK;
        r.field = 4;
    } else {
        r.cotecticK = sylviteK;
        r.finalK = haliteK;
        r.field = 3;
    }
    const double T1 = r.cotecticK, T2 = r.finalK;

    // Stage A: the solid of the salt that dissolves last, on its limb of the
    // solvus at the cotectic temperature.
    const std::array<double, 2> pair = model.solvus(T1, P);
    if (!(pair[0] > 0) && !(pair[1] > 0)) return r;
    const double xs = r.field == 3 ? pair[1] : pair[0];
    const double k = 1 - xs;
    r.cotecticSolid = solidContent(xs, k);
    if (!r.cotecticSolid.finite()) return r;
    r.solidFound = true;
    r.solidNaCl = xs;

    // Stage B: the cotectic liquid in equilibrium with that solid.
    r.cotectic = searchCotecticLiquid(xs, [&](double xH2O) { return model.cotecticInner(xH2O, xs, T1, P); });
    if (!r.cotectic.found) return r;
    const double w = r.cotectic.xH2O, y1 = r.cotectic.xNaCl;
    r.cotecticLiquid = liquidContent(w, y1, r.cotectic.xKCl);
    if (!r.cotecticLiquid.finite()) return r;
    r.liquidFound = true;

    // Stage C: the point of the line from the solid (s = 0) to the cotectic
    // liquid (s = 1) whose liquidus is the final-dissolution temperature.
    double xH2O = 0, xNaCl = 0, xKCl = 0;
    std::array<double, 3> liquidus{};
    bool evaluated = false;
    double lastNaCl = 0, lastKCl = 0;
    auto G = [&](double s) {
        xH2O = s * w;
        xNaCl = xs + s * (y1 - xs);
        xKCl = (1 - xH2O) - xNaCl;
        // Where the search presses against an end of the segment it comes
        // back to the very same liquid, pass after pass; its liquidus (the
        // costly part) is the same too.
        if (!(evaluated && xNaCl == lastNaCl && xKCl == lastKCl)) {
            const double startK = liquidusStartTemperature(model.liquidusSeed(r.field, xNaCl, xKCl));
            liquidus = model.liquidus(r.field, xNaCl, xKCl, P, startK);
            evaluated = true;
            lastNaCl = xNaCl;
            lastKCl = xKCl;
        }
        return T2 - liquidus[0];
    };

    // The search along the line would spend its passes, each a liquidus
    // search, pressing against the solid's end.
    if (P > 0 && aboveTheLiquidusOfTheLine(model, r.field, xs, k, P, T2)) return r;

    // Where the solid would melt below T1 no mixing ratio is known; otherwise
    // the lever rule between the melting and the cotectic temperature.
    const double Tm = anhydrousMeltingK(k, P);
    double s0 = 0.5;
    if (T1 < Tm) {
        s0 = (Tm - T2) / (Tm - T1);
        if (!(s0 > 0)) s0 = 0.1;
        if (!(s0 < 1)) s0 = 0.9;
    }
    const double G0 = G(s0);
    double s1 = s0 + 0.05;
    if (!(s1 < 1)) s1 = (s0 + 1) / 2;
    const double G1 = G(s1);
    const secant::Outcome out = secant::run(kBulkOnLine, {s0, G0, s1, G1}, G, keepOnSegment);

    const double z1 = liquidus[1], z2 = liquidus[2];
    if (!out.converged || !(z1 + z2 > 0)) return r;
    // The search also comes to rest at an end of the segment when no point of
    // it has T2 as its liquidus (T2 above the melting of the solid): that end
    // is no answer.
    if (!std::isfinite(T2) || !(std::fabs(T2 - liquidus[0]) <= kLiquidusMatch * T2)) return r;
    r.bulk = liquidContent(xH2O, xNaCl, xKCl);
    r.finalSolid = solidContent(z1, z2);
    if (!r.bulk.finite() || !r.finalSolid.finite()) return r;
    r.bulkFound = true;
    r.bulkH2O = xH2O;
    r.bulkNaCl = xNaCl;
    r.bulkKCl = xKCl;
    r.liquidusK = liquidus[0];
    r.s = out.x;
    return r;
}

} // namespace calculators
