#include "calc/BestTrain.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "calc/FitCheck.h"
#include "calc/TrainMeasure.h"
#include "calc/TrainOrder.h"

namespace calc {

// One lookup: the best train so far, and the rules for replacing it.
class BestTrainFinder::Scan {
public:
    Scan(const BestTrainFinder& finder, bool requestTpi, double request)
        : f_(finder), counts_(finder.gears_.Counts().data()), tpi_(requestTpi), request_(request) {}

    void TwoGear() {
        for (const Pair& ad : f_.pairs_) {
            const TrainMeasures m = Measure(counts_[ad.first], counts_[ad.second]);
            if (!(std::fabs(m.err) <= bestAbs_) || m.pitch == 0) continue;
            Consider({ad.first, -1, -1, ad.second, m.pitch, m.tpi, m.err, {}}, {0, ad.first, ad.second, 0, 0});
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
        const double target = tpi_ ? request_ * f_.advance_ / 25.4 : request_ / f_.advance_;
        for (const Pair& ab : f_.pairs_) {
            const double a = counts_[ab.first], b = counts_[ab.second];
            const double wanted = target / (tpi_ ? b / a : a / b);
            const auto start = std::lower_bound(second.begin(), second.end(), wanted,
                                                [](const Pair& p, double v) { return p.ratio < v; });
            for (auto it = start; it != second.end() && TryFourGear(ab, *it); ++it) {
            }
            for (auto it = start; it != second.begin() && TryFourGear(ab, *--it);) {
            }
        }
    }

    std::optional<TrainResult> Result() const {
        if (!found_) return std::nullopt;
        return best_;
    }

private:
    // Where the search meets a train: two-gear trains first, each kind in
    // the order of its slots.
    using Position = std::array<int, 5>;

    TrainMeasures Measure(std::int64_t driving, std::int64_t driven) const {
        return MeasureTrain(driving, driven, f_.advance_, request_, tpi_);
    }

    // An error that can still tie with the best: the computed errors of
    // trains further out can fall behind a nearer one's only by rounding,
    // far less than this margin.
    double Reach() const { return bestAbs_ * (1 + 1e-9) + 1e-12; }

    // False when the train lies beyond reach, so that trains further out
    // need not be tried.
    bool TryFourGear(const Pair& ab, const Pair& cd) {
        const std::int32_t A = counts_[ab.first], B = counts_[ab.second];
        const std::int32_t C = counts_[cd.first], D = counts_[cd.second];
        const TrainMeasures m = Measure(std::int64_t{A} * C, std::int64_t{B} * D);
        const double error = std::fabs(m.err);
        if (!(error <= Reach())) return false;
        if (error > bestAbs_ || m.pitch == 0) return true;
        const int a = ab.first, b = ab.second, c = cd.first, d = cd.second;
        if (c == a || c == b || d == a || d == b) return true;
        const FitCheckResult fit = CheckFit(A, B, C, D, f_.includeLow_, f_.includeIntersecting_);
        if (fit.passes) Consider({a, b, c, d, m.pitch, m.tpi, m.err, fit.marks}, {1, a, b, c, d});
        return true;
    }

    // Takes the train when it comes strictly before the best, or when the
    // two compare equal (neither strictly first) and the search meets it
    // first.
    void Consider(const TrainResult& train, const Position& position) {
        bool take = !found_;
        if (!take) {
            const bool before = CompareTrains(train, best_, f_.gears_) > 0;
            const bool after = CompareTrains(best_, train, f_.gears_) > 0;
            take = before != after ? before : position < bestPosition_;
        }
        if (!take) return;
        found_ = true;
        best_ = train;
        bestPosition_ = position;
        bestAbs_ = std::fabs(train.err);
    }

    const BestTrainFinder& f_;
    const std::int32_t* counts_;
    bool tpi_;
    double request_;
    bool found_ = false;
    TrainResult best_;
    Position bestPosition_{};
    double bestAbs_ = std::numeric_limits<double>::infinity();
};

BestTrainFinder::BestTrainFinder(const GearSet& gears, const SearchInputs& inputs)
    : gears_(gears),
      includeLow_(inputs.includeLow),
      includeIntersecting_(inputs.includeIntersecting),
      advance_(LeadAdvance(inputs)) {
    const std::vector<std::int32_t>& counts = gears_.Counts();
    for (int first = 0; first <= gears_.Upper(); ++first)
        for (int second = 0; second <= gears_.Upper(); ++second)
            if (first != second && counts[first] != 0 && counts[second] != 0)
                pairs_.push_back({static_cast<double>(counts[first]) / counts[second], first, second});
    byRatio_ = pairs_;
    byInverse_ = pairs_;
    for (Pair& p : byInverse_) p.ratio = static_cast<double>(counts[p.second]) / counts[p.first];
    auto byValue = [](const Pair& x, const Pair& y) { return x.ratio < y.ratio; };
    std::sort(byRatio_.begin(), byRatio_.end(), byValue);
    std::sort(byInverse_.begin(), byInverse_.end(), byValue);
}

std::optional<TrainResult> BestTrainFinder::Find(bool requestTpi, double request) const {
    auto usable = [](double v) { return v != 0 && std::isfinite(v); };
    if (pairs_.empty() || !usable(advance_) || !usable(request)) return std::nullopt;
    Scan scan(*this, requestTpi, request);
    scan.TwoGear();
    scan.FourGear();
    return scan.Result();
}

}  // namespace calc
