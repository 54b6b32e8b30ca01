#include "app/files/IniFile.h"

#include <filesystem>

#include "app/files/Paths.h"
#include "os/files/Folders.h"
#include "os/files/ProfileDocument.h"
#include "os/files/ProfileFiles.h"

namespace app {

namespace {

constexpr os::DWORD kValueBufferSize = 255;

// Where the settings live when there is no settings file (no home folder is
// known): for as long as the program runs.
os::ProfileDocument& SettingsInMemory() {
    static os::ProfileDocument document("");
    return document;
}

}  // namespace

std::string TrimAtNul(const std::string& text) { return text.substr(0, text.find('\0')); }

std::string ReadIni(const std::string& section, const std::string& key, const std::string& defaultValue,
                    const std::string& file) {
    const std::string& path = file.empty() ? IniPath() : file;
    if (path.empty()) return SettingsInMemory().Value(section, key).value_or(defaultValue);
    std::string buffer(kValueBufferSize, '\0');
    os::GetPrivateProfileString(section, key, defaultValue, buffer.data(), kValueBufferSize, path);
    return TrimAtNul(buffer);
}

bool WriteIni(const std::string& section, const std::string& key, const std::string& value,
              const std::string& file) {
    if (file.empty()) {
        SettingsInMemory().SetValue(section, key, value);
        return true;
    }
    const std::string folder = std::filesystem::path(file).parent_path().string();
    if (!folder.empty() && !os::FileExists(folder) && !os::CreateFolderPath(folder)) return false;
    return os::WritePrivateProfileString(section, key, value, file);
}

}  // namespace app
