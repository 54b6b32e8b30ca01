#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace os {

// What the file system tells of a file without reading it: which file it is
// (device and inode), its size and the times of its last change (to the
// nanosecond). A write changes the stamp, except within the granularity of
// the file system's clock: a file changed less than a second ago is not yet
// settled, and a second write within that time may keep its stamp.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0, modifiedNanoseconds = 0;
    std::int64_t changedSeconds = 0, changedNanoseconds = 0;
    // Whether the last change lies far enough back that any later write is
    // sure to give another stamp.
    bool settled = false;

    bool operator==(const FileStamp& other) const;
};

// The stamp of a regular file (a link is followed); nothing for a missing
// file, a folder, a pipe or a device.
std::optional<FileStamp> StampOf(const std::string& path);

}  // namespace os
