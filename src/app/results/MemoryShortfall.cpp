#include "app/results/MemoryShortfall.h"

#include <new>

#include "app/files/LanguageFile.h"
#include "os/commoncontrols/MessageBox.h"

namespace app {

bool RunWithinMemory(os::HWND owner, const std::function<void()>& work, const std::function<void()>& recover) {
    try {
        work();
        return true;
    } catch (const std::bad_alloc&) {
        // What the work had taken is free again here, so the recovery and
        // the message have room.
    }
    if (recover) recover();
    ReportMemoryShortfall(owner);
    return false;
}

void ReportMemoryShortfall(os::HWND owner) {
    const std::string text = ReadLangText("notEnoughMemory", "frmMain",
                                          "There was not enough memory to finish this. Narrow the tolerance, so "
                                          "that fewer trains qualify, and try again.");
    os::MessageBox(owner, text, "Kestrany", os::MB_OK | os::MB_ICONEXCLAMATION);
}

}  // namespace app
