#pragma once

#include <QPrinter>
#include <memory>

namespace os {

// The printer that printing goes to: the system's default printer, or what
// stands in for it (SetPrinterStandIn), or nothing when there is no default
// printer. Qt would quietly write a PDF file when asked for a printer that
// does not exist, so the default printer is looked up first.
std::unique_ptr<QPrinter> OpenDefaultPrinter();

}  // namespace os
