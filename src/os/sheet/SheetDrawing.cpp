#include "os/sheet/SheetDrawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace os {

namespace {

constexpr double kTwipsPerPoint = 20;
constexpr double kLineSpacing = 1.5;
constexpr std::int32_t kColumnGap = 480;  // a third of an inch between columns
constexpr std::int32_t kTitleGap = 120;
constexpr double kSmallestPoints = 4;

std::int32_t LineHeight(const SheetFont& font) {
    return static_cast<std::int32_t>(std::lround(font.points * kTwipsPerPoint * kLineSpacing));
}

// The top of a text centred on a line of the font's height.
std::int32_t TextTop(std::int32_t lineTop, const SheetFont& font) {
    return lineTop + static_cast<std::int32_t>(std::lround(font.points * kTwipsPerPoint * (kLineSpacing - 1.15) / 2));
}

std::string PageText(std::size_t page, std::size_t pages) {
    return "page " + std::to_string(page) + " of " + std::to_string(pages);
}

// The text broken at blanks into lines no wider than `width` (a single word
// wider than that stays whole on its own line).
std::vector<std::string> Wrapped(const std::string& text, const SheetFont& font, std::int32_t width,
                                 const SheetTarget& target) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = text.find(' ', start);
        const std::string word = text.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && !word.empty() && target.TextWidth(longer, font) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
        if (blank == std::string::npos) break;
        start = blank + 1;
    }
    lines.push_back(line);
    return lines;
}

// Where the table's columns go, and the type that makes them fit the page.
struct Columns {
    SheetFont header = kSheetHeaderFont;
    SheetFont row = kSheetRowFont;
    std::vector<std::int32_t> left;
    std::int32_t width = 0;  // of the whole table

    void Measure(const runtime::TextSheet& sheet, const SheetTarget& target) {
        std::vector<std::int32_t> widths(sheet.headers.size(), 0);
        for (std::size_t c = 0; c < sheet.headers.size(); ++c) widths[c] = target.TextWidth(sheet.headers[c], header);
        for (const runtime::TextSheet::Row& r : sheet.rows) {
            if (r.cells.size() > widths.size()) widths.resize(r.cells.size(), 0);
            for (std::size_t c = 0; c < r.cells.size(); ++c)
                widths[c] = std::max(widths[c], target.TextWidth(r.cells[c], row));
        }
        left.assign(widths.size(), 0);
        width = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            left[c] = width + (c > 0 ? kColumnGap : 0);
            width = left[c] + widths[c];
        }
    }

    void Fit(const runtime::TextSheet& sheet, const SheetTarget& target) {
        Measure(sheet, target);
        const std::int32_t page = target.PageWidth();
        for (int tries = 0; tries < 8 && width > page && row.points > kSmallestPoints; ++tries) {
            const double scale = 0.98 * page / width;
            header.points = std::max(kSmallestPoints, header.points * scale);
            row.points = std::max(kSmallestPoints, row.points * scale);
            Measure(sheet, target);
        }
    }
};

class SheetPages {
public:
    SheetPages(const runtime::TextSheet& sheet, SheetTarget& target) : sheet_(sheet), target_(target) {
        columns_.Fit(sheet, target);
        // The title of the last page is the longest; a page count that
        // lengthens it by a line takes room from the rows, so the count is
        // worked out again until the title no longer grows.
        std::size_t titleLines = 0;
        for (std::size_t lines = Title(1, 1).size(); lines > titleLines; lines = Title(pages_, pages_).size()) {
            titleLines = lines;
            Paginate(titleLines);
        }
    }

    bool Draw() {
        for (std::size_t page = 1; page <= pages_; ++page) {
            if (page > 1 && !target_.NewPage()) return false;
            DrawHead(page);
            const std::size_t first = (page - 1) * rowsPerPage_;
            const std::size_t end = std::min(sheet_.rows.size(), first + rowsPerPage_);
            for (std::size_t r = first; r < end; ++r) DrawRow(r, r == first);
        }
        return true;
    }

private:
    void Paginate(std::size_t titleLines) {
        tableTop_ = static_cast<std::int32_t>(titleLines) * LineHeight(kSheetTitleFont) + kTitleGap +
                    LineHeight(columns_.header);
        const std::int32_t rowHeight = LineHeight(columns_.row);
        rowsPerPage_ = static_cast<std::size_t>(std::max(1, (target_.PageHeight() - tableTop_) / rowHeight));
        pages_ = std::max<std::size_t>(1, (sheet_.rows.size() + rowsPerPage_ - 1) / rowsPerPage_);
    }

    std::vector<std::string> Title(std::size_t page, std::size_t pages) const {
        const std::string text = pages > 1 ? sheet_.title + "   " + PageText(page, pages) : sheet_.title;
        return Wrapped(text, kSheetTitleFont, target_.PageWidth(), target_);
    }

    void DrawHead(std::size_t page) {
        std::int32_t y = 0;
        for (const std::string& line : Title(page, pages_)) {
            target_.DrawText(0, TextTop(y, kSheetTitleFont), line, kSheetTitleFont);
            y += LineHeight(kSheetTitleFont);
        }
        y = tableTop_ - LineHeight(columns_.header);
        for (std::size_t c = 0; c < sheet_.headers.size(); ++c)
            target_.DrawText(columns_.left[c], TextTop(y, columns_.header), sheet_.headers[c], columns_.header);
        target_.DrawRule(0, columns_.width, tableTop_, false);
        y_ = tableTop_;
    }

    void DrawRow(std::size_t r, bool firstOnPage) {
        const runtime::TextSheet::Row& row = sheet_.rows[r];
        if (row.startsGroup && !firstOnPage) target_.DrawRule(0, columns_.width, y_, true);
        for (std::size_t c = 0; c < row.cells.size(); ++c)
            target_.DrawText(columns_.left[c], TextTop(y_, columns_.row), row.cells[c], columns_.row);
        y_ += LineHeight(columns_.row);
    }

    const runtime::TextSheet& sheet_;
    SheetTarget& target_;
    Columns columns_;
    std::int32_t tableTop_ = 0;
    std::int32_t y_ = 0;
    std::size_t rowsPerPage_ = 1;
    std::size_t pages_ = 1;
};

}  // namespace

bool DrawTextSheet(const runtime::TextSheet& sheet, SheetTarget& target) { return SheetPages(sheet, target).Draw(); }

}  // namespace os
