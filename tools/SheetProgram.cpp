#include "SheetProgram.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "Complain.h"

namespace tools {

namespace {
constexpr const char* kSheetProgram = "kestrany-calc-sheet";
}

std::string SheetProgramPath() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    const std::filesystem::path folder = self.parent_path();
    for (const std::filesystem::path& candidate :
         {folder / kSheetProgram, folder / ".." / "libexec" / "kestrany" / kSheetProgram}) {
        if (access(candidate.c_str(), X_OK) == 0) return candidate.string();
    }
    return {};
}

int RunSheetProgram(char** argv) {
    const std::string program = SheetProgramPath();
    if (program.empty()) {
        Complain(std::string("cannot write a PDF: ") + kSheetProgram + " is not installed");
        return 1;
    }
    argv[0] = const_cast<char*>(program.c_str());
    execv(program.c_str(), argv);
    Complain("cannot write a PDF: " + program + ": " + std::strerror(errno));
    return 1;
}

}  // namespace tools
