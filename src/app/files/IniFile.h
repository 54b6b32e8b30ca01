#pragma once

#include <string>

namespace app {

// The part of a text before its first NUL character.
std::string TrimAtNul(const std::string& text);

// One value of an INI file, or the default when the file, section or key is
// missing; at most 254 characters. An empty file argument means IniPath;
// when that is empty too (no settings file), the settings kept in memory.
std::string ReadIni(const std::string& section, const std::string& key, const std::string& defaultValue,
                    const std::string& file = "");

// Stores one value in an INI file, creating the file's folder first when it
// is missing (a settings file in the user's configuration folder gets its
// folder on the first write). A failed write is passed over; returns whether
// the value was stored. An empty file argument stores the value in the
// settings kept in memory.
bool WriteIni(const std::string& section, const std::string& key, const std::string& value,
              const std::string& file);

}  // namespace app
