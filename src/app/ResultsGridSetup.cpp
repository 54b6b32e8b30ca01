#include "app/ResultsGridSetup.h"

#include <cstdint>

#include "app/LanguageFile.h"
#include "grid/GridSettings.h"
#include "grid/VbGrid.h"

namespace app {

namespace {

constexpr std::int32_t kSystemColour = static_cast<std::int32_t>(0x80000000u);
constexpr std::int32_t kButtonFace = kSystemColour + 15;
constexpr std::int32_t kWindowBackground = kSystemColour + 5;
constexpr std::int32_t kRowHeightMin = 240;
constexpr std::int32_t kAlignLeft = 1;       // cell alignment of the numeric columns
constexpr std::int32_t kHeaderCentre = 2;
constexpr const char* kCommentTip =
    "'low' means that gear set too small, 'sec A' means that gears intersects with gear A shaft, "
    "'sec D' means that gears intersects with leadscrew";

struct ColumnPlacement {
    const char* header;
    const char* languageKey;  // empty when the header is not translated
    std::int32_t width;       // twips
    bool alignLeft;
};

constexpr ColumnPlacement kColumns[] = {
    {" ", "", 300, true},     {"A", "", 300, false},   {"B", "", 300, false},
    {"C", "", 300, false},    {"D", "", 300, false},   {"+/- %", "", 790, true},
    {"pitch, mm", "gridPitch", 830, true}, {"tpi", "", 830, true}, {"comm", "gridComm", 800, false},
};

void SetDisplay(grid::VbGrid& grid) {
    grid.SetBackColorBkg(kButtonFace);
    grid.SetBackColorFixed(kButtonFace);
    grid.SetBackColor(kWindowBackground);
    grid.SetEnabled(true);
    grid.SetCols(9);
    grid.SetRowHeightMin(kRowHeightMin);
    grid.SetDefaultRowHeight(grid.RowHeightMin());
    grid.SetHeaderHeight(grid.RowHeightMin() + 30);
    grid.SetHeaderButtons(false);
    grid.SetHeaderFlat(false);
    grid.SetHeaderHotTrack(true);
    grid.SetHeader(true);
    grid.SetSelectionMode(grid::selection_mode::ByRow);
    grid.SetAllowBigSelection(true);
    grid.SetHighLight(grid::high_light::Never);
    grid.SetFocusRect(grid::focus_rect::Light);
    grid.SetAllowUserResizing(grid::user_resizing::Columns);
}

void SetColumns(grid::VbGrid& grid) {
    for (std::int32_t c = 0; c < grid.Cols(); ++c) {
        grid.SetColEditable(runtime::Variant(c), false);
        grid.SetFixedAlignment(runtime::Variant(c), kHeaderCentre);
    }
    for (std::int32_t c = 0; c < 9; ++c) {
        const ColumnPlacement& entry = kColumns[c];
        if (entry.alignLeft) grid.SetColAlignment(runtime::Variant(c), kAlignLeft);
        const std::string header =
            *entry.languageKey ? ReadLangText(entry.languageKey, "frmMain", entry.header) : entry.header;
        grid.SetColumnHeader(runtime::Variant(c), header);
        grid.SetColWidth(runtime::Variant(c), entry.width);
    }
}

}  // namespace

void SetUpResultsGrid(grid::VbGrid& grid) {
    grid.SetHeaderDragReOrderColumns(true);  // as a grid placed on a window starts
    grid.SetDelayedRedraw(true);
    SetDisplay(grid);
    SetColumns(grid);
    grid.SetGridLines(grid::grid_lines::Both);
    grid.SetBackColorBkg(kButtonFace);  // the window's own background colour
    grid.SetScrollBars(grid::scroll_bars::Vertical);
    grid.SetColAutoResize(runtime::Variant(8), true);
    grid.SetColToolTip(runtime::Variant(8), ReadLangText("gridtt", "frmMain", kCommentTip));
}

}  // namespace app
