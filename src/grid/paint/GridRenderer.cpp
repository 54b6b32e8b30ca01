#include "grid/paint/GridRenderer.h"

#include <algorithm>
#include <cstdlib>

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

GridRenderer::GridRenderer(VbGrid& grid) : grid_(grid), timer_(this) {
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
    if (grid_.hWnd()) subclass_.Attach(this, grid_.hWnd(), os::WM_PAINT);
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
        const os::HDC windowDc = os::GetDC(grid_.hWnd());
        bufferDc_ = os::CreateCompatibleDC(windowDc);
        os::ReleaseDC(grid_.hWnd(), windowDc);
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
    const VbGrid::Colours colours = grid_.TranslatedColours();
    os::SetTextColor(bufferDc_, Rgb(colours.fore, os::COLOR_WINDOWTEXT));
    os::SetBkColor(bufferDc_, Rgb(colours.back, os::COLOR_WINDOW));
    os::SetBkMode(bufferDc_, os::TRANSPARENT);
    FillBackground(bufferDc_, {0, 0, bufferWidth_, bufferHeight_}, 0, 0);
}

// --- drawing objects of a pass ---

void GridRenderer::PreparePass(DrawPass& pass) const {
    const VbGrid::Colours c = grid_.TranslatedColours();
    const bool enabled = grid_.Enabled();
    if (Drawn(grid_.Settings().gridLines))
        pass.gridPen = os::CreatePen(os::PS_SOLID, 1, enabled ? Rgb(c.grid, os::COLOR_BTNFACE) : os::GetSysColor(os::COLOR_GRAYTEXT));
    pass.fixedPen =
        os::CreatePen(os::PS_SOLID, 1, enabled ? Rgb(c.gridFixed, os::COLOR_WINDOWTEXT) : os::GetSysColor(os::COLOR_APPWORKSPACE));
    pass.textColour = enabled ? Rgb(c.fore, os::COLOR_WINDOWTEXT) : os::GetSysColor(os::COLOR_GRAYTEXT);
    pass.foreFixed = Rgb(c.foreFixed, os::COLOR_BTNTEXT);
    pass.backFixed = Rgb(c.backFixed, os::COLOR_BTNFACE);
    pass.backSel = Rgb(c.backSel, os::COLOR_HIGHLIGHT);
    pass.foreSel = Rgb(c.foreSel, os::COLOR_HIGHLIGHTTEXT);
    for (const GridFont& font : grid_.FontTable()) pass.fonts.push_back(os::CreateFontIndirect(LogFontOf(font)));
}

void GridRenderer::FillBackground(os::HDC dc, const os::RECT& rect, std::int32_t originX, std::int32_t originY) const {
    const PictureRef& picture = grid_.BackgroundPicture();
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
    if (!grid_.Enabled()) {
        os::FillRect(dc, rect, os::GetSysColorBrush(os::COLOR_BTNFACE));
        return;
    }
    const std::uint32_t ole = static_cast<std::uint32_t>(grid_.BackColor());
    if ((ole & 0xFFFFFF00u) == 0x80000000u) {
        os::FillRect(dc, rect, os::GetSysColorBrush(static_cast<int>(ole & 0xFFu)));
        return;
    }
    const os::HBRUSH brush = os::CreateSolidBrush(Rgb(grid_.TranslatedColours().back, os::COLOR_WINDOW));
    os::FillRect(dc, rect, brush);
    os::DeleteObject(brush);
}

// --- the draw pass ---

void GridRenderer::Draw() {
    const os::HWND window = grid_.hWnd();
    if (!grid_.Redraw() || drawing_ || !window) return;
    drawing_ = true;
    bool barsChanged = false;
    runtime::RunHandler([&] {
        ++drawPasses_;
        // The bars come first: the data area is what they leave of the window.
        if (grid_.Scroller()) barsChanged = grid_.Scroller()->UpdateRanges();
        DrawPass pass;
        PreparePass(pass);
        const os::HDC dc = os::GetDC(window);
        const GridLayout layout(grid_);
        const os::RECT client = layout.Client();
        lastClient_ = client;
        if (!bufferDc_) FillBackground(dc, client, grid_.HorizontalOffset(), grid_.VerticalOffset());
        if (!pass.fonts.empty()) {
            os::SelectObject(dc, pass.fonts[0]);
            if (bufferDc_) os::SelectObject(bufferDc_, pass.fonts[0]);
        }
        os::SetBkMode(dc, os::TRANSPARENT);
        const std::int32_t leftCol = grid_.LeftCol();
        // The first column on screen may be partly scrolled off at the left:
        // the painted width then still reaches the right edge.
        const std::int32_t leftX =
            leftCol >= 0 && leftCol < grid_.Cols() ? std::max(0, layout.ColumnX(leftCol)) : 0;
        const std::int32_t paintRight = leftX + layout.DataWidth() + 24;

        VisibleRange range = layout.Visible();
        grid_.SetTopRowAfterPass(range.firstRow >= 0 ? range.firstRow : 0);
        const std::int32_t fixedRows = std::min(grid_.FixedRows(), grid_.Rows());
        for (std::int32_t r = 0; r < fixedRows; ++r) DrawRow(dc, pass, layout, r, paintRight);
        if (grid_.FixedHeight() > 0) os::IntersectClipRect(dc, 0, layout.DataTop(), client.right, client.bottom);
        range = layout.Visible();
        if (grid_.ServingVirtualRows() && grid_.RequestVirtualRows()) {
            // The bars range over the new rows; a host that ran out of rows
            // may leave the view past the end, and the bars move it back.
            const std::int32_t offset = grid_.VerticalOffset();
            if (grid_.Scroller()) barsChanged = grid_.Scroller()->UpdateRanges() || barsChanged;
            if (grid_.VerticalOffset() != offset) grid_.SetFullRepaintPending(true);
            range = layout.Visible();
        }
        std::int32_t bottom = layout.DataTop();
        if (range.HasRows()) {
            for (std::int32_t r = std::max(range.firstRow, fixedRows); r <= range.lastRow; ++r)
                if (grid_.RowAt(r).visible) DrawRow(dc, pass, layout, r, paintRight);
            bottom = std::max(bottom, range.lastRowBottom);
        }
        os::SelectClipRgn(dc, 0);
        if (bottom < client.bottom) {
            const os::HBRUSH strip = os::CreateSolidBrush(Rgb(grid_.TranslatedColours().backBkg, os::COLOR_APPWORKSPACE));
            os::FillRect(dc, {0, bottom, layout.DataWidth() + 32, client.bottom}, strip);
            os::DeleteObject(strip);
        }
        os::ReleaseDC(window, dc);
        grid_.SetFullRepaintPending(false);
    });
    drawing_ = false;
    // A bar that came or went changed the width the columns share.
    if (barsChanged) Resize();
}

bool GridRenderer::DirtySpan(std::int32_t row, std::int32_t& first, std::int32_t& last) const {
    first = last = -1;
    for (std::int32_t p = 0; p < grid_.Cols(); ++p) {
        if (!grid_.CellAt(row, grid_.ColumnAt(p).dataIndex).dirty) continue;
        if (first < 0) first = p;
        last = p;
    }
    return first >= 0;
}

void GridRenderer::DrawRow(os::HDC windowDc, const DrawPass& pass, const GridLayout& layout, std::int32_t row,
                           std::int32_t paintRight) {
    const GridRow& r = grid_.RowAt(row);
    const std::int32_t y = layout.RowY(row);
    const os::RECT client = layout.Client();
    if (y >= client.bottom || y + r.height <= (r.fixed ? 0 : layout.DataTop())) return;

    const bool whole = grid_.FullRepaintPending() || r.dirty;
    std::int32_t first = 0, last = grid_.Cols() - 1;
    if (!whole && !DirtySpan(row, first, last)) return;
    ++rowsDrawn_;

    const bool buffered = bufferDc_ && r.height <= bufferHeight_;
    const os::HDC dc = buffered ? bufferDc_ : windowDc;
    const std::int32_t y0 = buffered ? 0 : y;
    std::int32_t spanLeft = whole ? 0 : layout.ColumnX(first);
    std::int32_t spanRight = whole ? paintRight : layout.ColumnX(last) + grid_.ColumnAt(last).width;
    if (buffered) spanRight = std::min(spanRight, bufferWidth_);
    // A cell without a back colour of its own shows the background, so the
    // span is cleared first: whatever was drawn there before must not show through.
    FillBackground(dc, {spanLeft, y0, spanRight, y0 + r.height}, grid_.HorizontalOffset(), y - y0);

    // Scrolling columns first, then the fixed ones over anything scrolled under them.
    CellPainter painter(grid_, pass, dc);
    for (int fixedPass = 0; fixedPass < 2; ++fixedPass) {
        for (std::int32_t p = first; p <= last; ++p) {
            const GridColumn& c = grid_.ColumnAt(p);
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
        if (!whole && grid_.HorizontalOffset() > 0 && spanLeft < grid_.FixedWidth() && !grid_.ColumnAt(first).fixed)
            spanLeft = grid_.FixedWidth();
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
        if (grid_.Scroller()) grid_.Scroller()->UpdateRanges();
        grid_.FitAutoResizeColumns(GridLayout(grid_).DataWidth());
        if (grid_.HeaderControl()) grid_.HeaderControl()->Layout();
        grid_.SetFullRepaintPending(true);
        Draw();
    });
    resizing_ = false;
}

// Scrolling along one axis moves what is already on screen and draws only
// the band that came into view; anything else repaints the whole area.
void GridRenderer::Scrolled(std::int32_t dx, std::int32_t dy) {
    const os::HWND window = grid_.hWnd();
    if (!window || !grid_.Redraw()) {
        grid_.SetFullRepaintPending(true);
        return;
    }
    const GridLayout layout(grid_);
    const os::RECT client = layout.Client();
    // Vertically the scrolling rows move; horizontally the scrolling columns,
    // in the fixed rows as well.
    const os::RECT band = dx == 0 ? os::RECT{0, layout.DataTop(), client.right, client.bottom}
                                  : os::RECT{grid_.FixedWidth(), grid_.HeaderHeightPixels(), client.right, client.bottom};
    const PictureRef& picture = grid_.BackgroundPicture();
    os::RECT pending{};
    const bool movable = (dx == 0 || dy == 0) && std::abs(dx) < band.right - band.left &&
                         std::abs(dy) < band.bottom - band.top && !grid_.FullRepaintPending() &&
                         !(picture && picture->Bitmap()) && !os::GetUpdateRect(window, &pending, false);
    if (!movable) {
        grid_.SetFullRepaintPending(true);
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
    const GridLayout layout(grid_);
    if (grid_.Loading()) {
        WholeAreaPass();
    } else if (!rects.empty()) {
        if (!grid_.FullRepaintPending() && rects.size() == 1 && rects.front() == layout.Client() &&
            lastClient_ == layout.Client()) {
            WholeAreaPass();
        } else if (rects.size() == 1 && rects.front() == layout.Client()) {
            grid_.SetFullRepaintPending(true);
        } else {
            for (const os::RECT& rect : rects) runtime::RunHandler([&] { MarkRectangle(rect, layout); });
        }
    }
    os::SetRectRgn(updateRegion_, 0, 0, 0, 0);
    if (!rects.empty() || grid_.Loading()) grid_.RequestRepaint();
}

void GridRenderer::WholeAreaPass() { grid_.SetFullRepaintPending(true); }

// The cells under a rectangle of the window become dirty; a corner outside
// the table takes the nearest visible row or column.
void GridRenderer::MarkRectangle(const os::RECT& rect, const GridLayout& layout) {
    if (grid_.Rows() == 0 || grid_.Cols() == 0) return;
    const VisibleRange range = layout.Visible();
    auto cellOf = [&](std::int32_t x, std::int32_t y, std::int32_t& row, std::int32_t& position) {
        layout.CellAt(x, y, row, position);
        if (row < 0) row = y < layout.DataTop() ? 0 : (range.HasRows() ? range.lastRow : grid_.Rows() - 1);
        if (position < 0) position = x < grid_.FixedWidth() ? 0 : (range.HasColumns() ? range.lastCol : grid_.Cols() - 1);
    };
    std::int32_t r1, p1, r2, p2;
    cellOf(rect.left, rect.top, r1, p1);
    cellOf(rect.right - 1, rect.bottom - 1, r2, p2);
    if (r1 > r2) std::swap(r1, r2);
    if (p1 > p2) std::swap(p1, p2);
    r2 = std::min(r2, grid_.Rows() - 1);
    const bool beyondColumns = rect.right > range.lastColRight;
    for (std::int32_t r = std::max(0, r1); r <= r2; ++r) {
        for (std::int32_t p = std::max(0, p1); p <= p2; ++p) grid_.SetCellDirty(r, grid_.ColumnAt(p).dataIndex);
        if (beyondColumns) grid_.SetRowDirty(r);
    }
}

// --- measuring ---

os::SIZE GridRenderer::MeasureText(const std::string& text, std::int32_t fontIndex, std::int32_t width,
                                   std::int32_t flags) {
    const bool temporary = bufferDc_ == 0;
    const os::HDC dc = temporary ? os::CreateCompatibleDC(0) : bufferDc_;
    const auto& fonts = grid_.FontTable();
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
    if (grid_.ImageListHandle()) os::ImageList_GetIconSize(grid_.ImageListHandle(), width, height);
    return {width, height};
}

}  // namespace grid
