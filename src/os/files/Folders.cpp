#include "os/files/Folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace os {

bool FileExists(const std::string& path) { return !path.empty() && ::access(path.c_str(), F_OK) == 0; }

bool FolderWritable(const std::string& folder) {
    if (folder.empty() || ::access(folder.c_str(), W_OK | X_OK) != 0) return false;
    std::string pattern = folder + "/.kestrany-probe-XXXXXX";
    std::vector<char> probe(pattern.begin(), pattern.end());
    probe.push_back('\0');
    const int descriptor = ::mkstemp(probe.data());
    if (descriptor < 0) return false;
    ::close(descriptor);
    ::unlink(probe.data());
    return true;
}

bool CreateFolderPath(const std::string& folder) {
    if (folder.empty()) return false;
    std::filesystem::path partial;
    for (const auto& part : std::filesystem::path(folder)) {
        partial /= part;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string EnvironmentValue(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value == nullptr ? std::string() : std::string(value);
}

std::string UserDatabaseHome() {
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    while (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE &&
           buffer.size() < (1u << 20))
        buffer.resize(buffer.size() * 2);
    if (found == nullptr || found->pw_dir == nullptr) return {};
    return found->pw_dir;
}

}  // namespace os
