#include <QAction>
#include <QMenu>
#include <QString>

#include "os/windows/Menu.h"
#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"
#include "os/windows/Window.h"

namespace os {

namespace {

UINT_PTR ShowQtPopup(HMENU menu, POINT screenPosition) {
    QMenu popup;
    for (const MenuItem& item : GetMenuItems(menu)) {
        if (item.flags & MF_SEPARATOR) {
            popup.addSeparator();
            continue;
        }
        QAction* action = popup.addAction(QString::fromStdString(item.text));
        action->setData(QVariant::fromValue<qulonglong>(item.id));
        action->setEnabled(!(item.flags & (MF_GRAYED | MF_DISABLED)));
    }
    QAction* chosen = popup.exec(QPoint(screenPosition.x, screenPosition.y));
    return chosen == nullptr ? 0 : static_cast<UINT_PTR>(chosen->data().toULongLong());
}

MenuPresenter& Presenter() {
    static MenuPresenter presenter;
    return presenter;
}

UINT_PTR Present(HMENU menu, POINT screenPosition) {
    return Presenter() ? Presenter()(menu, screenPosition) : ShowQtPopup(menu, screenPosition);
}

bool IsChoosable(HMENU menu, UINT_PTR id) {
    const UINT state = GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND);
    return state != MenuItemNotFound && !(state & (MF_GRAYED | MF_DISABLED));
}

}  // namespace

MenuPresenter SetMenuPresenter(MenuPresenter presenter) {
    MenuPresenter previous = std::move(Presenter());
    Presenter() = std::move(presenter);
    return previous;
}

void ShowSystemMenu(HWND window, POINT screenPosition) {
    const HMENU menu = GetSystemMenu(window, false);
    if (menu == 0) return;
    SendMessage(window, WM_INITMENUPOPUP, static_cast<WPARAM>(menu), MAKELPARAM(0, 1));
    const UINT_PTR chosen = Present(menu, screenPosition);
    if (chosen != 0 && IsWindow(window) && IsChoosable(menu, chosen)) {
        SendMessage(window, WM_SYSCOMMAND, chosen, MAKELPARAM(screenPosition.x, screenPosition.y));
    }
}

}  // namespace os
