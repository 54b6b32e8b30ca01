#include "os/desktop/EventLoop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace os {

void ProcessPendingEvents() {
    if (QCoreApplication::instance() == nullptr) return;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs) {
    if (QCoreApplication::instance() == nullptr) return done();
    QDeadlineTimer deadline(timeoutMs);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!done()) QThread::msleep(1);
    }
    return done();
}

}  // namespace os
