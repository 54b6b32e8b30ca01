#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "calc/gears/GearSet.h"
#include "calc/texts/ResultColumns.h"
#include "calc/gears/TrainResult.h"
#include "runtime/NumberSeparators.h"

namespace calc {

using ResultRow = std::array<std::string, kResultColumnCount>;

// The pattern of the error, pitch and threads-per-inch columns.
inline constexpr const char* kMeasurePattern = "0.0###";

// The column headers of the results table, as shown without a language file.
const ResultRow& DefaultResultHeaders();

// The text of one field of the result at `rowIndex` (counting from 0): the
// row number from 1, a tooth count (empty for the B and C of a two-gear
// train), a measure in "0.0###", or the marks.
std::string ResultFieldText(ResultField field, const TrainResult& result, std::size_t rowIndex, const GearSet& gears,
                            const runtime::NumberSeparators& separators);
void AppendResultField(std::string& out, ResultField field, const TrainResult& result, std::size_t rowIndex,
                       const GearSet& gears, const runtime::NumberSeparators& separators);

// The cell texts of the result at `rowIndex`, in column order.
ResultRow ResultRowTexts(const TrainResult& result, std::size_t rowIndex, const GearSet& gears,
                         const runtime::NumberSeparators& separators);

// One line of the results file: the fields joined by "; ", where the
// separator goes before a field only when the line built so far is not empty.
// No quoting: a field is written as it is.
template <class Fields>
std::string JoinCsvFields(const Fields& fields) {
    std::string line;
    for (const auto& field : fields) {
        if (!line.empty()) line += "; ";
        line += field;
    }
    return line;
}

inline constexpr const char* kCsvLineEnd = "\r\n";

// Appends the results-file line of the result at `rowIndex`: its cells in
// column order, joined as JoinCsvFields joins them, and the line end. The
// same bytes as JoinCsvFields(ResultRowTexts(...)) + kCsvLineEnd, without
// building the cell texts one by one.
void AppendResultLine(std::string& out, const TrainResult& result, std::size_t rowIndex, const GearSet& gears,
                      const runtime::NumberSeparators& separators);

// Appends the header line of the results file with the default titles.
void AppendHeaderLine(std::string& out);

}  // namespace calc
