#pragma once

#include <string>

#include "os/windows/Types.h"

namespace os {

// INI files read and written the way the private-profile functions of the
// window system do: section and key names compared without regard to case,
// nothing cached (every call opens the file), the file created by the first
// write. Texts are UTF-8; a file that is not valid UTF-8 is read as
// ISO-8859-1 (Latin-1) and written back as UTF-8.

// Copies the value of the key, or the default when the file, the section or
// the key is missing, into the buffer: at most size - 1 bytes, then a NUL.
// Returns the number of bytes copied, without the NUL.
DWORD GetPrivateProfileString(const std::string& section, const std::string& key, const std::string& defaultValue,
                              char* buffer, DWORD size, const std::string& fileName);

// Stores the value under the key, adding the section and the key as needed.
// The file is replaced whole through a temporary file in the same folder and
// a rename, so a failed write leaves the previous file as it was. Returns
// false when the file could not be written.
bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& fileName);

}  // namespace os
