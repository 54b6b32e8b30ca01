#include "calc/texts/ResultLineWriter.h"

#include <bit>
#include <iterator>
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

// Write puts the fields down in this order, as straight-line code.
constexpr bool WrittenInColumnOrder() {
    constexpr ResultField order[] = {ResultField::RowNumber, ResultField::GearA, ResultField::GearB,
                                     ResultField::GearC,     ResultField::GearD, ResultField::Error,
                                     ResultField::Pitch,     ResultField::Tpi,   ResultField::Marks};
    if (kResultColumnCount != std::size(order)) return false;
    for (std::size_t c = 0; c < kResultColumnCount; ++c)
        if (kResultColumns[c].field != order[c]) return false;
    return true;
}
static_assert(WrittenInColumnOrder(), "ResultLineWriter::Write follows the columns: change both together");

}  // namespace

ResultLineWriter::ResultLineWriter(const GearSet& gears, const runtime::NumberSeparators& separators)
    : gears_(gears), gearTexts_(gears.Counts().size()), separators_(separators) {
    auto make = [](GearText& t, std::int32_t count, bool shown) {
        t.text[0] = ';';
        t.text[1] = ' ';
        char* end = shown ? std::to_chars(t.text + 2, t.text + sizeof t.text, count).ptr : t.text + 2;
        t.length = static_cast<std::uint8_t>(end - t.text);
    };
    for (std::size_t slot = 0; slot < gearTexts_.size(); ++slot) make(gearTexts_[slot], gears.Counts()[slot], true);
    make(noGear_, 0, false);
    make(emptySlot_, 0, true);
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

char* ResultLineWriter::Write(char* p, const TrainResult& result, std::size_t rowIndex) {
    p = RowNumber(p, rowIndex);
    p = Gear(p, result.a);
    p = Gear(p, result.b);
    p = Gear(p, result.c);
    p = Gear(p, result.d);
    p = MeasureRun(Put(p, "; "), result);
    if (p == nullptr) return nullptr;
    p = Put(Put(p, "; "), kMarks.texts[result.comm.Bits() & 7]);
    return Put(p, kCsvLineEnd);
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
        if (cache.length == 0) {
            // A value the quick form cannot round for certain: the general
            // formatter's text, kept like any other while it fits.
            const std::string text = MeasureText(value, separators_);
            if (text.size() > sizeof cache.text) return nullptr;
            std::memcpy(cache.text, text.data(), text.size());
            cache.length = text.size();
        }
        cache.bits = bits;
    }
    std::memcpy(p, cache.text, kMeasureBuffer);
    return p + cache.length;
}

char* ResultLineWriter::MeasureRun(char* p, const TrainResult& r) {
    const MeasureRunCache& run = measureRun_;
    const bool same = run.length != 0 && run.bits[0] == std::bit_cast<std::uint64_t>(r.err) &&
                      run.bits[1] == std::bit_cast<std::uint64_t>(r.pitch) &&
                      run.bits[2] == std::bit_cast<std::uint64_t>(r.tpi);
    if (!same && !RewriteMeasureRun(r)) return nullptr;
    // Most runs are short: a move of their first 64 bytes, then the rest.
    constexpr std::size_t kFirst = 64;
    std::memcpy(p, run.text, kFirst);
    if (run.length > kFirst) std::memcpy(p + kFirst, run.text + kFirst, sizeof run.text - kFirst);
    return p + run.length;
}

bool ResultLineWriter::RewriteMeasureRun(const TrainResult& r) {
    MeasureRunCache& run = measureRun_;
    run.length = 0;
    char* q = Measure(run.text, r.err, measures_[0]);
    if (q != nullptr) q = Measure(Put(q, "; "), r.pitch, measures_[1]);
    if (q != nullptr) q = Measure(Put(q, "; "), r.tpi, measures_[2]);
    if (q == nullptr) return false;
    run.length = static_cast<std::size_t>(q - run.text);
    run.bits[0] = std::bit_cast<std::uint64_t>(r.err);
    run.bits[1] = std::bit_cast<std::uint64_t>(r.pitch);
    run.bits[2] = std::bit_cast<std::uint64_t>(r.tpi);
    return true;
}

}  // namespace calc
