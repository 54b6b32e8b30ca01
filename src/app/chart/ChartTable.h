#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calc/chart/FewestChanges.h"
#include "calc/gears/GearSet.h"
#include "calc/chart/ThreadChart.h"
#include "grid/model/GridTable.h"
#include "runtime/NumberSeparators.h"

namespace app {

// The colour of a thread whose best train misses its tolerance: grey.
inline constexpr std::int32_t kOutsideToleranceColour = 0x808080;

// The accepted error, in percent, for threads given in mm and in threads per inch.
using ChartTolerances = calc::ThreadTolerances;

// The thread chart's rows as the table its grid shows: the thread's name,
// then the best train's texts as the results table writes them; a row whose
// best error is not within the tolerance of its thread's kind is grey. The
// table keeps its own copy of the gear set the trains were found in.
class ChartTable : public grid::GridTable {
public:
    ChartTable(std::vector<calc::ChartRow> rows, const calc::GearSet& gears, const ChartTolerances& tolerances);

    const std::vector<calc::ChartRow>& Rows() const { return rows_; }

    std::int32_t RowCount() const override { return static_cast<std::int32_t>(rows_.size()); }
    std::string Text(std::int32_t row, std::int32_t dataIndex) const override;
    std::int32_t ForeColour(std::int32_t row, std::int32_t dataIndex) const override;
    std::int32_t TextFlags(std::int32_t row, std::int32_t dataIndex) const override;

private:
    std::vector<calc::ChartRow> rows_;
    calc::GearSet gears_;
    ChartTolerances tolerances_;
    runtime::NumberSeparators separators_;
    mutable calc::ChartTexts texts_;  // of the latest row read
    mutable std::int32_t textsRow_ = -1;
};

}  // namespace app
