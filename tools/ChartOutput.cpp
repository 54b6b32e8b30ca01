#include "ChartOutput.h"

#include "calc/texts/ResultTexts.h"

namespace tools {

std::string ChartFileText(std::span<const calc::ChartRow> rows, const calc::GearSet& gears,
                          const runtime::NumberSeparators& separators) {
    std::string out = calc::JoinCsvFields(calc::ChartHeaders()) + calc::kCsvLineEnd;
    for (const calc::ChartRow& row : rows) {
        out += calc::JoinCsvFields(calc::ChartRowTexts(row, gears, separators));
        out += calc::kCsvLineEnd;
    }
    return out;
}

}  // namespace tools
