#include "calc/order/TrainChoice.h"

#include <cmath>
#include <limits>

#include "calc/order/TrainOrder.h"

namespace calc {

TrainChoice::Position TrainChoice::PositionOf(const TrainResult& train) {
    if (train.IsTwoGear()) return {0, train.a, train.d, 0, 0};
    return {1, train.a, train.b, train.c, train.d};
}

void TrainChoice::Consider(const TrainResult& train) {
    const Position position = PositionOf(train);
    bool take = !best_;
    if (!take) {
        // Taken when strictly first, or when neither comes strictly first
        // and the loops meet it first.
        const bool before = CompareTrains(train, *best_, gears_) > 0;
        const bool after = CompareTrains(*best_, train, gears_) > 0;
        take = before != after ? before : position < bestPosition_;
    }
    if (!take) return;
    best_ = train;
    bestPosition_ = position;
    bestAbs_ = std::fabs(train.err);
}

}  // namespace calc
