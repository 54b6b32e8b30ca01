#include "runtime/NumberReading.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace runtime {

namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Walks a text, hiding the characters that reading skips.
class SkippingCursor {
public:
    explicit SkippingCursor(std::string_view text) : text_(text) { Skip(); }
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    void Next() { ++pos_; Skip(); }
    std::size_t Position() const { return pos_; }
    void Restore(std::size_t pos) { pos_ = pos; }

private:
    void Skip() { while (pos_ < text_.size() && IsSkipped(text_[pos_])) ++pos_; }
    std::string_view text_;
    std::size_t pos_ = 0;
};

int DigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// "&H..." or "&O...": the digits as an integer; values that fit in 16 or
// 32 bits are taken as two's complement of that width, as such literals are.
double ReadRadixInteger(SkippingCursor& cursor, int radix) {
    std::uint64_t value = 0;
    bool any = false;
    bool huge = false;
    while (DigitValue(cursor.Peek()) < radix) {
        any = true;
        if (value > (std::numeric_limits<std::uint64_t>::max() >> 4)) huge = true;
        value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(DigitValue(cursor.Peek()));
        cursor.Next();
    }
    if (!any) return 0;
    if (huge) return static_cast<double>(std::numeric_limits<std::uint64_t>::max());
    if (value <= 0xFFFF) return static_cast<double>(static_cast<std::int16_t>(value));
    if (value <= 0xFFFFFFFFull) return static_cast<double>(static_cast<std::int32_t>(value));
    return static_cast<double>(value);
}

double ReadDecimal(SkippingCursor& cursor) {
    std::string number;
    bool anyDigit = false;
    while (IsDigit(cursor.Peek())) { number += cursor.Peek(); anyDigit = true; cursor.Next(); }
    if (cursor.Peek() == '.') {
        number += '.';
        cursor.Next();
        while (IsDigit(cursor.Peek())) { number += cursor.Peek(); anyDigit = true; cursor.Next(); }
    }
    if (!anyDigit) return 0;
    char e = cursor.Peek();
    if (e == 'e' || e == 'E' || e == 'd' || e == 'D') {
        std::size_t mark = cursor.Position();
        std::string exponent = "e";
        cursor.Next();
        if (cursor.Peek() == '+' || cursor.Peek() == '-') { exponent += cursor.Peek(); cursor.Next(); }
        bool anyExpDigit = false;
        while (IsDigit(cursor.Peek())) { exponent += cursor.Peek(); anyExpDigit = true; cursor.Next(); }
        if (anyExpDigit) number += exponent;
        else cursor.Restore(mark);
    }
    double value = 0;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // Too large reads as infinity, too small as 0.
        bool large = number.find("e-") == std::string::npos;
        return large ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

}  // namespace

double ReadLeadingNumber(std::string_view text) {
    SkippingCursor cursor(text);
    double sign = 1;
    if (cursor.Peek() == '-' || cursor.Peek() == '+') {
        if (cursor.Peek() == '-') sign = -1;
        cursor.Next();
    }
    if (cursor.Peek() == '&') {
        cursor.Next();
        char kind = cursor.Peek();
        if (kind == 'h' || kind == 'H') { cursor.Next(); return sign * ReadRadixInteger(cursor, 16); }
        if (kind == 'o' || kind == 'O') { cursor.Next(); return sign * ReadRadixInteger(cursor, 8); }
        return 0;
    }
    return sign * ReadDecimal(cursor);
}

std::optional<double> ParseLocaleNumber(std::string_view text, const NumberSeparators& separators) {
    auto trim = [](std::string_view s) {
        while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
        return s;
    };
    text = trim(text);
    std::string plain;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    bool digits = false;
    bool decimalSeen = false;
    while (i < text.size()) {
        std::string_view rest = text.substr(i);
        if (IsDigit(text[i])) { plain += text[i++]; digits = true; continue; }
        if (!decimalSeen && rest.starts_with(separators.decimal)) {
            plain += '.'; decimalSeen = true; i += separators.decimal.size(); continue;
        }
        if (!decimalSeen && digits && !separators.thousands.empty() && rest.starts_with(separators.thousands)) {
            i += separators.thousands.size(); continue;
        }
        break;
    }
    if (!digits) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        bool any = false;
        while (j < text.size() && IsDigit(text[j])) { exponent += text[j++]; any = true; }
        if (!any) return std::nullopt;
        plain += exponent;
        i = j;
    }
    if (i != text.size()) return std::nullopt;
    double value = 0;
    const char* begin = plain.data();
    if (*begin == '+') ++begin;
    auto [ptr, ec] = std::from_chars(begin, plain.data() + plain.size(), value);
    if (ec != std::errc() || ptr != plain.data() + plain.size()) return std::nullopt;
    return value;
}

}  // namespace runtime
