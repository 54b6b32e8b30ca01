#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/suggest/GearSuggestion.h"
#include "runtime/NumberSeparators.h"

namespace calc {

// The fields of a suggestion: the gears ("127", "47 + 37"), the threads
// gained, the threads made exact, the sum of |error| in "0.0###", and the
// threads it gains, joined by ", ".
inline constexpr std::size_t kSuggestionFieldCount = 5;
using SuggestionFields = std::array<std::string, kSuggestionFieldCount>;

const SuggestionFields& SuggestionHeaders();

std::string SuggestionGearsText(const GearSuggestion& suggestion);

// One thread a suggestion gains, with the train it then has:
// "M6: 80-80-40-127 (0.0 %)", or "1.25 mm: 50-127 (0.0 %)" for two gears.
std::string GainText(const GearSuggestion& suggestion, const ThreadGain& gain,
                     const std::vector<WantedThread>& threads, const runtime::NumberSeparators& separators);

SuggestionFields SuggestionRowFields(const GearSuggestion& suggestion, const std::vector<WantedThread>& threads,
                                     const runtime::NumberSeparators& separators);

}  // namespace calc
