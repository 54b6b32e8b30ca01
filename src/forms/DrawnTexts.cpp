#include "forms/DrawnTexts.h"

#include <algorithm>
#include <limits>

namespace forms {

void DrawnTexts::Add(std::string_view text, std::int32_t x, std::int32_t y, double size, bool italic) {
    // A text longer than a length can say is kept in parts, each at the same place.
    constexpr std::size_t kLongest = std::numeric_limits<std::uint32_t>::max();
    const std::uint32_t style = StyleOf(size, italic);
    do {
        const std::string_view part = text.substr(0, kLongest);
        entries_.push_back({characters_.size(), x, y, static_cast<std::uint32_t>(part.size()), style});
        characters_.append(part);
        text.remove_prefix(part.size());
    } while (!text.empty());
}

void DrawnTexts::Clear() {
    entries_ = {};
    characters_ = {};
    styles_.clear();
    lastStyle_ = 0;
}

std::string_view DrawnTexts::TextAt(std::size_t i) const {
    return std::string_view(characters_).substr(entries_[i].start, entries_[i].length);
}

DrawnText DrawnTexts::operator[](std::size_t i) const {
    return DrawnText{std::string(TextAt(i)), XAt(i), YAt(i), SizeAt(i), ItalicAt(i)};
}

// Texts come in runs of one style: the last one is tried first.
std::uint32_t DrawnTexts::StyleOf(double size, bool italic) {
    auto same = [&](const Style& s) { return s.size == size && s.italic == italic; };
    if (lastStyle_ < styles_.size() && same(styles_[lastStyle_])) return lastStyle_;
    auto found = std::find_if(styles_.begin(), styles_.end(), same);
    if (found == styles_.end()) found = styles_.insert(styles_.end(), Style{size, italic});
    lastStyle_ = static_cast<std::uint32_t>(found - styles_.begin());
    return lastStyle_;
}

}  // namespace forms
