#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace app {

// Readings of the values of the settings file. A text that does not read
// gives nothing, so that the caller can fall back to the key's default.

// A number by the user's regional rules, rounded to the nearest integer
// (halves to even); nothing when it does not fit in 32 or 16 bits.
std::optional<std::int32_t> ReadLongValue(const std::string& text);
std::optional<std::int16_t> ReadIntegerValue(const std::string& text);
// "True" or "False" in any letter case, or a number (0 false, else true).
std::optional<bool> ReadBooleanValue(const std::string& text);

// How numbers and Booleans are written: digits with a leading "-" for a
// negative value; "True" or "False".
std::string NumberText(std::int32_t value);
std::string BooleanText(bool value);

}  // namespace app
