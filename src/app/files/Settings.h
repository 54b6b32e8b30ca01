#pragma once

#include <cstdint>
#include <string>

#include "os/types/Types.h"

namespace app {

// The settings file's section of the main window's inputs.
inline constexpr const char* kSettingsSection = "sets";

// A value of section "sets" of the settings file, or the default.
std::string ReadSetting(const std::string& key, const std::string& defaultValue);
// Stores a value in section "sets"; a failed write is ignored. Returns the value.
std::string WriteSetting(const std::string& key, const std::string& value);

// The same, read as a number, a 16-bit integer or a Boolean; the default
// also stands for a stored text that does not read.
std::int32_t ReadLongSetting(const std::string& key, std::int32_t defaultValue);
std::int16_t ReadIntegerSetting(const std::string& key, std::int16_t defaultValue);
bool ReadBooleanSetting(const std::string& key, bool defaultValue);

// Tells the user that the settings could not be written to the file; the
// previous file, if any, was left whole.
void ReportSettingsNotSaved(os::HWND owner, const std::string& path);

// Tells the user that no home folder is known, so the settings cannot be
// saved and last only as long as the program runs.
void ReportSettingsKeptInMemory(os::HWND owner);

// low when value < low; otherwise high when value > high; otherwise value.
double ClampValue(double low, double value, double high);

}  // namespace app
