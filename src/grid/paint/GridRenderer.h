#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "grid/paint/DrawPass.h"
#include "grid/paint/GridLayout.h"
#include "grid/paint/GridPainter.h"
#include "grid/paint/PaintedGrid.h"
#include "grid/view/GridParts.h"
#include "os/types/GdiTypes.h"
#include "platform/ISubclass.h"
#include "platform/TimerEvents.h"
#include "platform/cSubclass.h"
#include "platform/objTimer.h"

namespace grid {

// Paints the grid on its window: only dirty rows, and within a row only the
// span of dirty cells, each row composed in a one-row off-screen buffer and
// copied in one block. Window repaints are turned into dirty cells; bursts
// of changes are coalesced by a one-shot timer.
class GridRenderer : public GridPainter, public platform::ISubclass, public platform::TimerEvents {
public:
    GridRenderer(const GridParts& parts, PaintedGrid& grid);
    ~GridRenderer() override;
    GridRenderer(const GridRenderer&) = delete;
    GridRenderer& operator=(const GridRenderer&) = delete;

    // Hooks the window's paint message; call once the grid has its window.
    void Attach();

    // GridPainter
    void Draw() override;
    void Resize() override;
    void StartDelayedDraw(bool resize) override;
    void RebuildBuffer(std::int32_t rowHeight) override;
    os::SIZE MeasureText(const std::string& text, std::int32_t fontIndex, std::int32_t width,
                         std::int32_t flags) override;
    os::SIZE IconSize() override;
    void Scrolled(std::int32_t dx, std::int32_t dy) override;

    // The control's paint event (after the window's update region was collected).
    void PaintEvent();

    // ISubclass: the paint message of the grid's window.
    std::int32_t MsgResponse() const override { return platform::response::Consume; }
    void WindowProc(os::HWND window, os::UINT message, os::WPARAM wParam, os::LPARAM lParam,
                    os::LRESULT& result) override;
    // TimerEvents: the delayed draw.
    void Timer() override;

    // Observation for tests and the benchmark.
    int DrawPasses() const { return drawPasses_; }
    int RowsDrawn() const { return rowsDrawn_; }
    int CellsDrawn() const { return cellsDrawn_; }
    bool HasBuffer() const { return bufferDc_ != 0; }
    const std::string& TimerTag() const { return timerTag_; }
    bool TimerRunning() const { return timer_.Enabled(); }
    void SetTimerInterval(std::int32_t ms) { timer_.SetInterval(ms); }
    // Test seam: the off-screen buffer cannot be made.
    void RefuseBuffer() { ReleaseBuffer(); bufferRefused_ = true; }

private:
    void ReleaseBuffer();
    void PreparePass(DrawPass& pass) const;
    void FillBackground(os::HDC dc, const os::RECT& rect, std::int32_t originX, std::int32_t originY) const;
    void DrawRow(os::HDC windowDc, const DrawPass& pass, const GridLayout& layout, std::int32_t row,
                 std::int32_t paintRight);
    bool DirtySpan(std::int32_t row, std::int32_t& first, std::int32_t& last) const;
    void MarkRectangle(const os::RECT& rect, const GridLayout& layout);
    void WholeAreaPass();

    const GridParts& parts_;
    PaintedGrid& grid_;
    platform::cSubclass subclass_;
    platform::objTimer timer_;
    std::string timerTag_ = "False";
    std::chrono::steady_clock::time_point lastRequest_{};
    os::HRGN updateRegion_ = 0;
    os::HDC bufferDc_ = 0;
    os::HBITMAP bufferBitmap_ = 0;
    os::HGDIOBJ bufferOldBitmap_ = 0;
    std::int32_t bufferWidth_ = 0;
    std::int32_t bufferHeight_ = 0;
    bool bufferRefused_ = false;
    bool drawing_ = false;
    bool resizing_ = false;
    os::RECT lastClient_{};
    int drawPasses_ = 0;
    int rowsDrawn_ = 0;
    int cellsDrawn_ = 0;
};

}  // namespace grid
