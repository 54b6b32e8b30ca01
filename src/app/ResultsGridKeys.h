#pragma once

#include <cstdint>

#include "grid/GridEvents.h"
#include "grid/VbGrid.h"

namespace app {

// The main window's keys on the results grid: Ctrl+C copies the selected
// rows to the clipboard, Ctrl+A selects every row.
class ResultsGridKeys : public grid::GridEvents {
public:
    explicit ResultsGridKeys(grid::VbGrid& grid) : grid_(grid) {}

    void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;

private:
    grid::VbGrid& grid_;
};

}  // namespace app
