#include "calc/texts/ResultLineWriter.h"

#include <bit>
#include <charconv>
#include <cstring>

#include "calc/texts/ResultColumns.h"
#include "calc/texts/ResultTexts.h"

namespace calc {

namespace {

// Texts copied as fixed-size blocks (one move each), of which only the
// first `length` bytes count.
template <std::size_t N>
struct Padded {
    char text[N] = {};
    std::uint8_t length = 0;
};

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
    : gears_(gears), slotTexts_(gears.Counts().size()), separators_(separators) {
    for (std::size_t slot = 0; slot < slotTexts_.size(); ++slot) {
        CountText& t = slotTexts_[slot];
        t.length =
            static_cast<std::uint8_t>(std::to_chars(t.text, t.text + sizeof t.text, gears.Counts()[slot]).ptr - t.text);
    }
}

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
    char* p = Fields(at, result, rowIndex, std::make_index_sequence<kResultColumnCount>());
    return p == nullptr ? nullptr : Put(p, kCsvLineEnd);
}

// The fields in column order, joined by "; ", as straight-line code: the
// columns are known when the program is built.
template <std::size_t... Columns>
char* ResultLineWriter::Fields(char* p, const TrainResult& result, std::size_t rowIndex,
                               std::index_sequence<Columns...>) {
    const char* const start = p;
    auto field = [&]<std::size_t column>() {
        if (p == nullptr) return;
        if (p != start) p = Put(p, "; ");
        p = Field<kResultColumns[column].field>(p, result, rowIndex);
    };
    (field.template operator()<Columns>(), ...);
    return p;
}

template <ResultField field>
char* ResultLineWriter::Field(char* p, const TrainResult& r, std::size_t rowIndex) {
    if constexpr (field == ResultField::RowNumber) return RowNumber(p, rowIndex);
    if constexpr (field == ResultField::GearA) return Count(p, r.a);
    if constexpr (field == ResultField::GearB) return Count(p, r.b);
    if constexpr (field == ResultField::GearC) return Count(p, r.c);
    if constexpr (field == ResultField::GearD) return Count(p, r.d);
    if constexpr (field == ResultField::Error) return Measure(p, r.err, measures_[0]);
    if constexpr (field == ResultField::Pitch) return Measure(p, r.pitch, measures_[1]);
    if constexpr (field == ResultField::Tpi) return Measure(p, r.tpi, measures_[2]);
    if constexpr (field == ResultField::Marks) return Put(p, kMarks.texts[r.comm.Bits()]);
    return p;
}

// Rows are mostly written one after another: the next number is the last
// one's text counted up by one, its digits carried from the right. Up to
// eight digits the text is kept as one word, its first digit in the lowest
// byte, and counted up in a register.
char* ResultLineWriter::RowNumber(char* p, std::size_t rowIndex) {
    const std::size_t number = rowIndex + 1;
    if (rowLength_ != 0 && number < 100000000 && number == rowIndex_ + 2) {
        std::uint64_t digits = rowWord_;
        int i = static_cast<int>(rowLength_) - 1;
        for (; i >= 0 && (digits >> (8 * i) & 0xFF) == '9'; --i) digits -= std::uint64_t{'9' - '0'} << (8 * i);
        if (i >= 0) {
            digits += std::uint64_t{1} << (8 * i);
        } else {
            digits = digits << 8 | '1';
            ++rowLength_;
        }
        rowWord_ = digits;
    } else {
        char text[24] = {};
        rowLength_ = static_cast<std::size_t>(std::to_chars(text, text + 20, number).ptr - text);
        std::memcpy(&rowWord_, text, sizeof rowWord_);
        std::memcpy(rowText_, text, sizeof rowText_);
    }
    rowIndex_ = rowIndex;
    if (rowLength_ <= 8) {
        std::memcpy(p, &rowWord_, sizeof rowWord_);
    } else {
        std::memcpy(p, rowText_, sizeof rowText_);
    }
    return p + rowLength_;
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
    if (static_cast<std::size_t>(slot) >= slotTexts_.size())
        return Put(p, std::string_view("0"));  // no such slot: count 0
    const CountText& t = slotTexts_[static_cast<std::size_t>(slot)];
    std::memcpy(p, t.text, sizeof t.text);
    return p + t.length;
}

}  // namespace calc
