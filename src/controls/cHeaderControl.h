#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/HeaderControlEvents.h"
#include "os/types/GdiTypes.h"
#include "os/commoncontrols/Header.h"
#include "platform/ISubclass.h"
#include "platform/cSubclass.h"

namespace controls {

// Item alignments (the low bits of an item's format).
enum class EHeaderAlignment { Left = 0, Right = 1, Centre = 2 };

// The column header of a window: creates the header, keeps its items and
// styles, and turns its notifications into events.
class cHeaderControl : public platform::ISubclass {
public:
    explicit cHeaderControl(IHeaderControlEvents* host = nullptr) : host_(host) {}
    ~cHeaderControl() override;
    cHeaderControl(const cHeaderControl&) = delete;
    cHeaderControl& operator=(const cHeaderControl&) = delete;

    void SetHost(IHeaderControlEvents* host) { host_ = host; }
    // Creates the header in parent; registers the common controls and
    // tries once more when the header class is missing.
    void Init(os::HWND parent, bool allowResize);
    // Returns 0, or the platform's error when no header could be made.
    os::DWORD Create();
    void Destroy();
    void Recreate();
    os::HWND hWnd() const { return header_; }
    os::HWND Parent() const { return parent_; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    std::int32_t Left() const { return Rect().left; }
    std::int32_t Top() const { return Rect().top; }
    std::int32_t Width() const { return Rect().right - Rect().left; }
    std::int32_t Height() const { return Rect().bottom - Rect().top; }
    void SetLeft(std::int32_t value) { Move(value, -1, -1, -1); }
    void SetTop(std::int32_t value) { Move(-1, value, -1, -1); }
    void SetWidth(std::int32_t value) { Move(-1, -1, value, -1); }
    void SetHeight(std::int32_t value) { Move(-1, -1, -1, value); }
    // A negative value keeps the current one.
    void Move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
    // Puts the header exactly at rect, in the parent's client pixels; it may
    // start left of the parent, as it does when the parent scrolls.
    void Place(const os::RECT& rect);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Buttons() const { return buttons_; }
    void SetButtons(bool on);
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool on);
    bool DragReOrderColumns() const { return dragDrop_; }
    void SetDragReOrderColumns(bool on);
    bool AllowResize() const { return allowResize_; }
    void SetAllowResize(bool allow) { allowResize_ = allow; }
    void SetFont(const os::LOGFONT& font);
    os::HIMAGELIST ImageList() const { return imageList_; }
    void SetImageList(os::HIMAGELIST list);

    std::int32_t Count();
    std::int32_t Insert(const std::string& text, std::int32_t width = -1,
                        EHeaderAlignment alignment = EHeaderAlignment::Left, os::LPARAM data = 0,
                        std::int32_t image = -1, std::int32_t position = -1);
    bool Delete(std::int32_t index);

    std::string Text(std::int32_t index) const;
    void SetText(std::int32_t index, const std::string& text);
    std::int32_t ColumnWidth(std::int32_t index) const;
    void SetColumnWidth(std::int32_t index, std::int32_t width);
    EHeaderAlignment Alignment(std::int32_t index) const;
    void SetAlignment(std::int32_t index, EHeaderAlignment alignment);
    os::LPARAM Data(std::int32_t index) const;
    void SetData(std::int32_t index, os::LPARAM data);
    std::int32_t Order(std::int32_t index) const;
    void SetOrder(std::int32_t index, std::int32_t order);
    std::int32_t Image(std::int32_t index) const;
    void SetImage(std::int32_t index, std::int32_t image);
    bool ImageOnRight(std::int32_t index) const;
    void SetImageOnRight(std::int32_t index, bool onRight);

    // While an end of tracking or of a drag is reported: its item (else -1),
    // width and order.
    std::int32_t ReportedItem() const { return reportedItem_; }
    std::int32_t ReportedWidth() const { return reportedWidth_; }
    std::int32_t ReportedOrder() const { return reportedOrder_; }

    std::int32_t MsgResponse() const override { return platform::response::Consume; }
    void WindowProc(os::HWND window, os::UINT message, os::WPARAM wParam, os::LPARAM lParam,
                    os::LRESULT& result) override;

private:
    os::RECT Rect() const;
    os::DWORD Style() const;
    void SetStyleBit(os::DWORD bit, bool on);
    void ApplyRect();
    bool ReadItem(std::int32_t index, os::HDITEM& item) const;
    bool WriteItem(std::int32_t index, const os::HDITEM& item);
    os::LRESULT OnNotify(os::HWND window, os::WPARAM wParam, os::LPARAM lParam);
    os::LRESULT OnWidthRequest(const os::NMHEADER& notification);
    os::LRESULT OnEndTrack(const os::NMHEADER& notification);
    os::LRESULT OnEndDrag(os::HWND window, os::WPARAM wParam, os::LPARAM lParam);
    os::LRESULT OnLayout(os::LPARAM lParam) const;
    void OnRightClick();

    IHeaderControlEvents* host_;
    os::HWND parent_ = 0;
    os::HWND header_ = 0;
    os::RECT rect_;
    bool rectSet_ = false;
    bool visible_ = true;
    bool hotTrack_ = true;
    bool dragDrop_ = false;
    bool buttons_ = true;
    bool enabled_ = true;
    bool allowResize_ = true;
    os::HIMAGELIST imageList_ = 0;
    os::HFONT font_ = 0;
    std::vector<std::string> texts_;
    std::int32_t count_ = 0;
    std::int32_t reportedItem_ = -1;
    std::int32_t reportedWidth_ = 0;
    std::int32_t reportedOrder_ = 0;
    std::unique_ptr<platform::cSubclass> headerHook_;
    std::unique_ptr<platform::cSubclass> parentHook_;
};

}  // namespace controls
