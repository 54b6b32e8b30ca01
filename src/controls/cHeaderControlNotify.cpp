#include "controls/cHeaderControl.h"
#include "os/commoncontrols/CommonControls.h"
#include "os/windows/Messages.h"
#include "os/painting/Twips.h"
#include "os/windows/Window.h"
#include "platform/MSubclass.h"
#include "runtime/HandlerBoundary.h"

namespace controls {

namespace {

// The answer that refuses a tracking step.
constexpr os::LRESULT Refuse = 1;

class Reporting {
public:
    Reporting(std::int32_t& item, std::int32_t index) : item_(item) { item_ = index; }
    ~Reporting() { item_ = -1; }
    Reporting(const Reporting&) = delete;
    Reporting& operator=(const Reporting&) = delete;

private:
    std::int32_t& item_;
};

}  // namespace

void cHeaderControl::WindowProc(os::HWND window, os::UINT message, os::WPARAM wParam, os::LPARAM lParam,
                                os::LRESULT& result) {
    runtime::RunHandler([&] {
        if (message == os::HDM_LAYOUT && window == header_) {
            result = OnLayout(lParam);
        } else if (message == os::WM_NOTIFY) {
            result = OnNotify(window, wParam, lParam);
        }
    });
}

// The header fills the parent's whole client area.
os::LRESULT cHeaderControl::OnLayout(os::LPARAM lParam) const {
    auto* layout = reinterpret_cast<os::HDLAYOUT*>(lParam);
    if (layout == nullptr || layout->pwpos == nullptr) return 0;
    os::RECT client;
    os::GetClientRect(parent_, client);
    *layout->pwpos = {header_, 0, client.left, client.top, client.right - client.left, client.bottom - client.top, 0};
    return 1;
}

os::LRESULT cHeaderControl::OnNotify(os::HWND window, os::WPARAM wParam, os::LPARAM lParam) {
    const auto* header = reinterpret_cast<const os::NMHEADER*>(lParam);
    if (header == nullptr || header->hdr.hwndFrom != header_ || header_ == 0) return 0;
    switch (header->hdr.code) {
    case os::HDN_BEGINTRACK:
    case os::HDN_TRACK: return OnWidthRequest(*header);
    case os::HDN_ENDTRACK: return OnEndTrack(*header);
    case os::HDN_DIVIDERDBLCLICK: if (host_) host_->DividerDblClick(header->iItem); return 0;
    case os::HDN_ITEMCLICK: if (host_) host_->ColumnClick(header->iItem); return 0;
    case os::HDN_ITEMDBLCLICK: if (host_) host_->ColumnDblClick(header->iItem); return 0;
    case os::HDN_BEGINDRAG: if (host_) host_->ColumnBeginDrag(header->iItem); return 0;
    case os::HDN_ENDDRAG: return OnEndDrag(window, wParam, lParam);
    case os::NM_RCLICK: OnRightClick(); return 0;
    default: return 0;
    }
}

os::LRESULT cHeaderControl::OnWidthRequest(const os::NMHEADER& notification) {
    if (!allowResize_) return Refuse;
    const std::int32_t width = notification.pitem != nullptr ? notification.pitem->cxy : ColumnWidth(notification.iItem);
    bool cancel = false;
    if (host_ != nullptr) {
        if (notification.hdr.code == os::HDN_BEGINTRACK) {
            host_->StartColumnWidthChange(notification.iItem, width, cancel);
        } else {
            host_->ColumnWidthChanging(notification.iItem, width, cancel);
        }
    }
    return cancel ? Refuse : 0;
}

os::LRESULT cHeaderControl::OnEndTrack(const os::NMHEADER& notification) {
    if (!allowResize_) return 0;
    reportedWidth_ = notification.pitem != nullptr ? notification.pitem->cxy : ColumnWidth(notification.iItem);
    Reporting reporting(reportedItem_, notification.iItem);
    if (host_ != nullptr) host_->ColumnWidthChanged(notification.iItem, reportedWidth_);
    return 0;
}

// The parent's own handling runs first; the event follows with the order.
os::LRESULT cHeaderControl::OnEndDrag(os::HWND window, os::WPARAM wParam, os::LPARAM lParam) {
    const os::LRESULT result = platform::MSubclass::PassOn(window, os::WM_NOTIFY, wParam, lParam);
    const auto* notification = reinterpret_cast<const os::NMHEADER*>(lParam);
    const std::int32_t order = notification->pitem != nullptr ? notification->pitem->iOrder : -1;
    if (order < 0) return result;
    reportedOrder_ = order;
    Reporting reporting(reportedItem_, notification->iItem);
    if (host_ != nullptr) host_->ColumnEndDrag(notification->iItem, order);
    return result;
}

void cHeaderControl::OnRightClick() {
    os::POINT cursor;
    os::GetCursorPos(cursor);
    os::ScreenToClient(header_, cursor);
    if (host_ != nullptr) {
        host_->RightClick(static_cast<float>(cursor.x * os::TwipsPerPixelX()),
                          static_cast<float>(cursor.y * os::TwipsPerPixelY()));
    }
}

}  // namespace controls
