#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "os/types/Types.h"

namespace grid {
class VbGrid;
}

namespace app {

// The grid as the results file holds it: the column headers, then one line
// per row, fields joined by "; " (no quoting), every line ending in CR LF.
std::string ResultsCsv(const grid::VbGrid& grid);
// The same text handed to `put` in pieces of about a megabyte; false as
// soon as `put` returns false.
bool WriteResultsCsv(const grid::VbGrid& grid, const std::function<bool(std::string_view)>& put);

// Asks for a file name with the save dialog (title `title`) and writes the
// grid into it. Cancel touches nothing; a file that cannot be written is
// reported in a message box, and an existing file stays as it was.
void ExportResultsCsv(os::HWND owner, const grid::VbGrid& grid, const std::string& title);

}  // namespace app
