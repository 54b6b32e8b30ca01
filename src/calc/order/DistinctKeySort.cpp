#include "calc/order/DistinctKeySort.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace calc {

namespace {

std::uint32_t KeysOf(const TrainSortEntry& e) { return static_cast<std::uint32_t>(e.keyAndIndex >> 32); }
std::uint64_t ErrorBits(const TrainSortEntry& e) { return std::bit_cast<std::uint64_t>(e.absErr); }

// The largest finite double's bits; every bit pattern above it is an
// infinity, a NaN or negative. A non-negative double orders like its bits.
constexpr std::uint64_t kLargestFinite = 0x7FEFFFFFFFFFFFFF;

// Moves from[0..n) to to[0..n) ordered by digit(entry) < digits, keeping
// the order of entries with equal digits.
template <class Digit>
void ScatterBy(const TrainSortEntry* from, std::size_t n, TrainSortEntry* to, std::size_t digits, Digit digit,
               std::vector<std::uint32_t>& places) {
    places.assign(digits, 0);
    for (std::size_t i = 0; i < n; ++i) ++places[digit(from[i])];
    std::uint32_t start = 0;
    for (std::uint32_t& p : places) start += std::exchange(p, start);
    for (std::size_t i = 0; i < n; ++i) to[places[digit(from[i])]++] = from[i];
}

// Sorts one bucket, already in the order of its keys, by error, keeping
// that order among equal errors; false when two entries share error and keys.
bool SortBucket(TrainSortEntry* first, TrainSortEntry* last) {
    for (TrainSortEntry* i = first + 1; i < last; ++i) {
        const TrainSortEntry item = *i;
        const std::uint64_t error = ErrorBits(item);
        TrainSortEntry* j = i;
        for (; j > first && error < ErrorBits(j[-1]); --j) *j = j[-1];
        *j = item;
    }
    for (TrainSortEntry* i = first + 1; i < last; ++i)
        if (ErrorBits(i[-1]) == ErrorBits(*i) && KeysOf(i[-1]) == KeysOf(*i)) return false;
    return true;
}


}  // namespace

bool SortDistinctKeys(TrainSortEntry* in, std::size_t n, TrainSortEntry* out, TrainSortEntry* spare) {
    double most = 0;
    std::uint32_t keyBits = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (ErrorBits(in[i]) > kLargestFinite) return false;
        most = std::max(most, in[i].absErr);
        keyBits |= KeysOf(in[i]);
    }
    // First by the keys, a digit of at most 11 bits at a time from the
    // lowest, each pass keeping the order of the one before; then by buckets
    // of error; then each bucket by error itself, keeping the keys' order
    // among equal errors. The passes take turns between `out` and `spare`;
    // an even number of passes by the keys makes the first and the last land
    // in `out`, so that `spare` may be `in`.
    const unsigned bits = static_cast<unsigned>(std::bit_width(keyBits));
    const unsigned keyPasses = bits == 0 ? 0 : bits <= 22 ? 2 : 4;
    const unsigned digitBits = keyPasses == 0 ? 0 : (bits + keyPasses - 1) / keyPasses;
    std::vector<std::uint32_t> places;
    const TrainSortEntry* from = in;
    TrainSortEntry* target = out;
    for (unsigned pass = 0; pass < keyPasses; ++pass) {
        const unsigned shift = pass * digitBits;
        const std::uint32_t mask = (1u << digitBits) - 1;
        ScatterBy(from, n, target, std::size_t{1} << digitBits,
                  [shift, mask](const TrainSortEntry& e) { return KeysOf(e) >> shift & mask; }, places);
        from = target;
        target = target == out ? spare : out;
    }
    // About one entry a bucket, buckets by equal steps of error. The bucket
    // of an error never decreases as the error grows; a scale that does not
    // fit puts every entry into one bucket, which is slow but still right.
    const std::size_t buckets = std::max<std::size_t>(n, 1);
    double scale = most > 0 ? static_cast<double>(buckets) / most : 0;
    if (!std::isfinite(scale)) scale = 0;
    ScatterBy(from, n, out, buckets,
              [&](const TrainSortEntry& e) { return std::min(buckets - 1, static_cast<std::size_t>(e.absErr * scale)); },
              places);
    for (std::size_t b = 0; b < buckets; ++b)
        if (!SortBucket(out + (b == 0 ? 0 : places[b - 1]), out + places[b])) return false;
    return true;
}

}  // namespace calc
