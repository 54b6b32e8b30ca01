#include "grid/view/GridViewState.h"

namespace grid {

bool GridViewState::FocusInside(std::int32_t rows, std::int32_t cols) const {
    return row_ >= 0 && row_ < rows && col_ >= 0 && col_ < cols;
}

void GridViewState::LimitFocusRow(std::int32_t rows) {
    if (row_ >= rows) row_ = rows - 1;
}

void GridViewState::LimitFocusCol(std::int32_t cols) {
    if (col_ >= cols) col_ = std::max(0, cols - 1);
}

void GridViewState::ResetPosition() {
    row_ = col_ = 0;
    lastDrawnRow_ = lastDrawnCol_ = 0;
    scrollX_ = scrollY_ = 0;
    topRow_ = leftCol_ = 0;
}

}  // namespace grid
