#include "os/files/FileStamp.h"

#include <sys/stat.h>

#include <ctime>

namespace os {

namespace {

// Longer than the clock granularity of the file systems in common use
// (a jiffy on most, a second on some).
constexpr std::int64_t kSettlingSeconds = 1;

bool Settled(const struct timespec& modified) {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const std::int64_t since = (static_cast<std::int64_t>(now.tv_sec) - modified.tv_sec) * 1000000000 +
                               (static_cast<std::int64_t>(now.tv_nsec) - modified.tv_nsec);
    return since > kSettlingSeconds * 1000000000;
}

}  // namespace

bool FileStamp::operator==(const FileStamp& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modifiedSeconds == other.modifiedSeconds && modifiedNanoseconds == other.modifiedNanoseconds &&
           changedSeconds == other.changedSeconds && changedNanoseconds == other.changedNanoseconds;
}

std::optional<FileStamp> StampOf(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    FileStamp stamp;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.modifiedSeconds = info.st_mtim.tv_sec;
    stamp.modifiedNanoseconds = info.st_mtim.tv_nsec;
    stamp.changedSeconds = info.st_ctim.tv_sec;
    stamp.changedNanoseconds = info.st_ctim.tv_nsec;
    stamp.settled = Settled(info.st_mtim);
    return stamp;
}

}  // namespace os
