// Surveys of the two thermodynamic calculators with outer searches, without a
// window. Run by hand: build/bench/thermo_salinity_survey MODE
//
//   outputs  every shown result of a fixed grid of presses of both windows
//            (and a few hostile ones), doubles printed to the last bit, to be
//            compared before and after a change of a search;
//   gaps     0.5 K sweeps from 25 to 450 degC at 0.1, 50, 100 and 200 MPa:
//            temperatures without a cotectic liquid that lie between two
//            temperatures with one;
//   random   every shown result of a random survey of salinity presses (in
//            and out of range, negative and huge pressures);
//   slowest  the same presses timed, the slowest ones listed.
#include "calculators/thermodynamic/CotecticCalc.h"
#include "calculators/thermodynamic/SalinityCalc.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace calculators;

constexpr double kC = 273.15, kInf = INFINITY;

void print(const SaltContent& c) {
    std::printf(" %.17g %.17g %.17g %.17g", c.asNaCl, c.asKCl, c.massNaCl, c.massKCl);
}

// What the windows show, stage by stage; "-" where a stage was not reached.
void printCotectic(double tC, double P) {
    const CotecticResult r = cotecticAt(tC + kC, P);
    std::printf("cotectic %.17g C %.17g MPa:", tC, P);
    if (!r.solvusFound) {
        std::printf(" no solvus\n");
        return;
    }
    print(r.naclRichSolid);
    print(r.kclRichSolid);
    if (r.liquidFound)
        print(r.liquidContent);
    else
        std::printf(" out of range");
    std::printf("\n");
}

void printSalinity(double P, double sylviteC, double haliteC) {
    const SalinityResult r = salinityFromDissolution(P, haliteC + kC, sylviteC + kC);
    std::printf("salinity %.17g MPa sylvite %.17g C halite %.17g C: %.17g %.17g", P, sylviteC, haliteC,
                r.cotecticK, r.finalK);
    if (!r.solidFound) {
        std::printf(" out of range\n");
        return;
    }
    print(r.cotecticSolid);
    if (!r.liquidFound) {
        std::printf(" out of range\n");
        return;
    }
    print(r.cotecticLiquid);
    if (r.bulkFound) {
        print(r.bulk);
        print(r.finalSolid);
    } else {
        std::printf(" out of range");
    }
    std::printf("\n");
}

constexpr double kPressures[] = {0.1, 1, 10, 50, 100, 200};
constexpr double kHostilePressures[] = {-100, -1, 0, 500, 3000, 1e6, INFINITY, -INFINITY};

void outputs() {
    int n = 0;
    // Cotectic: temperature and pressure.
    for (double P : kPressures)
        for (double tC = 0; tC <= 540; tC += 2.5, ++n)
            printCotectic(tC, P);
    for (double P : kHostilePressures)
        for (double tC : {-300.0, -273.15, 25.0, 300.0, 1e6})
            printCotectic(tC, P), ++n;
    for (double tC : {double(INFINITY), -double(INFINITY), 1e308})
        printCotectic(tC, 0.1), ++n;
    std::fprintf(stderr, "cotectic presses: %d\n", n);

    // Salinities: both fields (sylvite or halite dissolving last), the
    // cotectic temperature on a grid, the final one above it.
    n = 0;
    for (double P : kPressures)
        for (double t1 = 10; t1 <= 490; t1 += 30)
            for (double dt : {0.0, 5.0, 20.0, 60.0, 150.0, 400.0}) {
                printSalinity(P, t1, t1 + dt), ++n; // halite last
                if (dt > 0) printSalinity(P, t1 + dt, t1), ++n;
            }
    for (double P : kHostilePressures)
        for (auto [syl, hal] : {std::pair{300.0, 350.0}, {350.0, 300.0}, {10.0, 50.0}, {830.6, 82.1}})
            printSalinity(P, syl, hal), ++n;
    for (auto [syl, hal] : {std::pair{kInf, 300.0}, {300.0, kInf}, {-kInf, 300.0}, {-300.0, 25.0}})
        printSalinity(0.1, syl, hal), ++n;
    std::fprintf(stderr, "salinity presses: %d\n", n);
}

// Points of a sweep that found nothing between two that found something.
template <class Found> int countGaps(const char* what, double P, Found&& found) {
    std::vector<double> temps;
    std::vector<bool> ok;
    for (int i = 0; i <= 850; ++i) {
        temps.push_back(25 + 0.5 * i);
        ok.push_back(found(temps.back()));
    }
    const auto first = std::find(ok.begin(), ok.end(), true);
    const auto last = std::find(ok.rbegin(), ok.rend(), true).base();
    int gaps = 0;
    for (auto it = first; it < last; ++it)
        if (!*it) {
            ++gaps;
            std::printf("gap: %s at %g MPa, %g C\n", what, P, temps[it - ok.begin()]);
        }
    const long found_ = std::count(ok.begin(), ok.end(), true);
    std::printf("%s at %g MPa: %ld of %zu found, %d gaps\n", what, P, found_, ok.size(), gaps);
    return gaps;
}

void gaps() {
    int total = 0;
    for (double P : {0.1, 50.0, 100.0, 200.0}) {
        total += countGaps("cotectic temperature", P,
                           [&](double tC) { return cotecticAt(tC + kC, P).liquidFound; });
        // The cotectic temperature swept in both fields, the final temperature
        // 20 K above it: halite dissolving last, then sylvite.
        total += countGaps("salinity, sylvite swept, halite 20 K above", P, [&](double tC) {
            return salinityFromDissolution(P, tC + 20 + kC, tC + kC).liquidFound;
        });
        total += countGaps("salinity, halite swept, sylvite 20 K above", P, [&](double tC) {
            return salinityFromDissolution(P, tC + kC, tC + 20 + kC).liquidFound;
        });
    }
    std::printf("gaps in all sweeps: %d\n", total);
}

// A small fixed generator, so that every run surveys the same presses.
struct Random {
    std::uint64_t s = 0x9E3779B97F4A7C15u;
    double uniform(double lo, double hi) {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return lo + (hi - lo) * double(s >> 11) / 9007199254740992.0;
    }
};

// The presses of the random survey: in and out of range, negative and huge
// pressures.
struct Press {
    double P, sylviteC, haliteC;
};

Press randomPress(Random& rnd) {
    const double pick = rnd.uniform(0, 1);
    const double P = pick < 0.05   ? rnd.uniform(-500, 0)
                     : pick < 0.1  ? rnd.uniform(500, 1e5)
                     : pick < 0.55 ? rnd.uniform(0.1, 200)
                                   : rnd.uniform(0.1, 500);
    const double syl = rnd.uniform(-50, 1000), hal = rnd.uniform(-50, 1000);
    return {P, syl, hal};
}

void randomOutputs(int presses) {
    Random rnd;
    for (int i = 0; i < presses; ++i) {
        const Press p = randomPress(rnd);
        printSalinity(p.P, p.sylviteC, p.haliteC);
    }
}

void slowest(int presses) {
    Random rnd;
    struct Timed {
        double ms, P, sylviteC, haliteC;
        bool liquid, bulk;
    };
    std::vector<Timed> all;
    double sum = 0;
    for (int i = 0; i < presses; ++i) {
        const auto [P, syl, hal] = randomPress(rnd);
        const auto start = std::chrono::steady_clock::now();
        const SalinityResult r = salinityFromDissolution(P, hal + kC, syl + kC);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        sum += ms;
        all.push_back({ms, P, syl, hal, r.liquidFound, r.bulkFound});
    }
    // The machine may be busy with other work: the slowest presses are timed
    // again, each taking the fastest of three runs.
    auto slowerFirst = [](const Timed& a, const Timed& b) { return a.ms > b.ms; };
    std::sort(all.begin(), all.end(), slowerFirst);
    for (std::size_t i = 0; i < std::min<std::size_t>(50, all.size()); ++i)
        for (int repeat = 0; repeat < 3; ++repeat) {
            const auto start = std::chrono::steady_clock::now();
            salinityFromDissolution(all[i].P, all[i].haliteC + kC, all[i].sylviteC + kC);
            all[i].ms = std::min(
                all[i].ms,
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    std::sort(all.begin(), all.end(), slowerFirst);
    const auto over50 = std::count_if(all.begin(), all.end(), [](const Timed& t) { return t.ms > 50; });
    const auto over50Positive =
        std::count_if(all.begin(), all.end(), [](const Timed& t) { return t.ms > 50 && t.P > 0; });
    std::printf("%d presses, mean %.3f ms, %ld over 50 ms (%ld of them at a positive pressure); slowest:\n",
                presses, sum / presses, long(over50), long(over50Positive));
    for (std::size_t i = 0; i < std::min<std::size_t>(10, all.size()); ++i)
        std::printf("  %8.3f ms  %.6g MPa, sylvite %.6g C, halite %.6g C (%s)\n", all[i].ms, all[i].P,
                    all[i].sylviteC, all[i].haliteC,
                    all[i].bulk     ? "full answer"
                    : all[i].liquid ? "final out of range"
                                    : "cotectic out of range");
}

} // namespace

int main(int argc, char** argv) {
    const char* mode = argc > 1 ? argv[1] : "";
    if (!std::strcmp(mode, "outputs"))
        outputs();
    else if (!std::strcmp(mode, "gaps"))
        gaps();
    else if (!std::strcmp(mode, "random"))
        randomOutputs(argc > 2 ? std::stoi(argv[2]) : 2000);
    else if (!std::strcmp(mode, "slowest"))
        slowest(argc > 2 ? std::stoi(argv[2]) : 2000);
    else {
        std::fprintf(stderr, "usage: %s outputs | gaps | random [presses] | slowest [presses]\n", argv[0]);
        return 2;
    }
    return 0;
}
