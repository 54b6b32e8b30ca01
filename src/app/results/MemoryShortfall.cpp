#include "app/results/MemoryShortfall.h"

#include <new>

#include "app/files/FailureMessage.h"
#include "app/files/LanguageTexts.h"

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

void ReportMemoryShortfall(os::HWND owner) { TellFailure(owner, kNotEnoughMemoryText); }

}  // namespace app
