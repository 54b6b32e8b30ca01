#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/GearSet.h"
#include "calc/SearchInputs.h"

namespace tools {

// What the command line asks for.
struct CalcRequest {
    calc::GearSet gears;
    calc::SearchInputs inputs;
    bool help = false;
    bool version = false;
};

// Reads the options; on a bad option or value returns nothing and sets
// `error` to a one-line message.
std::optional<CalcRequest> ParseCalcOptions(const std::vector<std::string>& args, std::string& error);

const char* CalcUsage();

}  // namespace tools
