#pragma once

#include <string>
#include <string_view>

#include "runtime/NumberSeparators.h"
#include "runtime/Variant.h"

namespace runtime {

// Formats a value by a pattern, as the program shows numbers:
// number patterns with up to four ";" sections (positive; negative; zero;
// Null), the placeholders 0 and #, ".", ",", "%", E+/E-, quoted and escaped
// literals, and the named number formats ("General Number", "Fixed",
// "Standard", "Percent", "Scientific", "Yes/No", "True/False", "On/Off"),
// and date patterns and named date formats for dates and numbers (a number
// is then a date serial).
// Values are rounded half away from zero at the last shown digit of their
// 15-significant-digit decimal form. An empty pattern shows the value as text.
// Text that does not read as a number is returned unchanged.
std::string Format(const Variant& value, std::string_view pattern = {});
std::string Format(const Variant& value, std::string_view pattern, const NumberSeparators& separators);

// A number formatted by a number pattern (no named formats).
std::string FormatNumber(double value, std::string_view pattern, const NumberSeparators& separators);

// A Double as text with up to 15 significant digits: "0.5", "1E-05",
// "123456789012345", "1E+15".
std::string GeneralNumberText(double value, const NumberSeparators& separators);

}  // namespace runtime
