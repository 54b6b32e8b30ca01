#include "calc/MeasureText.h"

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
    const double whole = std::floor(t);
    const double fraction = t - whole;
    const double margin = t * 1e-14 + 1e-9;
    if (std::fabs(fraction - 0.5) <= margin) return false;
    units = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    return true;
}

}  // namespace

void AppendMeasure(std::string& out, double value, const runtime::NumberSeparators& separators) {
    std::uint64_t units = 0;
    if (!std::isfinite(value) || !TenThousandths(std::fabs(value), units)) {
        out += runtime::FormatNumber(value, kPattern, separators);
        return;
    }
    if (value < 0) out += '-';
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, units / 10000).ptr;
    out.append(digits, end);
    out += separators.decimal;
    std::uint32_t fraction = static_cast<std::uint32_t>(units % 10000);
    char decimals[4] = {static_cast<char>('0' + fraction / 1000), static_cast<char>('0' + fraction / 100 % 10),
                        static_cast<char>('0' + fraction / 10 % 10), static_cast<char>('0' + fraction % 10)};
    std::size_t shown = 4;
    while (shown > 1 && decimals[shown - 1] == '0') --shown;
    out.append(decimals, shown);
}

std::string MeasureText(double value, const runtime::NumberSeparators& separators) {
    std::string text;
    AppendMeasure(text, value, separators);
    return text;
}

}  // namespace calc
