#include "PhaseGeometry.h"

#include "Globals.h"

#include <algorithm>
#include <cmath>

namespace pictures::geometry {

namespace {

constexpr double kKelvin = 273.15;

// The liquidus that gives the water of the liquid on each line, as in the
// empirical cotectic calculation.
int liquidusOf(int line) {
    switch (line) {
    case 1:
    case 2:
        return 1;
    case 3:
        return 4;
    default:
        return 3;
    }
}

bool isPhysical(double saltRatio, double xWater) {
    return std::isfinite(saltRatio) && std::isfinite(xWater) && saltRatio >= 0 && saltRatio <= 1 &&
           xWater >= 0 && xWater <= 1;
}

struct RatioWater {
    double ratio, water;
};

RatioWater onLine(int line, double tC) {
    const double T = tC + kKelvin;
    const double R = Globals::Cotectic_Exact(line, T);
    return {R, Globals::Molefraction_H2O(liquidusOf(line), T, R)};
}

Composition mix(const Composition& a, const Composition& b, double s) {
    // Mass fractions mix linearly; the amount-of-substance fractions follow.
    const double wNaCl = a.wNaCl + s * (b.wNaCl - a.wNaCl);
    const double wKCl = a.wKCl + s * (b.wKCl - a.wKCl);
    const double nNaCl = wNaCl / Globals::kMolarMassNaCl;
    const double nKCl = wKCl / Globals::kMolarMassKCl;
    const double nWater = (1 - wNaCl - wKCl) / Globals::kMolarMassH2O;
    const double n = nNaCl + nKCl + nWater;
    return {nNaCl / n, nKCl / n, wNaCl, wKCl};
}

// Samples a curve given by a parameter in [from, to]; `point` answers nothing
// where the curve has no physical point. The curve stops at the first gap
// after its start, ending where the water fraction reaches 0.
template <class PointAt> std::vector<Composition> sample(double from, double to, int steps, PointAt point) {
    std::vector<Composition> out;
    std::optional<RatioWater> last;
    for (int i = 0; i <= steps; ++i) {
        const double u = from + (to - from) * i / steps;
        const RatioWater rw = point(u);
        if (isPhysical(rw.ratio, rw.water)) {
            out.push_back(liquid(rw.ratio, rw.water));
            last = rw;
            continue;
        }
        if (last && std::isfinite(rw.water) && rw.water < 0 && std::isfinite(rw.ratio)) {
            const double s = last->water / (last->water - rw.water);
            out.push_back(liquid(last->ratio + s * (rw.ratio - last->ratio), 0.0));
        }
        if (!out.empty()) break;
    }
    return out;
}

} // namespace

Composition liquid(double saltRatio, double xWater) {
    const double xNaCl = saltRatio * (1 - xWater);
    const double xKCl = (1 - saltRatio) * (1 - xWater);
    const double mass =
        xWater * Globals::kMolarMassH2O + xNaCl * Globals::kMolarMassNaCl + xKCl * Globals::kMolarMassKCl;
    return {xNaCl, xKCl, xNaCl * Globals::kMolarMassNaCl / mass, xKCl * Globals::kMolarMassKCl / mass};
}

Composition anhydrousSolid(double xKCl) {
    const double xNaCl = 1 - xKCl;
    const double mass = xNaCl * Globals::kMolarMassNaCl + xKCl * Globals::kMolarMassKCl;
    return {xNaCl, xKCl, xNaCl * Globals::kMolarMassNaCl / mass, xKCl * Globals::kMolarMassKCl / mass};
}

double solvusCrestC() {
    return Globals::MaxSolvus(0) - kKelvin;
}

Composition cotecticLiquid(int line, double tC) {
    const RatioWater rw = onLine(line, tC);
    return liquid(rw.ratio, std::max(0.0, rw.water));
}

std::vector<Composition> cotecticLine(int line, double fromC, double toC) {
    const int steps = std::abs(toC - fromC) > 50 ? 240 : 60;
    return sample(fromC, toC, steps, [line](double tC) { return onLine(line, tC); });
}

std::vector<Composition> lowTemperatureLine(int line) {
    switch (line) {
    case 1:
        return cotecticLine(1, kEutecticC, kBinaryEutecticNaClC);
    case 2:
        return cotecticLine(2, kEutecticC, kBinaryEutecticKClC);
    case 3:
        return cotecticLine(3, kEutecticC, kPeritecticC);
    case 4:
        return cotecticLine(4, kPeritecticC, kBinaryPeritecticC);
    default:
        return {};
    }
}

std::vector<Composition> clippedToMass(const std::vector<Composition>& line, double maxNaCl, double maxKCl) {
    std::vector<Composition> out;
    for (const Composition& c : line) {
        if (c.wNaCl <= maxNaCl && c.wKCl <= maxKCl) {
            out.push_back(c);
            continue;
        }
        if (!out.empty()) {
            const Composition& a = out.back();
            double s = 1;
            if (c.wNaCl > maxNaCl) s = std::min(s, (maxNaCl - a.wNaCl) / (c.wNaCl - a.wNaCl));
            if (c.wKCl > maxKCl) s = std::min(s, (maxKCl - a.wKCl) / (c.wKCl - a.wKCl));
            out.push_back(mix(a, c, s));
        }
        break;
    }
    return out;
}

std::vector<std::vector<Composition>> isotherm(double tC) {
    const double T = tC + kKelvin;
    double cotecticRatio = 0.5;
    if (tC < kAnhydrousMinimumC) {
        const RatioWater rw = onLine(5, tC);
        if (isPhysical(rw.ratio, rw.water)) cotecticRatio = rw.ratio;
    }
    constexpr int kSteps = 120;
    auto halite = sample(1.0, cotecticRatio, kSteps, [T](double R) {
        return RatioWater{R, Globals::Molefraction_H2O(3, T, R)};
    });
    auto sylvite = sample(0.0, cotecticRatio, kSteps, [T](double R) {
        return RatioWater{R, Globals::Molefraction_H2O(4, T, R)};
    });
    return {halite, sylvite};
}

Composition solvusSolid(int limb, double tC) {
    return anhydrousSolid(Globals::RatioSolvus(limb, tC + kKelvin));
}

Composition solvusCrestSolid() {
    const double wKCl = Globals::MaxSolvus(1);
    const double nKCl = wKCl / Globals::kMolarMassKCl;
    const double nNaCl = (1 - wKCl) / Globals::kMolarMassNaCl;
    return anhydrousSolid(nKCl / (nKCl + nNaCl));
}

Example workedExample(double t1C, double t2C) {
    Example ex{cotecticLiquid(5, t1C), solvusSolid(3, t1C), solvusSolid(4, t1C), std::nullopt};
    const double T2 = t2C + kKelvin;
    // Above the T2 halite liquidus the residual is positive (too much water),
    // below it negative; the line starts in the liquid's water-rich side.
    auto residual = [&](double s) {
        const Composition c = mix(ex.cotectic, ex.halite, s);
        const double salt = c.xNaCl + c.xKCl;
        return (1 - salt) - Globals::Molefraction_H2O(3, T2, c.xNaCl / salt);
    };
    double lo = 0, hi = 1;
    if (!(residual(lo) > 0 && residual(hi) < 0)) return ex;
    for (int i = 0; i < 80; ++i) {
        const double mid = 0.5 * (lo + hi);
        (residual(mid) > 0 ? lo : hi) = mid;
    }
    ex.bulk = mix(ex.cotectic, ex.halite, 0.5 * (lo + hi));
    return ex;
}

} // namespace pictures::geometry
