#include "calc/chart/ThreadChart.h"

#include <cmath>

#include "calc/suggest/BestTrain.h"
#include "calc/texts/ResultTexts.h"

namespace calc {

static_assert(kResultColumns[0].field == ResultField::RowNumber, "the thread takes the row number's place");

bool ChartRow::Within(double tolerance) const { return train && WithinTolerance(train->err, tolerance); }

std::vector<ChartRow> BuildThreadChart(std::span<const ThreadFamily* const> families, const GearSet& gears,
                                       const SearchInputs& inputs) {
    const BestTrainFinder finder(gears, inputs);
    std::vector<ChartRow> rows;
    for (const ThreadFamily* family : families)
        for (const ThreadEntry& thread : family->threads)
            rows.push_back({&thread, finder.Find(thread.kind == ThreadKind::Tpi, thread.value)});
    return rows;
}

const ChartTexts& ChartHeaders() {
    static const ChartTexts headers = [] {
        ChartTexts titles = DefaultResultHeaders();
        titles[0] = "thread";
        return titles;
    }();
    return headers;
}

ChartTexts ChartRowTexts(const ChartRow& row, const GearSet& gears, const runtime::NumberSeparators& separators) {
    ChartTexts texts;
    texts[0] = std::string(row.thread->name);
    if (!row.train) return texts;
    for (std::size_t c = 1; c < kChartColumnCount; ++c)
        texts[c] = ResultFieldText(kResultColumns[c].field, *row.train, 0, gears, separators);
    return texts;
}

}  // namespace calc
