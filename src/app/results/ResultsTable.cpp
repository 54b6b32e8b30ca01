#include "app/results/ResultsTable.h"

#include <algorithm>

#include "calc/texts/ResultColumns.h"
#include "runtime/NumberSeparators.h"

namespace app {

namespace {
constexpr auto kRowNumberColumn = static_cast<std::int32_t>(calc::ColumnOf(calc::ResultField::RowNumber));
}  // namespace

ResultsTable::ResultsTable(const calc::SearchInputs& inputs, const calc::GearSet& gears)
    : gears_(gears), trains_(inputs, gears_), writer_(gears_, runtime::UserSeparators()) {}

calc::TrainResult ResultsTable::Train(std::int32_t row) const { return trains_.Row(static_cast<std::size_t>(row)); }

std::int32_t ResultsTable::RowCount() const {
    return static_cast<std::int32_t>(std::min<std::size_t>(trains_.Size(), INT32_MAX));
}

std::string ResultsTable::Text(std::int32_t row, std::int32_t dataIndex) const {
    if (row < 0 || row >= RowCount() || dataIndex < 0 ||
        static_cast<std::size_t>(dataIndex) >= calc::kResultColumnCount)
        return {};
    return std::string(TextsOf(row)[static_cast<std::size_t>(dataIndex)]);
}

std::int32_t ResultsTable::ForeColour(std::int32_t /*row*/, std::int32_t dataIndex) const {
    return dataIndex == kRowNumberColumn ? kRowNumberColour : -1;
}

std::int32_t ResultsTable::TextFlags(std::int32_t /*row*/, std::int32_t /*dataIndex*/) const { return -1; }

const calc::ResultCellWriter::Texts& ResultsTable::TextsOf(std::int32_t row) const {
    if (row != textsRow_) {
        const auto index = static_cast<std::size_t>(row);
        texts_ = &writer_.Write(trains_.Row(index), index);
        textsRow_ = row;
    }
    return *texts_;
}

}  // namespace app
