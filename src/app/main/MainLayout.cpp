#include "app/main/MainLayout.h"

#include <string>
#include <utility>
#include <vector>

#include "calc/inputs/FactoryInputs.h"
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

}  // namespace

void BuildMainLayout(forms::Form& window) {
    window.SetCaption("Kestrany");
    window.SetBorderStyle(forms::BorderSizable);
    window.SetClientSize(kClientWidth, kClientHeight);
    for (const ControlPlacement& entry : LayoutTable()) AddLaidOutControl(window, entry);
    forms::Control& colon = *window.Find("Label5");
    colon.SetFontBold(true);
    colon.SetFontSize(8.25);
    window.Find("btnPrint")->SetEnabled(false);
    forms::Control& calculate = *window.Find("btnCalc");
    calculate.SetEnabled(false);
    calculate.SetDefault(true);
    SetMainTabOrder(window);
}

namespace {
// Stands for every element of a control array in the tab order.
constexpr int kWholeArray = -2;
}  // namespace

void SetMainTabOrder(forms::Form& window) {
    const std::vector<std::pair<const char*, int>> order = {
        {"Frame1", -1},  {"t_gears", kWholeArray},     {"Frame2", -1},      {"optScrew", 0}, {"optScrew", 1},
        {"screwpitchM", -1}, {"screwpitchI", -1}, {"Label1", -1}, {"Label2", -1},  {"Frame3", -1},
        {"Option1", 0},  {"Option1", 1},      {"reqPitch", -1},    {"btnCalc", -1}, {"Label3", -1},
        {"txtPrecM", -1}, {"txtPrecI", -1},   {"chkLow", -1},      {"chkAll", -1},  {"Frame4", -1},
        {"prevL", -1},   {"lblPrev", -1},     {"Label5", -1},      {"prevR", -1},   {"btnPrint", -1},
        {"vbGrid1", -1},
    };
    std::vector<forms::Control*> controls;
    for (const auto& [name, index] : order) {
        if (index != kWholeArray) {
            if (forms::Control* control = window.Find(name, index)) controls.push_back(control);
            continue;
        }
        for (int n = 0; n < kGearBoxCount; ++n) {
            if (forms::Control* box = window.Find(name, n)) controls.push_back(box);
        }
    }
    window.SetTabOrder(controls);
}

}  // namespace app
