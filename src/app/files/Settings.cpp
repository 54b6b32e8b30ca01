#include "app/files/Settings.h"

#include "app/files/FailureMessage.h"
#include "app/files/IniFile.h"
#include "app/files/LanguageTexts.h"
#include "app/files/Paths.h"
#include "app/files/SettingValues.h"
#include "os/files/ProfileFiles.h"

namespace app {

std::string ReadSetting(const std::string& key, const std::string& defaultValue) {
    return ReadIni(kSettingsSection, key, defaultValue, "");
}

std::string WriteSetting(const std::string& key, const std::string& value) {
    WriteIni(kSettingsSection, key, value, IniPath());
    return value;
}

std::int32_t ReadLongSetting(const std::string& key, std::int32_t defaultValue) {
    return ReadLongValue(ReadSetting(key, NumberText(defaultValue))).value_or(defaultValue);
}

std::int16_t ReadIntegerSetting(const std::string& key, std::int16_t defaultValue) {
    return ReadIntegerValue(ReadSetting(key, NumberText(defaultValue))).value_or(defaultValue);
}

bool ReadBooleanSetting(const std::string& key, bool defaultValue) {
    return ReadBooleanValue(ReadSetting(key, BooleanText(defaultValue))).value_or(defaultValue);
}

void ReportSettingsNotSaved(os::HWND owner, const std::string& path) {
    TellFailure(owner, kSettingsNotSavedText, path);
}

void ReportSettingsKeptInMemory(os::HWND owner) { TellFailure(owner, kSettingsInMemoryText); }

double ClampValue(double low, double value, double high) {
    if (value < low) return low;
    if (value > high) return high;
    return value;
}

}  // namespace app
