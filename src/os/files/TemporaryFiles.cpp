#include "os/files/TemporaryFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <vector>

namespace os {

namespace {

constexpr const char* kMarker = ".partial-";
constexpr std::size_t kRandomLength = 6;  // what mkostemp puts in place of XXXXXX
constexpr int kAttempts = 8;

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether the path still names the file open on the descriptor.
bool StillNamed(int descriptor, const std::string& path) {
    struct stat opened {}, named {};
    return ::fstat(descriptor, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 && SameFile(opened, named);
}

bool TemporaryName(const std::string& name, const std::string& prefix) {
    if (name.size() != prefix.size() + kRandomLength || name.compare(0, prefix.size(), prefix) != 0) return false;
    for (std::size_t i = prefix.size(); i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

bool OwnRegularFile(const struct stat& info) { return S_ISREG(info.st_mode) && info.st_uid == ::geteuid(); }

// Removes one candidate when it is an own regular file that nobody holds.
// It is locked before it is removed, so a writer that opens it meanwhile
// finds its lock refused or its file gone and takes another name.
void RemoveIfAbandoned(int folder, const char* name) {
    struct stat before {};
    if (::fstatat(folder, name, &before, AT_SYMLINK_NOFOLLOW) != 0 || !OwnRegularFile(before)) return;
    const int descriptor = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return;
    struct stat opened {}, named {};
    if (::fstat(descriptor, &opened) == 0 && OwnRegularFile(opened) && ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 &&
        ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(opened, named))
        ::unlinkat(folder, name, 0);
    ::close(descriptor);
}

}  // namespace

std::optional<LockedTemporary> CreateLockedTemporary(const std::string& target) {
    const std::string pattern = target + kMarker + std::string(kRandomLength, 'X');
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        const int descriptor = ::mkostemp(name.data(), O_CLOEXEC);
        if (descriptor < 0) return std::nullopt;
        // Until the lock is held another program's sweep may take the new
        // file for a leftover; then it is left to that sweep. A file system
        // without locks writes unlocked, and its sweeps remove nothing.
        const bool locked = ::flock(descriptor, LOCK_EX | LOCK_NB) == 0;
        if (!locked && errno != EWOULDBLOCK) return LockedTemporary{descriptor, name.data()};
        if (locked && StillNamed(descriptor, name.data())) return LockedTemporary{descriptor, name.data()};
        ::close(descriptor);
    }
    return std::nullopt;
}

void RemoveAbandonedTemporaries(const std::string& target) {
    const std::filesystem::path path(target);
    const std::string folder = path.has_parent_path() ? path.parent_path().string() : std::string(".");
    const std::string prefix = path.filename().string() + kMarker;
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) return;
    while (const dirent* entry = ::readdir(listing)) {
        if (TemporaryName(entry->d_name, prefix)) RemoveIfAbandoned(::dirfd(listing), entry->d_name);
    }
    ::closedir(listing);
}

}  // namespace os
