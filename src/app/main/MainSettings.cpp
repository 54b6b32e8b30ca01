#include "app/main/MainSettings.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "app/main/MainLayout.h"
#include "app/files/Paths.h"
#include "app/files/SettingValues.h"
#include "app/files/Settings.h"
#include "app/files/WindowPlacement.h"
#include "app/main/frmMain.h"
#include "calc/inputs/NumVal.h"
#include "forms/Control.h"
#include "os/files/ProfileFiles.h"

namespace app {

namespace {

constexpr int kHighestGearBox = kGearBoxCount - 1;

std::string GearKey(int n) { return "gears_" + std::to_string(n); }

// A gear has at least one tooth: a stored count of 0 or less is an empty slot.
std::int32_t StoredToothCount(int n, std::int32_t defaultValue) {
    return std::max(0, ReadLongSetting(GearKey(n), defaultValue));
}

// A stored count of -1 (all boxes were empty) gives an empty list; a count
// beyond the last gear box is held at the last box.
void ReadGearList(frmMain& window) {
    calc::GearSet& gears = window.Gears();
    const std::int32_t count = std::min(ReadLongSetting("Gears_count", gears.Upper()), kHighestGearBox);
    if (count < 0) {
        gears.Resize(0);
        gears.SetCount(0, 0);
        return;
    }
    gears.Resize(count);
    for (int n = 0; n <= count; ++n) {
        gears.SetCount(n, StoredToothCount(n, gears.Count(n)));
        window.Controls().gearBoxes[n]->SetText(NumberText(gears.Count(n)));
    }
}

void ReadOption(forms::Control& option, const char* key, bool defaultValue) {
    option.SetOptionValue(ReadBooleanSetting(key, defaultValue));
}

void ReadText(forms::Control& box, const char* key, const char* defaultValue) {
    box.SetText(ReadSetting(key, defaultValue));
}

// A leadscrew or a ratio side has no meaning below 0; such a stored value
// reads as 0, which lists nothing for a leadscrew and leaves a ratio out.
void ReadPositiveText(forms::Control& box, const char* key, const char* defaultValue) {
    const std::string text = ReadSetting(key, defaultValue);
    box.SetText(calc::NumVal(text) < 0 ? "0" : text);
}

// A check box holds 0, 1 or 2; anything else read gives the default 0.
void ReadCheck(forms::Control& box, const char* key) {
    const std::int16_t value = ReadIntegerSetting(key, 0);
    box.SetCheckValue(value >= 0 && value <= 2 ? value : 0);
}

void WriteGearList(const frmMain& window) {
    const calc::GearSet& gears = window.Gears();
    int written = 0;
    for (int n = 0; n <= gears.Upper(); ++n) {
        if (gears.Count(n) == 0) continue;
        WriteSetting(GearKey(written), NumberText(gears.Count(n)));
        ++written;
    }
    WriteSetting("Gears_count", NumberText(written - 1));
}

void WriteOption(const forms::Control& option, const char* key) {
    WriteSetting(key, BooleanText(option.OptionValue()));
}

void WriteText(const forms::Control& box, const char* key) { WriteSetting(key, box.Text()); }

void WriteCheck(const forms::Control& box, const char* key) { WriteSetting(key, NumberText(box.CheckValue())); }

}  // namespace

void ReadMainSettings(frmMain& window) {
    ReadGearList(window);
    const InputControls& in = window.Inputs();
    ReadOption(*in.leadscrewUnit[0], "optScrew0", true);
    ReadOption(*in.leadscrewUnit[1], "optScrew1", false);
    ReadPositiveText(in.leadscrewMm, "screwpitchm", "1.5");
    ReadPositiveText(in.leadscrewTpi, "screwpitchi", "16");
    ReadPositiveText(in.ratioLeft, "prevl", "40");
    ReadPositiveText(in.ratioRight, "prevr", "40");
    ReadOption(*in.requestUnit[0], "optPitch0", true);
    ReadOption(*in.requestUnit[1], "optPitch1", false);
    ReadText(in.toleranceMm, "txtPrecm", "0.1");
    ReadText(in.toleranceTpi, "txtPreci", "0.2");
    ReadCheck(in.includeIntersecting, "chkAll");
    ReadCheck(in.includeLow, "chklow");
}

void WriteMainSettings(const frmMain& window) {
    WriteGearList(window);
    const InputControls& in = window.Inputs();
    WriteOption(*in.leadscrewUnit[0], "optScrew0");
    WriteOption(*in.leadscrewUnit[1], "optScrew1");
    WriteText(in.leadscrewMm, "screwpitchm");
    WriteText(in.leadscrewTpi, "screwpitchi");
    WriteOption(*in.requestUnit[0], "optPitch0");
    WriteOption(*in.requestUnit[1], "optPitch1");
    WriteText(in.toleranceTpi, "txtPreci");
    WriteText(in.toleranceMm, "txtPrecm");
    WriteCheck(in.includeLow, "chkLow");
    WriteCheck(in.includeIntersecting, "chkAll");
    WriteText(in.ratioLeft, "prevl");
    WriteText(in.ratioRight, "prevr");
}

void SaveMainSettings(frmMain& window) {
    forms::Form& form = window.Window();
    if (IniPath().empty()) {
        ReportSettingsKeptInMemory(form.hWnd());
        return;
    }
    os::ProfileWriteBatch batch(IniPath());
    WriteMainSettings(window);
    SaveWindowPlacement(form);
    if (!batch.Commit()) ReportSettingsNotSaved(form.hWnd(), IniPath());
}

}  // namespace app
