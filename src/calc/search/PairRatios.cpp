#include "calc/search/PairRatios.h"

#include <algorithm>

namespace calc {

PairRatios::PairRatios(const GearSet& gears) {
    const std::vector<std::int32_t>& counts = gears.Counts();
    const auto mounted = static_cast<std::size_t>(std::count_if(counts.begin(), counts.end(), Mounts));
    byRatio_.reserve(mounted * (mounted > 0 ? mounted - 1 : 0));
    for (int first = 0; first <= gears.Upper(); ++first) {
        if (!Mounts(counts[static_cast<std::size_t>(first)])) continue;
        for (int second = 0; second <= gears.Upper(); ++second)
            if (first != second && Mounts(counts[static_cast<std::size_t>(second)]))
                byRatio_.push_back({static_cast<double>(counts[static_cast<std::size_t>(first)]) /
                                        counts[static_cast<std::size_t>(second)],
                                    first, second});
    }
    std::stable_sort(byRatio_.begin(), byRatio_.end(),
                     [](const Pair& x, const Pair& y) { return x.ratio < y.ratio; });
}

PairRatios::Run PairRatios::Between(double low, double high) const {
    const auto begin = std::lower_bound(byRatio_.begin(), byRatio_.end(), low,
                                        [](const Pair& p, double v) { return p.ratio < v; });
    const auto end = std::upper_bound(begin, byRatio_.end(), high,
                                      [](double v, const Pair& p) { return v < p.ratio; });
    return {static_cast<std::size_t>(begin - byRatio_.begin()), static_cast<std::size_t>(end - byRatio_.begin())};
}

}  // namespace calc
