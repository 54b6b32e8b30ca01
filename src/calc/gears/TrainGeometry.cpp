#include "calc/gears/TrainGeometry.h"

#include <algorithm>
#include <cmath>

namespace calc {

namespace {

PlacedGear Gear(char letter, std::int32_t teeth, GeometryPoint centre) {
    const double radius = teeth / 2.0;
    return {letter, teeth, centre, radius, radius + 1};
}

GeometryPoint Below(double distance) { return {0, -distance}; }

// The stud at spindleArm from the spindle and leadscrewArm from the
// leadscrew, to the right of the line between them; when the arms cannot
// meet, on that line where the longer arm puts it, with the gap noted.
void PlaceStud(TrainGeometry& train, double spindleArm, double leadscrewArm) {
    const double d = TrainGeometry::kAxisDistance;
    const bool tooShort = spindleArm + leadscrewArm < d;
    const bool tooUneven = std::fabs(spindleArm - leadscrewArm) > d;
    if (!tooShort && !tooUneven) {
        const double along = (spindleArm * spindleArm - leadscrewArm * leadscrewArm + d * d) / (2 * d);
        const double across = std::sqrt(std::max(0.0, spindleArm * spindleArm - along * along));
        train.stud = {across, -along};
        return;
    }
    train.reaches = false;
    if (spindleArm >= leadscrewArm) {
        // Hanging from the spindle, down towards (or past) the leadscrew.
        train.stud = Below(spindleArm);
        const double reachEnd = tooShort ? d - leadscrewArm : d + leadscrewArm;
        train.gapFrom = Below(std::min(spindleArm, reachEnd));
        train.gapTo = Below(std::max(spindleArm, reachEnd));
    } else {
        // Standing on the leadscrew, up towards (or past) the spindle.
        train.stud = Below(d - leadscrewArm);
        const double reachEnd = tooShort ? spindleArm : -spindleArm;
        train.gapFrom = Below(std::min(d - leadscrewArm, reachEnd));
        train.gapTo = Below(std::max(d - leadscrewArm, reachEnd));
    }
    train.gap = Distance(train.gapFrom, train.gapTo);
}

}  // namespace

double Distance(GeometryPoint p, GeometryPoint q) { return std::hypot(p.x - q.x, p.y - q.y); }

TrainGeometry CompoundTrainGeometry(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) {
    TrainGeometry train;
    train.compound = true;
    PlaceStud(train, (static_cast<double>(a) + b) / 2, (static_cast<double>(c) + d) / 2);
    train.gears = {Gear('A', a, train.spindle), Gear('B', b, train.stud), Gear('C', c, train.stud),
                   Gear('D', d, train.leadscrew)};
    // The stud's distances are those of the arms where they meet (exact, not
    // measured back from the computed point), so the overlaps agree with
    // the tooth-count rules to the last digit.
    const double toLeadscrew = train.reaches ? (static_cast<double>(c) + d) / 2 : Distance(train.stud, train.leadscrew);
    const double toSpindle = train.reaches ? (static_cast<double>(a) + b) / 2 : Distance(train.stud, train.spindle);
    train.bFoulsLeadscrew = toLeadscrew < b / 2.0 + TrainGeometry::kLeadscrewClearance;
    train.cFoulsSpindle = toSpindle < c / 2.0 + TrainGeometry::kSpindleClearance;
    return train;
}

TrainGeometry SimpleTrainGeometry(std::int32_t a, std::int32_t d) {
    TrainGeometry train;
    // An idler large enough to bridge the axes with room to spare, so it sits
    // clearly to the side; its size does not change the ratio.
    const double pitchA = a / 2.0;
    const double pitchD = d / 2.0;
    const double idler = std::max(10.0, (TrainGeometry::kAxisDistance - pitchA - pitchD) / 2 + 10);
    PlaceStud(train, pitchA + idler, pitchD + idler);
    PlacedGear idlerGear{'I', 0, train.stud, idler, idler + 1};
    train.gears = {Gear('A', a, train.spindle), idlerGear, Gear('D', d, train.leadscrew)};
    return train;
}

}  // namespace calc
