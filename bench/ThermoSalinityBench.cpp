// Timings of the two thermodynamic calculators with outer searches, without a
// window: the salinity from the dissolution temperatures of halite and
// sylvite (a liquidus search in every pass of its own search), and the
// halite-sylvite cotectic. Run by hand: build/bench/thermo_salinity_bench
#include "calculators/thermodynamic/CotecticCalc.h"
#include "calculators/thermodynamic/SalinityCalc.h"

#include <benchmark/benchmark.h>

#include <iterator>

namespace {

constexpr double kC = 273.15;

struct SalinityCase {
    double pressureMPa, haliteC, sylviteC;
};

// Halite last, sylvite last, at 100 MPa, both at one temperature; then the
// two slowest bulk liquids found in surveys of both fields from 0 to 535 degC
// at 0.1 to 500 MPa (just below the crest of the solvus); final temperatures
// that no liquid of the line reaches: above the liquidus of the solid (0.1
// MPa) or above the reach of the liquidus search (200 and 446.6 MPa), decided
// before any search along the line; a cotectic liquid whose search meets
// liquids without KCl (0.1 MPa, halite 50, sylvite 10 degC); and the slowest
// press of a random survey (bench/ThermoSalinitySurvey.cpp), whose liquidus
// searches fail over part of the line (out of range after 101 passes); and
// the slowest press of that survey at a negative pressure, where the search
// along the line closes in on the end of a stretch of failed liquidus
// searches by halving, each failure a full liquidus search with its
// fallback.
constexpr SalinityCase kSalinity[] = {
    {0.1, 350, 300},
    {0.1, 300, 350},
    {100, 350, 300},
    {0.1, 300, 300},
    {50, 485, 475},
    {10, 475, 470},
    {200, 875, 175},
    {0.1, 400, 760},
    {446.6, 82.1, 830.6},
    {0.1, 50, 10},
    {490.425, 402.138, 731.603},
    {-232.109, 480.319, 26.625},
};

void BM_Salinity(benchmark::State& state) {
    const SalinityCase& c = kSalinity[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(
            calculators::salinityFromDissolution(c.pressureMPa, c.haliteC + kC, c.sylviteC + kC));
}
BENCHMARK(BM_Salinity)->DenseRange(0, std::size(kSalinity) - 1)->Unit(benchmark::kMillisecond);

struct CotecticCase {
    double temperatureC, pressureMPa;
};

// The common case, at the surface pressure, just below the crest of the
// solvus, at 0 degC, and at 3000 MPa, where the liquid search never settles.
constexpr CotecticCase kCotectic[] = {{300, 100}, {300, 0.1}, {490, 0.1}, {0, 0.1}, {300, 3000}};

void BM_Cotectic(benchmark::State& state) {
    const CotecticCase& c = kCotectic[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(calculators::cotecticAt(c.temperatureC + kC, c.pressureMPa));
}
BENCHMARK(BM_Cotectic)->DenseRange(0, std::size(kCotectic) - 1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
