#pragma once

#include <string>

#include "CalcOptions.h"
#include "runtime/NumberSeparators.h"

namespace tools {

// The gears (or pairs) the request's --suggest asks for, as lines: the
// header, then one line per candidate, best first, fields joined by "; ",
// each line ended by CR LF.
std::string SuggestionFileText(const CalcRequest& request, const runtime::NumberSeparators& separators);

}  // namespace tools
