#include "app/chart/ChartLayout.h"

#include <algorithm>
#include <string>
#include <utility>

#include "app/files/LanguageFile.h"
#include "app/files/LanguageTexts.h"
#include "calc/inputs/ThreadFamilies.h"
#include "forms/Control.h"
#include "forms/Form.h"

namespace app {

namespace {

constexpr int kMargin = 60;
constexpr int kBoxWidth = 1500;
constexpr int kBoxHeight = 255;
constexpr int kBoxesPerLine = 4;
constexpr int kButtonWidth = 1005;
constexpr int kButtonHeight = 375;
constexpr int kGridGap = 90;
// The line of the sheet's controls below the check boxes, and the status
// line below the grid.
constexpr int kSheetLineGap = 30;
constexpr int kFewestWidth = 1700;
constexpr int kPrintChartWidth = 1200;
constexpr int kSavePdfWidth = 1700;
constexpr int kButtonGap = 60;
constexpr int kStatusHeight = 255;
constexpr int kSuggestWidth = 1280;

int BoxLines() {
    const auto families = static_cast<int>(calc::ThreadFamilies().size());
    return (families + kBoxesPerLine - 1) / kBoxesPerLine;
}

int SheetLineTop() { return kMargin + BoxLines() * kBoxHeight + kSheetLineGap; }

int GridTop() { return SheetLineTop() + kButtonHeight + kGridGap; }

int GridHeight(int clientHeight) {
    return std::max(0, clientHeight - GridTop() - kMargin - kStatusHeight - kSheetLineGap);
}

// The fewest-changes check box, the sheet's two buttons and the status line.
struct SheetControls {
    forms::Control& fewest;
    forms::Control& printChart;
    forms::Control& savePdf;
    forms::Control& status;
};

SheetControls AddSheetControls(forms::Form& window) {
    const int top = SheetLineTop();
    forms::Control& fewest =
        window.AddControl(forms::ControlKind::CheckBox, "chkFewest",
                          {kMargin, top + (kButtonHeight - kBoxHeight) / 2, kFewestWidth, kBoxHeight});
    fewest.SetCaption("Fewest changes");
    fewest.SetTag("ttFewest");
    fewest.SetToolTipText(
        "Choose each thread's train among those within the tolerance so that going down the chart "
        "changes the fewest gears");
    int left = kMargin + kFewestWidth + kButtonGap;
    forms::Control& print = window.AddControl(forms::ControlKind::CommandButton, "btnPrintChart",
                                              {left, top, kPrintChartWidth, kButtonHeight});
    print.SetCaption("Print chart");
    left += kPrintChartWidth + kButtonGap;
    forms::Control& save =
        window.AddControl(forms::ControlKind::CommandButton, "btnSavePdf", {left, top, kSavePdfWidth, kButtonHeight});
    save.SetCaption("Save chart as PDF\u2026");
    forms::Control& status = window.AddControl(
        forms::ControlKind::Label, "lblStatus",
        {kMargin, kChartClientHeight - kMargin - kStatusHeight, kChartClientWidth - 2 * kMargin, kStatusHeight});
    status.SetToolTipText("Changing gear B or C counts 4 changes, as the banjo must be set again; A or D counts 1");
    return {fewest, print, save, status};
}

}  // namespace

ChartControls BuildChartLayout(forms::Form& window) {
    window.SetCaption(ReadLangText(kChartMenuText));
    window.SetBorderStyle(forms::BorderSizable);
    window.SetClientSize(kChartClientWidth, kChartClientHeight);
    std::vector<forms::Control*> families;
    int index = 0;
    for (const calc::ThreadFamily& family : calc::ThreadFamilies()) {
        const forms::TwipsRect bounds{kMargin + (index % kBoxesPerLine) * kBoxWidth,
                                      kMargin + (index / kBoxesPerLine) * kBoxHeight, kBoxWidth - 60, kBoxHeight};
        forms::Control& box = window.AddControl(forms::ControlKind::CheckBox, "chkFamily", bounds, nullptr, index);
        box.SetCaption(std::string(family.title));
        families.push_back(&box);
        ++index;
    }
    const SheetControls sheet = AddSheetControls(window);
    forms::Control& print = window.AddControl(
        forms::ControlKind::CommandButton, "btnPrint",
        {kChartClientWidth - kMargin - kButtonWidth, kMargin, kButtonWidth, kButtonHeight});
    print.SetCaption("Print!");
    print.SetTag("ttPrint");
    forms::Control& suggest = window.AddControl(
        forms::ControlKind::CommandButton, "btnSuggest",
        {kChartClientWidth - kMargin - kSuggestWidth, kMargin + kButtonHeight + 30, kSuggestWidth, kButtonHeight});
    suggest.SetCaption("Suggest a gear");
    suggest.SetTag("ttSuggest");
    suggest.SetToolTipText("Which gear to buy to cut more of these threads");
    forms::Control& grid = window.AddControl(forms::ControlKind::Host, "vbGrid1",
                                             {kMargin, GridTop(), kChartClientWidth - 2 * kMargin,
                                              GridHeight(kChartClientHeight)});
    std::vector<forms::Control*> order = families;
    order.insert(order.end(), {&sheet.fewest, &sheet.printChart, &sheet.savePdf, &print, &suggest, &grid});
    window.SetTabOrder(order);
    return {std::move(families), sheet.fewest, sheet.printChart, sheet.savePdf, sheet.status, print, suggest, grid};
}

void LayoutChartWindow(const forms::Form& window, const ChartControls& controls) {
    forms::Control& grid = controls.grid;
    grid.SetWidth(std::max(0, window.ScaleWidth() - grid.Left() - kMargin));
    grid.SetHeight(GridHeight(window.ScaleHeight()));
    forms::Control& status = controls.status;
    status.SetTop(std::max(grid.Top(), window.ScaleHeight() - kMargin - kStatusHeight));
    status.SetWidth(std::max(0, window.ScaleWidth() - 2 * kMargin));
    controls.print.SetLeft(
        std::max(kMargin + kBoxesPerLine * kBoxWidth, window.ScaleWidth() - kMargin - kButtonWidth));
    controls.suggest.SetLeft(
        std::max(kMargin + kBoxesPerLine * kBoxWidth, window.ScaleWidth() - kMargin - kSuggestWidth));
}

}  // namespace app
