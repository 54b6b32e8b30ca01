// Speed of the gear suggestion: every candidate against every standard thread.
#include <benchmark/benchmark.h>

#include <vector>

#include "calc/suggest/GearSuggestion.h"

namespace {

calc::SuggestionRequest AllThreads(calc::GearSet gears, bool includeBoth) {
    std::vector<const calc::ThreadFamily*> families;
    for (const calc::ThreadFamily& family : calc::ThreadFamilies()) families.push_back(&family);
    calc::SuggestionRequest request;
    request.gears = std::move(gears);
    request.inputs.includeLow = request.inputs.includeIntersecting = includeBoth;
    request.threads = calc::WantedThreads(families, 0.1, 0.2);
    return request;
}

calc::GearSet FiftySixGears() {
    std::vector<std::int32_t> counts;
    for (int teeth = 20; teeth <= 75; ++teeth) counts.push_back(teeth);
    return calc::GearSet(counts);
}

template <class Suggest>
void Run(benchmark::State& state, const calc::SuggestionRequest& request, Suggest suggest) {
    std::size_t listed = 0;
    for (auto _ : state) listed = suggest(request, {}).size();
    state.counters["threads"] = static_cast<double>(request.threads.size());
    state.counters["listed"] = static_cast<double>(listed);
}

void BM_SingleGearsFactory(benchmark::State& state) {
    Run(state, AllThreads(calc::GearSet(), state.range(0) == 1), calc::SuggestGears);
}
void BM_SingleGears56Gears(benchmark::State& state) {
    Run(state, AllThreads(FiftySixGears(), state.range(0) == 1), calc::SuggestGears);
}
void BM_GearPairsFactory(benchmark::State& state) {
    Run(state, AllThreads(calc::GearSet(), state.range(0) == 1), calc::SuggestGearPairs);
}

}  // namespace

// Argument 1: both include options.
BENCHMARK(BM_SingleGearsFactory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);  // the 100 ms goal
BENCHMARK(BM_SingleGears56Gears)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);  // the 1 s goal
BENCHMARK(BM_GearPairsFactory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);  // the 5 s goal

BENCHMARK_MAIN();
