#include "grid/paint/GridRenderer.h"

#include <algorithm>
#include <cstdlib>

#include "grid/model/TextFlags.h"
#include "grid/paint/CellPainter.h"
#include "os/drawing/Colors.h"
#include "os/drawing/DeviceContext.h"
#include "os/drawing/Drawing.h"
#include "os/drawing/GdiObjects.h"
#include "os/commoncontrols/ImageLists.h"
#include "os/windows/Messages.h"
#include "os/painting/Painting.h"
#include "os/drawing/Regions.h"
#include "os/painting/SystemMetrics.h"
#include "os/drawing/Text.h"
#include "platform/MSubclass.h"
#include "runtime/HandlerBoundary.h"

namespace grid {

namespace {

constexpr std::int32_t kDrawDelayMs = 30;

os::COLORREF Rgb(std::int32_t translated, int fallbackSystemColour) {
    return translated == -1 ? os::GetSysColor(fallbackSystemColour) : static_cast<os::COLORREF>(translated);
}

}  // namespace

GridRenderer::GridRenderer(const GridParts& parts, PaintedGrid& grid) : parts_(parts), grid_(grid), timer_(this) {
    timer_.SetInterval(kDrawDelayMs);
    updateRegion_ = os::CreateRectRgn(0, 0, 0, 0);
    RebuildBuffer(grid_.BufferRowHeight());
}

GridRenderer::~GridRenderer() {
    timer_.SetEnabled(false);
    ReleaseBuffer();
    if (updateRegion_) os::DeleteObject(updateRegion_);
}

void GridRenderer::Attach() {
    if (parts_.canvas.Window()) subclass_.Attach(this, parts_.canvas.Window(), os::WM_PAINT);
}

// --- the off-screen row buffer ---

void GridRenderer::ReleaseBuffer() {
    if (bufferDc_ && bufferOldBitmap_) os::SelectObject(bufferDc_, bufferOldBitmap_);
    if (bufferBitmap_) os::DeleteObject(bufferBitmap_);
    if (bufferDc_) os::DeleteDC(bufferDc_);
    bufferDc_ = 0;
    bufferBitmap_ = 0;
    bufferOldBitmap_ = 0;
}

void GridRenderer::RebuildBuffer(std::int32_t rowHeight) {
    if (bufferRefused_) return;
    if (bufferDc_ && bufferOldBitmap_) os::SelectObject(bufferDc_, bufferOldBitmap_);
    if (bufferBitmap_) os::DeleteObject(bufferBitmap_);
    bufferBitmap_ = 0;
    if (!bufferDc_) {
        const os::HDC windowDc = os::GetDC(parts_.canvas.Window());
        bufferDc_ = os::CreateCompatibleDC(windowDc);
        os::ReleaseDC(parts_.canvas.Window(), windowDc);
    }
    const os::SIZE icon = IconSize();
    bufferHeight_ = std::max(1, rowHeight);
    bufferWidth_ = os::GetSystemMetrics(os::SM_CXSCREEN) + 2 * icon.cx;
    if (bufferDc_) bufferBitmap_ = os::CreateCompatibleBitmap(bufferDc_, bufferWidth_, bufferHeight_);
    if (!bufferDc_ || !bufferBitmap_) {
        ReleaseBuffer();  // the grid paints on its window directly from now on
        return;
    }
    bufferOldBitmap_ = os::SelectObject(bufferDc_, bufferBitmap_);
    const GridAppearance& look = parts_.look;
    os::SetTextColor(bufferDc_, Rgb(look.fore.rgb, os::COLOR_WINDOWTEXT));
    os::SetBkColor(bufferDc_, Rgb(look.back.rgb, os::COLOR_WINDOW));
    os::SetBkMode(bufferDc_, os::TRANSPARENT);
    FillBackground(bufferDc_, {0, 0, bufferWidth_, bufferHeight_}, 0, 0);
}

// --- drawing objects of a pass ---

void GridRenderer::PreparePass(DrawPass& pass) const {
    const GridAppearance& c = parts_.look;
    const bool enabled = parts_.sheet.Enabled();
    if (Drawn(parts_.settings.gridLines))
        pass.gridPen = os::CreatePen(os::PS_SOLID, 1, enabled ? Rgb(c.grid.rgb, os::COLOR_BTNFACE) : os::GetSysColor(os::COLOR_GRAYTEXT));
    pass.fixedPen =
        os::CreatePen(os::PS_SOLID, 1, enabled ? Rgb(c.gridFixed.rgb, os::COLOR_WINDOWTEXT) : os::GetSysColor(os::COLOR_APPWORKSPACE));
    pass.textColour = enabled ? Rgb(c.fore.rgb, os::COLOR_WINDOWTEXT) : os::GetSysColor(os::COLOR_GRAYTEXT);
    pass.foreFixed = Rgb(c.foreFixed.rgb, os::COLOR_BTNTEXT);
    pass.backFixed = Rgb(c.backFixed.rgb, os::COLOR_BTNFACE);
    pass.backSel = Rgb(c.backSel.rgb, os::COLOR_HIGHLIGHT);
    pass.foreSel = Rgb(c.foreSel.rgb, os::COLOR_HIGHLIGHTTEXT);
    for (const GridFont& font : parts_.look.FontTable()) pass.fonts.push_back(os::CreateFontIndirect(LogFontOf(font)));
}

void GridRenderer::FillBackground(os::HDC dc, const os::RECT& rect, std::int32_t originX, std::int32_t originY) const {
    const PictureRef& picture = parts_.look.BackgroundPicture();
    if (picture && picture->Bitmap() && picture->Width() > 0 && picture->Height() > 0) {
        // Tiles of the picture, each copied from where the grid's origin puts it.
        const os::HDC source = os::CreateCompatibleDC(dc);
        const os::HGDIOBJ previous = os::SelectObject(source, picture->Bitmap());
        const int w = picture->Width(), h = picture->Height();
        for (int y = rect.top; y < rect.bottom;) {
            const int sy = ((y + originY) % h + h) % h;
            const int rows = std::min(h - sy, rect.bottom - y);
            for (int x = rect.left; x < rect.right;) {
                const int sx = ((x + originX) % w + w) % w;
                const int cols = std::min(w - sx, rect.right - x);
                os::BitBlt(dc, x, y, cols, rows, source, sx, sy, os::SRCCOPY);
                x += cols;
            }
            y += rows;
        }
        os::SelectObject(source, previous);
        os::DeleteDC(source);
        return;
    }
    if (!parts_.sheet.Enabled()) {
        os::FillRect(dc, rect, os::GetSysColorBrush(os::COLOR_BTNFACE));
        return;
    }
    const std::uint32_t ole = static_cast<std::uint32_t>(parts_.look.back.ole);
    if ((ole & 0xFFFFFF00u) == 0x80000000u) {
        os::FillRect(dc, rect, os::GetSysColorBrush(static_cast<int>(ole & 0xFFu)));
        return;
    }
    const os::HBRUSH brush = os::CreateSolidBrush(Rgb(parts_.look.back.rgb, os::COLOR_WINDOW));
    os::FillRect(dc, rect, brush);
    os::DeleteObject(brush);
}

// --- the draw pass ---

void GridRenderer::Draw() {
    const os::HWND window = parts_.canvas.Window();
    if (!grid_.Redraw() || drawing_ || !window) return;
    drawing_ = true;
    bool barsChanged = false;
    runtime::RunHandler([&] {
        ++drawPasses_;
        // The bars come first: the data area is what they leave of the window.
        barsChanged = grid_.UpdateScrollBars();
        DrawPass pass;
        PreparePass(pass);
        const os::HDC dc = os::GetDC(window);
        const GridLayout layout(parts_);
        const os::RECT client = layout.Client();
        lastClient_ = client;
        if (!bufferDc_) FillBackground(dc, client, parts_.view.HorizontalOffset(), parts_.view.VerticalOffset());
        if (!pass.fonts.empty()) {
            os::SelectObject(dc, pass.fonts[0]);
            if (bufferDc_) os::SelectObject(bufferDc_, pass.fonts[0]);
        }
        os::SetBkMode(dc, os::TRANSPARENT);
        const std::int32_t leftCol = parts_.view.LeftCol();
        // The first column on screen may be partly scrolled off at the left:
        // the painted width then still reaches the right edge.
        const std::int32_t leftX =
            leftCol >= 0 && leftCol < parts_.columns.Count() ? std::max(0, layout.ColumnX(leftCol)) : 0;
        const std::int32_t paintRight = leftX + layout.DataWidth() + 24;

        VisibleRange range = layout.Visible();
        parts_.view.SetTopRowAfterPass(range.firstRow >= 0 ? range.firstRow : 0);
        const std::int32_t fixedRows = std::min(parts_.sheet.FixedRows(), parts_.rows.Count());
        for (std::int32_t r = 0; r < fixedRows; ++r) DrawRow(dc, pass, layout, r, paintRight);
        if (parts_.rows.FixedHeight() > 0) os::IntersectClipRect(dc, 0, layout.DataTop(), client.right, client.bottom);
        range = layout.Visible();
        if (grid_.ServingVirtualRows() && grid_.RequestVirtualRows()) {
            // The bars range over the new rows; a host that ran out of rows
            // may leave the view past the end, and the bars move it back.
            const std::int32_t offset = parts_.view.VerticalOffset();
            barsChanged = grid_.UpdateScrollBars() || barsChanged;
            if (parts_.view.VerticalOffset() != offset) parts_.view.SetFullRepaintPending(true);
            range = layout.Visible();
        }
        std::int32_t bottom = layout.DataTop();
        if (range.HasRows()) {
            for (std::int32_t r = std::max(range.firstRow, fixedRows); r <= range.lastRow; ++r)
                if (parts_.sheet.RowAt(r).visible) DrawRow(dc, pass, layout, r, paintRight);
            bottom = std::max(bottom, range.lastRowBottom);
        }
        os::SelectClipRgn(dc, 0);
        if (bottom < client.bottom) {
            const os::HBRUSH strip = os::CreateSolidBrush(Rgb(parts_.look.backBkg.rgb, os::COLOR_APPWORKSPACE));
            os::FillRect(dc, {0, bottom, layout.DataWidth() + 32, client.bottom}, strip);
            os::DeleteObject(strip);
        }
        os::ReleaseDC(window, dc);
        parts_.view.SetFullRepaintPending(false);
    });
    drawing_ = false;
    // A bar that came or went changed the width the columns share.
    if (barsChanged) Resize();
}

bool GridRenderer::DirtySpan(std::int32_t row, std::int32_t& first, std::int32_t& last) const {
    first = last = -1;
    for (std::int32_t p = 0; p < parts_.columns.Count(); ++p) {
        if (!parts_.sheet.CellAt(row, parts_.columns.At(p).dataIndex).dirty) continue;
        if (first < 0) first = p;
        last = p;
    }
    return first >= 0;
}

void GridRenderer::DrawRow(os::HDC windowDc, const DrawPass& pass, const GridLayout& layout, std::int32_t row,
                           std::int32_t paintRight) {
    const GridRow& r = parts_.sheet.RowAt(row);
    const std::int32_t y = layout.RowY(row);
    const os::RECT client = layout.Client();
    if (y >= client.bottom || y + r.height <= (r.fixed ? 0 : layout.DataTop())) return;

    const bool whole = parts_.view.FullRepaintPending() || r.dirty;
    std::int32_t first = 0, last = parts_.columns.Count() - 1;
    if (!whole && !DirtySpan(row, first, last)) return;
    ++rowsDrawn_;

    const bool buffered = bufferDc_ && r.height <= bufferHeight_;
    const os::HDC dc = buffered ? bufferDc_ : windowDc;
    const std::int32_t y0 = buffered ? 0 : y;
    std::int32_t spanLeft = whole ? 0 : layout.ColumnX(first);
    std::int32_t spanRight = whole ? paintRight : layout.ColumnX(last) + parts_.columns.At(last).width;
    if (buffered) spanRight = std::min(spanRight, bufferWidth_);
    // A cell without a back colour of its own shows the background, so the
    // span is cleared first: whatever was drawn there before must not show through.
    FillBackground(dc, {spanLeft, y0, spanRight, y0 + r.height}, parts_.view.HorizontalOffset(), y - y0);

    // Scrolling columns first, then the fixed ones over anything scrolled under them.
    CellPainter painter(parts_, pass, dc);
    for (int fixedPass = 0; fixedPass < 2; ++fixedPass) {
        for (std::int32_t p = first; p <= last; ++p) {
            const GridColumn& c = parts_.columns.At(p);
            if (c.fixed != (fixedPass == 1)) continue;
            const std::int32_t x = layout.ColumnX(p);
            if (!c.visible || x >= spanRight || x + c.width <= 0) {
                grid_.ClearCellDirty(row, c.dataIndex);
                continue;
            }
            ++cellsDrawn_;
            const bool keepDirty = painter.Paint(row, p, {x, y0, x + c.width, y0 + r.height});
            if (!keepDirty) grid_.ClearCellDirty(row, c.dataIndex);
        }
    }
    if (buffered) {
        // Scrolled cells never show through the fixed columns.
        if (!whole && parts_.view.HorizontalOffset() > 0 && spanLeft < parts_.sheet.FixedWidth() && !parts_.columns.At(first).fixed)
            spanLeft = parts_.sheet.FixedWidth();
        os::BitBlt(windowDc, spanLeft, y, spanRight - spanLeft, r.height, bufferDc_, spanLeft, 0, os::SRCCOPY);
    }
    if (whole) grid_.ClearRowDirty(row);
}

// --- the delayed draw and the resize handling ---

// Every request restarts the delay. Rather than stopping and starting the
// platform timer for each of thousands of rows, the time of the last request
// is kept and a tick that comes too early waits for the next one.
void GridRenderer::StartDelayedDraw(bool resize) {
    if (resize) timerTag_ = "True";
    lastRequest_ = std::chrono::steady_clock::now();
    if (!timer_.Enabled()) timer_.SetEnabled(true);
}

void GridRenderer::Timer() {
    runtime::RunHandler([&] {
        const auto quiet = std::chrono::steady_clock::now() - lastRequest_;
        if (quiet < std::chrono::milliseconds(timer_.Interval()) - std::chrono::milliseconds(2)) return;
        timer_.SetEnabled(false);
        Draw();
        if (timerTag_ == "True" && !drawing_) Resize();
        timerTag_ = "False";
    });
}

void GridRenderer::Resize() {
    if (resizing_ || drawing_) return;
    resizing_ = true;
    runtime::RunHandler([&] {
        grid_.UpdateScrollBars();
        grid_.FitAutoResizeColumns(GridLayout(parts_).DataWidth());
        grid_.LayoutHeader();
        parts_.view.SetFullRepaintPending(true);
        Draw();
    });
    resizing_ = false;
}

// Scrolling along one axis moves what is already on screen and draws only
// the band that came into view; anything else repaints the whole area.
void GridRenderer::Scrolled(std::int32_t dx, std::int32_t dy) {
    const os::HWND window = parts_.canvas.Window();
    if (!window || !grid_.Redraw()) {
        parts_.view.SetFullRepaintPending(true);
        return;
    }
    const GridLayout layout(parts_);
    const os::RECT client = layout.Client();
    // Vertically the scrolling rows move; horizontally the scrolling columns,
    // in the fixed rows as well.
    const os::RECT band = dx == 0 ? os::RECT{0, layout.DataTop(), client.right, client.bottom}
                                  : os::RECT{parts_.sheet.FixedWidth(), parts_.look.HeaderHeightPixels(), client.right, client.bottom};
    const PictureRef& picture = parts_.look.BackgroundPicture();
    os::RECT pending{};
    const bool movable = (dx == 0 || dy == 0) && std::abs(dx) < band.right - band.left &&
                         std::abs(dy) < band.bottom - band.top && !parts_.view.FullRepaintPending() &&
                         !(picture && picture->Bitmap()) && !os::GetUpdateRect(window, &pending, false);
    if (!movable) {
        parts_.view.SetFullRepaintPending(true);
        Draw();
        return;
    }
    const os::HDC dc = os::GetDC(window);
    os::ScrollDC(dc, -dx, -dy, &band, &band, 0, nullptr);
    os::ReleaseDC(window, dc);
    os::RECT exposed = band;
    if (dy > 0) exposed.top = band.bottom - dy;
    if (dy < 0) exposed.bottom = band.top - dy;
    if (dx > 0) exposed.left = band.right - dx;
    if (dx < 0) exposed.right = band.left - dx;
    MarkRectangle(exposed, layout);
    Draw();
}

// --- window repaints ---

void GridRenderer::WindowProc(os::HWND window, os::UINT message, os::WPARAM wParam, os::LPARAM lParam,
                              os::LRESULT& result) {
    if (message == os::WM_PAINT) {
        const os::HRGN region = os::CreateRectRgn(0, 0, 0, 0);
        os::GetUpdateRgn(window, region, false);
        os::CombineRgn(updateRegion_, updateRegion_, region, os::RGN_OR);
        os::DeleteObject(region);
    }
    result = platform::MSubclass::PassOn(window, message, wParam, lParam);
}

void GridRenderer::PaintEvent() {
    if (!grid_.Redraw()) return;
    std::vector<os::RECT> rects;
    os::GetRegionData(updateRegion_, rects);
    const GridLayout layout(parts_);
    if (grid_.Loading()) {
        WholeAreaPass();
    } else if (!rects.empty()) {
        if (!parts_.view.FullRepaintPending() && rects.size() == 1 && rects.front() == layout.Client() &&
            lastClient_ == layout.Client()) {
            WholeAreaPass();
        } else if (rects.size() == 1 && rects.front() == layout.Client()) {
            parts_.view.SetFullRepaintPending(true);
        } else {
            for (const os::RECT& rect : rects) runtime::RunHandler([&] { MarkRectangle(rect, layout); });
        }
    }
    os::SetRectRgn(updateRegion_, 0, 0, 0, 0);
    if (!rects.empty() || grid_.Loading()) grid_.RequestRepaint(false);
}

void GridRenderer::WholeAreaPass() { parts_.view.SetFullRepaintPending(true); }

// The cells under a rectangle of the window become dirty; a corner outside
// the table takes the nearest visible row or column.
void GridRenderer::MarkRectangle(const os::RECT& rect, const GridLayout& layout) {
    if (parts_.rows.Count() == 0 || parts_.columns.Count() == 0) return;
    const VisibleRange range = layout.Visible();
    auto cellOf = [&](std::int32_t x, std::int32_t y, std::int32_t& row, std::int32_t& position) {
        layout.CellAt(x, y, row, position);
        if (row < 0) row = y < layout.DataTop() ? 0 : (range.HasRows() ? range.lastRow : parts_.rows.Count() - 1);
        if (position < 0) position = x < parts_.sheet.FixedWidth() ? 0 : (range.HasColumns() ? range.lastCol : parts_.columns.Count() - 1);
    };
    std::int32_t r1, p1, r2, p2;
    cellOf(rect.left, rect.top, r1, p1);
    cellOf(rect.right - 1, rect.bottom - 1, r2, p2);
    if (r1 > r2) std::swap(r1, r2);
    if (p1 > p2) std::swap(p1, p2);
    r2 = std::min(r2, parts_.rows.Count() - 1);
    const bool beyondColumns = rect.right > range.lastColRight;
    for (std::int32_t r = std::max(0, r1); r <= r2; ++r) {
        for (std::int32_t p = std::max(0, p1); p <= p2; ++p) grid_.SetCellDirty(r, parts_.columns.At(p).dataIndex);
        if (beyondColumns) grid_.SetRowDirty(r);
    }
}

// --- measuring ---

os::SIZE GridRenderer::MeasureText(const std::string& text, std::int32_t fontIndex, std::int32_t width,
                                   std::int32_t flags) {
    const bool temporary = bufferDc_ == 0;
    const os::HDC dc = temporary ? os::CreateCompatibleDC(0) : bufferDc_;
    const auto& fonts = parts_.look.FontTable();
    const GridFont& font = fonts[static_cast<std::size_t>(fontIndex > 0 && fontIndex < static_cast<std::int32_t>(fonts.size()) ? fontIndex : 0)];
    const os::HFONT hfont = os::CreateFontIndirect(LogFontOf(font));
    const os::HGDIOBJ previous = os::SelectObject(dc, hfont);
    os::RECT rect{0, 0, width, 0};
    std::string copy = text;
    const int height = os::DrawText(dc, copy, rect, static_cast<os::UINT>(flags | text_flags::CalcRect));
    os::SelectObject(dc, previous);
    os::DeleteObject(hfont);
    if (temporary) os::DeleteDC(dc);
    return {rect.right - rect.left, height};
}

os::SIZE GridRenderer::IconSize() {
    int width = 0, height = 0;
    if (parts_.look.imageList) os::ImageList_GetIconSize(parts_.look.imageList, width, height);
    return {width, height};
}

}  // namespace grid
