#include "calc/order/DistinctKeySort.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "calc/work/HelperTask.h"

namespace calc {

namespace {

std::uint32_t KeysOf(const TrainSortEntry& e) { return static_cast<std::uint32_t>(e.keyAndIndex >> 32); }
std::uint64_t ErrorBits(const TrainSortEntry& e) { return std::bit_cast<std::uint64_t>(e.absErr); }

// The largest finite double's bits; every bit pattern above it is an
// infinity, a NaN or negative. A non-negative double orders like its bits.
constexpr std::uint64_t kLargestFinite = 0x7FEFFFFFFFFFFFFF;

// What one read of the whole list tells: whether every error can be
// bucketed, the largest error and the bits any key uses.
struct ListFacts {
    bool finite = true;
    double most = 0;
    std::uint32_t keyBits = 0;
};

ListFacts FactsOf(const TrainSortEntry* in, std::size_t n) {
    ListFacts facts;
    for (std::size_t i = 0; i < n; ++i) {
        facts.finite = facts.finite && ErrorBits(in[i]) <= kLargestFinite;
        facts.most = std::max(facts.most, in[i].absErr);
        facts.keyBits |= KeysOf(in[i]);
    }
    return facts;
}

// The keys' digits, lowest first: at most 11 bits each, in an even number
// of passes, so that the first pass and the last land in the same buffer.
struct KeyDigits {
    unsigned passes = 0;
    unsigned bits = 0;

    explicit KeyDigits(std::uint32_t keyBits) {
        const unsigned width = static_cast<unsigned>(std::bit_width(keyBits));
        passes = width == 0 ? 0 : width <= 22 ? 2 : 4;
        bits = passes == 0 ? 0 : (width + passes - 1) / passes;
    }
    std::size_t Count() const { return std::size_t{1} << bits; }
    std::uint32_t Of(const TrainSortEntry& e, unsigned pass) const {
        return KeysOf(e) >> (pass * bits) & static_cast<std::uint32_t>(Count() - 1);
    }
};

// Buckets by equal steps of error, an entry's bucket never decreasing as
// its error grows. Buckets of about two entries cost less than one each:
// fewer places to count, and a bucket's order is still a move or two. A
// scale that does not fit puts every entry into one bucket, which is slow
// but still right.
struct ErrorBuckets {
    std::size_t count;
    double scale;

    ErrorBuckets(double most, std::size_t n) : count(std::max<std::size_t>(n / 2, 1)) {
        scale = most > 0 ? static_cast<double>(count) / most : 0;
        if (!std::isfinite(scale)) scale = 0;
    }
    // The error times the scale is at most the count: it converts as a
    // signed number, which takes one instruction where unsigned takes tests.
    std::size_t Of(const TrainSortEntry& e) const {
        return std::min(count - 1, static_cast<std::size_t>(static_cast<std::int64_t>(e.absErr * scale)));
    }
};

// Where each digit's entries start, from how many there are of each.
void StartsFromCounts(std::vector<std::uint32_t>& places) {
    std::uint32_t start = 0;
    for (std::uint32_t& p : places) {
        const std::uint32_t count = p;
        p = start;
        start += count;
    }
}

// Moves from[0..n) to `to` at the places of their digits, keeping the order
// of entries with equal digits.
template <class Digit>
void Scatter(const TrainSortEntry* from, std::size_t n, TrainSortEntry* to, std::vector<std::uint32_t>& places,
             Digit digit) {
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

// SortDistinctKeys once the list's facts are known; they may be those of a
// longer list that this one is a part of.
bool SortKnowing(const ListFacts& facts, TrainSortEntry* in, std::size_t n, TrainSortEntry* out,
                 TrainSortEntry* spare, bool toTheEnd) {
    // First by the keys, a digit at a time from the lowest, each pass
    // keeping the order of the one before; then by buckets of error; then
    // each bucket by error itself, keeping the keys' order among equal
    // errors. The places of every pass are counted in one read. The passes
    // take turns between `out` and `spare`, the last landing in `out`, so
    // that `spare` may be `in`.
    const KeyDigits digits(facts.keyBits);
    const ErrorBuckets buckets(facts.most, n);
    std::vector<std::vector<std::uint32_t>> places(digits.passes + 1);
    for (unsigned pass = 0; pass < digits.passes; ++pass) places[pass].assign(digits.Count(), 0);
    std::vector<std::uint32_t>& bucketPlaces = places[digits.passes];
    bucketPlaces.assign(buckets.count, 0);
    for (std::size_t i = 0; i < n; ++i) {
        for (unsigned pass = 0; pass < digits.passes; ++pass) ++places[pass][digits.Of(in[i], pass)];
        ++bucketPlaces[buckets.Of(in[i])];
    }
    for (std::vector<std::uint32_t>& p : places) StartsFromCounts(p);

    const TrainSortEntry* from = in;
    TrainSortEntry* target = out;
    for (unsigned pass = 0; pass < digits.passes; ++pass) {
        Scatter(from, n, target, places[pass], [&](const TrainSortEntry& e) { return digits.Of(e, pass); });
        from = target;
        target = target == out ? spare : out;
    }
    // The bucket places, moved on by the scatter, now mark each bucket's end.
    Scatter(from, n, out, bucketPlaces, [&](const TrainSortEntry& e) { return buckets.Of(e); });
    TrainSortEntry* begin = out;
    bool distinct = true;
    for (const std::uint32_t end : bucketPlaces) {
        distinct = SortBucket(begin, out + end) && distinct;
        if (!distinct && !toTheEnd) return false;
        begin = out + end;
    }
    return distinct;
}

// The order the sort leaves: by error, then by the keys.
bool Before(const TrainSortEntry& a, const TrainSortEntry& b) {
    const std::uint64_t ea = ErrorBits(a), eb = ErrorBits(b);
    return ea < eb || (ea == eb && KeysOf(a) < KeysOf(b));
}

// How many of the first `rank` entries of the merge of the sorted a[0..na)
// and b[0..nb) come from a, the merge taking from a first on equal entries.
std::size_t TakenFromFirst(const TrainSortEntry* a, std::size_t na, const TrainSortEntry* b, std::size_t nb,
                           std::size_t rank) {
    std::size_t low = rank > nb ? rank - nb : 0, high = std::min(rank, na);
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        if (Before(b[rank - mid - 1], a[mid])) high = mid;
        else low = mid + 1;
    }
    return low;
}

// Merges the sorted a[0..na) and b[0..nb) into out.
void Merge(const TrainSortEntry* a, std::size_t na, const TrainSortEntry* b, std::size_t nb, TrainSortEntry* out) {
    const TrainSortEntry* const aEnd = a + na;
    const TrainSortEntry* const bEnd = b + nb;
    while (a != aEnd && b != bEnd) *out++ = Before(*b, *a) ? *b++ : *a++;
    out = std::copy(a, aEnd, out);
    std::copy(b, bEnd, out);
}

}  // namespace

bool SortDistinctKeys(TrainSortEntry* in, std::size_t n, TrainSortEntry* out, TrainSortEntry* spare, bool toTheEnd) {
    const ListFacts facts = FactsOf(in, n);
    return facts.finite && SortKnowing(facts, in, n, out, spare, toTheEnd);
}

bool SortDistinctKeysShared(TrainSortEntry* list, std::size_t n, TrainSortEntry* room) {
    // Read before either half is touched: a list that cannot be bucketed
    // must be left as it was for the record sort.
    const ListFacts facts = FactsOf(list, n);
    if (!facts.finite) return false;
    const std::size_t half = n / 2;
    // Each half sorted into `room`, using its own place in the list for the
    // passes in between; then the halves merged back into the list, the
    // first n/2 entries of the merge by one thread and the rest by the other.
    ShareOut(2, [&](std::size_t k) {
        const std::size_t first = k == 0 ? 0 : half, count = k == 0 ? half : n - half;
        SortKnowing(facts, list + first, count, room + first, list + first, true);
    });
    const TrainSortEntry* const a = room;
    const TrainSortEntry* const b = room + half;
    const std::size_t fromA = TakenFromFirst(a, half, b, n - half, half);
    ShareOut(2, [&](std::size_t k) {
        if (k == 0) Merge(a, fromA, b, half - fromA, list);
        else Merge(a + fromA, half - fromA, b + (half - fromA), n - half - (half - fromA), list + half);
    });
    return true;
}

}  // namespace calc
