// Speed of the thread chart: the best train for every standard thread.
#include <benchmark/benchmark.h>

#include <vector>

#include "calc/ThreadChart.h"

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
BENCHMARK(BM_Chart56EqualGearsBothOptions)->Unit(benchmark::kMillisecond);  // the 1 s goal

BENCHMARK_MAIN();
