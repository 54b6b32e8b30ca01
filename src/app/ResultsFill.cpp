#include "app/ResultsFill.h"

#include <algorithm>
#include <cstdint>

#include "app/RowNumberColumn.h"
#include "calc/NumVal.h"
#include "calc/ResultCellWriter.h"
#include "forms/Form.h"
#include "grid/VbGrid.h"
#include "runtime/NumberSeparators.h"
#include "runtime/Rounding.h"

namespace app {

namespace {

constexpr auto kRowNumberColumn = static_cast<std::int32_t>(calc::ColumnOf(calc::ResultField::RowNumber));

double FieldValue(const forms::Form& window, const char* name) { return calc::NumVal(window.Find(name)->Text()); }

bool Selected(const forms::Form& window, const char* name, int index) {
    return window.Find(name, index)->OptionValue();
}

}  // namespace

void ReadIncludeOptions(const forms::Form& window, calc::SearchInputs& inputs) {
    inputs.includeLow = window.Find("chkLow")->CheckValue() != 0;
    inputs.includeIntersecting = window.Find("chkAll")->CheckValue() != 0;
}

void ReadRemainingInputs(const forms::Form& window, calc::SearchInputs& inputs) {
    inputs.imperialLeadscrew = Selected(window, "optScrew", 1);
    inputs.leadscrew = FieldValue(window, inputs.imperialLeadscrew ? "screwpitchI" : "screwpitchM");
    inputs.ratioLeft = runtime::RoundToLongClamped(FieldValue(window, "prevL"));
    inputs.ratioRight = runtime::RoundToLongClamped(FieldValue(window, "prevR"));
    inputs.requestTpi = !Selected(window, "Option1", 0);
    inputs.request = FieldValue(window, "reqPitch");
    inputs.tolerance = FieldValue(window, inputs.requestTpi ? "txtPrecI" : "txtPrecM");
}

void ShowResults(grid::VbGrid& grid, calc::SortedTrains& results, const calc::GearSet& gears) {
    grid.SetDelayedRedraw(true);
    grid.ReserveRows(static_cast<std::int32_t>(std::min<std::size_t>(results.Size(), INT32_MAX)));
    calc::ResultCellWriter writer(gears, runtime::UserSeparators());
    for (std::size_t i = 0; i < results.Size(); ++i) {
        const auto row = static_cast<std::int32_t>(i);
        if (grid.Rows() < row + 1) grid.AddRow();
        const calc::ResultCellWriter::Texts& texts = writer.Write(results.Next(), i);
        for (calc::ResultField field : calc::kCellWriteOrder) {
            const std::size_t column = calc::ColumnOf(field);
            grid.SetTextMatrix(row, static_cast<std::int32_t>(column), texts[column]);
        }
        grid.SetCellForeColor(row, kRowNumberColumn, kRowNumberColour);
    }
    FitRowNumberColumn(grid);
    grid.SetDelayedRedraw(false);
}

}  // namespace app
