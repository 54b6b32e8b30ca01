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
        window.Item("t_gears", n).SetText(NumberText(gears.Count(n)));
    }
}

void ReadOption(frmMain& window, const char* key, const char* name, int index, bool defaultValue) {
    window.Item(name, index).SetOptionValue(ReadBooleanSetting(key, defaultValue));
}

void ReadText(frmMain& window, const char* key, const char* name, const char* defaultValue) {
    window.Item(name).SetText(ReadSetting(key, defaultValue));
}

// A leadscrew or a ratio side has no meaning below 0; such a stored value
// reads as 0, which lists nothing for a leadscrew and leaves a ratio out.
void ReadPositiveText(frmMain& window, const char* key, const char* name, const char* defaultValue) {
    const std::string text = ReadSetting(key, defaultValue);
    window.Item(name).SetText(calc::NumVal(text) < 0 ? "0" : text);
}

// A check box holds 0, 1 or 2; anything else read gives the default 0.
void ReadCheck(frmMain& window, const char* key, const char* name) {
    const std::int16_t value = ReadIntegerSetting(key, 0);
    window.Item(name).SetCheckValue(value >= 0 && value <= 2 ? value : 0);
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

void WriteOption(const frmMain& window, const char* key, const char* name, int index) {
    WriteSetting(key, BooleanText(window.Item(name, index).OptionValue()));
}

void WriteText(const frmMain& window, const char* key, const char* name) {
    WriteSetting(key, window.Item(name).Text());
}

void WriteCheck(const frmMain& window, const char* key, const char* name) {
    WriteSetting(key, NumberText(window.Item(name).CheckValue()));
}

}  // namespace

void ReadMainSettings(frmMain& window) {
    ReadGearList(window);
    ReadOption(window, "optScrew0", "optScrew", 0, true);
    ReadOption(window, "optScrew1", "optScrew", 1, false);
    ReadPositiveText(window, "screwpitchm", "screwpitchM", "1.5");
    ReadPositiveText(window, "screwpitchi", "screwpitchI", "16");
    ReadPositiveText(window, "prevl", "prevL", "40");
    ReadPositiveText(window, "prevr", "prevR", "40");
    ReadOption(window, "optPitch0", "Option1", 0, true);
    ReadOption(window, "optPitch1", "Option1", 1, false);
    ReadText(window, "txtPrecm", "txtPrecM", "0.1");
    ReadText(window, "txtPreci", "txtPrecI", "0.2");
    ReadCheck(window, "chkAll", "chkAll");
    ReadCheck(window, "chklow", "chkLow");
}

void WriteMainSettings(const frmMain& window) {
    WriteGearList(window);
    WriteOption(window, "optScrew0", "optScrew", 0);
    WriteOption(window, "optScrew1", "optScrew", 1);
    WriteText(window, "screwpitchm", "screwpitchM");
    WriteText(window, "screwpitchi", "screwpitchI");
    WriteOption(window, "optPitch0", "Option1", 0);
    WriteOption(window, "optPitch1", "Option1", 1);
    WriteText(window, "txtPreci", "txtPrecI");
    WriteText(window, "txtPrecm", "txtPrecM");
    WriteCheck(window, "chkLow", "chkLow");
    WriteCheck(window, "chkAll", "chkAll");
    WriteText(window, "prevl", "prevL");
    WriteText(window, "prevr", "prevR");
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
