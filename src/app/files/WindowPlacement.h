#pragma once

#include <cstdint>

namespace forms {
class Form;
}

namespace app {

// Moves the window to the position (and, for a sizable window, the inside
// size) stored in its section of the settings file, kept on the screen: the
// current values stand in for missing or unreadable ones. A stored size is
// held within the screen's free area and at least the minimum (twips).
void RestoreWindowPlacement(forms::Form& window, std::int32_t minimumWidth = 0, std::int32_t minimumHeight = 0);
// Stores the window's outer position and its inside size (twips) in its
// section: the measures that RestoreWindowPlacement gives back.
void SaveWindowPlacement(const forms::Form& window);

}  // namespace app
