#pragma once

#include <optional>
#include <string>

namespace os {

// The temporary files through which a file is replaced: named after the
// file with ".partial-" and six letters or digits, in the same folder, and
// held under an exclusive advisory lock (flock) for as long as they are open
// (where the file system has no locks, unlocked, and never swept).
// The lock tells every other program that the file is being written; the
// system lets go of it when the writer ends in any way, so a file of this
// naming that nobody holds is the leftover of a write that never finished.

struct LockedTemporary {
    int descriptor;
    std::string path;
};

// Creates and locks a new temporary file for `target` (readable and writable
// by the owner alone); nothing when the folder takes no new file.
std::optional<LockedTemporary> CreateLockedTemporary(const std::string& target);

// Removes the leftovers of interrupted replaces of `target`: the regular
// files of the temporary naming in its folder that belong to this user and
// that no program holds locked. Anything else, of any other name or held by
// a running program, is left alone.
void RemoveAbandonedTemporaries(const std::string& target);

}  // namespace os
