#pragma once

#include <string>

#include "runtime/TextSheet.h"

namespace os {

// Writes the sheet as a PDF file of landscape A4 pages, drawn by
// DrawTextSheet. The file is replaced in one step (os/files), so on any
// failure an existing file stays as it was and no part of a new one is
// left. Works without a window system: a program that has no Qt
// application yet gets an offscreen one for the time of the writing.
// False on failure.
bool WriteTextSheetPdf(const runtime::TextSheet& sheet, const std::string& path, const std::string& documentTitle);

}  // namespace os
