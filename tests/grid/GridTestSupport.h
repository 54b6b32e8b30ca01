#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/core/VbGrid.h"
#include "runtime/Error.h"

// A canvas that records what the grid invalidates.
class RecordingCanvas : public grid::GridCanvas {
public:
    os::HWND Window() const override { return 0; }
    double TwipsPerPixelX() const override { return 15; }
    double TwipsPerPixelY() const override { return 15; }
    std::int32_t TranslateColor(std::int32_t ole) const override { return detached.TranslateColor(ole); }
    void Invalidate(const os::RECT& rect) override { rects.push_back(rect); }
    void InvalidateAll() override { ++allInvalidations; }
    os::RECT ClientRect() const override { return client; }

    grid::DetachedCanvas detached;
    std::vector<os::RECT> rects;
    int allInvalidations = 0;
    os::RECT client{0, 0, 300, 200};
};

// A painter that counts what the grid asks of it.
class CountingPainter : public grid::GridPainter {
public:
    void Draw() override { ++draws; }
    void Resize() override { ++resizes; }
    void StartDelayedDraw(bool) override { ++timerStarts; }
    void RebuildBuffer(std::int32_t height) override { bufferHeights.push_back(height); }
    // Six pixels a character on one line of 13; wrapped text breaks at the width.
    os::SIZE MeasureText(const std::string& text, std::int32_t, std::int32_t width, std::int32_t flags) override {
        const std::int32_t natural = 6 * static_cast<std::int32_t>(text.size());
        if (!(flags & grid::text_flags::WordBreak) || width <= 0 || natural <= width) return {natural, 13};
        return {width, 13 * ((natural + width - 1) / width)};
    }
    os::SIZE IconSize() override { return {16, 16}; }
    void Scrolled(std::int32_t dx, std::int32_t dy) override { scrolls.push_back({dx, dy}); }
    int draws = 0, resizes = 0, timerStarts = 0;
    std::vector<os::POINT> scrolls;
    std::vector<std::int32_t> bufferHeights;
};

struct RaisedError {
    int number = 0;
    std::string description;
    std::string source;
};

inline RaisedError ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const runtime::Error& e) {
        return {e.Number(), e.Description(), e.Source()};
    }
    return {};
}

// A host's table of `rows` rows whose cell (r, c) reads r + c.
class NumberedTable : public grid::GridTable {
public:
    explicit NumberedTable(std::int32_t rows) : rows_(rows) {}
    std::int32_t RowCount() const override { return rows_; }
    std::string Text(std::int32_t row, std::int32_t col) const override { return std::to_string(row + col); }
    std::int32_t ForeColour(std::int32_t, std::int32_t) const override { return -1; }
    std::int32_t TextFlags(std::int32_t, std::int32_t) const override { return -1; }

private:
    std::int32_t rows_;
};

// A grid with `cols` columns and `rows` rows, cell (r, c) holding "r,c".
inline void Fill(grid::VbGrid& g, int cols, int rows) {
    for (int c = 0; c < cols; ++c) g.AddColumn("", "h" + std::to_string(c));
    for (int r = 0; r < rows; ++r) {
        g.AddRow();
        for (int c = 0; c < cols; ++c) g.SetTextMatrix(r, c, std::to_string(r) + "," + std::to_string(c));
    }
}
