#pragma once

// The loops of the search, for any sink that takes a train by
// `Add(const TrainResult&)`: a sink whose Add the compiler can see is
// inlined into them, with whatever it does not read of a train left
// unworked.

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "calc/gears/FitCheck.h"
#include "calc/gears/GearSet.h"
#include "calc/gears/TrainMeasure.h"
#include "calc/gears/TrainResult.h"
#include "calc/search/CombinationSet.h"
#include "calc/search/PairRatios.h"
#include "calc/search/TrainSearch.h"

namespace calc::loops {

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
bool CountsRepeat(const GearSet& gears);

// Collects the accepted arrangements: the first occurrence of every
// distinct combination of tooth counts, in the order of first recording.
// When no count repeats, different slots are different combinations, and
// nothing needs remembering.
template <class Sink>
class Recorder {
public:
    Recorder(const GearSet& gears, Sink& sink) : sink_(sink) {
        if (CountsRepeat(gears)) {
            twoGear_.emplace(gears.Counts(), 2);
            fourGear_.emplace(gears.Counts(), 4);
        }
    }

    [[gnu::always_inline]] void Record(const std::array<int, 4>& slots, bool twoGear, const TrainResult& record) {
        ++recorded_;
        const bool first = !twoGear_ || (twoGear ? twoGear_->Insert(slots) : fourGear_->Insert(slots));
        // A pitch of exactly 0 is never listed.
        if (first && record.pitch != 0) sink_.Add(record);
    }

    std::int64_t Recorded() const { return recorded_; }

private:
    std::optional<CombinationSet> twoGear_;
    std::optional<CombinationSet> fourGear_;
    Sink& sink_;
    std::int64_t recorded_ = 0;
};

// Two-gear trains are few (at most 56 × 55), so every pair is measured, in
// the order a over d.
template <class Sink>
void SearchTwoGear(const GearSet& gears, const Measurer& measurer, Recorder<Sink>& recorder) {
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

// A run this short is put in loop order by sorting it, which costs less
// than reading every word of the marks.
inline constexpr std::size_t kShortRun = 24;

template <class Visit>
void VisitShortRun(const std::vector<PairRatios::Pair>& byRatio, PairRatios::Run run, Visit& visit) {
    std::uint64_t places[kShortRun];
    std::size_t n = 0;
    for (std::size_t i = run.begin; i < run.end; ++i) {
        const std::uint64_t place =
            static_cast<std::uint64_t>(byRatio[i].first) << 32 | static_cast<std::uint32_t>(byRatio[i].second);
        std::size_t j = n++;
        for (; j > 0 && place < places[j - 1]; --j) places[j] = places[j - 1];
        places[j] = place;
    }
    for (std::size_t k = 0; k < n; ++k) visit(static_cast<int>(places[k] >> 32), static_cast<int>(places[k] & 0xFFFFFFFF));
}

// Four-gear trains by the ratios of their pairs: for each (A, B), in loop
// order, only the (C, D) whose ratio brings the train into the band are
// measured, in the order the nested loops a, b, c, d would meet them, so the
// list is the same, in the same order, as that of the loops.
template <class Sink>
void SearchFourGear(const SearchPlan& plan, const Measurer& measurer, Recorder<Sink>& recorder, int firstA, int endA) {
    const GearSet& gears = plan.Gears();
    const SearchInputs& inputs = plan.Inputs();
    const std::vector<PairRatios::Pair>& byRatio = plan.Pairs().ByRatio();
    const std::int32_t* counts = gears.Counts().data();  // every slot here lies in the set
    SlotPairMarks marks(gears.Upper() + 1);

    for (int a = firstA; a < endA; ++a) {
        const std::int32_t A = counts[a];
        for (int b = 0; b <= gears.Upper(); ++b) {
            const PairRatios::Run run = plan.RunFor(a, b);
            if (run.begin == run.end) continue;
            const std::int32_t B = counts[b];
            auto visit = [&](int c, int d) __attribute__((always_inline)) {
                if (c == a || c == b || d == a || d == b) return;
                const std::int32_t C = counts[c], D = counts[d];
                TrainMeasures m;
                if (!measurer.Accept(std::int64_t{A} * C, std::int64_t{B} * D, m)) return;
                FitCheckResult fit = CheckFit(A, B, C, D, inputs.includeLow, inputs.includeIntersecting);
                if (!fit.passes) return;
                recorder.Record({a, b, c, d}, false, {a, b, c, d, m.pitch, m.tpi, m.err, fit.marks});
            };
            if (run.end - run.begin <= kShortRun) {
                VisitShortRun(byRatio, run, visit);
            } else {
                for (std::size_t i = run.begin; i < run.end; ++i) marks.Mark(byRatio[i].first, byRatio[i].second);
                marks.VisitAndClear(visit);
            }
        }
    }
}

}  // namespace calc::loops

namespace calc {

// SearchTrainsPart for a sink of any type.
template <class Sink>
void SearchTrainsPartInto(const SearchPlan& plan, Sink& sink, bool twoGear, int firstA, int endA) {
    const loops::Measurer measurer(plan.Inputs());
    loops::Recorder<Sink> recorder(plan.Gears(), sink);
    if (twoGear) loops::SearchTwoGear(plan.Gears(), measurer, recorder);
    const int slots = plan.Gears().Upper() + 1;
    loops::SearchFourGear(plan, measurer, recorder, std::clamp(firstA, 0, slots), std::clamp(endA, 0, slots));
}

}  // namespace calc
