#pragma once

#include <functional>
#include <string>

namespace app {

// What choosing the places of the settings and language files asks of the
// machine; tests answer in its place.
struct FileSystemView {
    std::function<bool(const std::string&)> fileExists;
    std::function<bool(const std::string&)> folderWritable;
    // An environment variable's value, empty when unset.
    std::function<std::string(const std::string&)> environment;
    // The user's home folder in the user database, empty when it has none.
    std::function<std::string()> userDatabaseHome;
};

// The machine itself.
FileSystemView RealFileSystem();

// The user's configuration folder for Kestrany: $XDG_CONFIG_HOME/kestrany
// when that variable holds an absolute path, else HOME/.config/kestrany with
// HOME from the environment or, without it, from the user database; empty
// when no absolute home folder is known.
std::string UserConfigFolder(const FileSystemView& view);

// The settings file for the executable `exeName` in `exeFolder`. It stays
// beside the executable when that file exists, or when the folder can be
// written and the executable is not an installed one (a copy run from a
// folder or a USB stick keeps its settings with it). Otherwise it lives in
// the user's configuration folder under the same name. An installed
// executable has its data folder `dataFolder` (share/kestrany) beside its
// bin folder; it keeps settings per user even where its folder can be
// written (by the superuser in /usr/bin, or in ~/.local/bin), so that no
// file the package does not own is left in bin/. Without a configuration
// folder there is no settings file: the result is empty, and the settings
// are kept in memory for as long as the program runs.
std::string ChooseSettingsPath(const std::string& exeFolder, const std::string& exeName,
                               const std::string& dataFolder, const FileSystemView& view);

// The language file: the first "lang.txt" found beside the executable, in
// the user's configuration folder, then in the installed data folder. When
// there is none, the one beside the settings file, where a written template
// lands (beside the executable, or in the installed data folder, when the
// settings are kept in memory).
std::string ChooseLanguagePath(const std::string& exeFolder, const std::string& dataFolder,
                               const std::string& settingsPath, const FileSystemView& view);

}  // namespace app
