#pragma once

#include <string_view>

#include "runtime/Variant.h"

namespace calc {

// The one reading of a field's text as a number used by every numeric
// input: trims blanks, drops one leading ">", "<", "~", "-" (negating) or
// "$", reads the leading number with "." as the only decimal mark, and
// yields 0 for text without a leading number. A "$" at either end marks the
// text as scaled: the number is multiplied by `factor` when that is above 0.
double NumVal(std::string_view text, double factor = 1);
inline double NumVal(const char* text, double factor = 1) { return NumVal(std::string_view(text), factor); }
inline double NumVal(const std::string& text, double factor = 1) { return NumVal(std::string_view(text), factor); }

// The same for any value: Empty, Null and Error read as 0, an object as its
// value, an array as its first element, other non-text values directly.
double NumVal(const runtime::Variant& value, double factor = 1);

}  // namespace calc
