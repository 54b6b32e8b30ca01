#include "calc/suggest/BestTrain.h"

#include <algorithm>
#include <cmath>

#include "calc/gears/FitCheck.h"
#include "calc/order/TrainChoice.h"
#include "calc/gears/TrainMeasure.h"

namespace calc {

// One lookup: the best train so far, and the trains worth trying.
class BestTrainFinder::Scan {
public:
    Scan(const BestTrainFinder& finder, bool requestTpi, double request)
        : f_(finder), sizes_(finder.set_.tally.Sizes().data()), tpi_(requestTpi), request_(request), choice_(f_.set_.gears) {}

    void TwoGear() {
        for (const Pair& ad : f_.pairs_) {
            const TrainMeasures m = Measure(sizes_[ad.first].teeth, sizes_[ad.second].teeth);
            if (!(std::fabs(m.err) <= choice_.BestAbs()) || m.pitch == 0) continue;
            const int sizes[] = {ad.first, ad.second};
            const auto slots = f_.set_.tally.FirstSlots(sizes);
            choice_.Consider({slots[0], -1, -1, slots[1], m.pitch, m.tpi, m.err, {}});
        }
    }

    // For each driving pair (A, B) the train's ratio is ratio(A, B) times
    // that of (C, D), so its error grows with the distance of (C, D)'s ratio
    // from target / ratio(A, B), on either side. For a pitch the ratio is
    // driving over driven; for threads per inch, which fall as the pitch
    // grows, driven over driving, so that the error is again proportional
    // to the distance.
    void FourGear() {
        const std::vector<Pair>& second = tpi_ ? f_.byInverse_ : f_.byRatio_;
        const double target = tpi_ ? request_ * f_.set_.advance / 25.4 : request_ / f_.set_.advance;
        for (const Pair& ab : f_.pairs_) {
            const double a = sizes_[ab.first].teeth, b = sizes_[ab.second].teeth;
            const double wanted = target / (tpi_ ? b / a : a / b);
            const auto start = std::lower_bound(second.begin(), second.end(), wanted,
                                                [](const Pair& p, double v) { return p.ratio < v; });
            for (auto it = start; it != second.end() && TryFourGear(ab, *it); ++it) {
            }
            for (auto it = start; it != second.begin() && TryFourGear(ab, *--it);) {
            }
        }
    }

    const std::optional<TrainResult>& Result() const { return choice_.Best(); }

private:
    TrainMeasures Measure(std::int64_t driving, std::int64_t driven) const {
        return MeasureTrain(driving, driven, f_.set_.advance, request_, tpi_);
    }

    // False when the train lies beyond reach, so that trains further out
    // need not be tried.
    bool TryFourGear(const Pair& ab, const Pair& cd) {
        const std::int32_t A = sizes_[ab.first].teeth, B = sizes_[ab.second].teeth;
        const std::int32_t C = sizes_[cd.first].teeth, D = sizes_[cd.second].teeth;
        const TrainMeasures m = Measure(std::int64_t{A} * C, std::int64_t{B} * D);
        const double error = std::fabs(m.err);
        if (!(error <= choice_.Reach())) return false;
        if (error > choice_.BestAbs() || m.pitch == 0) return true;
        const int sizes[] = {ab.first, ab.second, cd.first, cd.second};
        if (!f_.set_.tally.Holds(sizes)) return true;
        const FitCheckResult fit = CheckFit(A, B, C, D, f_.set_.includeLow, f_.set_.includeIntersecting);
        if (!fit.passes) return true;
        const auto slots = f_.set_.tally.FirstSlots(sizes);
        choice_.Consider({slots[0], slots[1], slots[2], slots[3], m.pitch, m.tpi, m.err, fit.marks});
        return true;
    }

    const BestTrainFinder& f_;
    const GearTally::Size* sizes_;
    bool tpi_;
    double request_;
    TrainChoice choice_;
};

BestTrainFinder::BestTrainFinder(const GearSet& gears, const SearchInputs& inputs)
    : set_(gears, inputs) {
    const std::vector<GearTally::Size>& sizes = set_.tally.Sizes();
    const int count = static_cast<int>(sizes.size());
    for (int first = 0; first < count; ++first)
        for (int second = 0; second < count; ++second)
            if (first != second || sizes[first].copies > 1)
                pairs_.push_back({static_cast<double>(sizes[first].teeth) / sizes[second].teeth, first, second});
    byRatio_ = pairs_;
    byInverse_ = pairs_;
    for (Pair& p : byInverse_) p.ratio = static_cast<double>(sizes[p.second].teeth) / sizes[p.first].teeth;
    auto byValue = [](const Pair& x, const Pair& y) { return x.ratio < y.ratio; };
    std::sort(byRatio_.begin(), byRatio_.end(), byValue);
    std::sort(byInverse_.begin(), byInverse_.end(), byValue);
}

std::optional<TrainResult> BestTrainFinder::Find(bool requestTpi, double request) const {
    if (pairs_.empty() || !set_.Measurable(request)) return std::nullopt;
    Scan scan(*this, requestTpi, request);
    scan.TwoGear();
    scan.FourGear();
    return scan.Result();
}

}  // namespace calc
