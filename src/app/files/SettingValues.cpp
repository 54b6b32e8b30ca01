#include "app/files/SettingValues.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

#include "runtime/NumberReading.h"
#include "runtime/Rounding.h"

namespace app {

namespace {

template <class Integer>
std::optional<Integer> ReadRounded(const std::string& text) {
    const auto number = runtime::ParseLocaleNumber(text, runtime::UserSeparators());
    if (!number || !std::isfinite(*number)) return std::nullopt;
    const double rounded = runtime::RoundHalfEven(*number);
    if (rounded < std::numeric_limits<Integer>::min() || rounded > std::numeric_limits<Integer>::max())
        return std::nullopt;
    return static_cast<Integer>(rounded);
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::optional<std::int32_t> ReadLongValue(const std::string& text) { return ReadRounded<std::int32_t>(text); }

std::optional<std::int16_t> ReadIntegerValue(const std::string& text) { return ReadRounded<std::int16_t>(text); }

std::optional<bool> ReadBooleanValue(const std::string& text) {
    const std::string word = Lower(Trimmed(text));
    if (word == "true") return true;
    if (word == "false") return false;
    const auto number = runtime::ParseLocaleNumber(text, runtime::UserSeparators());
    if (!number) return std::nullopt;
    return *number != 0;
}

std::string NumberText(std::int32_t value) { return std::to_string(value); }

std::string BooleanText(bool value) { return value ? "True" : "False"; }

}  // namespace app
