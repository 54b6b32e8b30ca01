#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calc/gears/GearSet.h"
#include "calc/texts/MeasureText.h"
#include "calc/texts/ResultColumns.h"
#include "calc/gears/TrainResult.h"
#include "runtime/NumberSeparators.h"

namespace calc {

// The cell texts of results, one result after another, without a string
// per cell: the same texts as ResultRowTexts, as views into the writer.
// Sorted results come in runs of equal measures, so the text of each
// measure is kept and reused while the value stays the same. The gear set
// must not change while the writer lives.
class ResultCellWriter {
public:
    using Texts = std::array<std::string_view, kResultColumnCount>;

    ResultCellWriter(const GearSet& gears, const runtime::NumberSeparators& separators);
    ResultCellWriter(const ResultCellWriter&) = delete;
    ResultCellWriter& operator=(const ResultCellWriter&) = delete;

    // The texts in column order, valid until the next call.
    const Texts& Write(const TrainResult& result, std::size_t rowIndex);

private:
    struct KeptMeasure {
        std::uint64_t bits = 0;
        bool kept = false;
        std::size_t length = 0;
        char digits[kMeasureBuffer];
        std::string general;  // a value the short way cannot write
        std::string_view View() const { return general.empty() ? std::string_view(digits, length) : general; }
    };

    std::string_view Measure(double value, KeptMeasure& text);
    std::string_view Count(int slot);

    const GearSet& gears_;
    const runtime::NumberSeparators separators_;
    KeptMeasure measures_[3];  // error, pitch, threads per inch
    std::vector<std::string> countTexts_;  // per gear slot
    char rowNumber_[24];
    Texts texts_{};
};

}  // namespace calc
