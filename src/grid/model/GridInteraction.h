#pragma once

#include <cstdint>
#include <string>

namespace grid {

// What the keyboard, the mouse and the in-place editor keep between events,
// beside the current cell and the records the grid holds itself.
struct InteractionState {
    // The focus cell before the navigation step now running: single
    // selection deselects it, and the change events compare against it.
    std::int32_t previousRow = 0;
    std::int32_t previousCol = 0;
    // Typed for the key search; emptied by navigation keys, Escape and presses.
    std::string searchText;
    // The last key in the editor ended the edit: the grid's KeyUp stays quiet
    // and a stray Enter character is swallowed.
    bool editorKey = false;
    // A button went down on the grid and has not come up; dragging needs it.
    bool mouseDown = false;
    std::int16_t pressButton = 0;
    std::int16_t pressShift = 0;
    // The cell the pointer was last counted in while dragging.
    std::int32_t dragRow = -1;
    std::int32_t dragCol = -1;
};

// The in-place editor as the keyboard and the mouse start and end it.
class GridCellEditor {
public:
    virtual ~GridCellEditor() = default;
    // Opens the editor on the cell (row, data index); firstChar 0 opens it
    // on the cell's text, any other character on that character alone.
    virtual void BeginCellEdit(std::int32_t row, std::int32_t col, std::int16_t firstChar) = 0;
    // Closes the editor and stores its text, unless the edit was cancelled.
    virtual void DoneEdit() = 0;
    // Closes the editor and stores nothing.
    virtual void CancelCellEdit() = 0;
    // "27" marks a cancelled edit, "0" an open one.
    virtual void SetTag(const std::string& tag) = 0;
};

}  // namespace grid
