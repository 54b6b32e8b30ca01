#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "calc/GearSet.h"
#include "calc/TrainResult.h"
#include "runtime/NumberSeparators.h"

namespace calc {

inline constexpr int kResultColumns = 9;
using ResultRow = std::array<std::string, kResultColumns>;

// The pattern of the error, pitch and threads-per-inch columns.
inline constexpr const char* kMeasurePattern = "0.0###";

// The column headers of the results table, as shown without a language file.
const ResultRow& DefaultResultHeaders();

// The nine cell texts of the result at `rowIndex` (counting from 0): the row
// number from 1, the tooth counts of A, B, C and D (empty B and C for a
// two-gear train), error, pitch and threads per inch in "0.0###", the marks.
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

}  // namespace calc
