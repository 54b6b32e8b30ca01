#include "calc/order/EntrySort.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <condition_variable>
#include <mutex>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "calc/order/DistinctKeySort.h"
#include "calc/order/QuickSortBy.h"
#include "calc/work/HelperTask.h"
#include "calc/work/HelperThread.h"

namespace calc {

namespace {

__extension__ using Wide = unsigned __int128;

// An entry as one number, its error above its keys and index. order(x, y)
// is exactly Key(x) < Bound(y), one comparison without branches:
// - y with gear B: x comes first when its error, marks and gears (its index
//   left out) are smaller, so the bound is y's number with the index cleared;
// - y without gear B: x comes first when its error, marks and A are no
//   greater than y's, so the bound is the next value of y's error, marks and
//   A, all lower bits cleared. The packing leaves the top bit free, so that
//   value never overflows into the error.
class Ordering {
public:
    explicit Ordering(TrainSortKeys::Order order) : headShift_(order.headShift), twoGearBit_(order.twoGearBit) {}

    static Wide Key(const TrainSortEntry& e) {
        return Wide{std::bit_cast<std::uint64_t>(e.absErr)} << 64 | e.keyAndIndex;
    }

    Wide Bound(const TrainSortEntry& e) const {
        const std::uint64_t k = e.keyAndIndex;
        const std::uint64_t nextHead = ((k >> headShift_) + 1) << headShift_;
        const std::uint64_t withoutIndex = k & ~std::uint64_t{0xFFFFFFFF};
        const std::uint64_t low = (k & twoGearBit_) != 0 ? nextHead : withoutIndex;
        return Wide{std::bit_cast<std::uint64_t>(e.absErr)} << 64 | low;
    }

private:
    unsigned headShift_;
    std::uint64_t twoGearBit_;
};

// The set bits of bits[0..top], highest first.
class OnesDownward {
public:
    OnesDownward(const std::uint64_t* bits, long top)
        : bits_(bits), word_(top >> 6), current_(bits[top >> 6] & (~std::uint64_t{0} >> (63 - (top & 63)))) {}

    long Next() {
        while (current_ == 0) current_ = bits_[--word_];
        const int bit = 63 - std::countl_zero(current_);
        current_ &= ~(std::uint64_t{1} << bit);
        return word_ * 64 + bit;
    }

private:
    const std::uint64_t* bits_;
    long word_;
    std::uint64_t current_;
};

// The clear bits of bits[0..], lowest first.
class ZerosUpward {
public:
    explicit ZerosUpward(const std::uint64_t* bits) : bits_(bits), current_(~bits[0]) {}

    long Next() {
        while (current_ == 0) current_ = ~bits_[++word_];
        const int bit = std::countr_zero(current_);
        current_ &= current_ - 1;
        return word_ * 64 + bit;
    }

private:
    const std::uint64_t* bits_;
    long word_ = 0;
    std::uint64_t current_;
};

// Bit j of the word tells whether p[j] comes before the pivot (bound), for
// j in 0..63.
#if defined(__SSE2__)
// Two entries at a time. A bound's lower 32 bits are clear, so an entry comes
// first when its error is below the bound's, or equal with the upper half
// of its keys below the bound's; that half leaves its top bit clear, so it
// compares as a signed number. Errors are never negative or NaN, so they
// compare as numbers as they do as bits.
std::uint64_t CompareWord(const TrainSortEntry* p, Wide bound) {
    const __m128d boundError = _mm_set1_pd(std::bit_cast<double>(static_cast<std::uint64_t>(bound >> 64)));
    const __m128i boundKeys = _mm_set1_epi32(static_cast<std::int32_t>(static_cast<std::uint64_t>(bound) >> 32));
    std::uint64_t word = 0;
    for (unsigned j = 0; j < 64; j += 2) {
        const __m128d x = _mm_loadu_pd(&p[j].absErr), y = _mm_loadu_pd(&p[j + 1].absErr);
        const __m128d errors = _mm_unpacklo_pd(x, y);
        const __m128i keys = _mm_castpd_si128(_mm_unpackhi_pd(x, y));
        const __m128i upperKeys = _mm_shuffle_epi32(keys, _MM_SHUFFLE(3, 3, 1, 1));
        const __m128d keysBelow = _mm_castsi128_pd(_mm_cmpgt_epi32(boundKeys, upperKeys));
        const __m128d before = _mm_or_pd(_mm_cmplt_pd(errors, boundError),
                                         _mm_and_pd(_mm_cmpeq_pd(errors, boundError), keysBelow));
        word |= static_cast<std::uint64_t>(_mm_movemask_pd(before)) << j;
    }
    return word;
}
#else
std::uint64_t CompareWord(const TrainSortEntry* p, Wide bound) {
    std::uint64_t word = 0;
    for (unsigned j = 0; j < 64; ++j) word |= std::uint64_t{Ordering::Key(p[j]) < bound} << j;
    return word;
}
#endif

// Bit r of `bits` tells whether base[r] comes before the pivot (bound), for
// r in 1..n; bit 0 stands for the hole and is set. Returns how many of
// base[1..n] come before the pivot.
long CompareAll(const TrainSortEntry* base, long n, Wide bound, std::uint64_t* bits) {
    long before = 0;
    const long fullWords = (n + 1) >> 6;
    for (long w = 0; w < fullWords; ++w) bits[w] = CompareWord(base + w * 64, bound);
    const long rest = (n + 1) & 63;
    if (rest != 0) {
        const TrainSortEntry* p = base + fullWords * 64;
        std::uint64_t word = 0;
        for (long j = 0; j < rest; ++j) word |= std::uint64_t{Ordering::Key(p[j]) < bound} << j;
        bits[fullWords] = word;
    }
    bits[0] |= 1;
    const long words = fullWords + (rest != 0 ? 1 : 0);
    for (long w = 0; w < words; ++w) before += std::popcount(bits[w]);
    return before - 1;
}

// How many bits of bits[0..r] are set.
long OnesUpTo(const std::uint64_t* bits, long r) {
    long ones = 0;
    for (long w = 0; w < r >> 6; ++w) ones += std::popcount(bits[w]);
    return ones + std::popcount(bits[r >> 6] & (~std::uint64_t{0} >> (63 - (r & 63))));
}

// The partition step of QuickSortBy. Its scans read every item once, before
// any move reaches it, so their path is fixed by which items come before the
// pivot. With k such items among first+1..last the pivot ends at first + k;
// the downward scan picks, highest first, the items at first + k or above
// that come before the pivot, the upward scan, lowest first, the items up to
// first + k that do not; each pick fills the hole the previous one left,
// starting with the hole at `first`, in turns, downward first, until the
// turn whose list is used up.
long Partition(TrainSortEntry* list, long first, long last, const Ordering& ordering, std::uint64_t* bits) {
    const long mid = detail::PivotIndex(first, last);
    const TrainSortEntry pivot = list[mid];
    list[mid] = list[first];
    TrainSortEntry* base = list + first;
    const long n = last - first;
    const long before = CompareAll(base, n, ordering.Bound(pivot), bits);

    long upward = 0, downward = 0;
    if (before > 0) {
        upward = before - (OnesUpTo(bits, before) - 1);
        downward = upward + static_cast<long>(bits[before >> 6] >> (before & 63) & 1);
    }
    TrainSortEntry* hole = base;
    OnesDownward down(bits, n);
    ZerosUpward up(bits);
    for (long turn = 0; turn < downward; ++turn) {
        const long d = down.Next();
        *hole = base[d];
        hole = base + d;
        if (turn == upward) break;
        const long u = up.Next();
        *hole = base[u];
        hole = base + u;
    }
    *hole = pivot;
    assert(hole == base + before);
    return first + before;
}

// Puts at most 21 items in order by error and keys, when no two share
// both: then that is the one order any sort leaves them in, the record
// sort's included. Each item's place is the count of the items below it,
// without branches; false, with nothing moved, when two places coincide.
bool SortedByPlaces(const std::uint64_t* err, const std::uint64_t* key, long n, TrainSortEntry* out) {
    constexpr std::uint64_t kIndexBits = 0xFFFFFFFF;
    Wide order[21];
    for (long k = 0; k < n; ++k) order[k] = Wide{err[k]} << 64 | (key[k] & ~kIndexBits);
    long place[21];
    std::uint32_t taken = 0;
    for (long i = 0; i < n; ++i) {
        long below = 0;
        for (long j = 0; j < n; ++j) below += order[j] < order[i];
        place[i] = below;
        taken |= std::uint32_t{1} << below;
    }
    if (taken != (std::uint32_t{1} << n) - 1) return false;
    for (long k = 0; k < n; ++k) out[place[k]] = {std::bit_cast<double>(err[k]), key[k]};
    return true;
}

// SelectionSortBy on at most 21 items, held in arrays: the error, the keys
// and index, and the lower half of the bound (its upper half is the error).
// Items without ties are simply put in order; otherwise the best so far is
// chosen by masks, not branches: which item wins is as unpredictable as the
// data.
void SelectionSortSmall(TrainSortEntry* list, long first, long last, const Ordering& ordering) {
    const long n = last - first + 1;
    if (n < 2) return;
    std::uint64_t err[21], key[21], bound[21];
    for (long k = 0; k < n; ++k) {
        const TrainSortEntry& e = list[first + k];
        err[k] = std::bit_cast<std::uint64_t>(e.absErr);
        key[k] = e.keyAndIndex;
    }
    if (SortedByPlaces(err, key, n, list + first)) return;
    for (long k = 0; k < n; ++k) bound[k] = static_cast<std::uint64_t>(ordering.Bound(list[first + k]));
    for (long i = 0; i < n - 1; ++i) {
        std::uint64_t m = static_cast<std::uint64_t>(i);
        std::uint64_t bestErr = err[i], bestBound = bound[i];
        for (long j = i + 1; j < n; ++j) {
            const Wide x = Wide{err[j]} << 64 | key[j];
            const Wide best = Wide{bestErr} << 64 | bestBound;
            const std::uint64_t take = 0 - static_cast<std::uint64_t>(x < best);
            m ^= (m ^ static_cast<std::uint64_t>(j)) & take;
            bestErr ^= (bestErr ^ err[j]) & take;
            bestBound ^= (bestBound ^ bound[j]) & take;
        }
        std::swap(err[i], err[m]);
        std::swap(key[i], key[m]);
        std::swap(bound[i], bound[m]);
    }
    for (long k = 0; k < n; ++k) list[first + k] = {std::bit_cast<double>(err[k]), key[k]};
}

}  // namespace

namespace {

// Scratch for partitioning a range of up to `longest` + 1 entries.
std::vector<std::uint64_t> PartitionBits(long longest) {
    return std::vector<std::uint64_t>(static_cast<std::size_t>(longest) / 64 + 2);
}

// Sorts list[first..last] by the record sort's steps; `bits` is scratch
// for its length.
void SortWhole(TrainSortEntry* list, long first, long last, const Ordering& ordering,
               std::vector<std::uint64_t>& bits) {
    SortRanges(
        first, last, [&](long f, long l) { SelectionSortSmall(list, f, l, ordering); },
        [&](long f, long l) { return Partition(list, f, l, ordering, bits.data()); });
}

// Long lists are shared with the helper thread. The two parts a partition
// leaves are sorted independently of each other, so each thread takes the
// largest range waiting, partitions it and puts both parts back, until the
// ranges are short enough to sort whole: the entries end in exactly the
// order one thread would have left them in, and a thread that starts late
// or runs slowly leaves more ranges to the other.
constexpr long kSharedFrom = 1L << 16;
constexpr long kSortedWholeUpTo = 1L << 14;

class SharedRanges {
public:
    // Room for every range that can wait is made here, so that sharing them
    // cannot fail: only ranges too long to sort whole wait, and they never
    // overlap.
    SharedRanges(TrainSortEntry* list, long first, long last, const Ordering& ordering)
        : list_(list), ordering_(ordering) {
        waiting_.reserve(static_cast<std::size_t>((last - first + 1) / kSortedWholeUpTo + 1));
        waiting_.push_back({first, last});
    }

    // Sorts ranges until none is left; `bits` is scratch for the longest.
    void Sort(std::vector<std::uint64_t>& bits) {
        for (std::pair<long, long> range; Take(range);) {
            const auto [first, last] = range;
            const long lo = Partition(list_, first, last, ordering_, bits.data());
            std::pair<long, long> parts[2];
            int waiting = 0;
            for (const auto& [f, l] : {std::pair{first, lo - 1}, std::pair{lo + 1, last}}) {
                if (l - f >= kSortedWholeUpTo) parts[waiting++] = {f, l};
                else if (f < l) SortWhole(list_, f, l, ordering_, bits);
            }
            Done(parts, waiting);
        }
    }

private:
    // The longest range waiting; false when none is waiting and none is
    // being partitioned.
    bool Take(std::pair<long, long>& range) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !waiting_.empty() || busy_ == 0; });
        if (waiting_.empty()) return false;
        auto longest = std::max_element(waiting_.begin(), waiting_.end(), [](const auto& x, const auto& y) {
            return x.second - x.first < y.second - y.first;
        });
        range = *longest;
        waiting_.erase(longest);
        ++busy_;
        return true;
    }

    void Done(const std::pair<long, long>* parts, int count) {
        std::lock_guard lock(mutex_);
        waiting_.insert(waiting_.end(), parts, parts + count);
        --busy_;
        changed_.notify_all();
    }

    TrainSortEntry* list_;
    const Ordering& ordering_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::pair<long, long>> waiting_;
    int busy_ = 0;
};

void SortShared(TrainSortEntry* list, long first, long last, const Ordering& ordering) {
    SharedRanges ranges(list, first, last, ordering);
    std::vector<std::uint64_t> bits = PartitionBits(last - first);
    std::vector<std::uint64_t> helperBits(bits.size());
    HelperTask helper([&] { ranges.Sort(helperBits); });
    ranges.Sort(bits);
    helper.Wait();
}

// Lists whose keys are all distinct have one sorted arrangement, found far
// faster by bucketing than by the record sort's own steps. When that is only
// hoped for, the bucketing works on a copy, so that the record sort can
// still be left to decide ties; short lists are not worth that. Very long
// lists cannot afford a second copy at all and are sorted where they lie.
// Memory touched for the first time costs as much as sorting it, so a list
// known to have distinct keys takes one new buffer.
constexpr long kDistinctFrom = 256;
constexpr long kDistinctUpTo = 1L << 20;
// From this length a list known to have distinct keys is bucketed in two
// halves at once, one by the helper thread, and the halves merged.
constexpr long kDistinctSharedFrom = 1L << 14;

// Not inlined: g++ 12 then mistakes the swapped buffer for one that starts
// `first` entries into the list and warns that freeing it is wrong.
[[gnu::noinline]] bool SortedByDistinctKeys(std::vector<TrainSortEntry>& entries, long first, long last,
                                            KnownTies ties) {
    const long n = last - first + 1;
    if (ties == KnownTies::Seen || n > kDistinctUpTo || (ties == KnownTies::Unknown && n < kDistinctFrom)) return false;
    std::vector<TrainSortEntry> sorted(static_cast<std::size_t>(n));
    TrainSortEntry* in = entries.data() + first;
    if (ties == KnownTies::None && n >= kDistinctSharedFrom && UsableProcessors() > 1)
        return SortDistinctKeysShared(in, sorted.size(), sorted.data());
    std::vector<TrainSortEntry> spare;
    if (ties == KnownTies::Unknown) spare.resize(sorted.size());
    const bool distinct =
        SortDistinctKeys(in, sorted.size(), sorted.data(), ties == KnownTies::None ? in : spare.data(),
                         ties == KnownTies::None);
    if (!distinct && ties == KnownTies::Unknown) return false;
    // A list said to have distinct keys that does not (a fault of the
    // caller's) keeps its sorted order, with ties in any order.
    if (first == 0 && sorted.size() == entries.size()) entries.swap(sorted);
    else std::copy(sorted.begin(), sorted.end(), entries.begin() + first);
    return true;
}

}  // namespace

void SortEntries(std::vector<TrainSortEntry>& entries, long first, long last, TrainSortKeys::Order order,
                 KnownTies ties) {
    if (last < 0) last = static_cast<long>(entries.size()) - 1;
    if (last - first < 1) return;
    if (SortedByDistinctKeys(entries, first, last, ties)) return;
    const Ordering ordering(order);
    if (last - first >= kSharedFrom && UsableProcessors() > 1) {
        SortShared(entries.data(), first, last, ordering);
        return;
    }
    std::vector<std::uint64_t> bits = PartitionBits(last - first);
    SortWhole(entries.data(), first, last, ordering, bits);
}

}  // namespace calc
