#pragma once

#include <QWidget>

#include "os/types/GdiTypes.h"
#include "os/commoncontrols/Header.h"
#include "os/commoncontrols/HeaderItems.h"

namespace os {

// The widget behind a header window: its items, and what the mouse is
// doing to them. Its window procedure (HeaderProcedure) answers the
// header messages; its own paint draws the header look into the window's
// surface.
class HeaderWidget : public QWidget {
    Q_OBJECT
public:
    explicit HeaderWidget(QWidget* parent);

    void SetWindow(HWND window) { window_ = window; }
    static HeaderWidget* Of(HWND window);

    // Header messages and the others a header handles itself.
    LRESULT Answer(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum class Mode { Idle, Pressing, Tracking, Dragging };

    bool HasStyle(DWORD style) const;
    LRESULT Notify(std::int32_t code, int item, HDITEM* details = nullptr);
    LRESULT NotifyWidth(std::int32_t code, int item, int width);
    void Changed() { ++changes_; }

    LRESULT InsertItem(WPARAM index, const HDITEM& item);
    LRESULT GetItem(int index, HDITEM& item) const;
    LRESULT SetItem(int index, const HDITEM& item);
    LRESULT Layout(HDLAYOUT& layout) const;
    LRESULT ItemRect(int index, RECT& rect) const;
    int DefaultHeight() const;

    void OnPress(int x);
    void OnDrag(int x);
    void EndTracking();
    void EndDragging(int x);
    void SetHot(int item);
    void Redraw();

    void PaintItem(class QPainter& painter, int index, const QRect& rect);
    void PaintEdges(QPainter& painter, const QRect& rect, bool pressed);
    void PaintDropMark(QPainter& painter);
    QFont ShownFont() const;

    HWND window_ = 0;
    HeaderItems items_;
    HIMAGELIST images_ = 0;
    HFONT font_ = 0;
    Mode mode_ = Mode::Idle;
    int active_ = -1;     // item pressed, tracked or dragged
    int hot_ = -1;        // item under the pointer
    int pressX_ = 0;
    int dragX_ = 0;
    int trackWidth_ = 0;
    unsigned changes_ = 0;  // items changed by messages
};

// The header's window procedure.
LRESULT HeaderProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Creates a header window (the class's part of CreateWindowEx).
HWND CreateHeaderWindow(HWND parent, const RECT& bounds, DWORD style);

}  // namespace os
