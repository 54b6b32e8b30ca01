#include "app/ChartLayout.h"

#include <algorithm>
#include <string>

#include "app/LanguageFile.h"
#include "calc/ThreadFamilies.h"
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
constexpr int kSuggestWidth = 1280;

int BoxLines() {
    const auto families = static_cast<int>(calc::ThreadFamilies().size());
    return (families + kBoxesPerLine - 1) / kBoxesPerLine;
}

int GridTop() { return kMargin + BoxLines() * kBoxHeight + kGridGap; }

}  // namespace

void BuildChartLayout(forms::Form& window) {
    window.SetCaption(ReadLangText("chart", "frmMain", "Thread chart"));
    window.SetBorderStyle(forms::BorderSizable);
    window.SetClientSize(kChartClientWidth, kChartClientHeight);
    std::vector<forms::Control*> order;
    int index = 0;
    for (const calc::ThreadFamily& family : calc::ThreadFamilies()) {
        const forms::TwipsRect bounds{kMargin + (index % kBoxesPerLine) * kBoxWidth,
                                      kMargin + (index / kBoxesPerLine) * kBoxHeight, kBoxWidth - 60, kBoxHeight};
        forms::Control& box = window.AddControl(forms::ControlKind::CheckBox, "chkFamily", bounds, nullptr, index);
        box.SetCaption(std::string(family.title));
        order.push_back(&box);
        ++index;
    }
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
                                              kChartClientHeight - GridTop() - kMargin});
    order.push_back(&print);
    order.push_back(&suggest);
    order.push_back(&grid);
    window.SetTabOrder(order);
}

void LayoutChartWindow(forms::Form& window) {
    forms::Control& grid = *window.Find("vbGrid1");
    grid.SetWidth(std::max(0, window.ScaleWidth() - grid.Left() - kMargin));
    grid.SetHeight(std::max(0, window.ScaleHeight() - grid.Top() - kMargin));
    forms::Control& print = *window.Find("btnPrint");
    print.SetLeft(std::max(kMargin + kBoxesPerLine * kBoxWidth, window.ScaleWidth() - kMargin - kButtonWidth));
    window.Find("btnSuggest")->SetLeft(
        std::max(kMargin + kBoxesPerLine * kBoxWidth, window.ScaleWidth() - kMargin - kSuggestWidth));
}

}  // namespace app
