#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/GearSet.h"
#include "calc/ResultColumns.h"
#include "calc/MeasureText.h"
#include "calc/TrainResult.h"
#include "runtime/NumberSeparators.h"

namespace calc {

// Writes results-file lines one after another: the same bytes as
// AppendResultLine, built straight in a buffer. Sorted results come in runs
// of equal measures (trains of one ratio share error, pitch and threads per
// inch), so the text of each measure column is kept and reused while the
// value stays the same.
class ResultLineWriter {
public:
    ResultLineWriter(const GearSet& gears, const runtime::NumberSeparators& separators);

    void Append(std::string& out, const TrainResult& result, std::size_t rowIndex);

private:
    struct MeasureCache {
        std::uint64_t bits = 0;
        std::size_t length = 0;  // 0: nothing kept
        char text[kMeasureBuffer];
    };

    bool Fill(const TrainResult& result, std::size_t rowIndex);
    bool Field(const ResultColumn& column, const TrainResult& result, std::size_t rowIndex);
    bool Measure(double value, MeasureCache& cache);
    void Put(std::string_view text);
    void Count(int slot);

    const GearSet& gears_;
    const runtime::NumberSeparators separators_;  // a copy: the writer may outlive a temporary
    MeasureCache measures_[3];  // error, pitch, threads per inch
    // Row number, four counts, three measures, the marks, separators, line end.
    char line_[24 + 4 * 12 + 3 * kMeasureBuffer + 24 + 8 * 2 + 2];
    char* p_ = line_;
};

}  // namespace calc
