#include "ChartRows.h"

namespace tools {

calc::ThreadTolerances ChartTolerances(const CalcRequest& request) {
    if (request.chartTolerance) return {*request.chartTolerance, *request.chartTolerance};
    return {0.1, 0.2};
}

RequestedChart BuildRequestedChart(const CalcRequest& request) {
    RequestedChart chart;
    for (calc::ChartRow& row : calc::BuildThreadChart(request.chartFamilies, request.gears, request.inputs))
        if (!request.chartTolerance || row.Within(*request.chartTolerance)) chart.rows.push_back(std::move(row));
    chart.bestTrainChanges = calc::ChartGearChanges(chart.rows, request.gears);
    chart.fewestChanges = chart.bestTrainChanges;
    if (!request.fewestChanges) return chart;
    chart.rows = calc::FewestChangesChart(chart.rows, request.gears, request.inputs, ChartTolerances(request));
    chart.fewestChanges = calc::ChartGearChanges(chart.rows, request.gears);
    return chart;
}

}  // namespace tools
