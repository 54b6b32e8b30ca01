#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/NumberSeparators.h"

namespace runtime {

// One section of a number format pattern ("#,##0.0###", "0.00E+00",
// "0%", "\$0.00"), parsed once and applied to any number of values.
class NumberPattern {
public:
    explicit NumberPattern(std::string_view section);

    // Formats the absolute value of `value`; the caller adds a sign.
    std::string Apply(double value, const NumberSeparators& separators) const;

    // True when the section shows nothing but literals (no digit placeholder).
    bool HasDigits() const { return integerPlaces_ + fractionPlaces_ > 0; }

private:
    enum class Kind { Literal, Digit, Point, Group, Percent, Exponent };
    struct Token {
        Kind kind;
        std::string text;   // literal text; '0' or '#' for a digit; "+" or "-" and the E's case for Exponent
        bool inFraction = false;
        bool inExponent = false;
    };

    void Tokenise(std::string_view section);
    void Analyse();
    std::string ApplyFixed(double value, const NumberSeparators& separators) const;
    std::string ApplyScientific(double value, const NumberSeparators& separators) const;
    std::string Emit(const std::string& integerDigits, const std::string& fractionDigits,
                     const std::string& exponentText, const NumberSeparators& separators) const;
    std::string EmitWord(const std::string& word) const;
    std::string Grouped(const std::string& digits, const std::string& separator) const;

    std::vector<Token> tokens_;
    int integerPlaces_ = 0;
    int integerZeros_ = 0;      // digits always shown before the point (from the leftmost '0')
    int fractionPlaces_ = 0;
    int fractionZeros_ = 0;     // digits always shown after the point (up to the last '0')
    int exponentZeros_ = 0;
    int scaleThousands_ = 0;    // commas right of the last integer digit: each divides by 1000
    int percentCount_ = 0;
    bool grouping_ = false;
    bool hasExponent_ = false;
};

}  // namespace runtime
