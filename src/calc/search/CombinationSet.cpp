#include "calc/search/CombinationSet.h"

#include <algorithm>

namespace calc {

namespace {
constexpr std::uint64_t kMaxBits = std::uint64_t{1} << 28;  // 32 MB of table at most
}

CombinationSet::CombinationSet(const std::vector<std::int32_t>& counts, int arity) : counts_(counts), arity_(arity) {
    std::vector<std::int32_t> distinct = counts;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    slotIds_.reserve(counts.size());
    for (std::int32_t count : counts)
        slotIds_.push_back(static_cast<std::uint32_t>(std::lower_bound(distinct.begin(), distinct.end(), count) -
                                                      distinct.begin()));
    base_ = std::max<std::uint64_t>(1, distinct.size());
    std::uint64_t size = 1;
    for (int i = 0; i < arity_ && useBits_; ++i) {
        size *= base_;
        if (size > kMaxBits) useBits_ = false;
    }
    if (useBits_) bits_.assign((size + 63) / 64, 0);
}

bool CombinationSet::Insert(const std::array<int, 4>& slots) {
    if (useBits_) {
        std::uint64_t index = 0;
        for (int i = 0; i < arity_; ++i) index = index * base_ + slotIds_[static_cast<std::size_t>(slots[static_cast<std::size_t>(i)])];
        const std::uint64_t mask = std::uint64_t{1} << (index & 63);
        std::uint64_t& word = bits_[index >> 6];
        if (word & mask) return false;
        word |= mask;
        return true;
    }
    // Very large sets (hundreds of thousands of sizes) keep the counts themselves.
    std::array<std::int32_t, 4> key{};
    for (int i = 0; i < arity_; ++i)
        key[static_cast<std::size_t>(i)] = counts_[static_cast<std::size_t>(slots[static_cast<std::size_t>(i)])];
    return overflow_.insert(key).second;
}

}  // namespace calc
