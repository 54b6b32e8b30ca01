#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "calc/gears/GearSet.h"
#include "calc/texts/ResultCellWriter.h"
#include "calc/inputs/SearchInputs.h"
#include "calc/order/SortedTrains.h"
#include "calc/gears/TrainResult.h"
#include "grid/model/GridTable.h"

namespace app {

// The colour of the row numbers: red 0, green 0, blue 30.
inline constexpr std::int32_t kRowNumberColour = 30 << 16;

// One calculation's sorted results as the table the results grid shows.
// A row's texts are written when the row is drawn or read, by the writer
// the command-line tool's texts come from, so the window, the results file,
// the printout and the command line cannot differ. The table keeps its own
// copy of the gear set: the user may change the gears while the results
// stand.
class ResultsTable : public grid::GridTable {
public:
    ResultsTable(const calc::SearchInputs& inputs, const calc::GearSet& gears);
    ResultsTable(const ResultsTable&) = delete;
    ResultsTable& operator=(const ResultsTable&) = delete;

    std::size_t Size() const { return trains_.Size(); }
    // The train of a row (below Size()).
    calc::TrainResult Train(std::int32_t row) const;
    const calc::GearSet& Gears() const { return gears_; }

    // As many rows as the grid can count.
    std::int32_t RowCount() const override;
    // Empty for a cell outside the table.
    std::string Text(std::int32_t row, std::int32_t dataIndex) const override;
    // The row numbers have their colour, the rest the grid's.
    std::int32_t ForeColour(std::int32_t row, std::int32_t dataIndex) const override;
    std::int32_t TextFlags(std::int32_t row, std::int32_t dataIndex) const override;

private:
    const calc::ResultCellWriter::Texts& TextsOf(std::int32_t row) const;

    calc::GearSet gears_;
    // Reading a row rebuilds it in place, and a painted row is read once per
    // cell: the texts of the latest row are kept.
    mutable calc::SortedTrains trains_;
    mutable calc::ResultCellWriter writer_;
    mutable const calc::ResultCellWriter::Texts* texts_ = nullptr;
    mutable std::int32_t textsRow_ = -1;
};

}  // namespace app
