#include "controls/cFlatHeader.h"
#include "os/drawing/Colors.h"
#include "os/drawing/DeviceContext.h"
#include "os/drawing/Drawing.h"
#include "os/drawing/GdiObjects.h"
#include "os/commoncontrols/Header.h"
#include "os/windows/Messaging.h"

namespace controls {

namespace {

struct FlatPens {
    FlatPens()
        : highlight(os::CreatePen(os::PS_SOLID, 1, os::GetSysColor(os::COLOR_BTNHIGHLIGHT))),
          face(os::CreatePen(os::PS_SOLID, 1, os::GetSysColor(os::COLOR_BTNFACE))),
          shadow(os::CreatePen(os::PS_SOLID, 1, os::GetSysColor(os::COLOR_BTNSHADOW))) {}
    ~FlatPens() {
        os::DeleteObject(highlight);
        os::DeleteObject(face);
        os::DeleteObject(shadow);
    }
    FlatPens(const FlatPens&) = delete;
    FlatPens& operator=(const FlatPens&) = delete;

    os::HPEN highlight, face, shadow;
};

int ItemWidth(os::HWND header, int index) {
    os::HDITEM item;
    item.mask = os::HDI_WIDTH;
    os::SendMessage(header, os::HDM_GETITEM, static_cast<os::WPARAM>(index), reinterpret_cast<os::LPARAM>(&item));
    return item.cxy;
}

void Polyline(os::HDC dc, os::HPEN pen, std::initializer_list<os::POINT> points) {
    os::SelectObject(dc, pen);
    auto point = points.begin();
    os::MoveToEx(dc, point->x, point->y, nullptr);
    for (++point; point != points.end(); ++point) os::LineTo(dc, point->x, point->y);
}

// The item from left to x: the inner raised edge is painted over in the
// face colour, and the outer edge drawn once, in the highlight colour when
// the item is pressed (its top left shows the shadow colour).
void PaintItem(os::HDC dc, const FlatPens& pens, const os::RECT& bounds, int left, int x) {
    const int top = bounds.top;
    const int bottom = bounds.bottom;
    Polyline(dc, pens.face, {{left + 1, bottom - 2}, {x - 2, bottom - 2}, {x - 2, top}});
    const bool pressed = os::GetPixel(dc, left + 1, top) == os::GetSysColor(os::COLOR_BTNSHADOW);
    Polyline(dc, pressed ? pens.highlight : pens.shadow, {{left, bottom - 1}, {x - 1, bottom - 1}, {x - 1, top - 1}});
}

}  // namespace

void PaintFlatHeader(os::HWND header, os::HDC dc, const os::RECT& bounds) {
    const FlatPens pens;
    const os::HGDIOBJ previous = os::SelectObject(dc, pens.face);
    const auto count = static_cast<int>(os::SendMessage(header, os::HDM_GETITEMCOUNT, 0, 0));
    int x = bounds.left;
    for (int order = 0; order < count; ++order) {
        const auto index = static_cast<int>(os::SendMessage(header, os::HDM_ORDERTOINDEX, static_cast<os::WPARAM>(order), 0));
        const int left = x;
        x += ItemWidth(header, index);
        PaintItem(dc, pens, bounds, left, x);
    }
    if (x < bounds.right) Polyline(dc, pens.face, {{x + 1, bounds.bottom - 2}, {bounds.right, bounds.bottom - 2}});
    os::SelectObject(dc, previous);
}

}  // namespace controls
