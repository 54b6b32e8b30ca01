#include "calc/ResultLineWriter.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstring>

#include "calc/ResultColumns.h"
#include "calc/ResultTexts.h"

namespace calc {

namespace {

// Texts copied as fixed-size blocks (one move each), of which only the
// first `length` bytes count.
template <std::size_t N>
struct Padded {
    char text[N] = {};
    std::uint8_t length = 0;
};

// The texts of the counts 0 to 999, which every real gear has.
constexpr std::array<Padded<4>, 1000> kSmallCounts = [] {
    std::array<Padded<4>, 1000> texts{};
    for (int n = 0; n < 1000; ++n) {
        Padded<4>& t = texts[static_cast<std::size_t>(n)];
        if (n >= 100) t.text[t.length++] = static_cast<char>('0' + n / 100);
        if (n >= 10) t.text[t.length++] = static_cast<char>('0' + n / 10 % 10);
        t.text[t.length++] = static_cast<char>('0' + n % 10);
    }
    return texts;
}();

// The texts of the marks, padded.
constexpr std::size_t kMarksRoom = 24;
struct MarksTexts {
    Padded<kMarksRoom> texts[8];
    MarksTexts() {
        for (std::uint8_t bits = 0; bits < 8; ++bits) {
            const std::string_view text = FitMarks(bits).Text();
            std::memcpy(texts[bits].text, text.data(), text.size());
            texts[bits].length = static_cast<std::uint8_t>(text.size());
        }
    }
};
const MarksTexts kMarks;

template <std::size_t N>
char* Put(char* p, const Padded<N>& text) {
    std::memcpy(p, text.text, N);
    return p + text.length;
}

char* Put(char* p, std::string_view text) {
    std::memcpy(p, text.data(), text.size());
    return p + text.size();
}

}  // namespace

ResultLineWriter::ResultLineWriter(const GearSet& gears, const runtime::NumberSeparators& separators)
    : gears_(gears), separators_(separators) {}

void ResultLineWriter::Append(std::string& out, const TrainResult& result, std::size_t rowIndex) {
    if (const char* end = Write(line_, result, rowIndex)) {
        out.append(line_, static_cast<std::size_t>(end - line_));
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

char* ResultLineWriter::Write(char* at, const TrainResult& result, std::size_t rowIndex) {
    char* p = at;
    for (const ResultColumn& column : kResultColumns) {
        if (p != at) p = Put(p, "; ");
        p = Field(p, column.field, result, rowIndex);
        if (p == nullptr) return nullptr;
    }
    return Put(p, kCsvLineEnd);
}

char* ResultLineWriter::Field(char* p, ResultField field, const TrainResult& r, std::size_t rowIndex) {
    switch (field) {
    case ResultField::RowNumber: return std::to_chars(p, p + 24, rowIndex + 1).ptr;
    case ResultField::GearA: return Count(p, r.a);
    case ResultField::GearB: return Count(p, r.b);
    case ResultField::GearC: return Count(p, r.c);
    case ResultField::GearD: return Count(p, r.d);
    case ResultField::Error: return Measure(p, r.err, measures_[0]);
    case ResultField::Pitch: return Measure(p, r.pitch, measures_[1]);
    case ResultField::Tpi: return Measure(p, r.tpi, measures_[2]);
    case ResultField::Marks: return Put(p, kMarks.texts[r.comm.Bits()]);
    }
    return p;
}

char* ResultLineWriter::Measure(char* p, double value, MeasureCache& cache) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if (cache.length == 0 || cache.bits != bits) {
        cache.length = WriteMeasure(cache.text, value, separators_.decimal);
        cache.bits = bits;
        if (cache.length == 0) return nullptr;
    }
    std::memcpy(p, cache.text, kMeasureBuffer);
    return p + cache.length;
}

char* ResultLineWriter::Count(char* p, int slot) const {
    if (slot < 0) return p;
    const std::int32_t count = slot <= gears_.Upper() ? gears_.Counts()[static_cast<std::size_t>(slot)] : 0;
    if (count >= 0 && count < 1000) return Put(p, kSmallCounts[static_cast<std::size_t>(count)]);
    return std::to_chars(p, p + 12, count).ptr;
}

}  // namespace calc
