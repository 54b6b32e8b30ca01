#pragma once

#include <memory>

namespace os::testing {

// The application object of a window test: selects the offscreen platform
// (no display needed) and the program's font, and lives for the whole test.
class OffscreenApplication {
public:
    OffscreenApplication(int& argc, char** argv);
    ~OffscreenApplication();
    OffscreenApplication(const OffscreenApplication&) = delete;
    OffscreenApplication& operator=(const OffscreenApplication&) = delete;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace os::testing
