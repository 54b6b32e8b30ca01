#pragma once

#include <cstdint>
#include <string>

#include "grid/view/GridInputParts.h"

namespace grid {

// What Enter, a typed character, a double click or a click on the focus
// cell does to the focus cell: open the editor on an editable cell, toggle
// a check cell, or jump by the key search on any other.
class GridCellAction {
public:
    explicit GridCellAction(const GridInputParts& parts) : parts_(parts), host_(parts.host), view_(parts.view) {}

    // code: the character typed, 0 for Enter, a double click or a click on
    // the focus cell.
    void Run(std::int16_t code);

private:
    void ToggleCheck(std::int16_t code);
    void KeySearch(std::int16_t code);
    void MoveToFound(std::int32_t row);

    GridInputParts parts_;
    GridHost& host_;
    GridViewState& view_;
};

// The text of a typed character (a UTF-16 unit) in UTF-8.
std::string CharacterText(std::int16_t code);

}  // namespace grid
