#include "calc/CombinationSet.h"

#include <algorithm>

namespace calc {

namespace {
constexpr std::uint64_t kMaxBits = std::uint64_t{1} << 28;  // 32 MB of table at most
}

CombinationSet::CombinationSet(const std::vector<std::int32_t>& counts, int arity)
    : arity_(arity), distinct_(counts) {
    std::sort(distinct_.begin(), distinct_.end());
    distinct_.erase(std::unique(distinct_.begin(), distinct_.end()), distinct_.end());
    base_ = std::max<std::uint64_t>(1, distinct_.size());
    std::uint64_t size = 1;
    for (int i = 0; i < arity_ && useBits_; ++i) {
        size *= base_;
        if (size > kMaxBits) useBits_ = false;
    }
    if (useBits_) bits_.assign((size + 63) / 64, 0);
}

std::uint32_t CombinationSet::IdOf(std::int32_t count) const {
    return static_cast<std::uint32_t>(std::lower_bound(distinct_.begin(), distinct_.end(), count) - distinct_.begin());
}

bool CombinationSet::Insert(const std::array<std::int32_t, 4>& counts) {
    if (useBits_) {
        std::uint64_t index = 0;
        for (int i = 0; i < arity_; ++i) index = index * base_ + IdOf(counts[static_cast<std::size_t>(i)]);
        std::uint64_t mask = std::uint64_t{1} << (index & 63);
        std::uint64_t& word = bits_[index >> 6];
        if (word & mask) return false;
        word |= mask;
        return true;
    }
    // Very large sets (hundreds of thousands of sizes) keep the counts themselves.
    return overflow_.insert(counts).second;
}

}  // namespace calc
