#include "app/main/MainLayout.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "calc/inputs/FactoryInputs.h"
#include "forms/Control.h"
#include "forms/Form.h"

namespace app {

namespace {

using forms::ControlKind;

struct ControlPlacement {
    ControlKind kind;
    const char* name;
    int index;
    const char* container;  // empty: the window itself
    std::string text;       // caption, or text of a text box
    const char* toolTip;
    const char* tag;        // the language key of the tooltip
    forms::TwipsRect bounds;
};

const std::vector<ControlPlacement>& LayoutTable() {
    static const std::vector<ControlPlacement> table = {
        {ControlKind::Frame, "Frame4", -1, "", "Misc", "", "", {60, 30, 9465, 735}},
        {ControlKind::Label, "lblPrev", -1, "Frame4", "Prev Divisor", "", "", {150, 360, 2235, 255}},
        {ControlKind::TextBox, "prevL", -1, "Frame4", std::to_string(calc::factory::kRatioLeft), "", "",
         {2430, 330, 495, 285}},
        {ControlKind::Label, "Label5", -1, "Frame4", ":", "", "", {2940, 360, 135, 255}},
        {ControlKind::TextBox, "prevR", -1, "Frame4", std::to_string(calc::factory::kRatioRight), "", "",
         {3030, 330, 495, 285}},
        {ControlKind::CommandButton, "btnPrint", -1, "Frame4", "Print!", "", "ttPrint", {6060, 240, 1005, 375}},
        {ControlKind::Frame, "Frame1", -1, "", "Gears set", "", "", {60, 810, 9525, 765}},
        {ControlKind::TextBox, "t_gears", 0, "Frame1", "", "", "", {150, 300, 375, 285}},
        {ControlKind::Frame, "Frame2", -1, "", "Lead Screw pitch", "", "", {60, 1620, 3225, 1065}},
        {ControlKind::OptionButton, "optScrew", 0, "Frame2", "", "", "", {450, 450, 225, 255}},
        {ControlKind::TextBox, "screwpitchM", -1, "Frame2", "", "", "", {780, 450, 495, 285}},
        {ControlKind::Label, "Label1", -1, "Frame2", "mm", "", "", {1320, 480, 285, 285}},
        {ControlKind::OptionButton, "optScrew", 1, "Frame2", "", "", "", {1920, 450, 225, 255}},
        {ControlKind::TextBox, "screwpitchI", -1, "Frame2", "", "", "", {2220, 450, 495, 285}},
        {ControlKind::Label, "Label2", -1, "Frame2", "Tpi", "", "", {2790, 480, 375, 225}},
        {ControlKind::Frame, "Frame3", -1, "", "Pitch reqired", "", "", {3420, 1620, 3735, 1065}},
        {ControlKind::TextBox, "reqPitch", -1, "Frame3", "", "", "", {210, 420, 795, 345}},
        {ControlKind::OptionButton, "Option1", 0, "Frame3", "mm", "", "", {1110, 270, 705, 315}},
        {ControlKind::OptionButton, "Option1", 1, "Frame3", "/inch", "", "", {1110, 600, 705, 315}},
        {ControlKind::Label, "Label3", -1, "Frame3", "precision, %", "", "", {2160, 480, 915, 225}},
        {ControlKind::TextBox, "txtPrecM", -1, "Frame3", "0.5", "Precision for metric threads", "precM_tt",
         {3150, 330, 495, 285}},
        {ControlKind::TextBox, "txtPrecI", -1, "Frame3", "0.5", "Precision for inch threads", "precI_tt",
         {3150, 630, 495, 285}},
        {ControlKind::CheckBox, "chkLow", -1, "", "include possibly incorrect sets",
         "Some gear sets may be too small to reach each other", "chkLow_tt", {2220, 2760, 3195, 225}},
        {ControlKind::CheckBox, "chkAll", -1, "", "include intersecting sets",
         "Some gear sets can intersects with gear A shaft or leadscrew", "chkAll_tt", {2220, 3030, 3225, 195}},
        {ControlKind::CommandButton, "btnCalc", -1, "", "Calculate!", "", "", {5520, 2760, 1695, 465}},
        {ControlKind::Picture, "Image1", -1, "", "", "", "", {90, 2760, 1950, 3540}},
        {ControlKind::Host, "vbGrid1", -1, "", "", "", "", {2130, 3300, 5085, 2985}},
    };
    return table;
}

void AddLaidOutControl(forms::Form& window, const ControlPlacement& entry) {
    forms::Control* container = *entry.container ? window.Find(entry.container) : nullptr;
    forms::Control& control = window.AddControl(entry.kind, entry.name, entry.bounds, container, entry.index);
    if (entry.kind == ControlKind::TextBox) control.SetText(entry.text);
    else control.SetCaption(entry.text);
    control.SetToolTipText(entry.toolTip);
    control.SetTag(entry.tag);
}

// The window's controls by name, each found once.
class ControlFinder {
public:
    explicit ControlFinder(const forms::Form& window) : window_(window) {}
    forms::Control& operator()(const char* name, int index = -1) const { return window_.Item(name, index); }
    std::array<forms::Control*, 2> Pair(const char* name) const { return {&(*this)(name, 0), &(*this)(name, 1)}; }

private:
    const forms::Form& window_;
};

}  // namespace

MainControls FindMainControls(const forms::Form& window) {
    const ControlFinder item(window);
    std::array<forms::Control*, kGearBoxCount> gearBoxes{};
    gearBoxes[0] = &item("t_gears", 0);
    for (int n = 1; n < kGearBoxCount; ++n) gearBoxes[n] = window.Find("t_gears", n);
    return {
        .inputs = {.includeLow = item("chkLow"),
                   .includeIntersecting = item("chkAll"),
                   .leadscrewUnit = item.Pair("optScrew"),
                   .leadscrewMm = item("screwpitchM"),
                   .leadscrewTpi = item("screwpitchI"),
                   .ratioLeft = item("prevL"),
                   .ratioRight = item("prevR"),
                   .requestUnit = item.Pair("Option1"),
                   .request = item("reqPitch"),
                   .toleranceMm = item("txtPrecM"),
                   .toleranceTpi = item("txtPrecI")},
        .gearFrame = item("Frame1"),
        .gearBoxes = gearBoxes,
        .leadscrewFrame = item("Frame2"),
        .mmLabel = item("Label1"),
        .tpiLabel = item("Label2"),
        .requestFrame = item("Frame3"),
        .toleranceLabel = item("Label3"),
        .calculate = item("btnCalc"),
        .miscFrame = item("Frame4"),
        .ratioLabel = item("lblPrev"),
        .ratioColon = item("Label5"),
        .print = item("btnPrint"),
        .sketch = item("Image1"),
        .grid = item("vbGrid1"),
    };
}

MainControls BuildMainLayout(forms::Form& window) {
    window.SetCaption("Kestrany");
    window.SetBorderStyle(forms::BorderSizable);
    window.SetClientSize(kClientWidth, kClientHeight);
    for (const ControlPlacement& entry : LayoutTable()) AddLaidOutControl(window, entry);
    const MainControls controls = FindMainControls(window);
    controls.ratioColon.SetFontBold(true);
    controls.ratioColon.SetFontSize(8.25);
    controls.print.SetEnabled(false);
    controls.calculate.SetEnabled(false);
    controls.calculate.SetDefault(true);
    SetMainTabOrder(window, controls);
    return controls;
}

void SetMainTabOrder(forms::Form& window, const MainControls& controls) {
    const InputControls& in = controls.inputs;
    std::vector<forms::Control*> order = {&controls.gearFrame};
    for (forms::Control* box : controls.gearBoxes)
        if (box) order.push_back(box);
    order.insert(order.end(), {&controls.leadscrewFrame, in.leadscrewUnit[0], in.leadscrewUnit[1], &in.leadscrewMm,
                               &in.leadscrewTpi, &controls.mmLabel, &controls.tpiLabel, &controls.requestFrame,
                               in.requestUnit[0], in.requestUnit[1], &in.request, &controls.calculate,
                               &controls.toleranceLabel, &in.toleranceMm, &in.toleranceTpi, &in.includeLow,
                               &in.includeIntersecting, &controls.miscFrame, &in.ratioLeft, &controls.ratioLabel,
                               &controls.ratioColon, &in.ratioRight, &controls.print, &controls.grid});
    window.SetTabOrder(order);
}

bool IsGearBox(const MainControls& controls, const forms::Control& control) {
    const int n = control.Index();
    return n >= 0 && n < kGearBoxCount && controls.gearBoxes[n] == &control;
}

}  // namespace app
