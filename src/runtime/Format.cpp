#include "runtime/Format.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

#include "runtime/DateFormat.h"
#include "runtime/DecimalForm.h"
#include "runtime/NumberPattern.h"
#include "runtime/NumberReading.h"

namespace runtime {

namespace {

std::vector<std::string_view> SplitSections(std::string_view pattern) {
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        if (c == '"') quoted = !quoted;
        else if (c == '\\' && !quoted) ++i;
        else if (c == ';' && !quoted) {
            sections.push_back(pattern.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(pattern.substr(start));
    return sections;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// A named number format as its pattern; empty when the name is not one.
std::string_view NamedNumberPattern(std::string_view name) {
    struct Named { std::string_view name, pattern; };
    static constexpr Named table[] = {
        {"Fixed", "0.00"},
        {"Standard", "#,##0.00"},
        {"Percent", "0.00%"},
        {"Scientific", "0.00E+00"},
        {"Currency", "#,##0.00"},
    };
    for (const Named& n : table)
        if (EqualsIgnoringCase(n.name, name)) return n.pattern;
    return {};
}

// "Yes/No", "True/False", "On/Off": the first word for a non-zero value.
bool NamedTruthFormat(std::string_view name, double value, std::string& out) {
    static constexpr std::string_view names[] = {"Yes/No", "True/False", "On/Off"};
    for (std::string_view n : names) {
        if (!EqualsIgnoringCase(n, name)) continue;
        std::size_t slash = n.find('/');
        out = std::string(value != 0 ? n.substr(0, slash) : n.substr(slash + 1));
        return true;
    }
    return false;
}

// The number a value stands for, when it stands for one.
bool NumberOf(const Variant& value, const NumberSeparators& separators, double& number) {
    switch (value.GetType()) {
    case Variant::Type::Empty: number = 0; return true;
    case Variant::Type::String: {
        auto parsed = ParseLocaleNumber(value.Text(), separators);
        if (!parsed) return false;
        number = *parsed;
        return true;
    }
    case Variant::Type::Object:
    case Variant::Type::Array:
    case Variant::Type::Error:
    case Variant::Type::Null:
        return false;
    default:
        number = value.ToDouble();
        return true;
    }
}

}  // namespace

std::string GeneralNumberText(double value, const NumberSeparators& separators) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    std::string sign = value < 0 ? "-" : "";
    DecimalForm form = DecimalForm::Of(std::fabs(value));
    if (form.IsZero()) return "0";
    int exponent = form.pointPosition - 1;
    if (exponent >= 15 || exponent < -4) {
        std::string mantissa = form.digits.substr(0, 1);
        if (form.digits.size() > 1) mantissa += separators.decimal + form.digits.substr(1);
        std::string e = std::to_string(std::abs(exponent));
        // One character goes in as a character, not as a one-letter string: g++ 12
        // warns falsely (-Wrestrict) on the string's inlined copy in release builds.
        if (e.size() < 2) e.insert(e.begin(), '0');
        return sign + mantissa + "E" + (exponent < 0 ? "-" : "+") + e;
    }
    int fractionDigits = std::max(0, static_cast<int>(form.digits.size()) - form.pointPosition);
    std::string integer = form.IntegerDigits();
    if (integer.empty()) integer = '0';  // a character, as above
    std::string text = sign + integer;
    if (fractionDigits > 0) text += separators.decimal + form.FractionDigits(fractionDigits);
    return text;
}

std::string FormatNumber(double value, std::string_view pattern, const NumberSeparators& separators) {
    if (pattern.empty() || !std::isfinite(value)) return GeneralNumberText(value, separators);
    std::vector<std::string_view> sections = SplitSections(pattern);
    std::string_view section = sections[0];
    bool minus = value < 0;
    if (value < 0 && sections.size() >= 2 && !sections[1].empty()) {
        section = sections[1];
        minus = false;  // the negative section shows its own signs
    } else if (value == 0 && sections.size() >= 3 && !sections[2].empty()) {
        section = sections[2];
    }
    // The same few patterns are applied to many values: keep the last ones parsed.
    thread_local std::vector<std::pair<std::string, NumberPattern>> parsed;
    const NumberPattern* compiled = nullptr;
    for (const auto& entry : parsed)
        if (entry.first == section) compiled = &entry.second;
    if (!compiled) {
        if (parsed.size() >= 8) parsed.erase(parsed.begin());
        parsed.emplace_back(std::string(section), NumberPattern(section));
        compiled = &parsed.back().second;
    }
    std::string text = compiled->Apply(value, separators);
    return minus ? "-" + text : text;
}

std::string Format(const Variant& value, std::string_view pattern, const NumberSeparators& separators) {
    if (value.IsNull()) {
        std::vector<std::string_view> sections = SplitSections(pattern);
        return sections.size() >= 4 ? NumberPattern(sections[3]).Apply(0, separators) : std::string();
    }
    double number = 0;
    if (!NumberOf(value, separators, number)) {
        return value.IsText() ? value.Text() : std::string();
    }
    if (value.IsEmpty() && pattern.empty()) return {};
    if (pattern.empty()) return value.ToText();
    if (EqualsIgnoringCase(pattern, "General Number")) return GeneralNumberText(number, separators);
    std::string truth;
    if (NamedTruthFormat(pattern, number, truth)) return truth;
    std::string_view named = NamedNumberPattern(pattern);
    if (named.empty() && (!NamedDatePattern(pattern).empty() || IsDatePattern(pattern)))
        return FormatDate(number, pattern);
    return FormatNumber(number, named.empty() ? pattern : named, separators);
}

std::string Format(const Variant& value, std::string_view pattern) {
    return Format(value, pattern, UserSeparators());
}

}  // namespace runtime
