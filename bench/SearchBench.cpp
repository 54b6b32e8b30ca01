// Speed of the gear-train search and of the ordering of its results.
#include <benchmark/benchmark.h>

#include "calc/order/EntrySort.h"
#include "calc/order/PackedTrainList.h"
#include "calc/order/TrainOrder.h"
#include "calc/search/TrainSearch.h"

namespace {

calc::GearSet FiftySixGears() {
    std::vector<std::int32_t> counts;
    for (int teeth = 20; teeth <= 75; ++teeth) counts.push_back(teeth);
    return calc::GearSet(counts);
}

calc::SearchInputs Inputs(double tolerance, bool includeBoth) {
    calc::SearchInputs in;
    in.request = 1.0;
    in.tolerance = tolerance;
    in.includeLow = in.includeIntersecting = includeBoth;
    return in;
}

void Search(benchmark::State& state, const calc::GearSet& gears, const calc::SearchInputs& in, bool sort) {
    std::size_t found = 0;
    for (auto _ : state) {
        auto list = calc::SearchTrains(in, gears);
        if (sort) calc::QuickSort(list, 0, -1, gears);
        found = list.size();
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["results"] = static_cast<double>(found);
}

void BM_FactorySet(benchmark::State& state) { Search(state, calc::GearSet(), Inputs(0.1, false), true); }

void BM_Search56(benchmark::State& state) {
    const double tolerance = static_cast<double>(state.range(0)) / 10.0;
    Search(state, FiftySixGears(), Inputs(tolerance, true), false);
}

void BM_SearchAndSort56(benchmark::State& state) {
    const double tolerance = static_cast<double>(state.range(0)) / 10.0;
    Search(state, FiftySixGears(), Inputs(tolerance, true), true);
}

void BM_Search56Plain(benchmark::State& state) {
    Search(state, FiftySixGears(), Inputs(0.1, false), false);
}

// The command-line tool's way: the results packed into sort entries.
void Packed(benchmark::State& state, bool sort) {
    const calc::GearSet gears = FiftySixGears();
    const calc::SearchInputs in = Inputs(static_cast<double>(state.range(0)) / 10.0, true);
    std::size_t found = 0;
    for (auto _ : state) {
        calc::PackedTrainList packed(in, gears);
        calc::SearchTrains(in, gears, packed);
        if (sort) packed.Sort();
        found = packed.Size();
        benchmark::DoNotOptimize(&packed);
    }
    state.counters["results"] = static_cast<double>(found);
}

void BM_PackedSearch56(benchmark::State& state) { Packed(state, false); }

// As kestrany-calc fills and sorts its list: room made once, the search
// shared between two threads when it is long.
void BM_PackedFill56(benchmark::State& state) {
    const calc::GearSet gears = FiftySixGears();
    const calc::SearchInputs in = Inputs(static_cast<double>(state.range(0)) / 10.0, true);
    std::size_t found = 0;
    for (auto _ : state) {
        calc::PackedTrainList packed(in, gears);
        packed.Fill(in, gears);
        if (state.range(1)) packed.Sort();
        found = packed.Size();
        benchmark::DoNotOptimize(&packed);
    }
    state.counters["results"] = static_cast<double>(found);
}

void BM_SearchPlan56(benchmark::State& state) {
    const calc::GearSet gears = FiftySixGears();
    const calc::SearchInputs in = Inputs(static_cast<double>(state.range(0)) / 10.0, true);
    for (auto _ : state) {
        const calc::SearchPlan plan(in, gears);
        benchmark::DoNotOptimize(&plan);
    }
}
void BM_PackedSearchAndSort56(benchmark::State& state) { Packed(state, true); }

// The sort alone, on the entries of a search: by the record sort's own
// steps, bucketed on a copy, or bucketed knowing there are no ties.
void SortOnly(benchmark::State& state, calc::KnownTies ties) {
    const calc::GearSet gears = FiftySixGears();
    const calc::SearchInputs in = Inputs(static_cast<double>(state.range(0)) / 10.0, true);
    const calc::TrainSortKeys keys(gears);
    std::vector<calc::TrainSortEntry> found;
    for (const calc::TrainResult& r : calc::SearchTrains(in, gears))
        found.push_back(keys.EntryOf(r, static_cast<std::uint32_t>(found.size())));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<calc::TrainSortEntry> entries = found;
        state.ResumeTiming();
        calc::SortEntries(entries, 0, -1, keys.Before(), ties);
        benchmark::DoNotOptimize(entries.data());
    }
    state.counters["results"] = static_cast<double>(found.size());
}

void BM_SortByRecordSteps56(benchmark::State& state) { SortOnly(state, calc::KnownTies::Seen); }
void BM_SortBucketed56(benchmark::State& state) { SortOnly(state, calc::KnownTies::Unknown); }
void BM_SortKnownDistinct56(benchmark::State& state) { SortOnly(state, calc::KnownTies::None); }

}  // namespace

BENCHMARK(BM_PackedSearch56)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PackedSearchAndSort56)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PackedFill56)->Args({1, 0})->Args({2, 0})->Args({3, 0})->Args({5, 0})->Args({1, 1})->Args({10, 0})->Args({10, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchPlan56)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FactorySet)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Search56Plain)->Unit(benchmark::kMillisecond);                 // 0.1 %, no options
BENCHMARK(BM_Search56)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);   // 0.1 %, 1 %, 5 %
BENCHMARK(BM_SearchAndSort56)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchAndSort56)->Arg(500)->Unit(benchmark::kMillisecond)->Iterations(1);  // the extreme case

BENCHMARK(BM_SortByRecordSteps56)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortBucketed56)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);  // 0.1 % and 1 %: no ties
BENCHMARK(BM_SortKnownDistinct56)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
