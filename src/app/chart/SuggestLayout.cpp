#include "app/chart/SuggestLayout.h"

#include <algorithm>
#include <string>

#include "app/files/LanguageFile.h"
#include "calc/inputs/FactoryInputs.h"
#include "forms/Control.h"
#include "forms/Form.h"

namespace app {

namespace {

constexpr int kMargin = 60;
constexpr int kLineHeight = 255;
constexpr int kBoxHeight = 285;
constexpr int kGap = 90;
constexpr int kCandidatesTop = kMargin + kBoxHeight + kGap;

// The candidates take the upper part and the threads of the selected one
// the lower, below their label.
void PlaceGrids(const SuggestControls& controls, int width, int height) {
    const int gridWidth = std::max(0, width - 2 * kMargin);
    const int shared = std::max(0, height - kCandidatesTop - kGap - kLineHeight - kMargin);
    const int candidates = shared * 2 / 5;
    forms::Control& label = controls.gainsLabel;
    controls.candidates.SetWidth(gridWidth);
    controls.candidates.SetHeight(candidates);
    label.SetTop(kCandidatesTop + candidates + kGap);
    label.SetWidth(gridWidth);
    forms::Control& gains = controls.gains;
    gains.SetTop(label.Top() + kLineHeight);
    gains.SetWidth(gridWidth);
    gains.SetHeight(shared - candidates);
}

}  // namespace

SuggestControls BuildSuggestLayout(forms::Form& window) {
    window.SetCaption(ReadLangText("suggestcaption", "frmChart", "Which gear should I buy?"));
    window.SetBorderStyle(forms::BorderSizable);
    window.SetClientSize(kSuggestClientWidth, kSuggestClientHeight);
    forms::Control& pairs =
        window.AddControl(forms::ControlKind::CheckBox, "chkPairs", {kMargin, kMargin, 1800, kLineHeight});
    pairs.SetCaption("Pairs of gears");
    pairs.SetTag("ttSuggestPairs");
    pairs.SetToolTipText("Two gears to buy together");
    forms::Control& from = window.AddControl(forms::ControlKind::Label, "lblRange", {2100, kMargin + 30, 900, kLineHeight});
    from.SetCaption("Teeth from");
    forms::Control& lowest = window.AddControl(forms::ControlKind::TextBox, "txtLowest", {3000, kMargin, 500, kBoxHeight});
    lowest.SetText(std::to_string(calc::factory::kSuggestLowest));
    forms::Control& to = window.AddControl(forms::ControlKind::Label, "lblRangeTo", {3580, kMargin + 30, 250, kLineHeight});
    to.SetCaption("to");
    forms::Control& highest = window.AddControl(forms::ControlKind::TextBox, "txtHighest", {3850, kMargin, 500, kBoxHeight});
    highest.SetText(std::to_string(calc::factory::kSuggestHighest));
    for (forms::Control* box : {&lowest, &highest}) {
        box->SetTag("ttSuggestRange");
        box->SetToolTipText("The tooth counts tried, besides 127 and a second gear of each size owned (1 to 400)");
    }
    forms::Control& candidates = window.AddControl(forms::ControlKind::Host, "vbGrid1", {kMargin, kCandidatesTop, 0, 0});
    forms::Control& label = window.AddControl(forms::ControlKind::Label, "lblGains", {kMargin, 0, 0, kLineHeight});
    label.SetCaption("The threads it brings within tolerance or makes exact, with their trains:");
    forms::Control& gains = window.AddControl(forms::ControlKind::Host, "vbGrid2", {kMargin, 0, 0, 0});
    const SuggestControls controls{pairs, lowest, highest, candidates, label, gains};
    PlaceGrids(controls, kSuggestClientWidth, kSuggestClientHeight);
    window.SetTabOrder({&pairs, &lowest, &highest, &candidates, &gains});
    return controls;
}

void LayoutSuggestWindow(const forms::Form& window, const SuggestControls& controls) {
    PlaceGrids(controls, window.ScaleWidth(), window.ScaleHeight());
}

}  // namespace app
