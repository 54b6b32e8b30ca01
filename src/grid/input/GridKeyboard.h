#pragma once

#include <cstdint>

#include "grid/view/GridInputParts.h"

namespace grid {

// The grid under the keyboard: key down moves the focus cell and the
// selection and raises the change events; key press types into the focus
// cell (editor, check toggle or key search); key up is passed on.
class GridKeyboard {
public:
    explicit GridKeyboard(const GridInputParts& parts) : parts_(parts), host_(parts.host), view_(parts.view) {}

    void KeyDown(std::int16_t& keyCode, std::int16_t& shift);
    void KeyPress(std::int16_t& keyAscii);
    void KeyUp(std::int16_t& keyCode, std::int16_t& shift);
    // The grid's own handling of a key that the host has already seen (the
    // editor passes its navigation keys on this way).
    void HandleSeenKey(std::int16_t keyCode, std::int16_t shift);

private:
    void Process(std::int16_t& keyCode, std::int16_t& shift, bool raise);
    void ScrollOnly(std::int16_t keyCode);
    void Handle(std::int16_t keyCode, std::int16_t shift);
    void Horizontal(std::int32_t dx, std::int16_t shift);
    void Vertical(std::int32_t dy, std::int16_t shift);
    void Page(bool down, std::int16_t shift);
    void HomeEnd(bool end, std::int16_t shift);
    void CtrlSpace(std::int16_t shift);
    void Delete();
    // Leaving the cell by a navigation key: the host hears LeaveCell, the
    // key search starts again.
    void Leave();
    // The selection after an arrow key moved the focus cell.
    void ModifierRule(std::int16_t shift, bool vertical);
    void RaiseChangeEvents(std::int32_t oldRow);

    GridInputParts parts_;
    GridHost& host_;
    GridViewState& view_;
};

}  // namespace grid
