#pragma once

#include "os/types/Types.h"

class QEvent;
class QObject;

namespace os {

// What became of a Qt event that was sent to the program as a message.
struct DeliveryOutcome {
    LRESULT result = 0;
    bool qtHandled = false;  // the original procedure ran Qt's handling
    bool qtAnswer = false;   // what Qt's handling returned
};

// Sends the message that stands for a Qt event through the window's current
// procedure. When the message reaches the original procedure, Qt handles the
// event there and then; otherwise the event counts as consumed.
DeliveryOutcome DeliverQtEventAsMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        QObject* receiver, QEvent* event);

// Runs Qt's handling of the event behind the message now being delivered to
// the window, once. False when no Qt event is waiting for this message.
bool RunPendingQtHandling(HWND window, UINT message);

// True while Qt's handling of this event runs from the original procedure,
// so that event filters let it through untouched.
bool IsInQtHandling(const QEvent* event);

}  // namespace os
