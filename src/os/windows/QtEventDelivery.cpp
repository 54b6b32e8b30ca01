#include "os/windows/QtEventDelivery.h"

#include <QObject>
#include <algorithm>
#include <vector>

#include "os/windows/Messaging.h"

namespace os {

namespace {

struct PendingQtEvent {
    HWND window;
    UINT message;
    QObject* receiver;
    QEvent* event;
    bool handled = false;
    bool answer = false;
    bool running = false;
};

// Innermost delivery last; deliveries nest when a procedure causes events.
std::vector<PendingQtEvent*>& PendingEvents() {
    static std::vector<PendingQtEvent*> pending;
    return pending;
}

class PendingScope {
public:
    explicit PendingScope(PendingQtEvent& entry) { PendingEvents().push_back(&entry); }
    ~PendingScope() { PendingEvents().pop_back(); }
    PendingScope(const PendingScope&) = delete;
    PendingScope& operator=(const PendingScope&) = delete;
};

PendingQtEvent* FindPending(HWND window, UINT message) {
    auto& pending = PendingEvents();
    auto found = std::find_if(pending.rbegin(), pending.rend(), [&](const PendingQtEvent* entry) {
        return entry->window == window && entry->message == message && !entry->handled;
    });
    return found == pending.rend() ? nullptr : *found;
}

}  // namespace

DeliveryOutcome DeliverQtEventAsMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        QObject* receiver, QEvent* event) {
    PendingQtEvent entry{window, message, receiver, event};
    DeliveryOutcome outcome;
    {
        PendingScope scope(entry);
        outcome.result = SendMessage(window, message, wParam, lParam);
    }
    outcome.qtHandled = entry.handled;
    outcome.qtAnswer = entry.answer;
    return outcome;
}

bool RunPendingQtHandling(HWND window, UINT message) {
    PendingQtEvent* entry = FindPending(window, message);
    if (entry == nullptr) return false;
    entry->handled = true;
    entry->running = true;
    entry->answer = entry->receiver->event(entry->event);
    entry->running = false;
    return true;
}

bool IsInQtHandling(const QEvent* event) {
    const auto& pending = PendingEvents();
    return std::any_of(pending.begin(), pending.end(),
                       [event](const PendingQtEvent* entry) { return entry->running && entry->event == event; });
}

}  // namespace os
