#include <QCoreApplication>
#include <QTimer>
#include <algorithm>

#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"
#include "os/painting/Surface.h"

namespace os {

namespace {

struct Schedule {
    std::vector<HWND> windows;
    bool armed = false;
};

Schedule& TheSchedule() {
    static Schedule schedule;
    return schedule;
}

// Sends the paint message to every window still waiting, in the order they
// were invalidated. A window invalidated while this runs waits for the
// next round.
void SendPendingPaints() {
    Schedule& schedule = TheSchedule();
    schedule.armed = false;
    std::vector<HWND> windows;
    std::swap(windows, schedule.windows);
    for (HWND window : windows) {
        const Surface* surface = Surface::Of(window);
        if (surface != nullptr && !surface->UpdateRegion().isEmpty()) SendMessage(window, WM_PAINT, 0, 0);
    }
}

}  // namespace

void SchedulePaint(HWND window) {
    Schedule& schedule = TheSchedule();
    if (std::find(schedule.windows.begin(), schedule.windows.end(), window) == schedule.windows.end()) {
        schedule.windows.push_back(window);
    }
    if (schedule.armed || QCoreApplication::instance() == nullptr) return;
    schedule.armed = true;
    QTimer::singleShot(0, QCoreApplication::instance(), &SendPendingPaints);
}

void CancelPaint(HWND window) { std::erase(TheSchedule().windows, window); }

}  // namespace os
