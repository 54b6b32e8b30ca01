#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

#include "grid/model/GridInteraction.h"

namespace grid {

// Where the user is in the grid and what the window shows of it: the current
// cell and the one last drawn as current, the rows that may hold selected
// cells, the top row and left column, the scroll offsets, the cell under the
// mouse, the edit and focus flags, the pending full repaint, and what the
// keyboard and the mouse keep between events. The grid owns one; its input
// and painting helpers work on it rather than on the whole grid.
class GridViewState {
public:
    // --- the current (focus) cell: a row and a data index ---
    std::int32_t Row() const { return row_; }
    std::int32_t Col() const { return col_; }
    // Moves the focus cell without events and without repainting.
    void PlaceFocus(std::int32_t row, std::int32_t col) {
        row_ = row;
        col_ = col;
    }
    bool FocusInside(std::int32_t rows, std::int32_t cols) const;
    // Keeps the focus cell inside a table that shrank to rows x cols.
    void LimitFocusRow(std::int32_t rows);
    void LimitFocusCol(std::int32_t cols);

    // The focus cell at the latest redraw request: a click on it starts an edit.
    std::int32_t LastDrawnRow() const { return lastDrawnRow_; }
    std::int32_t LastDrawnCol() const { return lastDrawnCol_; }
    void NoteFocusDrawn() {
        lastDrawnRow_ = row_;
        lastDrawnCol_ = col_;
    }

    // --- the rows that may hold selected cells ---
    // A superset kept so that a selection step need not walk the rows it
    // cannot change.
    void NoteSelectedRows(std::int32_t first, std::int32_t last) {
        selectionFirst_ = std::min(selectionFirst_, first);
        selectionLast_ = std::max(selectionLast_, last);
    }
    void SetSelectionRows(std::int32_t first, std::int32_t last) {
        selectionFirst_ = first;
        selectionLast_ = last;
    }
    // Any row may hold selected cells.
    void ForgetSelectionRows() { SetSelectionRows(0, INT32_MAX); }
    std::int32_t SelectionFirstRow() const { return std::max(0, selectionFirst_); }
    // Of a table with `rows` rows.
    std::int32_t SelectionLastRow(std::int32_t rows) const { return std::min(rows - 1, selectionLast_); }

    // --- what the window shows ---
    std::int32_t TopRow() const { return topRow_; }
    // The first scrolling row a draw pass showed.
    void SetTopRowAfterPass(std::int32_t row) { topRow_ = row; }
    std::int32_t LeftCol() const { return leftCol_; }
    // The first scrolling column (a position) the view shows after a scroll.
    void SetLeftColAfterScroll(std::int32_t position) { leftCol_ = std::max(0, position); }
    // The scroll offsets in pixels, never negative.
    std::int32_t HorizontalOffset() const { return scrollX_; }
    std::int32_t VerticalOffset() const { return scrollY_; }
    void SetScrollOffsets(std::int32_t horizontal, std::int32_t vertical) {
        scrollX_ = std::max(0, horizontal);
        scrollY_ = std::max(0, vertical);
    }

    // --- the pointer, the editor and the focus ---
    std::int32_t MouseRow() const { return mouseRow_; }
    std::int32_t MouseCol() const { return mouseCol_; }
    void SetMouseCell(std::int32_t row, std::int32_t col) {
        mouseRow_ = row;
        mouseCol_ = col;
    }
    bool InEdit() const { return inEdit_; }
    void SetInEdit(bool inEdit) { inEdit_ = inEdit; }
    bool HasFocus() const { return hasFocus_; }
    void SetHasFocus(bool focus) { hasFocus_ = focus; }
    InteractionState& Interaction() { return interaction_; }
    const InteractionState& Interaction() const { return interaction_; }

    // --- repaint bookkeeping ---
    // The next draw pass repaints every cell, dirty or not.
    bool FullRepaintPending() const { return fullRepaintPending_; }
    void SetFullRepaintPending(bool pending) { fullRepaintPending_ = pending; }

    // The table was cleared: the focus and the view go back to the top left.
    void ResetPosition();

private:
    std::int32_t row_ = 0;
    std::int32_t col_ = 0;
    std::int32_t lastDrawnRow_ = 0;
    std::int32_t lastDrawnCol_ = 0;
    std::int32_t selectionFirst_ = INT32_MAX;  // none selected
    std::int32_t selectionLast_ = -1;
    std::int32_t topRow_ = 0;
    std::int32_t leftCol_ = 0;
    std::int32_t scrollX_ = 0;
    std::int32_t scrollY_ = 0;
    std::int32_t mouseRow_ = -1;
    std::int32_t mouseCol_ = -1;
    bool inEdit_ = false;
    bool hasFocus_ = false;
    bool fullRepaintPending_ = false;
    InteractionState interaction_;
};

}  // namespace grid
