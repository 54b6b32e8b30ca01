#include "app/chart/ChartTable.h"

#include <utility>

namespace app {

ChartTable::ChartTable(std::vector<calc::ChartRow> rows, const calc::GearSet& gears, const ChartTolerances& tolerances)
    : rows_(std::move(rows)), gears_(gears), tolerances_(tolerances), separators_(runtime::UserSeparators()) {}

std::string ChartTable::Text(std::int32_t row, std::int32_t dataIndex) const {
    if (row < 0 || row >= RowCount() || dataIndex < 0 || static_cast<std::size_t>(dataIndex) >= calc::kChartColumnCount)
        return {};
    if (row != textsRow_) {
        texts_ = calc::ChartRowTexts(rows_[static_cast<std::size_t>(row)], gears_, separators_);
        textsRow_ = row;
    }
    return texts_[static_cast<std::size_t>(dataIndex)];
}

std::int32_t ChartTable::ForeColour(std::int32_t row, std::int32_t /*dataIndex*/) const {
    if (row < 0 || row >= RowCount()) return -1;
    const calc::ChartRow& chartRow = rows_[static_cast<std::size_t>(row)];
    return chartRow.Within(calc::ToleranceFor(*chartRow.thread, tolerances_)) ? -1 : kOutsideToleranceColour;
}

std::int32_t ChartTable::TextFlags(std::int32_t /*row*/, std::int32_t /*dataIndex*/) const { return -1; }

}  // namespace app
