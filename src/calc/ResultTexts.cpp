#include "calc/ResultTexts.h"

#include <charconv>

#include "calc/MeasureText.h"

#include <string_view>

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

namespace {

// The line of a result written straight into a buffer, for the usual case;
// false (buffer content undefined) when a measure needs the general path.
class LineBuffer {
public:
    bool Fill(const TrainResult& result, std::size_t rowIndex, const GearSet& gears, std::string_view mark) {
        p_ = line_;
        for (const ResultColumn& column : kResultColumns) {
            if (p_ != line_) Put("; ");
            if (!Field(column.field, result, rowIndex, gears, mark)) return false;
        }
        Put(kCsvLineEnd);
        return true;
    }
    std::string_view Text() const { return {line_, static_cast<std::size_t>(p_ - line_)}; }

private:
    void Put(std::string_view text) {
        for (char c : text) *p_++ = c;
    }
    template <class Integer>
    void Number(Integer value) {
        p_ = std::to_chars(p_, p_ + 24, value).ptr;
    }
    void Count(int slot, const GearSet& gears) {
        if (slot >= 0) Number(gears.Count(slot));
    }
    bool Measure(double value, std::string_view mark) {
        const std::size_t length = WriteMeasure(p_, value, mark);
        p_ += length;
        return length != 0;
    }
    bool Field(ResultField field, const TrainResult& r, std::size_t rowIndex, const GearSet& gears,
               std::string_view mark) {
        switch (field) {
        case ResultField::RowNumber: Number(rowIndex + 1); return true;
        case ResultField::GearA: Count(r.a, gears); return true;
        case ResultField::GearB: Count(r.b, gears); return true;
        case ResultField::GearC: Count(r.c, gears); return true;
        case ResultField::GearD: Count(r.d, gears); return true;
        case ResultField::Error: return Measure(r.err, mark);
        case ResultField::Pitch: return Measure(r.pitch, mark);
        case ResultField::Tpi: return Measure(r.tpi, mark);
        case ResultField::Marks: Put(r.comm.Text()); return true;
        }
        return true;
    }

    // Row number, four counts, three measures, the marks, separators, line end.
    char line_[24 + 4 * 12 + 3 * kMeasureBuffer + 24 + 8 * 2 + 2];
    char* p_ = line_;
};

}  // namespace

void AppendResultLine(std::string& out, const TrainResult& result, std::size_t rowIndex, const GearSet& gears,
                      const runtime::NumberSeparators& separators) {
    LineBuffer line;
    if (line.Fill(result, rowIndex, gears, separators.decimal)) {
        out += line.Text();
        return;
    }
    const std::size_t lineStart = out.size();
    for (const ResultColumn& column : kResultColumns) {
        NextField(out, lineStart);
        AppendResultField(out, column.field, result, rowIndex, gears, separators);
    }
    out += kCsvLineEnd;
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
