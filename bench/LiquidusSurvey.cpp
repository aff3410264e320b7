// A survey of the thermodynamic liquidus window's calculation and of the
// empirical searches built on the sylvite liquidus surface: every result of a
// fixed set of inputs, printed to the last bit on stdout, so that the output
// of two builds can be compared with diff. The slowest liquidus presses go to
// stderr. Run by hand (a few seconds):
//   build/bench/liquidus_survey > /tmp/after.txt
// or, for n random presses of the liquidus window alone:
//   build/bench/liquidus_survey 20000 > /tmp/after-random.txt
#include "calculators/CompositionEntry.h"
#include "calculators/empirical/EmpiricalCotecticCalc.h"
#include "calculators/empirical/EmpiricalSalinityCalc.h"
#include "calculators/empirical/EmpiricalTemperatureCalc.h"
#include "calculators/thermodynamic/LiquidusCalc.h"

#include "Globals.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

using calculators::CompositionScale;

// A fixed stream of uniform numbers (splitmix64), the same on every platform.
struct Stream {
    std::uint64_t state;
    double next() {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        z = z ^ (z >> 31);
        return static_cast<double>(z >> 11) * 0x1.0p-53;
    }
    double in(double lo, double hi) { return lo + (hi - lo) * next(); }
    // Log-uniform over [lo, hi], lo > 0.
    double logIn(double lo, double hi) { return std::exp(in(std::log(lo), std::log(hi))); }
};

// ---- The liquidus window -------------------------------------------------

struct Press {
    int field;
    CompositionScale scale;
    double naCl, kCl, P;
};

struct Timing {
    double ms;
    long passes; // of every scan and search: a measure of the work that no other load on the machine disturbs
    Press press;
};

const char* scaleName(CompositionScale s) {
    switch (s) {
    case CompositionScale::Mass:
        return "mass";
    case CompositionScale::AmountOfSubstance:
        return "as";
    case CompositionScale::Molality:
        return "molality";
    }
    return "?";
}

const char* outcomeName(calculators::LiquidusCalculation::Outcome o) {
    using O = calculators::LiquidusCalculation::Outcome;
    switch (o) {
    case O::NoComposition:
        return "none";
    case O::OutOfRange:
        return "out of range";
    case O::Found:
        return "found";
    }
    return "?";
}

long passes = 0;

struct Pressed {
    calculators::LiquidusCalculation result;
    double ms;
    long passes;
};

Pressed calculate(const Press& p) {
    // The composition arrays as the window's entry leaves them.
    calculators::ConvertComposition(1, p.scale, p.naCl);
    calculators::ConvertComposition(2, p.scale, p.kCl);
    const calculators::SaltContents salts{.massNaCl = Globals::MASSnumber[1],
                                          .massKCl = Globals::MASSnumber[2],
                                          .asNaCl = Globals::ASnumber[1],
                                          .asKCl = Globals::ASnumber[2]};
    passes = 0;
    const auto t0 = std::chrono::steady_clock::now();
    const auto r = calculators::liquidusFromSalinity(p.field, salts, p.P);
    const auto t1 = std::chrono::steady_clock::now();
    return {r, std::chrono::duration<double, std::milli>(t1 - t0).count(), passes};
}

Timing press(const Press& p) {
    const auto [r, ms, n] = calculate(p);
    std::printf("L %d %s %.17g %.17g %.17g: %s %.17g %.17g %.17g %.17g %.17g %.17g %.17g\n", p.field,
                scaleName(p.scale), p.naCl, p.kCl, p.P, outcomeName(r.outcome), r.startK, r.temperatureK,
                r.activityNaCl, r.activityKCl, r.solidNaCl, r.solidKCl, r.slvPressureMPa);
    return {ms, n, p};
}

// A press anywhere: either field, any scale, contents from 0 through traces
// to salts beyond the whole, pressures from negative to absurd.
Press randomPress(Stream& s) {
    const int field = s.next() < 0.5 ? 3 : 4;
    const double u = s.next();
    const CompositionScale scale = u < 0.6   ? CompositionScale::Mass
                                   : u < 0.8 ? CompositionScale::AmountOfSubstance
                                             : CompositionScale::Molality;
    const double top = scale == CompositionScale::Molality ? 30 : 70;
    auto content = [&] {
        const double v = s.next();
        if (v < 0.1) return 0.0;
        if (v < 0.35) return s.logIn(1e-9, 1);
        return s.in(0, top);
    };
    const double a = content(), b = content();
    const double w = s.next();
    const double P = w < 0.7 ? s.in(0.1, 200) : w < 0.8 ? s.in(-200, 0.1) : w < 0.95 ? s.in(200, 2000) : 1e6;
    return {field, scale, a, b, P};
}

std::vector<Press> liquidusPresses() {
    std::vector<Press> out;
    const auto M = CompositionScale::Mass;
    // A grid of the triangle in mass %, traces and salts beyond the whole
    // included.
    constexpr double kContents[] = {0, 1e-6, 0.001, 0.5, 2, 5, 10, 15, 20, 26.5, 30, 35, 40, 50, 60, 75};
    constexpr double kPressures[] = {0.1, 1, 25, 100, 200};
    for (int field : {3, 4})
        for (double P : kPressures)
            for (double a : kContents)
                for (double b : kContents)
                    out.push_back({field, M, a, b, P});
    // Traces of the other salt at 26.5 to 40 mass % of the main salt.
    constexpr double kMain[] = {26.5, 30, 35, 40};
    for (int field : {3, 4})
        for (double P : {0.1, 50.0, 200.0})
            for (double main : kMain)
                for (int k = 0; k <= 26; ++k) {
                    const double trace = 1e-6 * std::pow(2e6, k / 26.0);
                    out.push_back(field == 3 ? Press{field, M, main, trace, P}
                                             : Press{field, M, trace, main, P});
                }
    // Random presses over every field: in and out of range, compositions near
    // 0 on every scale, negative and huge pressures.
    Stream s{20261206};
    for (int i = 0; i < 600; ++i)
        out.push_back(randomPress(s));
    // Hostile entries.
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (int field : {3, 4}) {
        out.push_back({field, M, -5, 10, 0.1});
        out.push_back({field, M, 10, -5, 0.1});
        out.push_back({field, M, 1e300, 1, 0.1});
        out.push_back({field, M, 10, 10, nan});
        out.push_back({field, M, 10, 10, inf});
        out.push_back({field, M, 10, 10, -inf});
        out.push_back({field, M, 10, 10, 1e300});
        out.push_back({field, M, 10, 10, -1e300});
        out.push_back({field, M, 5e-324, 20, 0.1});
        out.push_back({field, M, 20, 5e-324, 0.1});
        out.push_back({field, CompositionScale::Molality, 1e-12, 1e-12, 0.1});
        out.push_back({field, CompositionScale::AmountOfSubstance, 49.999999, 49.999999, 0.1});
    }
    return out;
}

// The slowest presses, each timed again five times and taken at its fastest,
// so that a press that merely lost the processor for a while drops out.
void reportSlowest(std::vector<Timing> times) {
    double total = 0;
    for (const Timing& t : times)
        total += t.ms;
    std::sort(times.begin(), times.end(),
              [](const Timing& a, const Timing& b) { return a.passes > b.passes; });
    std::fprintf(stderr, "liquidus: %zu presses, %.1f ms in all; most passes: %ld\n", times.size(), total,
                 times.empty() ? 0 : times[0].passes);
    std::sort(times.begin(), times.end(), [](const Timing& a, const Timing& b) { return a.ms > b.ms; });
    const std::size_t n = std::min<std::size_t>(40, times.size());
    for (std::size_t i = 0; i < n; ++i)
        for (int k = 0; k < 5; ++k)
            times[i].ms = std::min(times[i].ms, calculate(times[i].press).ms);
    std::sort(times.begin(), times.begin() + n, [](const Timing& a, const Timing& b) { return a.ms > b.ms; });
    std::fprintf(stderr, "slowest (fastest of six timings):\n");
    for (std::size_t i = 0; i < std::min<std::size_t>(8, n); ++i) {
        const Press& p = times[i].press;
        std::fprintf(stderr, "  %8.3f ms %8ld passes  field %d %s %.17g %.17g P %.17g\n", times[i].ms,
                     times[i].passes, p.field, scaleName(p.scale), p.naCl, p.kCl, p.P);
    }
}

void surveyLiquidus() {
    std::vector<Timing> times;
    for (const Press& p : liquidusPresses())
        times.push_back(press(p));
    reportSlowest(times);
}

// n random presses of another stream, the slowest reported.
void timeLiquidus(int n) {
    Stream s{static_cast<std::uint64_t>(n) * 7919};
    std::vector<Timing> times;
    for (int i = 0; i < n; ++i)
        times.push_back(press(randomPress(s)));
    reportSlowest(times);
}

// ---- The empirical searches on the sylvite surface -----------------------

void printLiquid(const calculators::EmpiricalLiquid& l) {
    std::printf(" [%.17g %.17g %.17g %.17g %.17g %.17g]", l.xH2O, l.xNaCl, l.xKCl, l.wNaCl, l.wKCl,
                l.pressureMPa);
}

void surveySurface() {
    Stream s{4};
    for (int i = 0; i < 1000; ++i) {
        const double T = s.in(200, 1150), r = s.next();
        std::printf("M 4 %.17g %.17g: %.17g\n", T, r, Globals::Molefraction_H2O(4, T, r));
    }
    for (int i = 0; i < 400; ++i) {
        const double xK = s.in(0, 0.5), xN = s.in(0, 0.5);
        std::printf("D 4 %.17g %.17g: %.17g\n", xN, xK, Globals::FDP_Mirtox(4, xN, xK));
    }
}

void surveyCotecticExact() {
    // Every line over the temperatures its liquidus surfaces are asked at,
    // and the badly conditioned end of the ice + sylvite line.
    for (int line = 1; line <= 5; ++line)
        for (int i = 0; i <= 400; ++i) {
            const double T = 150 + 2.5 * i;
            std::printf("C %d %.17g: %.17g\n", line, T, Globals::Cotectic_Exact(line, T));
        }
    for (int i = -50; i <= 50; ++i) {
        const double T = 875.62 + 0.01 * i;
        std::printf("C 2 %.17g: %.17g\n", T, Globals::Cotectic_Exact(2, T));
    }
}

void surveyFinalRatio() {
    Stream s{5};
    for (int i = 0; i < 1200; ++i) {
        const int field = 1 + static_cast<int>(s.next() * 4);
        const double T = s.in(250, 1100);
        const double r1 = s.next(), xw1 = s.next(), r2 = s.next();
        const double xw2 = s.next() < 0.5 ? 0.0 : s.next();
        std::printf("F %d %.17g %.17g %.17g %.17g %.17g: %.17g\n", field, T, r1, xw1, r2, xw2,
                    Globals::FinalRatio(field, T, r1, xw1, r2, xw2));
    }
    for (int i = -50; i <= 50; ++i) {
        const double T = 819.65 + 0.01 * i;
        std::printf("F 4 %.17g: %.17g\n", T, Globals::FinalRatio(4, T, 0.9513, 0.5579, 0.8866, 0));
    }
}

void surveyEmpiricalCotectic() {
    for (int line = 1; line <= 5; ++line)
        for (int i = 0; i <= 240; ++i) {
            const double c = -60 + 3.5 * i;
            const auto r = calculators::empiricalCotectic(line, c);
            std::printf("EC %d %.17g: %d %d %.17g", line, c, r.lineChosen, r.liquidInRange, r.temperatureK);
            printLiquid(r.liquid);
            std::printf(" %d %d\n", static_cast<int>(r.solid1.kind), static_cast<int>(r.solid2.kind));
        }
}

void printPoint(const calculators::SalinityPoint& p) {
    std::printf(" {%.17g %d", p.temperatureK, p.found);
    printLiquid(p.liquid);
    std::printf("}");
}

void surveyEmpiricalSalinity() {
    using calculators::SalinityInput;
    using calculators::SalinitySystem;
    Stream s{6};
    for (int i = 0; i < 1200; ++i) {
        SalinityInput in;
        in.system = SalinitySystem::H2O_NaCl_KCl;
        const int pair = static_cast<int>(s.next() * 3);
        if (pair == 0) {
            in.ice = in.sylvite = true;
            in.iceC = s.in(-25, 0);
            in.sylviteC = s.in(-30, 300);
        } else if (pair == 1) {
            in.hydrohalite = in.sylvite = true;
            in.hydrohaliteC = s.in(-25, 5);
            in.sylviteC = s.in(-30, 300);
        } else {
            in.halite = in.sylvite = true;
            in.haliteC = s.in(-5, 800);
            in.sylviteC = s.in(-5, 800);
        }
        in.solvusPresent = s.next() < 0.5;
        in.solvusAbsent = !in.solvusPresent;
        const auto r = calculators::empiricalSalinity(in);
        std::printf("ES %d %.17g %.17g %.17g %.17g %d:", pair, in.iceC, in.hydrohaliteC, in.haliteC,
                    in.sylviteC, in.solvusPresent);
        std::printf(" %d %d %d %d", static_cast<int>(r.warning), r.written, r.line, r.phase);
        printPoint(r.cotectic);
        printPoint(r.finalDissolution);
        std::printf(" %d %.17g %d\n", static_cast<int>(r.solid), r.solidSaltRatio, r.solidSaltRatioKnown);
    }
}

void surveyDissolution() {
    Stream s{7};
    for (int i = 0; i < 600; ++i) {
        const int field = s.next() < 0.7 ? 4 : 3;
        const double n = s.in(0, 40), k = s.in(0, 40);
        calculators::ConvertComposition(1, CompositionScale::Mass, n);
        calculators::ConvertComposition(2, CompositionScale::Mass, k);
        const calculators::SolutionComposition c{Globals::MASSnumber[1], Globals::MASSnumber[2],
                                                 Globals::ASnumber[1], Globals::ASnumber[2]};
        const auto r = calculators::dissolutionOf(field, c);
        std::printf("ET %d %.17g %.17g: %d %.17g %d %.17g\n", field, n, k, r.dissolves, r.temperatureK,
                    static_cast<int>(r.pressure), r.pressureMPa);
    }
}

} // namespace

// No argument: the survey. A number n: n random presses of the liquidus
// window alone.
int main(int argc, char** argv) {
    Globals::setYieldHook([](long n) { passes += n; });
    if (argc > 1) {
        timeLiquidus(std::atoi(argv[1]));
        return 0;
    }
    surveySurface();
    surveyCotecticExact();
    surveyFinalRatio();
    surveyEmpiricalCotectic();
    surveyEmpiricalSalinity();
    surveyDissolution();
    surveyLiquidus();
    return 0;
}
