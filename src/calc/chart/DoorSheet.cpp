#include "calc/chart/DoorSheet.h"

#include <array>
#include <ctime>

#include "calc/texts/ResultColumns.h"
#include "runtime/Format.h"

namespace calc {

namespace {

// The chart's columns that the sheet shows: the pitch and threads per inch
// of the train are left out, as the thread's name says what it cuts.
constexpr std::array kSheetColumns = {
    std::size_t{0},
    ColumnOf(ResultField::GearA),
    ColumnOf(ResultField::GearB),
    ColumnOf(ResultField::GearC),
    ColumnOf(ResultField::GearD),
    ColumnOf(ResultField::Error),
    ColumnOf(ResultField::Marks),
};

std::string Title(const GearSet& gears, const SearchInputs& inputs, const std::string& date,
                  const runtime::NumberSeparators& separators) {
    std::string title = "Gears";
    for (const std::int32_t count : gears.Counts())
        if (count != 0) {
            title += ' ';
            title += std::to_string(count);
        }
    title += "   Leadscrew " + runtime::GeneralNumberText(inputs.leadscrew, separators) +
             (inputs.imperialLeadscrew ? " tpi" : " mm");
    title += "   Ratio " + std::to_string(inputs.ratioLeft) + ":" + std::to_string(inputs.ratioRight);
    return title + "   " + date;
}

}  // namespace

runtime::TextSheet DoorSheet(std::span<const ChartRow> rows, const GearSet& gears, const SearchInputs& inputs,
                             const std::string& date, const runtime::NumberSeparators& separators) {
    runtime::TextSheet sheet;
    sheet.title = Title(gears, inputs, date, separators);
    for (const std::size_t column : kSheetColumns) sheet.headers.push_back(ChartHeaders()[column]);
    const std::size_t b = ColumnOf(ResultField::GearB), c = ColumnOf(ResultField::GearC);
    ChartTexts previous;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ChartTexts texts = ChartRowTexts(rows[i], gears, separators);
        runtime::TextSheet::Row row;
        for (const std::size_t column : kSheetColumns) row.cells.push_back(texts[column]);
        row.startsGroup = i > 0 && (texts[b] != previous[b] || texts[c] != previous[c]);
        sheet.rows.push_back(std::move(row));
        previous = texts;
    }
    return sheet;
}

std::string TodayIsoDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[16] = "";
    if (localtime_r(&now, &local)) std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

}  // namespace calc
