#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "os/painting/ControlWindow.h"
#include "os/desktop/EventLoop.h"
#include "os/drawing/Gdi.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"
#include "calc/texts/ResultColumns.h"
#include "os/testing/OffscreenApplication.h"

namespace {

using namespace os;

constexpr int RowHeight = 17;
constexpr int CellWidth = 70;
constexpr int Cells = static_cast<int>(calc::kResultColumnCount);

const std::array<std::string, Cells> RowTexts = {"40", "60", "35", "80", "1.2500", "20.3200", "-0.125", "", "sec D "};

// A shown window the size of the results grid, a device context on it and
// a one-row off-screen buffer, as the grid draws.
class GridLikeWindow {
public:
    GridLikeWindow() {
        form = CreateWidgetWindow("Form", 0, {0, 0, 660, 560});
        window = CreateControlWindow(owner, "Grid", form, {0, 0, 640, 540});
        ShowWindow(form, SW_SHOW);
        ProcessPendingEvents();
        dc = GetDC(window);
        buffer = CreateCompatibleDC(dc);
        bitmap = CreateCompatibleBitmap(dc, 800, RowHeight);
        SelectObject(buffer, bitmap);
        SetBkMode(buffer, TRANSPARENT);
    }
    ~GridLikeWindow() {
        DeleteDC(buffer);
        DeleteObject(bitmap);
        ReleaseDC(window, dc);
        DestroyWindow(form);
    }

    // One row: background, grid lines and text of each cell, then the copy
    // to the window.
    void DrawRow(int top) const {
        const HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
        const HPEN previous = SelectObject(buffer, pen);
        for (int cell = 0; cell < Cells; ++cell) {
            const int left = cell * CellWidth;
            FillRect(buffer, {left, 0, left + CellWidth, RowHeight}, GetSysColorBrush(COLOR_WINDOW));
            MoveToEx(buffer, left + CellWidth - 2, -1, nullptr);
            LineTo(buffer, left + CellWidth - 2, RowHeight - 2);
            LineTo(buffer, left - 2, RowHeight - 2);
            RECT text{left + 2, 2, left + CellWidth - 2, RowHeight - 2};
            DrawText(buffer, RowTexts[cell], text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
        SelectObject(buffer, previous);
        DeleteObject(pen);
        BitBlt(dc, 0, top, Cells * CellWidth, RowHeight, buffer, 0, 0, SRCCOPY);
    }

    class NoEvents : public ControlOwner {};
    NoEvents owner;
    HWND form = 0;
    HWND window = 0;
    HDC dc = 0;
    HDC buffer = 0;
    HBITMAP bitmap = 0;
};

void DrawOneRow(benchmark::State& state) {
    GridLikeWindow grid;
    for (auto _ : state) grid.DrawRow(0);
}
BENCHMARK(DrawOneRow)->Unit(benchmark::kMicrosecond);

void RepaintThirtyRows(benchmark::State& state) {
    GridLikeWindow grid;
    for (auto _ : state) {
        for (int row = 0; row < 30; ++row) grid.DrawRow(row * RowHeight);
        ProcessPendingEvents();
    }
}
BENCHMARK(RepaintThirtyRows)->Unit(benchmark::kMillisecond);

void InvalidateAndPaint(benchmark::State& state) {
    GridLikeWindow grid;
    for (auto _ : state) {
        const RECT cell{70, 17, 140, 34};
        InvalidateRect(grid.window, &cell, false);
        UpdateWindow(grid.window);
    }
}
BENCHMARK(InvalidateAndPaint)->Unit(benchmark::kMicrosecond);

void CreateSelectDeleteFont(benchmark::State& state) {
    GridLikeWindow grid;
    for (auto _ : state) {
        const HFONT font = CreateFont(FontHeightForPoints(8), 0, 0, 0, FW_BOLD, false, false, false, "Liberation Sans");
        const HFONT previous = SelectObject(grid.buffer, font);
        SelectObject(grid.buffer, previous);
        DeleteObject(font);
    }
}
BENCHMARK(CreateSelectDeleteFont)->Unit(benchmark::kMicrosecond);

void MeasureWrappedText(benchmark::State& state) {
    GridLikeWindow grid;
    for (auto _ : state) {
        RECT rect{0, 0, 60, 0};
        benchmark::DoNotOptimize(
            DrawText(grid.buffer, "thread pitch of the lead screw", rect, DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX));
    }
}
BENCHMARK(MeasureWrappedText)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    os::testing::OffscreenApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
