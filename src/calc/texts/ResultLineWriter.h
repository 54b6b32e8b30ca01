#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/gears/GearSet.h"
#include "calc/texts/ResultColumns.h"
#include "calc/texts/MeasureText.h"
#include "calc/gears/TrainResult.h"
#include "runtime/NumberSeparators.h"

namespace calc {

// Writes results-file lines one after another: the same bytes as
// AppendResultLine, built straight in a buffer. Sorted results come in runs
// of equal measures (trains of one ratio share error, pitch and threads per
// inch), so the text of each measure column is kept and reused while the
// value stays the same.
class ResultLineWriter {
public:
    // The room Write needs from where it starts: the longest line it writes
    // and the bytes its fixed-size copies may write past the line's end.
    static constexpr std::size_t kLineRoom = 24 + 4 * 12 + 3 * kMeasureBuffer + 24 + 8 * 2 + 2 + kMeasureBuffer;

    ResultLineWriter(const GearSet& gears, const runtime::NumberSeparators& separators);

    void Append(std::string& out, const TrainResult& result, std::size_t rowIndex);

    // Writes the line at `at`, which must have kLineRoom bytes of room, and
    // returns its end; the bytes after the end are left undefined. Returns
    // nullptr, having written nothing of use, for a line whose measures need
    // the general formatter (then Append writes it).
    char* Write(char* at, const TrainResult& result, std::size_t rowIndex);

private:
    struct MeasureCache {
        std::uint64_t bits = 0;
        std::size_t length = 0;  // 0: nothing kept
        char text[kMeasureBuffer];
    };

    // A tooth count's text, kept per slot: a move of its padded block.
    struct CountText {
        char text[12] = {};
        std::uint8_t length = 0;
    };

    template <std::size_t... Columns>
    char* Fields(char* p, const TrainResult& result, std::size_t rowIndex, std::index_sequence<Columns...>);
    template <ResultField field>
    char* Field(char* p, const TrainResult& result, std::size_t rowIndex);
    char* RowNumber(char* p, std::size_t rowIndex);
    char* Measure(char* p, double value, MeasureCache& cache);
    char* Count(char* p, int slot) const;

    const GearSet& gears_;
    std::vector<CountText> slotTexts_;
    // The row number last written, counted on for the next row: as a word
    // up to eight digits, else as text.
    std::uint64_t rowWord_ = 0;
    char rowText_[24] = {};
    std::size_t rowLength_ = 0;
    std::size_t rowIndex_ = 0;
    const runtime::NumberSeparators separators_;  // a copy: the writer may outlive a temporary
    MeasureCache measures_[3];                    // error, pitch, threads per inch
    char line_[kLineRoom];
};

}  // namespace calc
