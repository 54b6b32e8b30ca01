#include "os/desktop/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace os {

BusyCursor::BusyCursor() {
    if (QGuiApplication::instance() == nullptr) return;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    shown_ = true;
}

BusyCursor::~BusyCursor() {
    if (shown_ && QGuiApplication::instance() != nullptr) QGuiApplication::restoreOverrideCursor();
}

bool BusyCursorShown() {
    if (QGuiApplication::instance() == nullptr) return false;
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

}  // namespace os
