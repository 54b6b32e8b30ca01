#pragma once

#include "runtime/TextSheet.h"

namespace forms {
class Form;
}

namespace app {

// Prints the chart's sheet for the lathe door on the default printer, in
// landscape; a failure is told in a message box over the owner.
void PrintChartSheet(const forms::Form& owner, const runtime::TextSheet& sheet);

// Asks for a file name with the save dialog and writes the sheet there as
// PDF. Cancel touches nothing; a file that cannot be written is told in a
// message box, and no part of it is left (an existing file stays as it was).
void SaveChartSheetPdf(const forms::Form& owner, const runtime::TextSheet& sheet);

}  // namespace app
