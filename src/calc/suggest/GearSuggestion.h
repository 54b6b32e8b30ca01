#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calc/gears/GearSet.h"
#include "calc/gears/TrainResult.h"
#include "calc/inputs/FactoryInputs.h"
#include "calc/inputs/SearchInputs.h"
#include "calc/inputs/ThreadFamilies.h"
#include "runtime/NumberSeparators.h"

namespace calc {

// A thread the machinist wants to cut, and the error accepted for it
// (percent; a train is within it as WithinTolerance says).
struct WantedThread {
    std::string name;
    bool tpi = false;  // value is threads per inch, else a pitch in mm
    double value = 0;
    double tolerance = 0;
};

// The threads of the families, each with the tolerance of its kind.
std::vector<WantedThread> WantedThreads(std::span<const ThreadFamily* const> families, double mmTolerance,
                                        double tpiTolerance);

// One thread given by its value, named "1.25 mm" or "16 TPI".
WantedThread SingleWantedThread(bool tpi, double value, double tolerance, const runtime::NumberSeparators& separators);

// The question: which gear, or pair of gears, to add to `gears` (with the
// leadscrew, ratio and include options of `inputs`) to cut the most of
// `threads`. Candidates are the tooth counts from `lowest` to `highest`,
// 127, and a second gear of every size owned. An added gear goes into the
// first slot holding 0, as the window puts it into the first empty box.
struct SuggestionRequest {
    GearSet gears;
    SearchInputs inputs;
    std::vector<WantedThread> threads;
    std::int32_t lowest = factory::kSuggestLowest;
    std::int32_t highest = factory::kSuggestHighest;
};

inline constexpr std::int32_t kSuggestionTeethLimit = 400;  // the highest count a range may reach

std::vector<std::int32_t> CandidateTeeth(const SuggestionRequest& request);

// A thread a candidate brings within its tolerance or makes exact, and the
// best train the thread then has (slots of the candidate's gear set).
struct ThreadGain {
    std::size_t thread;  // index into the request's threads
    TrainResult train;
};

// What adding one or two gears is worth.
struct GearSuggestion {
    std::vector<std::int32_t> teeth;  // the gears added, in the order added
    GearSet gears;                    // the set with them added
    int gained = 0;                   // threads whose best train comes within tolerance
    int madeExact = 0;                // threads whose best train becomes exact
    double errorSum = 0;              // the sum of |error| over every thread with a train
    std::vector<ThreadGain> gains;    // the gained and made exact threads, in the request's order
};

// Best first: more threads gained, then more made exact, then the smaller
// sum of errors, then fewer teeth in all, then the smaller counts.
bool RanksBefore(const GearSuggestion& x, const GearSuggestion& y);

// Called between candidates, so that a window can keep painting.
using SuggestionProgress = std::function<void()>;

// Every single gear that brings a thread within tolerance or makes one
// exact, best first.
std::vector<GearSuggestion> SuggestGears(const SuggestionRequest& request, const SuggestionProgress& progress = {});

// The best pairs that are worth more than either of their gears alone (more
// threads gained, or as many and more made exact), best first: at most
// kListedPairs of them, since the gear that helps most alone makes a
// listed pair with nearly any gear that adds a thread.
inline constexpr std::size_t kListedPairs = 100;
std::vector<GearSuggestion> SuggestGearPairs(const SuggestionRequest& request,
                                             const SuggestionProgress& progress = {});

}  // namespace calc
