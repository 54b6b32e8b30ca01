#pragma once

#include <cstdint>

namespace app {

// The program's version and the build that made this executable.
struct BuildStamp {
    std::int32_t major = 0;
    std::int32_t minor = 0;
    std::int32_t revision = 0;  // commits in the sources' history; 0 when unknown
    std::int64_t buildDay = 0;  // the day of the build, seconds since 1970 (UTC midnight)
};

const BuildStamp& ThisBuild();

}  // namespace app
