#pragma once

#include <vector>

#include "CalcOptions.h"
#include "calc/chart/FewestChanges.h"
#include "calc/chart/ThreadChart.h"

namespace tools {

// The chart a request asks for: the threads of its families with their best
// trains (only those within the chart tolerance when one is given), the
// trains chosen for the fewest gear changes with --fewest-changes, and the
// gear changes along the chart both ways.
struct RequestedChart {
    std::vector<calc::ChartRow> rows;
    int bestTrainChanges = 0;
    int fewestChanges = 0;  // equal to bestTrainChanges without --fewest-changes
};

RequestedChart BuildRequestedChart(const CalcRequest& request);

// The tolerance each thread's trains are chosen within: the chart tolerance
// when one is given, else the defaults of the search (0.1 % for mm, 0.2 %
// for threads per inch).
calc::ThreadTolerances ChartTolerances(const CalcRequest& request);

}  // namespace tools
