#include "app/PrintButton.h"

#include "app/MemoryShortfall.h"

namespace app {

namespace {
constexpr std::int32_t kLeftButton = 1;
constexpr std::int32_t kRightButton = 2;
}  // namespace

void RunPrintButton(os::HWND owner, std::int32_t mouseButton, const PrintCommands& commands) {
    if (mouseButton == kLeftButton) RunWithinMemory(owner, commands.preview, commands.dropPreview);
    else if (mouseButton == kRightButton) RunWithinMemory(owner, commands.save);
    else RunWithinMemory(owner, commands.print);
}

}  // namespace app
