#pragma once

#include <string>

#include "app/files/FileLocations.h"

namespace app {

// A name without its extension: when the last four characters hold a ".",
// those four characters are dropped; otherwise the name stays whole.
std::string StripExtension(const std::string& name);

// The settings file beside the executable: folder, separator, the base name
// without extension, ".ini".
std::string SettingsPathFor(const std::string& folder, const std::string& baseName);
// The language file beside the executable: folder, separator, "lang.txt".
std::string LanguagePathFor(const std::string& folder);

// The two file paths of the process, formed once at start-up.
const std::string& IniPath();
const std::string& LangPath();
void SetIniPath(std::string path);
void SetLangPath(std::string path);
// The installed data folder (share/kestrany) of an executable installed in
// `exeFolder`, found relative to it so an installed tree can be moved.
std::string InstalledDataFolder(const std::string& exeFolder);
// Forms both from the running executable's folder and name, the user's
// configuration folder and the installed data folder (see FileLocations.h).
void FormFilePaths();
// The same for the executable at `executablePath` on the machine `view`.
// Its file name goes through StripExtension once, whole: "kestrany-1.0"
// and "kestrany.1.2" both keep "kestrany.ini".
void FormFilePathsFor(const std::string& executablePath, const FileSystemView& view);

}  // namespace app
