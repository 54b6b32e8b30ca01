#include "calc/texts/ResultTexts.h"

#include <charconv>

#include "calc/texts/MeasureText.h"
#include "calc/texts/ResultLineWriter.h"

namespace calc {

namespace {

template <class Integer>
void AppendInteger(std::string& out, Integer value) {
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void AppendCount(std::string& out, int slot, const GearSet& gears) {
    if (slot >= 0) AppendInteger(out, gears.Count(slot));
}

// Starts the next field of a line begun at `lineStart`: the separator goes
// in only when the line so far is not empty.
void NextField(std::string& out, std::size_t lineStart) {
    if (out.size() > lineStart) out += "; ";
}

}  // namespace

const ResultRow& DefaultResultHeaders() {
    static const ResultRow headers = [] {
        ResultRow titles;
        for (std::size_t c = 0; c < kResultColumnCount; ++c) titles[c] = std::string(kResultColumns[c].title);
        return titles;
    }();
    return headers;
}

void AppendResultField(std::string& out, ResultField field, const TrainResult& result, std::size_t rowIndex,
                       const GearSet& gears, const runtime::NumberSeparators& separators) {
    switch (field) {
    case ResultField::RowNumber: AppendInteger(out, rowIndex + 1); break;
    case ResultField::GearA: AppendCount(out, result.a, gears); break;
    case ResultField::GearB: AppendCount(out, result.b, gears); break;
    case ResultField::GearC: AppendCount(out, result.c, gears); break;
    case ResultField::GearD: AppendCount(out, result.d, gears); break;
    case ResultField::Error: AppendMeasure(out, result.err, separators); break;
    case ResultField::Pitch: AppendMeasure(out, result.pitch, separators); break;
    case ResultField::Tpi: AppendMeasure(out, result.tpi, separators); break;
    case ResultField::Marks: out += result.comm.Text(); break;
    }
}

std::string ResultFieldText(ResultField field, const TrainResult& result, std::size_t rowIndex, const GearSet& gears,
                            const runtime::NumberSeparators& separators) {
    std::string text;
    AppendResultField(text, field, result, rowIndex, gears, separators);
    return text;
}

ResultRow ResultRowTexts(const TrainResult& result, std::size_t rowIndex, const GearSet& gears,
                         const runtime::NumberSeparators& separators) {
    ResultRow row;
    for (std::size_t c = 0; c < kResultColumnCount; ++c)
        row[c] = ResultFieldText(kResultColumns[c].field, result, rowIndex, gears, separators);
    return row;
}

void AppendResultLine(std::string& out, const TrainResult& result, std::size_t rowIndex, const GearSet& gears,
                      const runtime::NumberSeparators& separators) {
    ResultLineWriter(gears, separators).Append(out, result, rowIndex);
}

void AppendHeaderLine(std::string& out) {
    const std::size_t lineStart = out.size();
    for (const ResultColumn& column : kResultColumns) {
        NextField(out, lineStart);
        out += column.title;
    }
    out += kCsvLineEnd;
}

}  // namespace calc
