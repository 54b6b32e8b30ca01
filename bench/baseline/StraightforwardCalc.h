#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "calc/gears/GearSet.h"
#include "calc/inputs/SearchInputs.h"
#include "runtime/NumberSeparators.h"

// The calculation written the straightforward way, as the yardstick for the
// speed of kestrany-calc: every slot combination in loop order, text keys in
// a hash map, records carrying their marks as text sorted whole by the
// record sort, measures formatted through the general pattern formatter,
// and the whole file built as one text. It writes the same bytes.
namespace baseline {

struct Record {
    int a, b, c, d;
    double pitch, tpi, err;
    std::string comm;
};

std::vector<Record> Search(const calc::SearchInputs& inputs, const calc::GearSet& gears);
void QuickSort(std::vector<Record>& list, long first, long last, const calc::GearSet& gears);
std::string ResultsText(const std::vector<Record>& list, const calc::GearSet& gears,
                        const runtime::NumberSeparators& separators);

// Search, sort and write to `out`; false when writing failed.
bool Calculate(const calc::SearchInputs& inputs, const calc::GearSet& gears,
               const runtime::NumberSeparators& separators, std::FILE* out);

}  // namespace baseline
