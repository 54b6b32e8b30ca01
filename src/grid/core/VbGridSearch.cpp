// Searching a column for a row.
#include <cctype>

#include "grid/core/VbGrid.h"

namespace grid {

namespace {

std::string Upper(std::string text) {
    for (char& ch : text) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return text;
}

bool Matches(const std::string& text, const std::string& pattern, std::int32_t mode) {
    switch (mode) {
    case 0: return text == pattern;
    case 2: return text.find(pattern) != std::string::npos;
    default: return text.starts_with(pattern);
    }
}

}  // namespace

bool VbGrid::Search(std::int32_t col, const std::string& Pattern, std::int32_t mode) {
    if (col < 0 || col >= Cols() || Rows() == 0) return false;
    const std::string pattern = Upper(Pattern);
    const std::int32_t rows = Rows();
    const std::int32_t start = view_.Row() >= 0 && view_.Row() < rows ? view_.Row() + 1 : 0;
    for (std::int32_t n = 0; n < rows; ++n) {
        const std::int32_t r = (start + n) % rows;
        if (!rows_.Shape(r).visible) continue;
        if (!Matches(Upper(DisplayedText(r, col)), pattern, mode)) continue;
        MoveCurrentCell(r, col);
        EnsureVisible(r, col);
        return true;
    }
    return false;
}

}  // namespace grid
