#pragma once

namespace forms {
class Form;
}

namespace app {

// Moves the window to the position (and, for a sizable window, the size)
// stored in its section of the settings file, kept on the screen: the
// current values stand in for missing or unreadable ones.
void RestoreWindowPlacement(forms::Form& window);
// Stores the window's outer position and size (twips) in its section.
void SaveWindowPlacement(const forms::Form& window);

}  // namespace app
