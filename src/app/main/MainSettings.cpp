#include "app/main/MainSettings.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "app/files/Paths.h"
#include "app/files/SettingValues.h"
#include "app/files/Settings.h"
#include "app/files/WindowPlacement.h"
#include "app/main/MainLayout.h"
#include "app/main/MainSettingsTable.h"
#include "app/main/frmMain.h"
#include "calc/inputs/NumVal.h"
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

// Shows a stored text in the setting's control; false, leaving the control
// as it was, when the text does not read as that kind of value.
bool ShowStoredText(forms::Control& control, SettingKind kind, const std::string& text) {
    switch (kind) {
    case SettingKind::Option: {
        const std::optional<bool> value = ReadBooleanValue(text);
        if (value) control.SetOptionValue(*value);
        return value.has_value();
    }
    case SettingKind::Check: {
        const std::optional<std::int16_t> value = ReadIntegerValue(text);
        const bool valid = value && *value >= 0 && *value <= 2;
        if (valid) control.SetCheckValue(*value);
        return valid;
    }
    case SettingKind::Text: control.SetText(text); return true;
    // A leadscrew or a ratio side has no meaning below 0; such a stored value
    // reads as 0, which lists nothing for a leadscrew and leaves a ratio out.
    case SettingKind::PositiveText: control.SetText(calc::NumVal(text) < 0 ? "0" : text); return true;
    }
    return false;
}

std::string StoredText(const forms::Control& control, SettingKind kind) {
    switch (kind) {
    case SettingKind::Option: return BooleanText(control.OptionValue());
    case SettingKind::Check: return NumberText(control.CheckValue());
    case SettingKind::Text:
    case SettingKind::PositiveText: return control.Text();
    }
    return control.Text();
}

void ReadInput(frmMain& window, const MainSetting& setting) {
    forms::Control& control = ControlOf(window, setting.control);
    if (!ShowStoredText(control, setting.kind, ReadSetting(setting.key, setting.factory)))
        ShowStoredText(control, setting.kind, setting.factory);
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

}  // namespace

void ReadMainSettings(frmMain& window) {
    ReadGearList(window);
    for (const MainSetting& setting : MainSettings()) ReadInput(window, setting);
}

void WriteMainSettings(const frmMain& window) {
    WriteGearList(window);
    for (const MainSetting& setting : MainSettings())
        WriteSetting(setting.key, StoredText(ControlOf(window, setting.control), setting.kind));
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
