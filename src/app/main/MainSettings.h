#pragma once

namespace app {

class frmMain;

// The gear list and the input boxes from the settings file, at start-up;
// missing and unreadable values give the built-in defaults.
void ReadMainSettings(frmMain& window);
// The gear list (zero entries dropped, the rest renumbered) and the inputs
// into the settings file.
void WriteMainSettings(const frmMain& window);
// When the window closes: the inputs and the window's place go to the
// settings file in one replace, all of them or (a full disk, a folder that
// may not be written) none, and the user hears of a failure once. Without a
// settings file the user hears once that the settings cannot be saved.
void SaveMainSettings(frmMain& window);

}  // namespace app
