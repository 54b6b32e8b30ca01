#include "calc/texts/MeasureText.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "runtime/Format.h"

namespace calc {

namespace {

constexpr const char* kPattern = "0.0###";
constexpr double kLargest = 1e9;  // ten thousandths then stay well inside 53 bits

// The value in ten thousandths, rounded as the 15-digit form would round,
// or false when the two roundings could disagree. The 15-digit form lies
// within 5e-15 of the value (relative) and t within 1.2e-16 of value * 1e4,
// so a fraction clear of one half by more than that cannot round otherwise.
bool TenThousandths(double magnitude, std::uint64_t& units) {
    if (!(magnitude < kLargest)) return false;
    const double t = magnitude * 1e4;
    const auto whole = static_cast<std::uint64_t>(t);  // t >= 0: truncation is the floor
    const double fraction = t - static_cast<double>(whole);
    const double margin = t * 1e-14 + 1e-9;
    if (std::fabs(fraction - 0.5) <= margin) return false;
    units = whole + (fraction > 0.5 ? 1 : 0);
    return true;
}

}  // namespace

std::size_t WriteMeasure(char* buffer, double value, std::string_view decimalMark) {
    std::uint64_t units = 0;
    if (decimalMark.size() > 8 || !std::isfinite(value) || !TenThousandths(std::fabs(value), units)) return 0;
    char* p = buffer;
    if (value < 0) *p++ = '-';
    const std::uint64_t integer = units / 10000;
    if (integer < 10) *p++ = static_cast<char>('0' + integer);  // the usual case: one digit
    else p = std::to_chars(p, buffer + kMeasureBuffer, integer).ptr;  // at most 10 digits below kLargest
    for (char c : decimalMark) *p++ = c;
    const auto fraction = static_cast<std::uint32_t>(units % 10000);
    p[0] = static_cast<char>('0' + fraction / 1000);
    p[1] = static_cast<char>('0' + fraction / 100 % 10);
    p[2] = static_cast<char>('0' + fraction / 10 % 10);
    p[3] = static_cast<char>('0' + fraction % 10);
    std::size_t shown = 4;
    while (shown > 1 && p[shown - 1] == '0') --shown;
    return static_cast<std::size_t>(p - buffer) + shown;
}

void AppendMeasure(std::string& out, double value, const runtime::NumberSeparators& separators) {
    char buffer[kMeasureBuffer];
    if (const std::size_t length = WriteMeasure(buffer, value, separators.decimal)) out.append(buffer, length);
    else out += runtime::FormatNumber(value, kPattern, separators);
}

std::string MeasureText(double value, const runtime::NumberSeparators& separators) {
    std::string text;
    AppendMeasure(text, value, separators);
    return text;
}

}  // namespace calc
