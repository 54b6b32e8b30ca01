#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
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
// inch), so the text of the three measures is kept and reused while their
// values stay the same; the gears' texts are made once per slot.
class ResultLineWriter {
public:
    // The room Write needs from where it starts: the longest line it writes
    // and the bytes its fixed-size copies may write past the line's end.
    static constexpr std::size_t kLineRoom = 24 + 4 * 16 + 2 + (3 * kMeasureBuffer + 4) + 2 + 24 + 2;

    ResultLineWriter(const GearSet& gears, const runtime::NumberSeparators& separators);

    void Append(std::string& out, const TrainResult& result, std::size_t rowIndex);

    // Writes the line at `at`, which must have kLineRoom bytes of room, and
    // returns its end; the bytes after the end are left undefined. Returns
    // nullptr, having written nothing of use, for a line with a measure too
    // long for its room (then Append writes it).
    char* Write(char* at, const TrainResult& result, std::size_t rowIndex);

private:
    struct MeasureCache {
        std::uint64_t bits = 0;
        std::size_t length = 0;  // 0: nothing kept
        char text[kMeasureBuffer];
    };
    // Error, pitch and threads per inch as they stand side by side in a
    // line, with the bits of the three values they were written from.
    struct MeasureRunCache {
        std::uint64_t bits[3] = {};
        std::size_t length = 0;  // 0: nothing kept
        char text[3 * kMeasureBuffer + 4];
    };

    // "; " and a tooth count, kept per slot: a move of its padded block.
    struct GearText {
        char text[15] = {};
        std::uint8_t length = 0;  // 16 bytes in all, moved whole: the length lands past the text
    };

    char* RowNumber(char* p, std::size_t rowIndex);
    char* Measure(char* p, double value, MeasureCache& cache);
    // Error, pitch and threads per inch with their separators; nullptr when
    // one of them is too long for its room.
    char* MeasureRun(char* p, const TrainResult& result);
    bool RewriteMeasureRun(const TrainResult& result);
    char* Gear(char* p, int slot) const {
        const GearText& t = static_cast<std::size_t>(slot) < gearTexts_.size() ? gearTexts_[static_cast<std::size_t>(slot)]
                            : slot < 0                                        ? noGear_
                                                                              : emptySlot_;
        std::memcpy(p, &t, sizeof t);
        return p + t.length;
    }

    const GearSet& gears_;
    std::vector<GearText> gearTexts_;  // per slot
    GearText noGear_;                  // gear B or C of a two-gear train
    GearText emptySlot_;               // a slot outside the set: count 0
    // The row number last written, counted on for the next row: as a word
    // up to eight digits, else as text.
    std::uint64_t rowWord_ = 0;
    char rowText_[24] = {};
    std::size_t rowLength_ = 0;
    std::size_t rowIndex_ = 0;
    const runtime::NumberSeparators separators_;  // a copy: the writer may outlive a temporary
    MeasureCache measures_[3];                    // error, pitch, threads per inch
    MeasureRunCache measureRun_;
    char line_[kLineRoom];
};

}  // namespace calc
