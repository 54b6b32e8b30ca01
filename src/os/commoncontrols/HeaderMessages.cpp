#include <QFontMetrics>
#include <algorithm>
#include <cstring>

#include "os/commoncontrols/CommonControls.h"
#include "os/drawing/GdiTable.h"
#include "os/commoncontrols/HeaderWidget.h"
#include "os/commoncontrols/ImageLists.h"
#include "os/windows/Messages.h"
#include "os/painting/Painting.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"
#include "os/windows/WindowProcedures.h"
#include "os/windows/WindowRegistry.h"

namespace os {

namespace {

template <class T>
T& Pointed(LPARAM lParam) {
    return *reinterpret_cast<T*>(lParam);
}

}  // namespace

LRESULT HeaderWidget::Answer(UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<std::intptr_t>(wParam));
    switch (message) {
    case WM_PAINT: Paint(); return 0;
    case HDM_GETITEMCOUNT: return items_.Count();
    case HDM_INSERTITEM: return lParam == 0 ? -1 : InsertItem(wParam, Pointed<const HDITEM>(lParam));
    case HDM_DELETEITEM:
        if (!items_.Delete(index)) return 0;
        Changed();
        Redraw();
        return 1;
    case HDM_GETITEM: return lParam == 0 ? 0 : GetItem(index, Pointed<HDITEM>(lParam));
    case HDM_SETITEM: return lParam == 0 ? 0 : SetItem(index, Pointed<const HDITEM>(lParam));
    case HDM_LAYOUT: return lParam == 0 ? 0 : Layout(Pointed<HDLAYOUT>(lParam));
    case HDM_GETITEMRECT: return lParam == 0 ? 0 : ItemRect(index, Pointed<RECT>(lParam));
    case HDM_SETIMAGELIST: Redraw(); return std::exchange(images_, static_cast<HIMAGELIST>(lParam));
    case HDM_GETIMAGELIST: return images_;
    case HDM_ORDERTOINDEX: return items_.IndexAtOrder(index);
    case WM_SETFONT:
        font_ = static_cast<HFONT>(wParam);
        if (lParam != 0) Redraw();
        return 0;
    case WM_GETFONT: return font_;
    default: return DefWindowProc(window_, message, wParam, lParam);
    }
}

LRESULT HeaderWidget::InsertItem(WPARAM where, const HDITEM& item) {
    HeaderItem added;
    if (item.mask & HDI_TEXT && item.pszText != nullptr) added.text = item.pszText;
    if (item.mask & HDI_WIDTH) added.width = std::max(0, item.cxy);
    if (item.mask & HDI_FORMAT) added.format = item.fmt;
    if (item.mask & HDI_LPARAM) added.data = item.lParam;
    if (item.mask & HDI_IMAGE) added.image = item.iImage;
    const int index = items_.Insert(static_cast<int>(std::min<WPARAM>(where, 0x7FFFFFFF)), std::move(added));
    if (item.mask & HDI_ORDER) items_.Move(index, item.iOrder);
    Changed();
    Redraw();
    return index;
}

LRESULT HeaderWidget::GetItem(int index, HDITEM& item) const {
    if (!items_.Has(index)) return 0;
    const HeaderItem& held = items_.At(index);
    if (item.mask & HDI_WIDTH) item.cxy = held.width;
    if (item.mask & HDI_FORMAT) item.fmt = held.format;
    if (item.mask & HDI_LPARAM) item.lParam = held.data;
    if (item.mask & HDI_IMAGE) item.iImage = held.image;
    if (item.mask & HDI_ORDER) item.iOrder = items_.OrderOf(index);
    if (item.mask & HDI_TEXT && item.pszText != nullptr && item.cchTextMax > 0) {
        const size_t length = std::min(held.text.size(), static_cast<size_t>(item.cchTextMax - 1));
        std::memcpy(item.pszText, held.text.data(), length);
        item.pszText[length] = '\0';
    }
    return 1;
}

LRESULT HeaderWidget::SetItem(int index, const HDITEM& item) {
    if (!items_.Has(index)) return 0;
    HeaderItem& held = items_.At(index);
    if (item.mask & HDI_TEXT) held.text = item.pszText == nullptr ? std::string() : std::string(item.pszText);
    if (item.mask & HDI_WIDTH) held.width = std::max(0, item.cxy);
    if (item.mask & HDI_FORMAT) held.format = item.fmt;
    if (item.mask & HDI_LPARAM) held.data = item.lParam;
    if (item.mask & HDI_IMAGE) held.image = item.iImage;
    if (item.mask & HDI_ORDER) items_.Move(index, item.iOrder);
    Changed();
    Redraw();
    return 1;
}

int HeaderWidget::DefaultHeight() const { return QFontMetrics(ShownFont()).height() + 6; }

LRESULT HeaderWidget::Layout(HDLAYOUT& layout) const {
    if (layout.prc == nullptr || layout.pwpos == nullptr) return 0;
    RECT& area = *layout.prc;
    const int height = std::min(DefaultHeight(), std::max(0, area.bottom - area.top));
    *layout.pwpos = {window_, 0, area.left, area.top, area.right - area.left, height, 0};
    area.top += height;
    return 1;
}

LRESULT HeaderWidget::ItemRect(int index, RECT& rect) const {
    if (!items_.Has(index)) return 0;
    const int left = items_.Left(index);
    rect = {left, 0, left + items_.At(index).width, height()};
    return 1;
}

LRESULT HeaderProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HeaderWidget* header = HeaderWidget::Of(window);
    return header == nullptr ? DefWindowProc(window, message, wParam, lParam) : header->Answer(message, wParam, lParam);
}

HWND CreateHeaderWindow(HWND parent, const RECT& bounds, DWORD style) {
    auto* widget = new HeaderWidget(WidgetOf(parent));
    widget->setGeometry(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    const HWND handle = RegisterWidget(widget, WC_HEADER);
    WindowRecord* record = WindowRegistry::Find(handle);
    record->ownsWidget = true;
    record->style = style;
    widget->SetWindow(handle);
    SetWindowLong(handle, GWL_WNDPROC, RegisterWindowFunction(&HeaderProcedure));
    AttachSurface(handle);
    widget->setEnabled((style & WS_DISABLED) == 0);
    widget->setVisible((style & WS_VISIBLE) != 0);
    return handle;
}

}  // namespace os
