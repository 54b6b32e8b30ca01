#pragma once

#include <cstdint>
#include <functional>

#include "os/windows/Types.h"

namespace app {

// What a window's Print! button can do with its table.
struct PrintCommands {
    std::function<void()> preview;
    std::function<void()> save;
    std::function<void()> print;
    std::function<void()> dropPreview;  // a preview cut short would look whole
};

// Runs the command of the mouse button that pressed Print!: the left one
// previews, the right one saves, any other way (the keyboard, the middle
// button) prints. Each runs within the memory there is (see MemoryShortfall.h).
void RunPrintButton(os::HWND owner, std::int32_t mouseButton, const PrintCommands& commands);

}  // namespace app
