#include "runtime/NumberPattern.h"

#include <cmath>

#include "runtime/DecimalForm.h"

namespace runtime {

NumberPattern::NumberPattern(std::string_view section) {
    Tokenise(section);
    Analyse();
}

void NumberPattern::Tokenise(std::string_view s) {
    bool fraction = false;
    bool exponent = false;
    auto literal = [this](std::string text) {
        if (!tokens_.empty() && tokens_.back().kind == Kind::Literal) tokens_.back().text += text;
        else tokens_.push_back({Kind::Literal, std::move(text)});
    };
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '"') {
            std::size_t end = s.find('"', i + 1);
            if (end == std::string_view::npos) end = s.size();
            literal(std::string(s.substr(i + 1, end - i - 1)));
            i = end;
        } else if (c == '\\') {
            if (i + 1 < s.size()) literal(std::string(1, s[++i]));
        } else if (c == '0' || c == '#') {
            tokens_.push_back({Kind::Digit, std::string(1, c), fraction, exponent});
        } else if (c == '.' && !fraction && !exponent) {
            tokens_.push_back({Kind::Point, "."});
            fraction = true;
        } else if (c == ',' && !fraction && !exponent) {
            tokens_.push_back({Kind::Group, ","});
        } else if (c == '%') {
            tokens_.push_back({Kind::Percent, "%"});
        } else if ((c == 'E' || c == 'e') && !exponent && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-')) {
            tokens_.push_back({Kind::Exponent, std::string{c, s[i + 1]}});
            exponent = true;
            ++i;
        } else {
            literal(std::string(1, c));
        }
    }
}

void NumberPattern::Analyse() {
    int leftmostZeroFromRight = 0;
    std::vector<int> integerDigitIndices;
    for (std::size_t i = 0; i < tokens_.size(); ++i) {
        const Token& t = tokens_[i];
        if (t.kind == Kind::Percent) ++percentCount_;
        if (t.kind == Kind::Exponent) hasExponent_ = true;
        if (t.kind != Kind::Digit) continue;
        if (t.inExponent) {
            if (t.text == "0") ++exponentZeros_;
        } else if (t.inFraction) {
            ++fractionPlaces_;
            if (t.text == "0") fractionZeros_ = fractionPlaces_;
        } else {
            integerDigitIndices.push_back(static_cast<int>(i));
        }
    }
    integerPlaces_ = static_cast<int>(integerDigitIndices.size());
    for (int k = 0; k < integerPlaces_; ++k) {
        if (tokens_[static_cast<std::size_t>(integerDigitIndices[static_cast<std::size_t>(k)])].text == "0") {
            leftmostZeroFromRight = integerPlaces_ - k;
            break;
        }
    }
    integerZeros_ = leftmostZeroFromRight;
    // A comma followed by another integer digit groups thousands; commas after
    // the last integer digit (before the point or the end) scale instead.
    int lastIntegerDigit = integerDigitIndices.empty() ? -1 : integerDigitIndices.back();
    int firstIntegerDigit = integerDigitIndices.empty() ? -1 : integerDigitIndices.front();
    for (std::size_t i = 0; i < tokens_.size(); ++i) {
        if (tokens_[i].kind != Kind::Group) continue;
        int index = static_cast<int>(i);
        if (index < lastIntegerDigit && index > firstIntegerDigit) grouping_ = true;
        else if (index > lastIntegerDigit && lastIntegerDigit >= 0) ++scaleThousands_;
    }
}

std::string NumberPattern::Apply(double value, const NumberSeparators& separators) const {
    value = std::fabs(value);
    for (int i = 0; i < percentCount_; ++i) value *= 100;
    for (int i = 0; i < scaleThousands_; ++i) value /= 1000;
    // A value that the percent signs pushed past the largest double has no
    // digits to place: it shows as a word among the pattern's literals.
    if (!std::isfinite(value)) return EmitWord("Infinity");
    return hasExponent_ ? ApplyScientific(value, separators) : ApplyFixed(value, separators);
}

namespace {
std::string TrimFraction(std::string fraction, int keep) {
    while (static_cast<int>(fraction.size()) > keep && fraction.back() == '0') fraction.pop_back();
    return fraction;
}
std::string PadLeft(std::string digits, int width) {
    if (static_cast<int>(digits.size()) < width) digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}
}  // namespace

std::string NumberPattern::ApplyFixed(double value, const NumberSeparators& separators) const {
    DecimalForm rounded = DecimalForm::Of(value).RoundedTo(fractionPlaces_);
    std::string integer = PadLeft(rounded.IntegerDigits(), integerZeros_);
    std::string fraction = TrimFraction(rounded.FractionDigits(fractionPlaces_), fractionZeros_);
    return Emit(integer, fraction, {}, separators);
}

std::string NumberPattern::ApplyScientific(double value, const NumberSeparators& separators) const {
    DecimalForm form = DecimalForm::Of(value);
    int shownInteger = integerPlaces_;
    int exponent = 0;
    if (!form.IsZero()) {
        exponent = form.pointPosition - shownInteger;
        form.pointPosition = shownInteger;
        form = form.RoundedTo(fractionPlaces_);
        if (form.pointPosition > shownInteger) {
            // Rounding carried into a new digit: 9.99E+00 becomes 1.00E+01.
            exponent += form.pointPosition - shownInteger;
            form.pointPosition = shownInteger;
        }
    }
    std::string integer = PadLeft(form.IntegerDigits(), integerZeros_);
    std::string fraction = TrimFraction(form.FractionDigits(fractionPlaces_), fractionZeros_);
    std::string exponentText = PadLeft(std::to_string(std::abs(exponent)), exponentZeros_);
    // The sign goes in as a character, not as a one-letter string: g++ 12
    // warns falsely (-Wrestrict) on the string's inlined copy in release builds.
    exponentText.insert(exponentText.begin(), exponent < 0 ? '-' : '+');
    return Emit(integer, fraction, exponentText, separators);
}

std::string NumberPattern::Grouped(const std::string& digits, const std::string& separator) const {
    std::string out;
    int count = static_cast<int>(digits.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) out += separator;
        out += digits[static_cast<std::size_t>(i)];
    }
    return out;
}

// Walks the tokens, placing the integer digits right-aligned over the
// integer placeholders (extra digits at the first one), the fraction digits
// left to right, and the exponent after its mark.
std::string NumberPattern::Emit(const std::string& integerDigits, const std::string& fractionDigits,
                                const std::string& exponentText, const NumberSeparators& separators) const {
    std::string out;
    int integerSeen = 0;
    int fractionSeen = 0;
    bool exponentDone = false;
    bool integerDone = false;
    int digitCount = static_cast<int>(integerDigits.size());
    for (const Token& t : tokens_) {
        switch (t.kind) {
        case Kind::Literal: out += t.text; break;
        case Kind::Percent: out += '%'; break;
        case Kind::Group: break;
        case Kind::Point:
            if (integerPlaces_ == 0) out += integerDigits;
            out += separators.decimal;
            break;
        case Kind::Exponent:
            out += t.text[0];
            if (exponentText[0] == '-' || t.text[1] == '+') out += exponentText[0];
            break;
        case Kind::Digit:
            if (t.inExponent) {
                if (!exponentDone) out += exponentText.substr(1);
                exponentDone = true;
            } else if (t.inFraction) {
                if (fractionSeen < static_cast<int>(fractionDigits.size()))
                    out += fractionDigits[static_cast<std::size_t>(fractionSeen)];
                ++fractionSeen;
            } else if (grouping_) {
                if (!integerDone) out += Grouped(integerDigits, separators.thousands);
                integerDone = true;
            } else {
                // Placeholder k from the left takes the digit at the same
                // distance from the right end; the first takes the surplus.
                int fromRight = integerPlaces_ - integerSeen;  // 1-based
                if (integerSeen == 0 && digitCount > fromRight)
                    out += integerDigits.substr(0, static_cast<std::size_t>(digitCount - fromRight + 1));
                else if (fromRight <= digitCount)
                    out += integerDigits[static_cast<std::size_t>(digitCount - fromRight)];
                ++integerSeen;
            }
            break;
        }
    }
    return out;
}

// The pattern's literals and percent signs around one word that stands where
// the number's digits would.
std::string NumberPattern::EmitWord(const std::string& word) const {
    std::string out;
    bool placed = false;
    for (const Token& t : tokens_) {
        if (t.kind == Kind::Literal) out += t.text;
        else if (t.kind == Kind::Percent) out += '%';
        else if (!placed && (t.kind == Kind::Digit || t.kind == Kind::Point)) {
            out += word;
            placed = true;
        }
    }
    return placed ? out : word + out;
}

}  // namespace runtime
