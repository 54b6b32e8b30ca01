#pragma once

#include <array>
#include <limits>
#include <optional>

#include "calc/gears/GearSet.h"
#include "calc/gears/TrainResult.h"

namespace calc {

// The best train a search has met so far, by the order of CompareTrains;
// among trains that compare equal, the one the loops over the slots meet
// first (two-gear trains by slots a, d before four-gear trains by slots a,
// b, c, d). The result does not depend on the order trains are offered in.
class TrainChoice {
public:
    explicit TrainChoice(const GearSet& gears) : gears_(gears) {}

    void Consider(const TrainResult& train);

    const std::optional<TrainResult>& Best() const { return best_; }

    // The error of the best train; infinite before the first.
    double BestAbs() const { return bestAbs_; }

    // An error that can still tie with the best: the computed errors of
    // trains further from the thread can fall behind a nearer one's only by
    // rounding, far less than this margin. A search that moves away from
    // the thread may stop at the first train beyond it.
    double Reach() const { return bestAbs_ * (1 + 1e-9) + 1e-12; }

private:
    using Position = std::array<int, 5>;
    static Position PositionOf(const TrainResult& train);

    const GearSet& gears_;
    std::optional<TrainResult> best_;
    Position bestPosition_{};
    double bestAbs_ = std::numeric_limits<double>::infinity();
};

}  // namespace calc
