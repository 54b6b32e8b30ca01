// Speed of the thread chart: the best train for every standard thread.
#include <benchmark/benchmark.h>

#include <vector>

#include "calc/chart/FewestChanges.h"
#include "calc/chart/ThreadChart.h"

namespace {

calc::GearSet FiftySixGears() {
    std::vector<std::int32_t> counts;
    for (int teeth = 20; teeth <= 75; ++teeth) counts.push_back(teeth);
    return calc::GearSet(counts);
}

std::vector<const calc::ThreadFamily*> AllFamilies() {
    std::vector<const calc::ThreadFamily*> families;
    for (const calc::ThreadFamily& family : calc::ThreadFamilies()) families.push_back(&family);
    return families;
}

void Chart(benchmark::State& state, const calc::GearSet& gears, bool includeBoth) {
    const auto families = AllFamilies();
    calc::SearchInputs in;
    in.includeLow = in.includeIntersecting = includeBoth;
    std::size_t rows = 0;
    for (auto _ : state) {
        auto chart = calc::BuildThreadChart(families, gears, in);
        rows = chart.size();
        benchmark::DoNotOptimize(chart.data());
    }
    state.counters["threads"] = static_cast<double>(rows);
}

// The chart with the fewest gear changes, as `--chart all --fewest-changes`
// works it out, at a cap of state.range(0) candidate trains per thread; the
// counters show the changes the cap reaches, so the cap can be chosen where
// they stop falling.
void FewestChanges(benchmark::State& state, const calc::GearSet& gears) {
    const auto families = AllFamilies();
    calc::SearchInputs in;
    in.includeLow = in.includeIntersecting = true;
    const auto cap = static_cast<std::size_t>(state.range(0));
    int best = 0, fewest = 0;
    for (auto _ : state) {
        const auto chart = calc::BuildThreadChart(families, gears, in);
        const auto chosen = calc::FewestChangesChart(chart, gears, in, {0.1, 0.2}, cap);
        best = calc::ChartGearChanges(chart, gears);
        fewest = calc::ChartGearChanges(chosen, gears);
    }
    state.counters["best_trains"] = best;
    state.counters["fewest"] = fewest;
}

void BM_FewestChanges56GearsBothOptions(benchmark::State& state) { FewestChanges(state, FiftySixGears()); }
void BM_FewestChangesFactoryGearsBothOptions(benchmark::State& state) { FewestChanges(state, calc::GearSet()); }

void BM_ChartFactoryGears(benchmark::State& state) { Chart(state, calc::GearSet(), false); }
void BM_ChartFactoryGearsBothOptions(benchmark::State& state) { Chart(state, calc::GearSet(), true); }
void BM_Chart56GearsBothOptions(benchmark::State& state) { Chart(state, FiftySixGears(), true); }
void BM_Chart56Gears(benchmark::State& state) { Chart(state, FiftySixGears(), false); }
// Every pair of equal gears has the same ratio, which no early stop can tell apart.
void BM_Chart56EqualGearsBothOptions(benchmark::State& state) {
    Chart(state, calc::GearSet(std::vector<std::int32_t>(56, 40)), true);
}

}  // namespace

BENCHMARK(BM_ChartFactoryGears)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartFactoryGearsBothOptions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Chart56GearsBothOptions)->Unit(benchmark::kMillisecond);  // the 1 s goal
BENCHMARK(BM_Chart56Gears)->Unit(benchmark::kMillisecond);
// The 1 s goal at the chosen cap, and the caps around it.
BENCHMARK(BM_FewestChanges56GearsBothOptions)->Arg(64)->Arg(256)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FewestChangesFactoryGearsBothOptions)->Arg(16)->Arg(32)->Arg(512)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Chart56EqualGearsBothOptions)->Unit(benchmark::kMillisecond);  // the 1 s goal

BENCHMARK_MAIN();
