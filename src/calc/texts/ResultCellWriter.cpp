#include "calc/texts/ResultCellWriter.h"

#include <bit>
#include <charconv>

namespace calc {

ResultCellWriter::ResultCellWriter(const GearSet& gears, const runtime::NumberSeparators& separators)
    : gears_(gears), separators_(separators) {
    countTexts_.reserve(gears.Counts().size());
    for (std::int32_t count : gears.Counts()) countTexts_.push_back(std::to_string(count));
}

const ResultCellWriter::Texts& ResultCellWriter::Write(const TrainResult& r, std::size_t rowIndex) {
    for (std::size_t c = 0; c < kResultColumnCount; ++c) {
        std::string_view& text = texts_[c];
        switch (kResultColumns[c].field) {
        case ResultField::RowNumber:
            text = std::string_view(rowNumber_,
                                    static_cast<std::size_t>(std::to_chars(rowNumber_, rowNumber_ + sizeof rowNumber_,
                                                                           rowIndex + 1).ptr - rowNumber_));
            break;
        case ResultField::GearA: text = Count(r.a); break;
        case ResultField::GearB: text = Count(r.b); break;
        case ResultField::GearC: text = Count(r.c); break;
        case ResultField::GearD: text = Count(r.d); break;
        case ResultField::Error: text = Measure(r.err, measures_[0]); break;
        case ResultField::Pitch: text = Measure(r.pitch, measures_[1]); break;
        case ResultField::Tpi: text = Measure(r.tpi, measures_[2]); break;
        case ResultField::Marks: text = r.comm.Text(); break;
        }
    }
    return texts_;
}

std::string_view ResultCellWriter::Measure(double value, KeptMeasure& text) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if (!text.kept || text.bits != bits) {
        text.bits = bits;
        text.kept = true;
        text.length = WriteMeasure(text.digits, value, separators_.decimal);
        text.general = text.length == 0 ? calc::MeasureText(value, separators_) : std::string();
    }
    return text.View();
}

std::string_view ResultCellWriter::Count(int slot) {
    if (slot < 0) return {};
    if (static_cast<std::size_t>(slot) < countTexts_.size()) return countTexts_[static_cast<std::size_t>(slot)];
    return "0";  // a slot outside the set counts no teeth
}

}  // namespace calc
