#include "app/files/FileLocations.h"

#include <filesystem>

#include "app/files/Paths.h"
#include "os/files/Folders.h"

namespace app {

namespace {

constexpr const char* kProgramFolder = "kestrany";

std::string InFolder(const std::string& folder, const std::string& name) {
    return (std::filesystem::path(folder) / name).string();
}

bool IsAbsolute(const std::string& folder) { return !folder.empty() && folder.front() == '/'; }

std::string FolderOf(const std::string& path) { return std::filesystem::path(path).parent_path().string(); }

}  // namespace

FileSystemView RealFileSystem() {
    return {os::FileExists, os::FolderWritable, os::EnvironmentValue, os::UserDatabaseHome};
}

std::string UserConfigFolder(const FileSystemView& view) {
    const std::string configHome = view.environment("XDG_CONFIG_HOME");
    if (IsAbsolute(configHome)) return InFolder(configHome, kProgramFolder);
    std::string home = view.environment("HOME");
    if (!IsAbsolute(home) && view.userDatabaseHome) home = view.userDatabaseHome();
    if (!IsAbsolute(home)) return {};
    return InFolder(InFolder(home, ".config"), kProgramFolder);
}

std::string ChooseSettingsPath(const std::string& exeFolder, const std::string& exeName,
                               const std::string& dataFolder, const FileSystemView& view) {
    const std::string beside = SettingsPathFor(exeFolder, exeName);
    if (view.fileExists(beside)) return beside;
    const bool installed = view.fileExists(dataFolder);
    if (!installed && view.folderWritable(exeFolder)) return beside;
    const std::string configFolder = UserConfigFolder(view);
    if (configFolder.empty()) return {};
    return SettingsPathFor(configFolder, exeName);
}

std::string ChooseLanguagePath(const std::string& exeFolder, const std::string& dataFolder,
                               const std::string& settingsPath, const FileSystemView& view) {
    const std::string configFolder = UserConfigFolder(view);
    for (const std::string& folder : {exeFolder, configFolder, dataFolder}) {
        if (folder.empty()) continue;
        const std::string candidate = LanguagePathFor(folder);
        if (view.fileExists(candidate)) return candidate;
    }
    if (!settingsPath.empty()) return LanguagePathFor(FolderOf(settingsPath));
    return LanguagePathFor(view.fileExists(dataFolder) ? dataFolder : exeFolder);
}

}  // namespace app
