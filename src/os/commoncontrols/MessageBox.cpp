#include "os/commoncontrols/MessageBox.h"

#include <QMessageBox>

#include "os/types/QtConversions.h"
#include "os/qt/WidgetWindows.h"

namespace os {

namespace {

MessageBoxPresenter& Presenter() {
    static MessageBoxPresenter presenter;
    return presenter;
}

QMessageBox::Icon IconOf(UINT type) {
    switch (type & 0xF0) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int ShowOnScreen(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    QMessageBox box(IconOf(type), ToQString(caption), ToQString(text), QMessageBox::Ok, WidgetOf(owner));
    box.exec();
    return IDOK;
}

}  // namespace

int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    return Presenter() ? Presenter()(owner, text, caption, type) : ShowOnScreen(owner, text, caption, type);
}

MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter) {
    MessageBoxPresenter previous = std::move(Presenter());
    Presenter() = std::move(presenter);
    return previous;
}

}  // namespace os
