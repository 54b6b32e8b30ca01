#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "calc/order/EntrySort.h"
#include "calc/order/QuickSortBy.h"
#include "calc/order/TrainSortKeys.h"

using calc::TrainSortEntry;

namespace {

// Gear counts 20, 25, ..., 75: twelve distinct counts and 0.
calc::GearSet TwelveGears() {
    std::vector<std::int32_t> counts;
    for (int t = 20; t <= 75; t += 5) counts.push_back(t);
    return calc::GearSet(counts);
}

// How the entries of a list are drawn: `errors` distinct absolute errors,
// `gears` distinct slots for A, B and C, marks on one in `marksEvery`
// (0: none), a two-gear train one in `twoGearEvery` (0: none). With
// `everyKeyOnce`, each error and gears are taken once, two-gear trains
// beside four-gear ones of the same error and A, in a drawn order.
struct Mix {
    const char* name;
    int errors;
    int gears;
    int marksEvery;
    int twoGearEvery;
    bool everyKeyOnce = false;
};

const Mix kMixes[] = {
    {"all equal four-gear", 1, 1, 0, 0},
    {"all equal two-gear", 1, 1, 0, 1},
    {"few keys, some two-gear", 3, 2, 3, 4},
    {"few keys, mostly two-gear", 2, 2, 0, 2},
    {"one error, many gears", 1, 12, 5, 6},
    {"many errors", 1000, 12, 4, 5},
    {"distinct keys", 1 << 30, 12, 4, 5},
    {"distinct keys but a few", 1 << 9, 12, 4, 5},
    {"every key once", 2, 12, 0, 0, true},
};

std::vector<calc::TrainResult> EveryKeyOnce(std::mt19937& random, const Mix& mix, std::size_t size) {
    std::vector<calc::TrainResult> list;
    for (int e = 0; e < mix.errors; ++e) {
        for (std::int32_t a = 0; a < mix.gears; ++a) {
            list.push_back({a, -1, -1, 11, 0, 0, e * 0.5, {}});
            for (std::int32_t b = 0; b < mix.gears; ++b)
                for (std::int32_t c = 0; c < mix.gears; ++c) list.push_back({a, b, c, 11, 0, 0, -e * 0.5, {}});
        }
    }
    std::shuffle(list.begin(), list.end(), random);
    list.resize(std::min(size, list.size()));
    return list;
}

std::vector<calc::TrainResult> Results(std::mt19937& random, const Mix& mix, std::size_t size) {
    if (mix.everyKeyOnce) return EveryKeyOnce(random, mix, size);
    std::vector<calc::TrainResult> list;
    auto draw = [&random](int n) { return static_cast<std::int32_t>(random() % static_cast<unsigned>(n)); };
    for (std::size_t i = 0; i < size; ++i) {
        calc::TrainResult r;
        r.a = draw(mix.gears);
        r.d = 11;
        r.err = (draw(mix.errors) - mix.errors / 2) * 0.125;
        if (mix.twoGearEvery == 0 || draw(mix.twoGearEvery) != 0) {
            r.b = draw(mix.gears);
            r.c = draw(mix.gears);
            if (mix.marksEvery != 0 && draw(mix.marksEvery) == 0) r.comm = calc::FitMarks(static_cast<std::uint8_t>(draw(8)));
        }
        list.push_back(r);
    }
    return list;
}

// The arrangements a list arrives in besides its drawn order.
enum class Arrangement { Drawn, Sorted, Reversed, OrganPipe };

std::vector<TrainSortEntry> Entries(const std::vector<calc::TrainResult>& results, const calc::TrainSortKeys& keys,
                                    Arrangement arrangement) {
    std::vector<TrainSortEntry> entries;
    for (std::size_t i = 0; i < results.size(); ++i) entries.push_back(keys.EntryOf(results[i], static_cast<std::uint32_t>(i)));
    if (arrangement == Arrangement::Drawn) return entries;
    auto byKeys = [](const TrainSortEntry& x, const TrainSortEntry& y) {
        return x.absErr < y.absErr || (x.absErr == y.absErr && x.keyAndIndex >> 32 < y.keyAndIndex >> 32);
    };
    std::stable_sort(entries.begin(), entries.end(), byKeys);
    if (arrangement == Arrangement::Reversed) std::reverse(entries.begin(), entries.end());
    if (arrangement == Arrangement::OrganPipe) std::reverse(entries.begin() + static_cast<long>(entries.size() / 2), entries.end());
    return entries;
}

// Lists of distinct keys are sorted the same when the sort is told so.
void ExpectSameSort(const std::vector<TrainSortEntry>& entries, long first, calc::TrainSortKeys::Order order,
                    const std::string& what, bool distinct = false) {
    std::vector<TrainSortEntry> expected = entries;
    calc::QuickSortBy(expected, first, -1, order);
    for (calc::KnownTies ties : {calc::KnownTies::Unknown, calc::KnownTies::None}) {
        if (ties == calc::KnownTies::None && !distinct) continue;
        std::vector<TrainSortEntry> sorted = entries;
        calc::SortEntries(sorted, first, -1, order, ties);
        for (std::size_t i = 0; i < sorted.size(); ++i) {
            ASSERT_EQ(sorted[i].keyAndIndex, expected[i].keyAndIndex) << what << ", position " << i;
            ASSERT_EQ(sorted[i].absErr, expected[i].absErr) << what << ", position " << i;
        }
    }
}

}  // namespace

// The fast sort must leave every list exactly as the item-by-item sort does,
// ties included (the index in each entry tells equal keys apart): lists of
// every small size around the selection-sort threshold, larger ones, ranges
// not starting at 0, and lists already in order, reversed or half reversed.
TEST(EntrySort, SamePermutationAsQuickSortBy) {
    const calc::GearSet gears = TwelveGears();
    const calc::TrainSortKeys keys(gears);
    std::mt19937 random(1357);
    std::vector<std::size_t> sizes;
    for (std::size_t size = 0; size <= 200; ++size) sizes.push_back(size);
    for (std::size_t size : {255u, 256u, 257u, 1000u, 3001u}) sizes.push_back(size);
    for (const Mix& mix : kMixes) {
        for (std::size_t size : sizes) {
            const auto results = Results(random, mix, size);
            for (Arrangement arrangement :
                 {Arrangement::Drawn, Arrangement::Sorted, Arrangement::Reversed, Arrangement::OrganPipe}) {
                const auto entries = Entries(results, keys, arrangement);
                for (long first : {0L, 1L, 7L}) {
                    ExpectSameSort(entries, first, keys.Before(),
                                   std::string(mix.name) + ", size " + std::to_string(size) + ", arrangement " +
                                       std::to_string(static_cast<int>(arrangement)) + ", from " + std::to_string(first),
                                   mix.everyKeyOnce);
                }
            }
        }
    }
}

// Lists long enough to be shared out between threads come out the same.
// (Lists of mostly equal keys take the partition quadratic time at these
// lengths, as they would in use; the mixes here have real variety.)
TEST(EntrySort, SamePermutationForLongLists) {
    const calc::GearSet gears = TwelveGears();
    const calc::TrainSortKeys keys(gears);
    std::mt19937 random(2468);
    const Mix everyKeyOnceLong = {"every key once, long", 40, 12, 0, 0, true};
    for (const Mix& mix : {kMixes[4], kMixes[5], kMixes[6], everyKeyOnceLong}) {
        for (std::size_t size : {70000u, 200000u}) {
            const auto results = Results(random, mix, size);
            for (Arrangement arrangement : {Arrangement::Drawn, Arrangement::Reversed}) {
                for (long first : {0L, 7L}) {
                    ExpectSameSort(Entries(results, keys, arrangement), first, keys.Before(),
                                   std::string(mix.name) + ", size " + std::to_string(size) + ", from " +
                                       std::to_string(first),
                                   mix.everyKeyOnce);
                }
            }
            // An error that cannot be bucketed, late in the list, leaves the
            // whole list to the record sort, the first half too.
            if (mix.everyKeyOnce) {
                std::vector<TrainSortEntry> entries = Entries(results, keys, Arrangement::Drawn);
                entries[entries.size() - 3].absErr = std::numeric_limits<double>::infinity();
                ExpectSameSort(entries, 0, keys.Before(), "an infinite error, size " + std::to_string(size), true);
            }
        }
    }
}

// Gear sets of other sizes change where the packed fields lie; the widest
// packing leaves a single free bit above the marks.
TEST(EntrySort, SamePermutationForEveryPackingWidth) {
    std::mt19937 random(97531);
    for (int distinct : {1, 2, 3, 7, 8, 63, 64, 200, 510}) {
        std::vector<std::int32_t> counts;
        for (int t = 0; t < distinct; ++t) counts.push_back(1000 - t);
        const calc::GearSet gears(counts);
        const calc::TrainSortKeys keys(gears);
        ASSERT_TRUE(keys.Usable()) << distinct;
        for (std::size_t size : {21u, 50u, 133u, 3000u}) {
            const Mix mix{"wide", 4, distinct, 2, 3};
            const auto entries = Entries(Results(random, mix, size), keys, Arrangement::Drawn);
            ExpectSameSort(entries, 0, keys.Before(), std::to_string(distinct) + " counts, size " + std::to_string(size));
        }
    }
}

// A list said to have no ties that has some (the caller's fault) still
// comes out sorted by error and keys, every entry kept, whether it is
// bucketed on one thread or in two halves.
TEST(EntrySort, ListWronglySaidWithoutTiesStillSorted) {
    const calc::GearSet gears = TwelveGears();
    const calc::TrainSortKeys keys(gears);
    std::mt19937 random(8642);
    for (std::size_t size : {3000u, 70000u}) {
        std::vector<TrainSortEntry> entries = Entries(Results(random, kMixes[6], size), keys, Arrangement::Drawn);
        // A tie with the least entry: the first bucket holds it.
        const auto least = std::min_element(entries.begin(), entries.end(), [](const auto& x, const auto& y) {
            return x.absErr < y.absErr;
        });
        const auto next = static_cast<std::size_t>(least - entries.begin()) ^ 1;  // beside it, in its half
        entries[next] = {least->absErr, (least->keyAndIndex & ~std::uint64_t{0xFFFFFFFF}) | next};
        std::vector<TrainSortEntry> sorted = entries;
        calc::SortEntries(sorted, 0, -1, keys.Before(), calc::KnownTies::None);
        auto byKeys = [](const TrainSortEntry& x, const TrainSortEntry& y) {
            return x.absErr < y.absErr || (x.absErr == y.absErr && x.keyAndIndex >> 32 < y.keyAndIndex >> 32);
        };
        EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end(), byKeys)) << "size " << size;
        auto byIndex = [](const TrainSortEntry& x, const TrainSortEntry& y) { return x.keyAndIndex < y.keyAndIndex; };
        std::sort(entries.begin(), entries.end(), byIndex);
        std::sort(sorted.begin(), sorted.end(), byIndex);
        EXPECT_TRUE(std::equal(entries.begin(), entries.end(), sorted.begin(), [](const auto& x, const auto& y) {
            return x.keyAndIndex == y.keyAndIndex && x.absErr == y.absErr;
        })) << "size " << size;
    }
}
