#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "os/types/Types.h"

namespace os {

// Flags of the save-file dialog.
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x2;      // ask before replacing an existing file
inline constexpr DWORD OFN_EXPLORER = 0x80000;         // the current style of dialog
inline constexpr DWORD OFN_ENABLESIZING = 0x800000;    // the dialog may be resized

struct FileFilter {
    std::string description;  // "CSV Files (*.csv)"
    std::string pattern;      // "*.csv"
};

// The parameters of the save-file dialog, and its answer in `file` and
// `fileTitle` (the chosen path, and its name without the folder).
struct OPENFILENAME {
    HWND owner = 0;
    std::vector<FileFilter> filters;
    std::string file;             // in: the name proposed; out: the path chosen
    DWORD maxFile = 255;          // capacity of `file`, the NUL included
    std::string fileTitle;
    DWORD maxFileTitle = 255;
    std::string initialDir;
    std::string title;
    DWORD flags = 0;
    std::string defaultExtension;  // added when the name typed has none
};

// The error of a save-file dialog that returned false although the user
// chose a name: the name does not fit in `maxFile` - 1 characters.
inline constexpr DWORD FNERR_BUFFERTOOSMALL = 0x3003;

// Shows the save-file dialog; true when the user confirmed a name that fits
// in `maxFile` - 1 characters. A chosen name that does not fit gives false
// with CommDlgExtendedError() = FNERR_BUFFERTOOSMALL and the name in `file`,
// so that the caller can tell it from a Cancel.
bool GetSaveFileName(OPENFILENAME& parameters);
// Why the last save-file dialog returned false: 0 for a Cancel.
DWORD CommDlgExtendedError();

// Test seam: answers the dialog in place of the user, with a path or nothing
// (cancel). An empty answerer brings the dialog back. Returns the answerer
// that was in place.
using SaveFileAnswerer = std::function<std::optional<std::string>(const OPENFILENAME& parameters)>;
SaveFileAnswerer SetSaveFileAnswerer(SaveFileAnswerer answerer);

}  // namespace os
