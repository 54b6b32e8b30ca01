#include "ChartOutput.h"

#include "calc/ResultTexts.h"
#include "calc/ThreadChart.h"

namespace tools {

std::string ChartFileText(const CalcRequest& request, const runtime::NumberSeparators& separators) {
    std::string out = calc::JoinCsvFields(calc::ChartHeaders()) + calc::kCsvLineEnd;
    for (const calc::ChartRow& row : calc::BuildThreadChart(request.chartFamilies, request.gears, request.inputs)) {
        if (request.chartTolerance && !row.Within(*request.chartTolerance)) continue;
        out += calc::JoinCsvFields(calc::ChartRowTexts(row, request.gears, separators));
        out += calc::kCsvLineEnd;
    }
    return out;
}

}  // namespace tools
