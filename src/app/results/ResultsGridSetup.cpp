#include "app/results/ResultsGridSetup.h"

#include <cstdint>

#include "app/files/LanguageFile.h"
#include "grid/model/GridSettings.h"
#include "calc/texts/ResultColumns.h"
#include "grid/core/VbGrid.h"

namespace app {

namespace {

constexpr std::int32_t kSystemColour = static_cast<std::int32_t>(0x80000000u);
constexpr std::int32_t kButtonFace = kSystemColour + 15;
constexpr std::int32_t kWindowBackground = kSystemColour + 5;
constexpr std::int32_t kRowHeightMin = 240;
constexpr std::int32_t kAlignLeft = 1;       // cell alignment of the numeric columns
constexpr std::int32_t kHeaderCentre = 2;
constexpr auto kColumnCount = static_cast<std::int32_t>(calc::kResultColumnCount);
constexpr auto kMarksColumn = static_cast<std::int32_t>(calc::ColumnOf(calc::ResultField::Marks));

void SetDisplay(grid::VbGrid& grid) {
    grid.SetBackColorBkg(kButtonFace);
    grid.SetBackColorFixed(kButtonFace);
    grid.SetBackColor(kWindowBackground);
    grid.SetEnabled(true);
    grid.SetCols(kColumnCount);
    grid.SetRowHeightMin(kRowHeightMin);
    grid.SetDefaultRowHeight(grid.RowHeightMin());
    grid.SetHeaderHeight(grid.RowHeightMin() + 30);
    grid.SetHeaderButtons(false);
    grid.SetHeaderFlat(false);
    grid.SetHeaderHotTrack(true);
    grid.SetHeader(true);
    grid.SetSelectionMode(grid::NumberOf(grid::SelectionMode::ByRow));
    grid.SetAllowBigSelection(true);
    grid.SetHighLight(grid::NumberOf(grid::HighLight::Never));
    grid.SetFocusRect(grid::NumberOf(grid::FocusRect::Light));
    grid.SetAllowUserResizing(grid::NumberOf(grid::UserResizing::Columns));
}

void SetColumns(grid::VbGrid& grid) {
    for (std::int32_t c = 0; c < grid.Cols(); ++c) {
        grid.SetColEditable(runtime::Variant(c), false);
        grid.SetFixedAlignment(runtime::Variant(c), kHeaderCentre);
    }
    for (std::int32_t c = 0; c < kColumnCount; ++c) {
        const calc::ResultColumn& column = calc::kResultColumns[static_cast<std::size_t>(c)];
        if (column.alignment == calc::ColumnAlignment::Left) grid.SetColAlignment(runtime::Variant(c), kAlignLeft);
        const std::string title(column.title);
        const std::string header =
            column.languageKey.empty() ? title : ReadLangText(std::string(column.languageKey), "frmMain", title);
        grid.SetColumnHeader(runtime::Variant(c), header);
        grid.SetColWidth(runtime::Variant(c), column.width);
    }
}

}  // namespace

void SetUpResultsGrid(grid::VbGrid& grid) {
    grid.SetHeaderDragReOrderColumns(true);  // as a grid placed on a window starts
    grid.SetDelayedRedraw(true);
    SetDisplay(grid);
    SetColumns(grid);
    grid.SetGridLines(grid::NumberOf(grid::GridLines::Both));
    grid.SetBackColorBkg(kButtonFace);  // the window's own background colour
    grid.SetScrollBars(grid::NumberOf(grid::ScrollBars::Vertical));
    for (std::int32_t c = 0; c < kColumnCount; ++c)
        if (calc::kResultColumns[static_cast<std::size_t>(c)].autoResize) grid.SetColAutoResize(runtime::Variant(c), true);
    grid.SetColToolTip(runtime::Variant(kMarksColumn),
                       ReadLangText(std::string(calc::kMarksTipKey), "frmMain", std::string(calc::kMarksTip)));
}

const char* ResultsGridStoredSettings() {
    return "Cols = 0\n"
           "Rows = 0\n"
           "SelectionMode = 1\n"
           "BackgroundPictureHeight = 0\n"
           "BackgroundPictureWidth = 0\n"
           "BackColorBkg = -2147483633\n"
           "Font = \"Liberation Sans;8;\"\n"
           "HeaderHeight = 270\n"
           "DefaultRowHeight = 240\n"
           "AllowUserResizing = 1\n"
           "ScrollBars = 2\n";
}

}  // namespace app
