#include "calc/ResultTexts.h"

#include "runtime/Format.h"

namespace calc {

const ResultRow& DefaultResultHeaders() {
    static const ResultRow headers = [] {
        ResultRow titles;
        for (std::size_t c = 0; c < kResultColumnCount; ++c) titles[c] = std::string(kResultColumns[c].title);
        return titles;
    }();
    return headers;
}

std::string ResultFieldText(ResultField field, const TrainResult& result, std::size_t rowIndex, const GearSet& gears,
                            const runtime::NumberSeparators& separators) {
    auto count = [&gears](int slot) { return slot < 0 ? std::string() : std::to_string(gears.Count(slot)); };
    auto measure = [&separators](double value) { return runtime::FormatNumber(value, kMeasurePattern, separators); };
    switch (field) {
    case ResultField::RowNumber: return std::to_string(rowIndex + 1);
    case ResultField::GearA: return count(result.a);
    case ResultField::GearB: return count(result.b);
    case ResultField::GearC: return count(result.c);
    case ResultField::GearD: return count(result.d);
    case ResultField::Error: return measure(result.err);
    case ResultField::Pitch: return measure(result.pitch);
    case ResultField::Tpi: return measure(result.tpi);
    case ResultField::Marks: return std::string(result.comm.Text());
    }
    return {};
}

ResultRow ResultRowTexts(const TrainResult& result, std::size_t rowIndex, const GearSet& gears,
                         const runtime::NumberSeparators& separators) {
    ResultRow row;
    for (std::size_t c = 0; c < kResultColumnCount; ++c)
        row[c] = ResultFieldText(kResultColumns[c].field, result, rowIndex, gears, separators);
    return row;
}

}  // namespace calc
