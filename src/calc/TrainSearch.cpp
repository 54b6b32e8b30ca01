#include "calc/TrainSearch.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <utility>

#include "calc/CombinationSet.h"
#include "calc/FitCheck.h"
#include "calc/PairRatios.h"
#include "calc/RatioBand.h"
#include "calc/TrainMeasure.h"

namespace calc {

namespace {

// The thread an arrangement with driving product n and driven product m
// cuts, its signed error against the request, and whether it is accepted.
class Measurer {
public:
    explicit Measurer(const SearchInputs& inputs)
        : advance_(LeadAdvance(inputs)),
          request_(inputs.request),
          tolerance_(inputs.tolerance),
          tpiRequest_(inputs.requestTpi) {}

    bool Accept(std::int64_t n, std::int64_t m, TrainMeasures& out) const {
        out = MeasureTrain(n, m, advance_, request_, tpiRequest_);
        return WithinTolerance(out.err, tolerance_);
    }

private:
    double advance_;
    double request_;
    double tolerance_;
    bool tpiRequest_;
};

// Whether two slots that hold gears hold the same count.
bool CountsRepeat(const GearSet& gears) {
    std::vector<std::int32_t> counts;
    for (std::int32_t count : gears.Counts())
        if (Mounts(count)) counts.push_back(count);
    std::sort(counts.begin(), counts.end());
    return std::adjacent_find(counts.begin(), counts.end()) != counts.end();
}

// Collects the accepted arrangements: the first occurrence of every
// distinct combination of tooth counts, in the order of first recording.
// When no count repeats, different slots are different combinations, and
// nothing needs remembering.
class Recorder {
public:
    Recorder(const GearSet& gears, TrainSink& sink) : sink_(sink) {
        if (CountsRepeat(gears)) {
            twoGear_.emplace(gears.Counts(), 2);
            fourGear_.emplace(gears.Counts(), 4);
        }
    }

    void Record(const std::array<int, 4>& slots, bool twoGear, const TrainResult& record) {
        ++recorded_;
        const bool first = !twoGear_ || (twoGear ? twoGear_->Insert(slots) : fourGear_->Insert(slots));
        // A pitch of exactly 0 is never listed.
        if (first && record.pitch != 0) sink_.Add(record);
    }

    std::int64_t Recorded() const { return recorded_; }

private:
    std::optional<CombinationSet> twoGear_;
    std::optional<CombinationSet> fourGear_;
    TrainSink& sink_;
    std::int64_t recorded_ = 0;
};

// Two-gear trains are few (at most 56 × 55), so every pair is measured, in
// the order a over d.
void SearchTwoGear(const GearSet& gears, const Measurer& measurer, Recorder& recorder) {
    const int upper = gears.Upper();
    for (int a = 0; a <= upper; ++a) {
        const std::int32_t countA = gears.Count(a);
        if (!Mounts(countA)) continue;
        for (int d = 0; d <= upper; ++d) {
            const std::int32_t countD = gears.Count(d);
            if (a == d || !Mounts(countD)) continue;
            TrainMeasures m;
            if (!measurer.Accept(countA, countD, m)) continue;
            recorder.Record({a, d, 0, 0}, true, {a, -1, -1, d, m.pitch, m.tpi, m.err, {}});
        }
    }
}

// The (C, D) pairs of one run of the ratio list, marked by their place in
// the loop order (c over d), so that they are visited in that order whatever
// order their ratios put them in: a bit per place, read word by word.
class SlotPairMarks {
public:
    explicit SlotPairMarks(int slots) : slots_(slots), words_((static_cast<std::size_t>(slots) * slots + 63) / 64) {}

    void Mark(int c, int d) {
        const std::size_t place =
            static_cast<std::size_t>(c) * static_cast<std::size_t>(slots_) + static_cast<std::size_t>(d);
        words_[place >> 6] |= std::uint64_t{1} << (place & 63);
    }

    // Calls visit(c, d) for every marked pair in loop order and clears the marks.
    template <class Visit>
    void VisitAndClear(Visit&& visit) {
        for (std::size_t w = 0; w < words_.size(); ++w) {
            for (std::uint64_t bits = std::exchange(words_[w], 0); bits != 0; bits &= bits - 1) {
                const std::size_t place = w * 64 + static_cast<std::size_t>(std::countr_zero(bits));
                visit(static_cast<int>(place / static_cast<std::size_t>(slots_)),
                      static_cast<int>(place % static_cast<std::size_t>(slots_)));
            }
        }
    }

private:
    int slots_;
    std::vector<std::uint64_t> words_;
};

// The (C, D) pairs that can complete (A, B): the band divided by A / B,
// widened once more for the rounding of that division.
PairRatios::Run RunFor(const PairRatios& pairs, const RatioBand& band, std::int32_t A, std::int32_t B) {
    const double ab = static_cast<double>(A) / B;
    return pairs.Between(band.low / ab * (1 - 1e-12), band.high / ab * (1 + 1e-12));
}

// Four-gear trains by the ratios of their pairs: for each (A, B), in loop
// order, only the (C, D) whose ratio brings the train into the band are
// measured, in the order the nested loops a, b, c, d would meet them, so the
// list is the same, in the same order, as that of the loops.
void SearchFourGear(const GearSet& gears, const SearchInputs& inputs, const Measurer& measurer, Recorder& recorder,
                    int firstA, int endA) {
    const RatioBand band = RatioBand::For(inputs);
    if (band.Empty()) return;
    const PairRatios pairs(gears);
    const std::vector<PairRatios::Pair>& byRatio = pairs.ByRatio();
    const std::int32_t* counts = gears.Counts().data();  // every slot here lies in the set
    SlotPairMarks marks(gears.Upper() + 1);

    for (int a = firstA; a < endA; ++a) {
        const std::int32_t A = counts[a];
        if (!Mounts(A)) continue;
        for (int b = 0; b <= gears.Upper(); ++b) {
            const std::int32_t B = counts[b];
            if (a == b || !Mounts(B)) continue;
            const PairRatios::Run run = RunFor(pairs, band, A, B);
            if (run.begin == run.end) continue;
            for (std::size_t i = run.begin; i < run.end; ++i) marks.Mark(byRatio[i].first, byRatio[i].second);
            marks.VisitAndClear([&](int c, int d) {
                if (c == a || c == b || d == a || d == b) return;
                const std::int32_t C = counts[c], D = counts[d];
                TrainMeasures m;
                if (!measurer.Accept(std::int64_t{A} * C, std::int64_t{B} * D, m)) return;
                FitCheckResult fit = CheckFit(A, B, C, D, inputs.includeLow, inputs.includeIntersecting);
                if (!fit.passes) return;
                recorder.Record({a, b, c, d}, false, {a, b, c, d, m.pitch, m.tpi, m.err, fit.marks});
            });
        }
    }
}

}  // namespace

void SearchTrains(const SearchInputs& inputs, const GearSet& gears, TrainSink& sink, SearchStats* stats) {
    Measurer measurer(inputs);
    Recorder recorder(gears, sink);
    SearchTwoGear(gears, measurer, recorder);
    SearchFourGear(gears, inputs, measurer, recorder, 0, gears.Upper() + 1);
    if (stats) stats->recorded = recorder.Recorded();
}

bool SearchSplits(const GearSet& gears) { return !CountsRepeat(gears); }

// The slot that leaves about half of the gears below it: each gear A
// brings about the same number of four-gear trains to measure.
int SplitSlot(const GearSet& gears) {
    int mounted = 0;
    for (std::int32_t count : gears.Counts()) mounted += Mounts(count) ? 1 : 0;
    int below = 0;
    for (int slot = 0; slot <= gears.Upper(); ++slot) {
        if (2 * below >= mounted) return slot;
        below += Mounts(gears.Count(slot)) ? 1 : 0;
    }
    return gears.Upper() + 1;
}

SearchBound BoundSearch(const SearchInputs& inputs, const GearSet& gears, int split) {
    SearchBound bound;
    int mounted = 0;
    for (std::int32_t count : gears.Counts()) mounted += Mounts(count) ? 1 : 0;
    bound.first = static_cast<std::size_t>(mounted) * static_cast<std::size_t>(std::max(mounted - 1, 0));
    const RatioBand band = RatioBand::For(inputs);
    if (band.Empty()) return bound;
    const PairRatios pairs(gears);
    for (int a = 0; a <= gears.Upper(); ++a) {
        if (!Mounts(gears.Count(a))) continue;
        std::size_t& part = a < split ? bound.first : bound.second;
        for (int b = 0; b <= gears.Upper(); ++b) {
            if (a == b || !Mounts(gears.Count(b))) continue;
            const PairRatios::Run run = RunFor(pairs, band, gears.Count(a), gears.Count(b));
            part += run.end - run.begin;
        }
    }
    return bound;
}

void SearchTrainsPart(const SearchInputs& inputs, const GearSet& gears, TrainSink& sink, bool first, int split) {
    Measurer measurer(inputs);
    Recorder recorder(gears, sink);
    if (first) SearchTwoGear(gears, measurer, recorder);
    const int endA = gears.Upper() + 1;
    split = std::clamp(split, 0, endA);
    SearchFourGear(gears, inputs, measurer, recorder, first ? 0 : split, first ? split : endA);
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
