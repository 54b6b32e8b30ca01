#pragma once

#include "grid/view/GridInputParts.h"

namespace grid {

// The grid gained or lost the keyboard focus: what shows the focus (the
// focus rectangle, a highlight that depends on the focus) is repainted.
void FocusChanged(const GridInputParts& grid, bool hasFocus);

}  // namespace grid
