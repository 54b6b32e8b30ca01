#include "app/files/Paths.h"

#include <filesystem>

#include "os/desktop/Application.h"

namespace app {

namespace {

// This platform's folder separator stands where the settings layout has a backslash.
constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

std::string& StoredIniPath() {
    static std::string path;
    return path;
}

std::string& StoredLangPath() {
    static std::string path;
    return path;
}

}  // namespace

std::string StripExtension(const std::string& name) {
    const std::size_t tail = name.size() < 4 ? 0 : name.size() - 4;
    if (name.find('.', tail) == std::string::npos) return name;
    return name.substr(0, tail);
}

std::string SettingsPathFor(const std::string& folder, const std::string& baseName) {
    return folder + kSeparator + StripExtension(baseName) + ".ini";
}

std::string LanguagePathFor(const std::string& folder) { return folder + kSeparator + "lang" + ".txt"; }

const std::string& IniPath() { return StoredIniPath(); }
const std::string& LangPath() { return StoredLangPath(); }
void SetIniPath(std::string path) { StoredIniPath() = std::move(path); }
void SetLangPath(std::string path) { StoredLangPath() = std::move(path); }

std::string InstalledDataFolder(const std::string& exeFolder) {
    return (std::filesystem::path(exeFolder) / KESTRANY_DATA_FROM_BIN).lexically_normal().string();
}

void FormFilePaths() { FormFilePathsFor(os::ExecutablePath(), RealFileSystem()); }

void FormFilePathsFor(const std::string& executablePath, const FileSystemView& view) {
    const std::filesystem::path executable(executablePath);
    const std::string folder = executable.parent_path().string();
    const std::string dataFolder = InstalledDataFolder(folder);
    SetIniPath(ChooseSettingsPath(folder, executable.filename().string(), dataFolder, view));
    SetLangPath(ChooseLanguagePath(folder, dataFolder, IniPath(), view));
}

}  // namespace app
