#include "os/files/AtomicFile.h"

#include "os/files/TemporaryFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <new>
#include <string_view>

namespace os {

namespace {

bool WriteAll(int descriptor, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

std::optional<std::string> ReadAll(int descriptor, std::size_t expected) {
    std::string bytes;
    bytes.reserve(expected);  // a large file is not copied again and again as it grows
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(descriptor, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) return bytes;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
}

bool ExistsUnwritable(const std::string& path) {
    return ::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0;
}

// The permissions a new file gets, or those of the file it replaces.
mode_t PermissionsFor(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A symbolic link is written through: its target is replaced and the link
// stays. Links to links are followed to the end.
std::string LinkTarget(const std::string& path) {
    std::error_code error;
    std::filesystem::path current(path);
    for (int depth = 0; depth < 40 && std::filesystem::is_symlink(current, error); ++depth) {
        const std::filesystem::path next = std::filesystem::read_symlink(current, error);
        if (error) break;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current.string();
}

struct PlannedFault {
    int countdown = 0;  // replaces still to pass before the failing one
    WriteFault fault = WriteFault::None;
};

PlannedFault& Plan() {
    static PlannedFault plan;
    return plan;
}

WriteFault NextFault() {
    PlannedFault& plan = Plan();
    if (plan.fault == WriteFault::None || --plan.countdown > 0) return WriteFault::None;
    const WriteFault fault = plan.fault;
    plan = {};
    return fault;
}

}  // namespace

void InjectWriteFault(int nth, WriteFault fault) { Plan() = nth > 0 ? PlannedFault{nth, fault} : PlannedFault{}; }

// Only a regular file is read: a folder, a named pipe or a device counts as
// a missing file. The file is opened without waiting, so a pipe that nobody
// writes to cannot hold the program up, and a failure of any kind (even
// running out of memory on a huge file) gives nothing instead of an error.
std::optional<std::string> ReadWholeFile(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return std::nullopt;
    std::optional<std::string> bytes;
    try {
        struct stat info {};
        if (::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode))
            bytes = ReadAll(descriptor, static_cast<std::size_t>(info.st_size) + 1);
    } catch (...) {
        bytes.reset();
    }
    ::close(descriptor);
    return bytes;
}

bool ReplaceFileContents(const std::string& path, const std::string& bytes) {
    return ReplaceFileContentsBy(path, [&bytes](const PieceWriter& put) { return put(bytes); });
}

bool ReplaceFileContentsBy(const std::string& path, const std::function<bool(const PieceWriter& put)>& produce) {
    if (path.empty()) return false;
    const std::string target = LinkTarget(path);
    if (ExistsUnwritable(target)) return false;
    RemoveAbandonedTemporaries(target);
    const WriteFault fault = NextFault();
    const std::optional<LockedTemporary> temporary = CreateLockedTemporary(target);
    if (!temporary) return false;
    const int descriptor = temporary->descriptor;
    bool produced = false;
    try {
        produced = fault != WriteFault::Write &&
                   produce([descriptor](std::string_view piece) { return WriteAll(descriptor, piece); });
    } catch (const std::bad_alloc&) {
        // Running out of memory is not a failed write: the caller hears of it.
        ::unlink(temporary->path.c_str());
        ::close(descriptor);
        throw;
    } catch (...) {
        produced = false;  // whatever stopped the content, the old file stays
    }
    const bool complete =
        produced && ::fchmod(descriptor, PermissionsFor(target)) == 0 && ::fsync(descriptor) == 0;
    // Renamed while still locked, so that no sweep can take it on the way.
    const bool renamed =
        complete && fault != WriteFault::Rename && std::rename(temporary->path.c_str(), target.c_str()) == 0;
    if (!renamed) ::unlink(temporary->path.c_str());
    ::close(descriptor);  // after fsync a late close error loses nothing
    return renamed;
}

}  // namespace os
