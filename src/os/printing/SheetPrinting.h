#pragma once

#include <string>

#include "os/printing/PrinterPage.h"
#include "runtime/TextSheet.h"

namespace os {

// Prints the sheet on the default printer (or its stand-in), in landscape,
// without a dialog, drawn by DrawTextSheet as the PDF file is. Returns the
// first failure, None when all went well; `printerName` gets the name of
// the printer used, empty when there was none.
PrintFailure PrintTextSheet(const runtime::TextSheet& sheet, const std::string& documentName, std::string& printerName);

}  // namespace os
