#include "app/WindowPlacement.h"

#include <cstdint>
#include <string>

#include "app/IniFile.h"
#include "app/Paths.h"
#include "app/SettingValues.h"
#include "app/Settings.h"
#include "forms/Form.h"
#include "forms/Screen.h"

namespace app {

namespace {

std::int32_t ReadPlacementValue(const std::string& section, const std::string& key, std::int32_t current) {
    return ReadLongValue(ReadIni(section, key, NumberText(current), "")).value_or(current);
}

bool IsSizable(const forms::Form& window) { return window.BorderStyle() == forms::BorderSizable; }

}  // namespace

void RestoreWindowPlacement(forms::Form& window) {
    const std::string& section = window.Name();
    const double x = ReadPlacementValue(section, "x", window.Left());
    const double y = ReadPlacementValue(section, "y", window.Top());
    std::int32_t w = window.Width();
    std::int32_t h = window.Height();
    if (IsSizable(window)) {
        w = ReadPlacementValue(section, "w", w);
        h = ReadPlacementValue(section, "h", h);
    }
    const double left = ClampValue(0, x, forms::ScreenWidth() - w);
    const double top = ClampValue(0, y, forms::ScreenHeight() - h);
    window.Move(static_cast<std::int32_t>(left), static_cast<std::int32_t>(top), w, h);
}

void SaveWindowPlacement(const forms::Form& window) {
    const std::string& section = window.Name();
    WriteIni(section, "x", NumberText(window.Left()), IniPath());
    WriteIni(section, "y", NumberText(window.Top()), IniPath());
    WriteIni(section, "w", NumberText(window.Width()), IniPath());
    WriteIni(section, "h", NumberText(window.Height()), IniPath());
}

}  // namespace app
