#include "os/commoncontrols/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <utility>

namespace os {

namespace {

ClipboardReceiver& Receiver() {
    static ClipboardReceiver receiver;
    return receiver;
}

}  // namespace

void SetClipboardText(const std::string& text) {
    if (Receiver()) {
        Receiver()(text);
        return;
    }
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(QString::fromStdString(text));
}

ClipboardReceiver SetClipboardReceiver(ClipboardReceiver receiver) { return std::exchange(Receiver(), std::move(receiver)); }

}  // namespace os
