#include "PhaseGeometry.h"

#include "Globals.h"
#include "LiquidusSeed.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

namespace {

double fieldLiquidusK(int field, double xNaCl, double xKCl, double pressureMPa) {
    const double startK = Globals::liquidusStartTemperature(Globals::FDP_Mirtox(field, xNaCl, xKCl));
    const double T = Globals::Temperature_Liquidus(field, xNaCl, xKCl, pressureMPa, startK)[0];
    // The model's searches stop at 273.15 K: a root below it is no liquidus.
    return std::isfinite(T) && T >= 273.15 ? T : std::numeric_limits<double>::quiet_NaN();
}

// Rays of constant SaltRatio from the NaCl side to the KCl side, close
// together where the isotherms bend at the halite + sylvite line.
constexpr double kRays[] = {1.0,  0.9,  0.8,  0.7,  0.64, 0.6,  0.57, 0.54, 0.52, 0.5,
                            0.48, 0.46, 0.44, 0.42, 0.39, 0.36, 0.3,  0.2,  0.1,  0.0};

// Salt fractions along a ray: 0.10, 0.16, ... 0.94, then 0.97 and 0.99 so
// that the hottest isotherms come close to the anhydrous edge.
constexpr int kSaltSteps = 16;
double saltAt(int k) {
    return k < 15 ? 0.10 + 0.06 * k : (k == 15 ? 0.97 : 0.99);
}

// Outside this band of SaltRatio only one solid can be the first to
// crystallise: the model's other liquidus there is cooler, equal (the solid
// solution) or none.
constexpr double kBothFieldsAbove = 0.3, kBothFieldsBelow = 0.7;

// The empirical liquidus (˚C), a cheap guess of where along a ray the model's
// isotherms lie.
double empiricalLiquidusC(double saltRatio, double salt) {
    const double xNaCl = saltRatio * salt, xKCl = (1 - saltRatio) * salt;
    double T = -kKelvin;
    if (saltRatio > kBothFieldsAbove) T = std::max(T, Globals::FDP_Mirtox(3, xNaCl, xKCl) - kKelvin);
    if (saltRatio < kBothFieldsBelow) T = std::max(T, Globals::FDP_Mirtox(4, xNaCl, xKCl) - kKelvin);
    return T;
}

// Where the liquidus through the samples (s, t) reaches tC between samples i
// and i + 1: on the parabola through them and a neighbour, which follows the
// curvature of the liquidus far better than a chord.
double crossingAt(const std::vector<std::pair<double, double>>& samples, std::size_t i, double tC) {
    const double s0 = samples[i].first, t0 = samples[i].second;
    const double s1 = samples[i + 1].first, t1 = samples[i + 1].second;
    if (samples.size() < 3) return s0 + (s1 - s0) * (tC - t0) / (t1 - t0);
    const auto& third = i + 2 < samples.size() ? samples[i + 2] : samples[i - 1];
    const double s2 = third.first, t2 = third.second;
    auto q = [&](double s) {
        return t0 * (s - s1) * (s - s2) / ((s0 - s1) * (s0 - s2)) +
               t1 * (s - s0) * (s - s2) / ((s1 - s0) * (s1 - s2)) +
               t2 * (s - s0) * (s - s1) / ((s2 - s0) * (s2 - s1)) - tC;
    };
    double lo = s0, hi = s1;
    for (int n = 0; n < 40; ++n) {
        const double mid = 0.5 * (lo + hi);
        (q(mid) < 0 ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

} // namespace

double modelLiquidusC(double saltRatio, double salt, double pressureMPa) {
    const double xNaCl = saltRatio * salt, xKCl = (1 - saltRatio) * salt;
    double T = std::numeric_limits<double>::quiet_NaN();
    if (saltRatio > kBothFieldsAbove) T = fieldLiquidusK(3, xNaCl, xKCl, pressureMPa);
    if (saltRatio < kBothFieldsBelow) {
        const double sylvite = fieldLiquidusK(4, xNaCl, xKCl, pressureMPa);
        if (!(T >= sylvite)) T = std::isnan(sylvite) ? T : sylvite;
    }
    return T - kKelvin;
}

std::vector<ModelIsotherm> modelIsotherms(double pressureMPa, const std::vector<double>& temperaturesC) {
    std::vector<ModelIsotherm> out;
    for (double t : temperaturesC)
        out.push_back({t, {{}}});
    if (temperaturesC.empty()) return out;
    const auto [coolest, hottest] = std::minmax_element(temperaturesC.begin(), temperaturesC.end());
    for (double R : kRays) {
        // The model's liquidus along the ray, from a salt fraction below the
        // coolest isotherm to the first one above the hottest; salt fractions
        // the model cannot answer are left out. The empirical surfaces, some
        // 20 K off the model, say where to begin.
        int first = 0;
        while (first + 1 < kSaltSteps && empiricalLiquidusC(R, saltAt(first + 1)) < *coolest - 50)
            ++first;
        std::vector<std::pair<double, double>> samples; // salt fraction, liquidus in ˚C
        for (int k = first; k >= 0; --k) {
            const double tC = modelLiquidusC(R, saltAt(k), pressureMPa);
            if (!std::isnan(tC)) samples.emplace(samples.begin(), saltAt(k), tC);
            if (tC < *coolest) break;
        }
        for (int k = first + 1; k <= kSaltSteps; ++k) {
            const double tC = modelLiquidusC(R, saltAt(k), pressureMPa);
            if (!std::isnan(tC)) samples.emplace_back(saltAt(k), tC);
            if (tC > *hottest) break;
        }
        for (ModelIsotherm& iso : out) {
            std::optional<double> crossing;
            for (std::size_t i = 0; i + 1 < samples.size() && !crossing; ++i)
                if (samples[i].second < iso.tC && iso.tC <= samples[i + 1].second)
                    crossing = crossingAt(samples, i, iso.tC);
            if (crossing)
                iso.runs.back().push_back(liquid(R, 1 - *crossing));
            else if (!iso.runs.back().empty())
                iso.runs.push_back({});
        }
    }
    for (ModelIsotherm& iso : out)
        std::erase_if(iso.runs, [](const std::vector<Composition>& run) { return run.size() < 2; });
    return out;
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
