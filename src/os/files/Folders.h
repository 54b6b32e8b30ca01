#pragma once

#include <string>

namespace os {

// Whether a file (or folder) of that name exists.
bool FileExists(const std::string& path);

// Whether this process can create a file in the folder. Asked by creating a
// temporary file there and removing it again, because the permission bits
// alone do not tell: the superuser writes into a folder without write
// permission, and nobody writes into a read-only mount or into /proc.
bool FolderWritable(const std::string& folder);

// Creates the folder and any missing parents, each new one readable by the
// owner only (0700), as per-user configuration folders are made. True when
// the folder exists afterwards.
bool CreateFolderPath(const std::string& folder);

// The value of an environment variable; empty when it is not set.
std::string EnvironmentValue(const std::string& name);

// The home folder that the user database gives for this process's user;
// empty when the user has no entry there or the entry names no folder.
std::string UserDatabaseHome();

}  // namespace os
