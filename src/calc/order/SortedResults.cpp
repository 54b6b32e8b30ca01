#include "calc/order/SortedResults.h"

#include <algorithm>
#include <cstdint>

#include "calc/order/TrainSortKeys.h"

namespace calc {

SortedResults::SortedResults(std::vector<TrainResult>&& list, const GearSet& gears, std::size_t blockSize)
    : size_(list.size()), blockSize_(std::max<std::size_t>(blockSize, 1)) {
    {
        const std::vector<std::uint32_t> order = SortedOrder(list, gears);
        blocks_.reserve((order.size() + blockSize_ - 1) / blockSize_);
        for (std::size_t start = 0; start < order.size(); start += blockSize_) {
            const std::size_t end = std::min(order.size(), start + blockSize_);
            std::vector<TrainResult>& block = blocks_.emplace_back();
            block.reserve(end - start);
            // A plain copy loop: the reads are scattered over the list, and
            // nothing else in the loop keeps many of them in flight.
            for (std::size_t i = start; i < end; ++i) block.push_back(list[order[i]]);
        }
    }
    std::vector<TrainResult>().swap(list);
}

}  // namespace calc
