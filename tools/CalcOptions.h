#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/gears/GearSet.h"
#include "calc/inputs/FactoryInputs.h"
#include "calc/inputs/SearchInputs.h"
#include "calc/inputs/ThreadFamilies.h"

namespace tools {

// What the command line asks for.
struct CalcRequest {
    calc::GearSet gears;
    calc::SearchInputs inputs;
    bool help = false;
    bool version = false;
    // --chart: the families of the thread chart wanted, in the order given;
    // with --tolerance only the threads whose best train is within it.
    bool chart = false;
    std::vector<const calc::ThreadFamily*> chartFamilies;
    std::optional<double> chartTolerance;
    // --fewest-changes: each thread's train chosen for the fewest gear changes along the chart.
    bool fewestChanges = false;
    // --pdf FILE: the chart goes into FILE as the sheet for the lathe door.
    std::string pdfPath;
    // --suggest [--pairs] [--range MIN-MAX]: which gears to add for the
    // chart's threads or the one thread asked for.
    bool suggest = false;
    bool suggestPairs = false;
    std::int32_t suggestLowest = calc::factory::kSuggestLowest;
    std::int32_t suggestHighest = calc::factory::kSuggestHighest;
};

// Reads the options; on a bad option or value returns nothing and sets
// `error` to a one-line message.
std::optional<CalcRequest> ParseCalcOptions(const std::vector<std::string>& args, std::string& error);

std::string CalcUsage();

}  // namespace tools
