#include "app/preview/FittedText.h"

#include <vector>

#include "os/printing/DrawingTarget.h"

namespace app {

namespace {

const std::string kEllipsis = "\u2026";

// Where each UTF-8 character of the text ends, so that a cut never splits one.
std::vector<std::size_t> CharacterEnds(const std::string& text) {
    std::vector<std::size_t> ends;
    for (std::size_t i = 1; i <= text.size(); ++i) {
        if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ends.push_back(i);
    }
    return ends;
}

}  // namespace

std::string FittedText(os::DrawingTarget& target, const std::string& text, std::int32_t room) {
    if (target.TextWidth(text) <= room) return text;
    const std::vector<std::size_t> ends = CharacterEnds(text);
    // The most characters that fit, by halving: widths grow with the length.
    std::size_t fitting = 0;
    std::size_t low = 1, high = ends.size();
    while (low <= high && high > 0) {
        const std::size_t middle = low + (high - low) / 2;
        if (target.TextWidth(text.substr(0, ends[middle - 1]) + kEllipsis) <= room) {
            fitting = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return (fitting == 0 ? std::string() : text.substr(0, ends[fitting - 1])) + kEllipsis;
}

}  // namespace app
