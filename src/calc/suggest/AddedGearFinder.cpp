#include "calc/suggest/AddedGearFinder.h"

#include <algorithm>
#include <cmath>

#include "calc/gears/FitCheck.h"
#include "calc/order/TrainChoice.h"
#include "calc/gears/TrainMeasure.h"

namespace calc {

GearSet WithGear(const GearSet& gears, std::int32_t teeth) {
    GearSet larger = gears;
    const std::vector<std::int32_t>& counts = gears.Counts();
    const auto empty = std::find(counts.begin(), counts.end(), 0);
    larger.SetCount(static_cast<int>(empty - counts.begin()), teeth);
    return larger;
}

namespace {

int SizeWithTeeth(const GearTally& tally, std::int32_t teeth) {
    const auto& sizes = tally.Sizes();
    return static_cast<int>(std::find_if(sizes.begin(), sizes.end(), [teeth](const GearTally::Size& s) {
                                return s.teeth == teeth;
                            }) - sizes.begin());
}

}  // namespace

AddedGearFinder::Addition::Addition(const GearSet& gears, std::int32_t teeth)
    : gears_(gears), tally_(gears_), teeth_(teeth), added_(SizeWithTeeth(tally_, teeth)) {}

// One lookup: the best train so far, and the trains holding the added gear.
class AddedGearFinder::Scan {
public:
    Scan(const AddedGearFinder& finder, const Addition& addition, bool requestTpi, double request)
        : f_(finder), add_(addition), tpi_(requestTpi), request_(request), choice_(addition.gears_) {}

    // The smaller set's best keeps its slots: they hold the same gears in
    // the larger set. Where the loops meet its gears in other slots first (a
    // gear of the added size in the added slot), the search meets it there
    // too, as a train holding the added size, and takes it for its place.
    void Start(const std::optional<TrainResult>& smallerBest) {
        if (smallerBest) choice_.Consider(*smallerBest);
    }

    // The train's ratio (driving over driven) grows with the factor's value,
    // so its error grows on either side of the factor that would cut the
    // thread exactly: move outward from there while a train can still tie.
    void Search() {
        const double target = (tpi_ ? 25.4 / request_ : request_) / f_.set_.advance;
        const double teeth = add_.teeth_;
        Around(f_.driving_, target / teeth, true);
        Around(f_.driven_, target * teeth, false);
    }

    const std::optional<TrainResult>& Result() const { return choice_.Best(); }

private:
    void Around(const std::vector<Factor>& factors, double wanted, bool drives) {
        const auto start = std::lower_bound(factors.begin(), factors.end(), wanted,
                                            [](const Factor& f, double v) { return f.value < v; });
        for (auto it = start; it != factors.end() && Try(*it, drives); ++it) {
        }
        for (auto it = start; it != factors.begin() && Try(*--it, drives);) {
        }
    }

    // False when the trains of the factor lie beyond reach.
    bool Try(const Factor& factor, bool drives) {
        const std::int64_t X = add_.teeth_, P = Teeth(factor.p);
        if (factor.q < 0) {
            const TrainMeasures m = Measure(drives ? X : P, drives ? P : X);
            if (!Reachable(m)) return false;
            if (Worth(m)) TwoGear(drives ? add_.added_ : Size(factor.p), drives ? Size(factor.p) : add_.added_, m);
            return true;
        }
        const std::int64_t Q = Teeth(factor.q), R = Teeth(factor.r);
        const TrainMeasures m = drives ? Measure(X * P, Q * R) : Measure(P * R, X * Q);
        if (!Reachable(m)) return false;
        if (!Worth(m)) return true;
        const int x = add_.added_, p = Size(factor.p), q = Size(factor.q), r = Size(factor.r);
        if (drives) {
            FourGear({x, q, p, r}, m);  // A = the added gear, C = p
            FourGear({p, q, x, r}, m);
        } else {
            FourGear({p, x, r, q}, m);  // B = the added gear, D = q
            FourGear({p, q, r, x}, m);
        }
        return true;
    }

    TrainMeasures Measure(std::int64_t driving, std::int64_t driven) const {
        return MeasureTrain(driving, driven, f_.set_.advance, request_, tpi_);
    }
    bool Reachable(const TrainMeasures& m) const { return std::fabs(m.err) <= choice_.Reach(); }
    bool Worth(const TrainMeasures& m) const { return std::fabs(m.err) <= choice_.BestAbs() && m.pitch != 0; }

    std::int32_t Teeth(int smallerSize) const { return f_.set_.tally.Sizes()[static_cast<std::size_t>(smallerSize)].teeth; }
    int Size(int smallerSize) const { return add_.sizeOf_[static_cast<std::size_t>(smallerSize)]; }
    std::int32_t TeethOf(int size) const { return add_.tally_.Sizes()[static_cast<std::size_t>(size)].teeth; }

    void TwoGear(int driving, int driven, const TrainMeasures& m) {
        const int sizes[] = {driving, driven};
        const auto slots = add_.tally_.FirstSlots(sizes);
        choice_.Consider({slots[0], -1, -1, slots[1], m.pitch, m.tpi, m.err, {}});
    }

    void FourGear(const std::array<int, 4>& sizes, const TrainMeasures& m) {
        const FitCheckResult fit = CheckFit(TeethOf(sizes[0]), TeethOf(sizes[1]), TeethOf(sizes[2]), TeethOf(sizes[3]),
                                            f_.set_.includeLow, f_.set_.includeIntersecting);
        if (!fit.passes) return;
        const auto slots = add_.tally_.FirstSlots(sizes);
        choice_.Consider({slots[0], slots[1], slots[2], slots[3], m.pitch, m.tpi, m.err, fit.marks});
    }

    const AddedGearFinder& f_;
    const Addition& add_;
    bool tpi_;
    double request_;
    TrainChoice choice_;
};

AddedGearFinder::AddedGearFinder(const GearSet& gears, const SearchInputs& inputs)
    : set_(gears, inputs) {
    const GearTally& tally = set_.tally;
    const int count = static_cast<int>(tally.Sizes().size());
    auto teeth = [&tally](int size) { return static_cast<double>(tally.Sizes()[static_cast<std::size_t>(size)].teeth); };
    for (int p = 0; p < count; ++p) {
        driving_.push_back({1 / teeth(p), p, -1, -1});
        driven_.push_back({teeth(p), p, -1, -1});
        for (int q = 0; q < count; ++q)
            for (int r = 0; r < count; ++r) {
                const int sizes[] = {p, q, r};
                if (!tally.Holds(sizes)) continue;
                driving_.push_back({teeth(p) / (teeth(q) * teeth(r)), p, q, r});
                driven_.push_back({teeth(p) * teeth(r) / teeth(q), p, q, r});
            }
    }
    auto byValue = [](const Factor& x, const Factor& y) { return x.value < y.value; };
    std::sort(driving_.begin(), driving_.end(), byValue);
    std::sort(driven_.begin(), driven_.end(), byValue);
}

AddedGearFinder::Addition AddedGearFinder::Add(std::int32_t teeth) const {
    Addition addition(WithGear(set_.gears, teeth), teeth);
    for (const GearTally::Size& size : set_.tally.Sizes()) addition.sizeOf_.push_back(SizeWithTeeth(addition.tally_, size.teeth));
    return addition;
}

std::optional<TrainResult> AddedGearFinder::Find(const Addition& addition, bool requestTpi, double request,
                                                 const std::optional<TrainResult>& smallerBest) const {
    if (!set_.Measurable(request)) return std::nullopt;
    Scan scan(*this, addition, requestTpi, request);
    scan.Start(smallerBest);
    scan.Search();
    return scan.Result();
}

}  // namespace calc
