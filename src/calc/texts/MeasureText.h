#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "runtime/NumberSeparators.h"

namespace calc {

// Appends a measure as the pattern "0.0###" shows it, with the same text as
// runtime::FormatNumber(value, "0.0###", separators): the value's
// 15-significant-digit decimal form rounded half away from zero to four
// decimals, trailing zeros after the first decimal dropped, a minus sign for
// any negative value, the user's decimal mark. Ordinary values are worked out
// in integer arithmetic; the few that lie too near a rounding boundary, and
// very large or non-finite ones, go through FormatNumber itself.
void AppendMeasure(std::string& out, double value, const runtime::NumberSeparators& separators);

std::string MeasureText(double value, const runtime::NumberSeparators& separators);

// The ordinary case of AppendMeasure on its own: writes the text into
// `buffer` (room for kMeasureBuffer characters) and returns its length, or
// returns 0 when the value needs FormatNumber (or the mark is unusually long).
inline constexpr std::size_t kMeasureBuffer = 48;
std::size_t WriteMeasure(char* buffer, double value, std::string_view decimalMark);

}  // namespace calc
