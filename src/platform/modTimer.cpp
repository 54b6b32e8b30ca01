#include "platform/modTimer.h"

#include <algorithm>
#include <vector>

#include "os/windows/Timers.h"
#include "platform/objTimer.h"
#include "runtime/HandlerBoundary.h"

namespace platform::modTimer {

namespace {

struct TimerRecord {
    os::UINT_PTR id = 0;  // 0: free record
    objTimer* timer = nullptr;
};

constexpr std::size_t TableGrowth = 10;

std::vector<TimerRecord>& Table() {
    static std::vector<TimerRecord> table;
    if (table.empty()) table.resize(TableGrowth);
    return table;
}

TimerRecord* FindRecord(os::UINT_PTR id) {
    auto& table = Table();
    auto found = std::find_if(table.begin(), table.end(), [id](const TimerRecord& record) { return record.id == id; });
    return found == table.end() ? nullptr : &*found;
}

TimerRecord& FreeRecord() {
    if (TimerRecord* free = FindRecord(0)) return *free;
    auto& table = Table();
    const std::size_t firstNew = table.size();
    table.resize(firstNew + TableGrowth);
    return table[firstNew];
}

}  // namespace

bool StartTimer(objTimer& timer, std::int32_t interval) {
    const os::UINT_PTR id = os::SetTimer(0, 0, static_cast<os::UINT>(std::max(interval, 0)), &TimerProc);
    timer.SetTimerId(id);
    if (id == 0) return false;
    FreeRecord() = TimerRecord{id, &timer};
    return true;
}

bool StopTimer(objTimer& timer) {
    const os::UINT_PTR id = timer.TimerId();
    if (id == 0) return false;
    os::KillTimer(0, id);
    timer.SetTimerId(0);
    TimerRecord* record = FindRecord(id);
    if (record == nullptr) return false;
    *record = TimerRecord{};
    return true;
}

void TimerProc(os::HWND /*window*/, os::UINT /*message*/, os::UINT_PTR timerId, os::DWORD /*tickCount*/) {
    if (timerId == 0) return;
    if (TimerRecord* record = FindRecord(timerId)) {
        objTimer* timer = record->timer;
        runtime::RunHandler([timer] { timer->RaiseTimer(); });
    }
}

std::size_t TableSize() { return Table().size(); }

}  // namespace platform::modTimer
