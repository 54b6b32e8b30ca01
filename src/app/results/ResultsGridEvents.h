#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "grid/model/GridEvents.h"
#include "grid/core/VbGrid.h"

namespace app {

// Ctrl+C copies the grid's selected rows to the clipboard, Ctrl+A selects
// every row; either key is used up.
void HandleResultsKey(grid::VbGrid& grid, std::int16_t& KeyCode, std::int16_t Shift);

// What the main window does with the results grid's events: Ctrl+C copies
// the selected rows to the clipboard, Ctrl+A selects every row, and a focus
// moved by keyboard or mouse (or a click on the focus row) is passed on, so
// the window can show that row's train.
class ResultsGridEvents : public grid::GridEvents {
public:
    ResultsGridEvents(grid::VbGrid& grid, std::function<void()> focusMoved)
        : grid_(grid), focusMoved_(std::move(focusMoved)) {}

    void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
    void RowColChange() override { focusMoved_(); }
    void Click() override { focusMoved_(); }

private:
    grid::VbGrid& grid_;
    std::function<void()> focusMoved_;
};

}  // namespace app
