#include "calc/ResultTexts.h"

#include "runtime/Format.h"

namespace calc {

const ResultRow& DefaultResultHeaders() {
    static const ResultRow headers = {" ", "A", "B", "C", "D", "+/- %", "pitch, mm", "tpi", "comm"};
    return headers;
}

ResultRow ResultRowTexts(const TrainResult& result, std::size_t rowIndex, const GearSet& gears,
                         const runtime::NumberSeparators& separators) {
    auto count = [&gears](int slot) { return slot < 0 ? std::string() : std::to_string(gears.Count(slot)); };
    auto measure = [&separators](double value) {
        return runtime::FormatNumber(value, kMeasurePattern, separators);
    };
    return {std::to_string(rowIndex + 1),
            count(result.a),
            count(result.b),
            count(result.c),
            count(result.d),
            measure(result.err),
            measure(result.pitch),
            measure(result.tpi),
            std::string(result.comm.Text())};
}

}  // namespace calc
