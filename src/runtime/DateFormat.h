#pragma once

#include <string>
#include <string_view>

namespace runtime {

// True when a pattern asks for parts of a date or time (d, m, y, h, n, s,
// w, q, c, t, AM/PM outside quotes), so a value is shown as a date.
bool IsDatePattern(std::string_view pattern);

// Formats a date serial by a date pattern or a named date format ("General
// Date", "Long Date", "Medium Date", "Short Date", "Long Time", "Medium Time",
// "Short Time"). Weeks start on Sunday; the week of 1 January is week 1.
std::string FormatDate(double serial, std::string_view pattern);

// The named date format's pattern, or empty when the name is not one.
std::string_view NamedDatePattern(std::string_view name);

}  // namespace runtime
