#include "app/preview/PrintedColumns.h"

#include <algorithm>
#include <array>
#include <string>
#include <unordered_map>

#include "grid/core/VbGrid.h"
#include "os/printing/DrawingTarget.h"

namespace app {

namespace {

// The advance of each character in one font, measured once: a text's width
// is estimated as the sum of its characters' advances, so that a long table
// needs no measuring per cell to find the widest text of a column.
class CharacterWidths {
public:
    CharacterWidths(double points, bool italic) : points_(points), italic_(italic) {}

    std::int64_t Estimate(const std::string& text, os::DrawingTarget& target) {
        std::int64_t width = 0;
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t length = SequenceLength(static_cast<unsigned char>(text[i]), text.size() - i);
            width += Advance(text.substr(i, length), target);
            i += length;
        }
        return width;
    }
    void Select(os::DrawingTarget& target) const {
        target.SetFontSize(points_);
        target.SetFontItalic(italic_);
    }

private:
    // The bytes of one UTF-8 character (a stray byte alone).
    static std::size_t SequenceLength(unsigned char lead, std::size_t left) {
        const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        return std::min(length, left);
    }
    std::int32_t Advance(const std::string& character, os::DrawingTarget& target) {
        if (character.size() == 1) {
            std::int32_t& known = ascii_[static_cast<unsigned char>(character[0])];
            if (known < 0) known = Measure(character, target);
            return known;
        }
        const auto found = others_.find(character);
        if (found != others_.end()) return found->second;
        return others_[character] = Measure(character, target);
    }
    std::int32_t Measure(const std::string& character, os::DrawingTarget& target) const {
        Select(target);
        return target.TextWidth(character);
    }

    double points_;
    bool italic_;
    std::array<std::int32_t, 256> ascii_ = [] {
        std::array<std::int32_t, 256> unknown{};
        unknown.fill(-1);
        return unknown;
    }();
    std::unordered_map<std::string, std::int32_t> others_;
};

}  // namespace

std::vector<std::int32_t> PrintedColumnWidths(const grid::VbGrid& grid, os::DrawingTarget& target) {
    const grid::GridTable& table = grid.Table();
    const double size = target.FontSize();
    const bool italic = target.FontItalic();
    const std::int32_t cols = grid.Cols();
    std::vector<std::int32_t> widest(static_cast<std::size_t>(cols));
    for (std::int32_t c = 0; c < cols; ++c)
        widest[static_cast<std::size_t>(c)] = target.TextWidth(grid.ColumnHeader(runtime::Variant(c)));

    // The widest text of each column by estimate, then measured whole.
    CharacterWidths rowNumbers(kRowNumberPoints, true), cells(kCellPoints, false);
    std::vector<std::string> longest(static_cast<std::size_t>(cols));
    std::vector<std::int64_t> longestEstimate(static_cast<std::size_t>(cols), -1);
    for (std::int32_t r = 0; r < grid.Rows(); ++r) {
        for (std::int32_t c = 0; c < cols; ++c) {
            std::string text = table.Text(r, c);
            const std::int64_t estimate = (c == 0 ? rowNumbers : cells).Estimate(text, target);
            if (estimate <= longestEstimate[static_cast<std::size_t>(c)]) continue;
            longestEstimate[static_cast<std::size_t>(c)] = estimate;
            longest[static_cast<std::size_t>(c)] = std::move(text);
        }
    }
    for (std::int32_t c = 0; c < cols; ++c) {
        (c == 0 ? rowNumbers : cells).Select(target);
        std::int32_t& width = widest[static_cast<std::size_t>(c)];
        width = std::max(width, target.TextWidth(longest[static_cast<std::size_t>(c)]));
    }
    target.SetFontSize(size);
    target.SetFontItalic(italic);

    std::vector<std::int32_t> widths;
    for (std::int32_t c = 0; c < cols; ++c) {
        const std::int32_t text = widest[static_cast<std::size_t>(c)];
        widths.push_back(std::max(grid.ColWidth(runtime::Variant(c)), text > 0 ? text + kColumnGap : 0));
    }
    return widths;
}

std::vector<std::int32_t> ColumnLefts(const std::vector<std::int32_t>& widths, std::int32_t left) {
    std::vector<std::int32_t> lefts;
    std::int32_t x = left;
    for (const std::int32_t width : widths) {
        lefts.push_back(x);
        x += width;
    }
    return lefts;
}

std::vector<std::int32_t> PrintedColumnLefts(const grid::VbGrid& grid, os::DrawingTarget& target, std::int32_t left) {
    return ColumnLefts(PrintedColumnWidths(grid, target), left);
}

}  // namespace app
