#include "calc/ResultLineWriter.h"

#include <bit>
#include <charconv>
#include <cstring>

#include "calc/ResultColumns.h"
#include "calc/ResultTexts.h"

namespace calc {

ResultLineWriter::ResultLineWriter(const GearSet& gears, const runtime::NumberSeparators& separators)
    : gears_(gears), separators_(separators) {}

void ResultLineWriter::Append(std::string& out, const TrainResult& result, std::size_t rowIndex) {
    if (Fill(result, rowIndex)) {
        out.append(line_, static_cast<std::size_t>(p_ - line_));
        return;
    }
    // A measure that needs the general formatter: the line field by field.
    const std::size_t lineStart = out.size();
    for (const ResultColumn& column : kResultColumns) {
        if (out.size() > lineStart) out += "; ";
        AppendResultField(out, column.field, result, rowIndex, gears_, separators_);
    }
    out += kCsvLineEnd;
}

bool ResultLineWriter::Fill(const TrainResult& result, std::size_t rowIndex) {
    p_ = line_;
    for (const ResultColumn& column : kResultColumns) {
        if (p_ != line_) Put("; ");
        if (!Field(column, result, rowIndex)) return false;
    }
    Put(kCsvLineEnd);
    return true;
}

bool ResultLineWriter::Field(const ResultColumn& column, const TrainResult& r, std::size_t rowIndex) {
    switch (column.field) {
    case ResultField::RowNumber: p_ = std::to_chars(p_, p_ + 24, rowIndex + 1).ptr; return true;
    case ResultField::GearA: Count(r.a); return true;
    case ResultField::GearB: Count(r.b); return true;
    case ResultField::GearC: Count(r.c); return true;
    case ResultField::GearD: Count(r.d); return true;
    case ResultField::Error: return Measure(r.err, measures_[0]);
    case ResultField::Pitch: return Measure(r.pitch, measures_[1]);
    case ResultField::Tpi: return Measure(r.tpi, measures_[2]);
    case ResultField::Marks: Put(r.comm.Text()); return true;
    }
    return true;
}

bool ResultLineWriter::Measure(double value, MeasureCache& cache) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if (cache.length == 0 || cache.bits != bits) {
        cache.length = WriteMeasure(cache.text, value, separators_.decimal);
        cache.bits = bits;
        if (cache.length == 0) return false;
    }
    std::memcpy(p_, cache.text, cache.length);
    p_ += cache.length;
    return true;
}

void ResultLineWriter::Put(std::string_view text) {
    std::memcpy(p_, text.data(), text.size());
    p_ += text.size();
}

void ResultLineWriter::Count(int slot) {
    if (slot >= 0) p_ = std::to_chars(p_, p_ + 12, gears_.Count(slot)).ptr;
}

}  // namespace calc
