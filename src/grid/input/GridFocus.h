#pragma once

#include "grid/core/VbGrid.h"

namespace grid {

// The grid gained or lost the keyboard focus: what shows the focus (the
// focus rectangle, a highlight that depends on the focus) is repainted.
void FocusChanged(VbGrid& grid, bool hasFocus);

}  // namespace grid
