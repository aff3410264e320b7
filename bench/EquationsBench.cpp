// Timings of the public functions of the numerical module at representative
// inputs. Run by hand: build/bench/equations_bench
#include "Globals.h"

#include <benchmark/benchmark.h>

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

} // namespace

BENCHMARK_MAIN();
