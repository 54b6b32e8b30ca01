#include "os/windows/Messaging.h"

#include <QCoreApplication>
#include <QWidget>
#include <utility>

#include "os/windows/Messages.h"
#include "os/windows/QtEventDelivery.h"
#include "os/windows/WindowProcedures.h"
#include "os/windows/WindowRegistry.h"
#include "runtime/HandlerBoundary.h"

namespace os {

namespace {

DefaultPaintHandler paintHandler = nullptr;

LRESULT DefaultSystemCommand(HWND window, WPARAM command) {
    const WindowRecord* record = WindowRegistry::Find(window);
    if ((command & 0xFFF0) == SC_CLOSE && record != nullptr && record->widget != nullptr) {
        record->widget->window()->close();
    }
    return 0;
}

}  // namespace

DefaultPaintHandler SetDefaultPaintHandler(DefaultPaintHandler handler) { return std::exchange(paintHandler, handler); }

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WindowRecord* record = WindowRegistry::Find(window);
    if (record == nullptr) return 0;
    const LONG_PTR procedure = record->procedure;
    LRESULT result = 0;
    runtime::RunHandler([&] { result = CallWindowProc(procedure, window, message, wParam, lParam); });
    return result;
}

bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr || !WindowRegistry::Find(window)) return false;
    QMetaObject::invokeMethod(
        application, [=] { SendMessage(window, message, wParam, lParam); }, Qt::QueuedConnection);
    return true;
}

LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (RunPendingQtHandling(window, message)) return 0;
    switch (message) {
    case WM_NCHITTEST: return HTCLIENT;
    case WM_PAINT: return paintHandler == nullptr ? 0 : paintHandler(window);
    case WM_SYSCOMMAND: return DefaultSystemCommand(window, wParam);
    default: return 0;
    }
}

}  // namespace os
