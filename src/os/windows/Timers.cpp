#include "os/windows/Timers.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <algorithm>
#include <map>
#include <utility>

#include "os/windows/Messaging.h"
#include "os/windows/Window.h"
#include "runtime/HandlerBoundary.h"

namespace os {

namespace {

constexpr UINT MinimumElapse = 10;

using TimerKey = std::pair<HWND, UINT_PTR>;

struct TimerTable {
    std::map<TimerKey, QTimer*> timers;
    UINT_PTR nextWindowlessId = 1;
    QTimer* firing = nullptr;  // the timer whose callback runs now
};

// Never destroyed: timers still running when the process ends die with it.
TimerTable& Table() {
    static auto* table = new TimerTable;
    return *table;
}

DWORD TickCount() {
    return static_cast<DWORD>(QDeadlineTimer::current().deadline() & 0xFFFFFFFF);
}

void Fire(QTimer* timer, HWND window, UINT_PTR id, TIMERPROC callback) {
    QTimer* outer = std::exchange(Table().firing, timer);
    if (callback != nullptr) {
        runtime::RunHandler([&] { callback(window, WM_TIMER, id, TickCount()); });
    } else {
        SendMessage(window, WM_TIMER, id, 0);
    }
    Table().firing = outer;
}

void Dispose(QTimer* timer) {
    timer->stop();
    if (timer == Table().firing) {
        timer->deleteLater();
    } else {
        delete timer;
    }
}

UINT_PTR NewIdentifier(HWND window, UINT_PTR idEvent) {
    TimerTable& table = Table();
    if (window != 0) return idEvent;
    if (idEvent != 0 && table.timers.contains({0, idEvent})) return idEvent;
    return table.nextWindowlessId++;
}

}  // namespace

UINT_PTR SetTimer(HWND window, UINT_PTR idEvent, UINT elapse, TIMERPROC callback) {
    if (QCoreApplication::instance() == nullptr) return 0;
    if (window == 0 ? callback == nullptr : !IsWindow(window)) return 0;
    const UINT_PTR id = NewIdentifier(window, idEvent);
    KillTimer(window, id);
    auto* timer = new QTimer;
    timer->setInterval(static_cast<int>(std::max(elapse, MinimumElapse)));
    QObject::connect(timer, &QTimer::timeout, timer, [timer, window, id, callback] { Fire(timer, window, id, callback); });
    Table().timers[{window, id}] = timer;
    timer->start();
    return id;
}

bool KillTimer(HWND window, UINT_PTR idEvent) {
    auto& timers = Table().timers;
    auto found = timers.find({window, idEvent});
    if (found == timers.end()) return false;
    QTimer* timer = found->second;
    timers.erase(found);
    Dispose(timer);
    return true;
}

}  // namespace os
