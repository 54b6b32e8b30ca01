#pragma once

#include <string>

namespace runtime {

// A non-negative number as decimal digits with the position of the decimal
// point: value = 0.<digits> x 10^pointPosition. Built from the value's
// 15-significant-digit decimal form, which is what is shown of a Double.
struct DecimalForm {
    std::string digits;      // no leading zeros, except for the value 0 ("0")
    int pointPosition = 1;   // digits before the decimal point (may be <= 0)

    static DecimalForm Of(double absValue);

    // Rounds half away from zero so that `fractionDigits` digits remain after
    // the point; the carry may add a digit in front.
    DecimalForm RoundedTo(int fractionDigits) const;

    // The digits before the point ("" for a value below 1) and exactly
    // `fractionDigits` digits after it, zero-padded.
    std::string IntegerDigits() const;
    std::string FractionDigits(int fractionDigits) const;

    bool IsZero() const;
};

}  // namespace runtime
