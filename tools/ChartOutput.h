#pragma once

#include <string>

#include "CalcOptions.h"
#include "runtime/NumberSeparators.h"

namespace tools {

// The thread chart the request asks for, as the lines of a results file:
// the header, then one line per thread in family order (only those within
// the chart tolerance when one is given), fields joined by "; ", each line
// ended by CR LF.
std::string ChartFileText(const CalcRequest& request, const runtime::NumberSeparators& separators);

}  // namespace tools
