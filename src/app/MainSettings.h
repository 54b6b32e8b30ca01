#pragma once

namespace app {

class frmMain;

// The gear list and the input boxes from the settings file, at start-up;
// missing and unreadable values give the built-in defaults.
void ReadMainSettings(frmMain& window);
// The gear list (zero entries dropped, the rest renumbered) and the inputs
// into the settings file, when the window closes.
void WriteMainSettings(const frmMain& window);

}  // namespace app
