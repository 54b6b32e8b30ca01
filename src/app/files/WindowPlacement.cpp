#include "app/files/WindowPlacement.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "app/files/IniFile.h"
#include "app/files/Paths.h"
#include "app/files/SettingValues.h"
#include "app/files/Settings.h"
#include "forms/Form.h"
#include "forms/Screen.h"

namespace app {

namespace {

std::int32_t ReadPlacementValue(const std::string& section, const std::string& key, std::int32_t current) {
    return ReadLongValue(ReadIni(section, key, NumberText(current), "")).value_or(current);
}

// A stored size fits the screen's free area and is never below the window's
// smallest size, however the file was edited; without one the size stays.
double StoredSize(const std::string& section, const std::string& key, double current, double minimum,
                  double available) {
    const auto stored = ReadLongValue(ReadIni(section, key, "", ""));
    if (!stored) return current;
    return std::max(minimum, ClampValue(0, *stored, available));
}

bool IsSizable(const forms::Form& window) { return window.BorderStyle() == forms::BorderSizable; }

}  // namespace

// The size is the window's inside (client) size. A window manager frames a
// window only after it is shown, so an outer size cannot be given to a
// window before then; the inside size is set exactly and comes back the
// same however thick the frame is. The position is the frame's.
void RestoreWindowPlacement(forms::Form& window, std::int32_t minimumWidth, std::int32_t minimumHeight) {
    const std::string& section = window.Name();
    const double x = ReadPlacementValue(section, "x", window.Left());
    const double y = ReadPlacementValue(section, "y", window.Top());
    const double frameWidth = window.Width() - window.ScaleWidth();  // 0 while not yet framed
    const double frameHeight = window.Height() - window.ScaleHeight();
    double w = window.ScaleWidth();
    double h = window.ScaleHeight();
    if (IsSizable(window)) {
        w = StoredSize(section, "w", w, minimumWidth, forms::AvailableWidth() - frameWidth);
        h = StoredSize(section, "h", h, minimumHeight, forms::AvailableHeight() - frameHeight);
    }
    const double left = std::max(0.0, ClampValue(0, x, forms::ScreenWidth() - w - frameWidth));
    const double top = std::max(0.0, ClampValue(0, y, forms::ScreenHeight() - h - frameHeight));
    window.Move(static_cast<std::int32_t>(left), static_cast<std::int32_t>(top), window.Width(), window.Height());
    window.SetClientSize(static_cast<std::int32_t>(w), static_cast<std::int32_t>(h));
}

void SaveWindowPlacement(const forms::Form& window) {
    const std::string& section = window.Name();
    WriteIni(section, "x", NumberText(window.Left()), IniPath());
    WriteIni(section, "y", NumberText(window.Top()), IniPath());
    WriteIni(section, "w", NumberText(window.ScaleWidth()), IniPath());
    WriteIni(section, "h", NumberText(window.ScaleHeight()), IniPath());
}

}  // namespace app
