// Timings of one press of "calculate" in the thermodynamic liquidus and
// solvus windows, without a window, and of the isotherms that the liquidus
// surface picture computes when it is first shown. Run by hand:
// build/bench/thermo_calculators_bench
#include "calculators/CompositionEntry.h"
#include "calculators/shared/pictures/PhaseGeometry.h"
#include "calculators/thermodynamic/LiquidusCalc.h"
#include "calculators/thermodynamic/SolvusCalc.h"

#include "Globals.h"

#include <benchmark/benchmark.h>

#include <iterator>
#include <vector>

namespace {

using calculators::CompositionScale;

struct Liquid {
    int field;
    CompositionScale scale;
    double naCl, kCl; // as typed
    double P;
};

// The compositions typed in the examples of the windows (mass % 20 and 10,
// 10, 60 and 30, molality 2 and 1, as % 15 and 5), the slowest liquids met in
// a survey of both fields at 0.1 to 1000 MPa (at 1000 MPa the highest
// liquidus of the solid solution is not found, and the search for a root that
// is not there runs over the widest bracket), and the slowest of every field.
constexpr Liquid kLiquids[] = {
    {3, CompositionScale::Mass, 20, 10, 100},
    {3, CompositionScale::Mass, 10, 0, 0.1},
    {3, CompositionScale::Mass, 60, 30, 0.1},
    {4, CompositionScale::Molality, 2, 1, 500},
    {3, CompositionScale::AmountOfSubstance, 15, 5, 0.1},
    {4, CompositionScale::AmountOfSubstance, 5, 25, 100},
    {3, CompositionScale::AmountOfSubstance, 23, 67, 1000},
    {4, CompositionScale::AmountOfSubstance, 45, 27, 1000},
    // The slowest presses of a random survey of every field (the liquidus
    // survey program): traces of salt at an absurd 1e6 MPa, where the
    // solid-composition scans crawl, and liquids without a liquidus whose G
    // jumps wherever the solid search changes branch.
    {3, CompositionScale::Mass, 2.0698972781981616e-06, 8.311664348409062e-09, 1e6},
    {3, CompositionScale::Mass, 3.4124467258454805e-06, 0.0049395609064668469, 1e6},
    {4, CompositionScale::Mass, 30.136760379539115, 26.512169453300373, 1e6},
    {4, CompositionScale::Mass, 35, 50, 25},
    {3, CompositionScale::AmountOfSubstance, 3.418509378643444, 29.190562708831919, 590.16177074927907},
};

void BM_LiquidusFromSalinity(benchmark::State& state) {
    const Liquid& l = kLiquids[state.range(0)];
    // The composition arrays as the window's entry leaves them.
    calculators::ConvertComposition(1, l.scale, l.naCl);
    calculators::ConvertComposition(2, l.scale, l.kCl);
    const calculators::SaltContents salts{.massNaCl = Globals::MASSnumber[1],
                                          .massKCl = Globals::MASSnumber[2],
                                          .asNaCl = Globals::ASnumber[1],
                                          .asKCl = Globals::ASnumber[2]};
    for (auto _ : state)
        benchmark::DoNotOptimize(calculators::liquidusFromSalinity(l.field, salts, l.P));
}
BENCHMARK(BM_LiquidusFromSalinity)->DenseRange(0, std::size(kLiquids) - 1)->Unit(benchmark::kMillisecond);

// 300, 400 and 500 C at 0.1 and 100 MPa (500 C at 0.1 MPa lies above the
// consolute point), then 492 C at 0.1 MPa, just below it, and 1000 MPa.
void BM_ThermodynamicSolvus(benchmark::State& state) {
    const double T = static_cast<double>(state.range(0)) + 273.15;
    const double P = static_cast<double>(state.range(1)) / 10;
    for (auto _ : state)
        benchmark::DoNotOptimize(calculators::thermodynamicSolvus(T, P));
}
BENCHMARK(BM_ThermodynamicSolvus)
    ->Args({300, 1})
    ->Args({400, 1})
    ->Args({500, 1})
    ->Args({300, 1000})
    ->Args({400, 1000})
    ->Args({500, 1000})
    ->Args({492, 1})
    ->Args({400, 10000})
    ->Unit(benchmark::kMillisecond);

// Both sets of isotherms of the liquidus surface picture: its first showing
// waits for them, so they should take about a second at most.
void BM_LiquidusSurfaceIsotherms(benchmark::State& state) {
    const std::vector<double> temperaturesC{400, 500, 600, 700};
    for (auto _ : state)
        for (double P : {50.0, 200.0})
            benchmark::DoNotOptimize(pictures::geometry::modelIsotherms(P, temperaturesC));
}
BENCHMARK(BM_LiquidusSurfaceIsotherms)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
