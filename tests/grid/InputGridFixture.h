#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/control/GridControl.h"
#include "os/testing/SimulatedInput.h"
#include "os/testing/WindowInput.h"
#include "os/desktop/EventLoop.h"
#include "os/windows/VirtualKeys.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"

// A host that writes down the grid's events, and can veto or change what
// the grid lets it.
class RecordingHost : public grid::GridEvents {
public:
    void SelectionChange(std::int32_t r, std::int32_t c) override {
        Log("SelectionChange(" + std::to_string(r) + "," + std::to_string(c) + ")");
    }
    void KeyDown(std::int16_t& key, std::int16_t& shift) override {
        Log("KeyDown(" + std::to_string(key) + "," + std::to_string(shift) + ")");
        if (vetoKeys) key = 0;
    }
    void KeyPress(std::int16_t& ascii) override { Log("KeyPress(" + std::to_string(ascii) + ")"); }
    void KeyUp(std::int16_t&, std::int16_t&) override { Log("KeyUp"); }
    void MouseDown(std::int16_t&, std::int16_t&, float&, float&) override { Log("MouseDown"); }
    void MouseDownTest(bool& doDefault) override { doDefault = !vetoPress; }
    void MouseUp(std::int16_t&, std::int16_t&, float&, float&) override { Log("MouseUp"); }
    void DblClick() override { Log("DblClick"); }
    void RowColChange() override { Log("RowColChange"); }
    void RowChange() override { Log("RowChange"); }
    void LeaveCell() override { Log("LeaveCell"); }
    void EnterCell() override { Log("EnterCell"); }
    void Click() override { Log("Click"); }
    void StartEdit(std::int32_t r, std::int32_t c, bool& cancel) override {
        Log("StartEdit(" + std::to_string(r) + "," + std::to_string(c) + ")");
        cancel = cancelStart;
    }
    void EditDone(std::string& data, bool& cancel) override {
        Log("EditDone(" + data + ")");
        if (!replaceWith.empty()) data = replaceWith;
        cancel = cancelDone;
    }
    void AfterUpdate(const std::string& s) override { Log("AfterUpdate(" + s + ")"); }

    void Log(const std::string& entry) { log.push_back(entry); }
    std::vector<std::string> log;
    bool vetoKeys = false;
    bool vetoPress = false;
    bool cancelStart = false;
    bool cancelDone = false;
    std::string replaceWith;
};

// A 300 x 200 grid window on a shown form: 4 columns of 64 pixels, rows of
// 16 pixels (row r, data index c holding "r,c"), and a recording host.
class InputGrid : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = os::CreateWidgetWindow("form", 0, {0, 0, 320, 240});
        control_ = std::make_unique<grid::GridControl>(parent_, os::RECT{0, 0, 300, 200});
        os::ShowWindow(parent_, os::SW_SHOW);
        Grid().SetEvents(&host);
    }
    void TearDown() override {
        Grid().SetEvents(nullptr);
        control_.reset();
        os::DestroyWindow(parent_);
    }
    grid::VbGrid& Grid() { return control_->Grid(); }
    grid::GridControl& Control() { return *control_; }
    os::HWND Window() { return control_->Window(); }
    void Fill(int cols, int rows) {
        grid::VbGrid& g = Grid();
        for (int c = 0; c < cols; ++c) g.AddColumn();
        for (int r = 0; r < rows; ++r) {
            g.AddRow();
            for (int c = 0; c < cols; ++c) g.SetTextMatrix(r, c, std::to_string(r) + "," + std::to_string(c));
        }
        Settle();
        host.log.clear();
    }
    void Settle() { os::ProcessEventsUntil([] { return false; }, 20); }
    void Key(int virtualKey, std::int16_t shift = 0) { os::testing::KeyClick(Window(), virtualKey, shift); }
    // The middle of a cell (row, display position), in client pixels.
    os::POINT CellPoint(int row, int col) {
        const os::RECT r = Grid().CellRect(row, col);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void ClickCell(int row, int col, std::int16_t shift = 0) {
        os::testing::MouseClick(Window(), os::LeftButton, CellPoint(row, col), shift);
    }
    std::pair<int, int> Focus() { return {Grid().row(), Grid().col()}; }
    // The selected cells, row by row, as "r,c" texts.
    std::vector<std::string> Selected() {
        std::vector<std::string> cells;
        for (int r = 0; r < Grid().Rows(); ++r)
            for (int c = 0; c < Grid().Cols(); ++c)
                if (Grid().CellSelected(r, c)) cells.push_back(std::to_string(r) + "," + std::to_string(c));
        return cells;
    }

    RecordingHost host;

private:
    os::HWND parent_ = 0;
    std::unique_ptr<grid::GridControl> control_;
};
