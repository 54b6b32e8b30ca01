#pragma once

#include <string>

#include "os/types/Types.h"

namespace os {

// INI files read and written the way the private-profile functions of the
// window system do: section and key names compared without regard to case,
// the file created by the first write. Every read looks at the file again;
// its parsed content is kept only while the file's stamp (identity, size,
// times) stays the same, and each write of ours drops it, so a value written
// is seen by the next read. Texts are UTF-8; a file that is not valid UTF-8 is read as
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

// Collects the writes to one file in memory, so that a window's many keys
// reach the disk in one replace: either all of them or, when that fails,
// none (the previous file stays whole). While a batch is open, writes to its
// file return true and reads of its file see the collected values. Writes
// that were not committed are dropped with the batch. One batch at a time.
class ProfileWriteBatch {
public:
    explicit ProfileWriteBatch(const std::string& fileName);
    ~ProfileWriteBatch();
    ProfileWriteBatch(const ProfileWriteBatch&) = delete;
    ProfileWriteBatch& operator=(const ProfileWriteBatch&) = delete;

    // Replaces the file with everything written so far; false when the file
    // could not be written.
    bool Commit();
};

}  // namespace os
