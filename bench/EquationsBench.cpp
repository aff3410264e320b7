// Timings of the public functions of the numerical module at representative
// inputs. Run by hand: build/bench/equations_bench
#include "Globals.h"

#include <benchmark/benchmark.h>

#include <iterator>

using namespace Globals;

namespace {

void BM_CubicEquation(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(CubicEquation(-1.455351427474075, 0.8747599539111509, -0.18264306746895403));
}
BENCHMARK(BM_CubicEquation);

void BM_FDP_Hall87(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(FDP_Hall87(10.0, 5.0));
}
BENCHMARK(BM_FDP_Hall87);

void BM_Mass_Hall87(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Mass_Hall87(260.0, 0.6));
}
BENCHMARK(BM_Mass_Hall87);

void BM_Molefraction_H2O(benchmark::State& state) {
    const int field = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Molefraction_H2O(field, 373.15, 0.6));
}
BENCHMARK(BM_Molefraction_H2O)->DenseRange(1, 4);

void BM_FDP_Mirtox(benchmark::State& state) {
    const int field = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(FDP_Mirtox(field, 0.1, 0.05));
}
BENCHMARK(BM_FDP_Mirtox)->DenseRange(2, 4);

void BM_Cotectic_Exact(benchmark::State& state) {
    const int line = static_cast<int>(state.range(0));
    const double T[] = {0, 251.15, 262.15, 263.15, 268.15, 373.15};
    for (auto _ : state)
        benchmark::DoNotOptimize(Cotectic_Exact(line, T[line]));
}
BENCHMARK(BM_Cotectic_Exact)->DenseRange(1, 5);

void BM_FinalRatio(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(FinalRatio(3, 473.15, 0.48, 0.85, 1.0, 0.0));
}
BENCHMARK(BM_FinalRatio);

void BM_MaxSolvus(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(MaxSolvus(0));
}
BENCHMARK(BM_MaxSolvus);

void BM_RatioSolvus(benchmark::State& state) {
    const double T = static_cast<double>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(RatioSolvus(4, T));
}
BENCHMARK(BM_RatioSolvus)->Arg(573)->Arg(750);

void BM_Pressure(benchmark::State& state) {
    const double T = static_cast<double>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Pressure(3, 0.8, 0.1, T));
}
BENCHMARK(BM_Pressure)->Arg(873)->Arg(1000);

void BM_Pressure650(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Pressure650(4, 0.5, 0.2, 0.3));
}
BENCHMARK(BM_Pressure650);

// ---------------------------------------------------------------------------
// Thermodynamic model

void BM_Activity_Coefficient_Liquid(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Activity_Coefficient_Liquid(1, 0.1, 0.05, 573.15, 100.0));
}
BENCHMARK(BM_Activity_Coefficient_Liquid);

void BM_Activity_Coefficient_Solid(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Activity_Coefficient_Solid(1, 0.5, 0.5, 773.15, 0.1));
}
BENCHMARK(BM_Activity_Coefficient_Solid);

void BM_dG_melting_pureSalt(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(dG_melting_pureSalt(2, 773.15, 0.1));
}
BENCHMARK(BM_dG_melting_pureSalt);

// The solvus at 400 degC (the windows' typical case), at 100 MPa, and just
// below the consolute point, where the spinodal is narrow.
void BM_Equality_solids(benchmark::State& state) {
    const double T = static_cast<double>(state.range(0)) / 100 + 273.15;
    const double P = static_cast<double>(state.range(1)) / 10;
    for (auto _ : state)
        benchmark::DoNotOptimize(Equality_solids(T, P));
}
BENCHMARK(BM_Equality_solids)
    ->Args({40000, 1})
    ->Args({40000, 1000})
    ->Args({49200, 1})
    ->Unit(benchmark::kMillisecond);

void BM_Cotectic_NaCl_sol_liq(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Cotectic_NaCl_sol_liq(0.688, 0.0914, 573.15, 100.0));
}
BENCHMARK(BM_Cotectic_NaCl_sol_liq);

void BM_Extrema_liq_sol(benchmark::State& state) {
    const int field = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Extrema_liq_sol(field, 0.1, 0.1, 573.15, 0.1));
}
BENCHMARK(BM_Extrema_liq_sol)->Arg(3)->Arg(4);

void BM_Equality_liq_sol(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Equality_liq_sol(3, 0.15, 0.05, 569.15, 0.1));
}
BENCHMARK(BM_Equality_liq_sol);

struct LiquidusCase {
    int field;
    double xNaCl, xKCl, P, T0;
};

// The sample liquids of the liquidus search (the sixth is the one whose
// first search stalls on its upper bound), then slow ones: a start far above
// the liquidus, a wide bracket from a failed upper search (100 MPa), another
// stall, and the slowest liquid met in a survey of both fields at 0.1 and
// 100 MPa with starts of 293.15, 600 and 1073.15 K.
constexpr LiquidusCase kLiquidus[] = {
    {3, 0.15, 0.05, 0.1, 500.0},    {3, 0.15, 0.05, 0.1, 293.15},      {4, 0.05, 0.25, 0.1, 600.0},
    {3, 0.12, 0.06, 100.0, 500.0},  {3, 0.2, 0.0, 0.1, 600.0},         {3, 0.1, 0.02, 0.1, 400.0},
    {3, 1.0, 0.0, 0.1, 1000.0},     {4, 0.05, 0.25, 0.1, 1073.15},     {3, 0.045, 0.315, 100.0, 1073.15},
    {3, 0.056, 0.104, 0.1, 385.74}, {3, 0.1375, 0.0825, 0.1, 1073.15},
};

void BM_Temperature_Liquidus(benchmark::State& state) {
    const auto& c = kLiquidus[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(Temperature_Liquidus(c.field, c.xNaCl, c.xKCl, c.P, c.T0));
}
BENCHMARK(BM_Temperature_Liquidus)->DenseRange(0, std::size(kLiquidus) - 1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
