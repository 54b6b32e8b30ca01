#include "calc/TrainSearch.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "calc/CombinationSet.h"
#include "calc/FitCheck.h"
#include "calc/TrainMeasure.h"

namespace calc {

namespace {

using Measures = TrainMeasures;

// The thread an arrangement with driving product n and driven product m
// cuts, and its signed error against the request.
class Measurer {
public:
    explicit Measurer(const SearchInputs& inputs)
        : advance_(LeadAdvance(inputs)),
          request_(inputs.request),
          tolerance_(inputs.tolerance),
          tpiRequest_(inputs.requestTpi) {}

    bool Accept(std::int64_t n, std::int64_t m, Measures& out) const {
        out = MeasureTrain(n, m, advance_, request_, tpiRequest_);
        return std::fabs(out.err) < tolerance_;
    }

    double Advance() const { return advance_; }
    double Request() const { return request_; }
    double Tolerance() const { return tolerance_; }
    bool TpiRequest() const { return tpiRequest_; }

private:
    double advance_;
    double request_;
    double tolerance_;
    bool tpiRequest_;
};

// Collects the accepted arrangements: the first occurrence of every
// distinct combination of tooth counts, in the order of first recording.
class Recorder {
public:
    Recorder(const GearSet& gears, TrainSink& sink)
        : twoGear_(gears.Counts(), 2), fourGear_(gears.Counts(), 4), sink_(sink) {}

    void Record(const std::array<int, 4>& slots, bool twoGear, const TrainResult& record) {
        ++recorded_;
        bool first = twoGear ? twoGear_.Insert(slots) : fourGear_.Insert(slots);
        // A pitch of exactly 0 (a leadscrew of 0) is never listed.
        if (first && record.pitch != 0) sink_.Add(record);
    }

    std::int64_t Recorded() const { return recorded_; }

private:
    CombinationSet twoGear_;
    CombinationSet fourGear_;
    TrainSink& sink_;
    std::int64_t recorded_ = 0;
};

void SearchTwoGear(const GearSet& gears, const Measurer& measurer, Recorder& recorder) {
    const int upper = gears.Upper();
    for (int a = 0; a <= upper; ++a) {
        const std::int32_t countA = gears.Count(a);
        if (countA == 0) continue;
        for (int d = 0; d <= upper; ++d) {
            const std::int32_t countD = gears.Count(d);
            if (a == d || countD == 0) continue;
            Measures m;
            if (!measurer.Accept(countA, countD, m)) continue;
            recorder.Record({a, d, 0, 0}, true, {a, -1, -1, d, m.pitch, m.tpi, m.err, {}});
        }
    }
}

// Tests one four-gear arrangement and records it when it is accepted and fits.
void TryFourGear(const GearSet& gears, const SearchInputs& inputs, const Measurer& measurer,
                 Recorder& recorder, int a, int b, int c, int d) {
    const std::int32_t* counts = gears.Counts().data();  // every slot here lies in the set
    const std::int32_t A = counts[a], B = counts[b], C = counts[c], D = counts[d];
    Measures m;
    if (!measurer.Accept(std::int64_t{A} * C, std::int64_t{B} * D, m)) return;
    FitCheckResult fit = CheckFit(A, B, C, D, inputs.includeLow, inputs.includeIntersecting);
    if (!fit.passes) return;
    recorder.Record({a, b, c, d}, false, {a, b, c, d, m.pitch, m.tpi, m.err, fit.marks});
}

// Visits every (a, b, c) and hands the d loop to `forEachD`, which must call
// its visitor for the candidate slots d in ascending order.
template <class ForEachD>
void LoopABC(const GearSet& gears, ForEachD&& forEachD) {
    const int upper = gears.Upper();
    const std::int32_t* counts = gears.Counts().data();
    for (int a = 0; a <= upper; ++a) {
        if (counts[a] == 0) continue;
        for (int b = 0; b <= upper; ++b) {
            if (a == b || counts[b] == 0) continue;
            for (int c = 0; c <= upper; ++c) {
                if (counts[c] == 0 || c == a || c == b) continue;
                forEachD(a, b, c);
            }
        }
    }
}

void SearchFourGearPlain(const GearSet& gears, const SearchInputs& inputs, const Measurer& measurer,
                         Recorder& recorder) {
    const int upper = gears.Upper();
    LoopABC(gears, [&](int a, int b, int c) {
        for (int d = 0; d <= upper; ++d) {
            if (gears.Count(d) == 0 || d == a || d == b || d == c) continue;
            TryFourGear(gears, inputs, measurer, recorder, a, b, c, d);
        }
    });
}

// With positive counts, advance, request and a tolerance below 100 %, the
// accepted pitches form one interval, so for given A, B and C only the D in
// one interval of tooth counts can be accepted. Those are found by binary
// search among the counts sorted by size, with a generous margin, and then
// tested exactly as the plain loop tests them, in ascending slot order.
bool FastPathApplies(const GearSet& gears, const Measurer& measurer) {
    for (std::int32_t count : gears.Counts())
        if (count < 0) return false;
    auto positiveFinite = [](double v) { return v > 0 && std::isfinite(v); };
    return positiveFinite(measurer.Advance()) && positiveFinite(measurer.Request()) &&
           positiveFinite(measurer.Tolerance()) && measurer.Tolerance() < 99;
}

void SearchFourGearPruned(const GearSet& gears, const SearchInputs& inputs, const Measurer& measurer,
                          Recorder& recorder) {
    struct Slot { std::int32_t count; int slot; };
    std::vector<Slot> bySize;
    for (int s = 0; s <= gears.Upper(); ++s)
        if (gears.Count(s) != 0) bySize.push_back({gears.Count(s), s});
    std::sort(bySize.begin(), bySize.end(),
              [](const Slot& x, const Slot& y) { return x.count < y.count; });

    // Gear lists are usually entered smallest first; then the candidates
    // come out in slot order already.
    const bool slotsAscendBySize = std::is_sorted(
        bySize.begin(), bySize.end(), [](const Slot& x, const Slot& y) { return x.slot < y.slot; });

    const double t = measurer.Tolerance() / 100;
    const double q = measurer.Request();
    double pitchLow = q * (1 - t), pitchHigh = q * (1 + t);
    if (measurer.TpiRequest()) {
        pitchLow = 25.4 / (q * (1 + t));
        pitchHigh = 25.4 / (q * (1 - t));
    }
    // pitch = A*C*P / (B*D), so D = A*C*P / (B*pitch). The factors per B
    // spare the divisions in the loop; their rounding is far inside the margin.
    constexpr double kMargin = 1e-9;
    const double advance = measurer.Advance();
    const std::int32_t* counts = gears.Counts().data();
    std::vector<double> lowFactor(counts, counts + gears.Counts().size()), highFactor = lowFactor;
    for (double& f : lowFactor) f = advance / (f * pitchHigh) * (1 - kMargin);
    for (double& f : highFactor) f = advance / (f * pitchLow) * (1 + kMargin);

    // Where the counts of at least v start in bySize, for every whole v up to
    // the largest count, so that small counts need no binary search.
    const std::int32_t largest = bySize.empty() ? 0 : bySize.back().count;
    constexpr std::int32_t kLargestIndexed = 4096;
    std::vector<std::uint32_t> firstAtLeast;
    if (!bySize.empty() && largest <= kLargestIndexed) {
        firstAtLeast.resize(static_cast<std::size_t>(largest) + 1);
        std::size_t i = 0;
        for (std::int32_t v = 0; v <= largest; ++v) {
            while (bySize[i].count < v) ++i;
            firstAtLeast[static_cast<std::size_t>(v)] = static_cast<std::uint32_t>(i);
        }
    }
    auto firstCandidate = [&](double lowest) {
        if (firstAtLeast.empty())  // large counts, or none
            return std::lower_bound(bySize.begin(), bySize.end(), lowest,
                                    [](const Slot& s, double v) { return s.count < v; });
        if (!(lowest <= largest)) return bySize.end();
        // From the counts of at least the whole part of `lowest`.
        return bySize.begin() + (lowest > 0 ? firstAtLeast[static_cast<std::size_t>(lowest)] : 0);
    };

    std::vector<int> candidates;
    candidates.reserve(bySize.size());
    LoopABC(gears, [&](int a, int b, int c) {
        const double product = static_cast<double>(std::int64_t{counts[a]} * counts[c]);
        const double lowest = product * lowFactor[static_cast<std::size_t>(b)];
        const double highest = product * highFactor[static_cast<std::size_t>(b)];
        candidates.clear();
        for (auto it = firstCandidate(lowest); it != bySize.end() && it->count <= highest; ++it)
            if (it->count >= lowest && it->slot != a && it->slot != b && it->slot != c) candidates.push_back(it->slot);
        if (!slotsAscendBySize) std::sort(candidates.begin(), candidates.end());
        for (int d : candidates) TryFourGear(gears, inputs, measurer, recorder, a, b, c, d);
    });
}

}  // namespace

void SearchTrains(const SearchInputs& inputs, const GearSet& gears, TrainSink& sink, SearchStats* stats) {
    Measurer measurer(inputs);
    Recorder recorder(gears, sink);
    SearchTwoGear(gears, measurer, recorder);
    if (FastPathApplies(gears, measurer))
        SearchFourGearPruned(gears, inputs, measurer, recorder);
    else
        SearchFourGearPlain(gears, inputs, measurer, recorder);
    if (stats) stats->recorded = recorder.Recorded();
}

std::vector<TrainResult> SearchTrains(const SearchInputs& inputs, const GearSet& gears, SearchStats* stats) {
    struct ListSink : TrainSink {
        std::vector<TrainResult> list;
        void Add(const TrainResult& result) override { list.push_back(result); }
    } sink;
    SearchTrains(inputs, gears, sink, stats);
    return std::move(sink.list);
}

}  // namespace calc
