// The grid under the mouse: focus, selection, blocks, dragging, tooltips.
#include "InputGridFixture.h"
#include "os/desktop/ToolTips.h"

using os::CtrlMask;
using os::ShiftMask;

namespace {

using Log = std::vector<std::string>;

TEST_F(InputGrid, AClickMovesTheFocusAndRaisesEventsInOrder) {
    Fill(3, 4);
    ClickCell(2, 1);
    EXPECT_EQ(Focus(), std::make_pair(2, 1));
    EXPECT_EQ(host.log, (Log{"MouseDown", "EnterCell", "SelectionChange(2,1)", "RowColChange", "RowChange",
                             "MouseUp", "Click"}));
    host.log.clear();
    ClickCell(2, 2);
    EXPECT_EQ(host.log, (Log{"MouseDown", "EnterCell", "SelectionChange(2,2)", "RowColChange", "MouseUp", "Click"}));
}

TEST_F(InputGrid, APressOutsideTheCellsSelectsNothing) {
    Fill(3, 2);
    os::testing::MouseClick(Window(), os::LeftButton, {250, 150});
    EXPECT_EQ(Focus(), std::make_pair(0, 0));
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(host.log, (Log{"MouseDown", "MouseUp", "Click"}));
}

TEST_F(InputGrid, HostCanVetoAPress) {
    Fill(3, 4);
    host.vetoPress = true;
    ClickCell(2, 1);
    EXPECT_EQ(Focus(), std::make_pair(0, 0));
    EXPECT_TRUE(Selected().empty());
}

TEST_F(InputGrid, ClicksSelectByModeAndModifier) {
    Fill(3, 4);
    struct Case {
        const char* name;
        bool fresh;  // the selection cleared first
        int mode;
        bool multi;
        int row, col;
        std::int16_t shift;
        Log selected;
    } cases[] = {
        {"single cell", true, 0, false, 1, 1, 0, {"1,1"}},
        {"single moves", false, 0, false, 2, 2, 0, {"2,2"}},
        {"row mode", true, 1, false, 3, 1, 0, {"3,0", "3,1", "3,2"}},
        {"column mode", true, 2, false, 0, 2, 0, {"0,2", "1,2", "2,2", "3,2"}},
        {"multi: only the cell", false, 0, true, 1, 0, 0, {"1,0"}},
        {"multi: ctrl adds", false, 0, true, 2, 2, CtrlMask, {"1,0", "2,2"}},
        {"multi: ctrl takes away", false, 0, true, 1, 0, CtrlMask, {"2,2"}},
        {"multi rows: ctrl adds a row", false, 1, true, 0, 1, CtrlMask, {"0,0", "0,1", "0,2", "2,2"}},
    };
    for (const Case& c : cases) {
        if (c.fresh) Grid().ClearSelection();
        Grid().SetSelectionMode(c.mode);
        Grid().SetMultiSelect(c.multi);
        ClickCell(c.row, c.col, c.shift);
        EXPECT_EQ(Selected(), c.selected) << c.name;
    }
}

TEST_F(InputGrid, ShiftClickSelectsTheRectangleAndKeepsTheFocus) {
    Fill(4, 5);
    Grid().SetMultiSelect(true);
    ClickCell(3, 3);  // something to be cleared
    ClickCell(1, 1);
    host.log.clear();
    ClickCell(3, 2, ShiftMask);
    EXPECT_EQ(Selected(), (Log{"1,1", "1,2", "2,1", "2,2", "3,1", "3,2"}));
    EXPECT_EQ(Focus(), std::make_pair(1, 1));
    EXPECT_EQ(host.log, (Log{"MouseDown", "MouseUp", "Click"}));
    // No block reaches into the first row or column: the clicked cell alone.
    ClickCell(0, 0, ShiftMask);
    EXPECT_EQ(Selected(), (Log{"0,0"}));
    ClickCell(2, 2);
    ClickCell(0, 1, ShiftMask);
    EXPECT_EQ(Selected(), (Log{"0,1"}));
    EXPECT_EQ(Focus(), std::make_pair(2, 2));
    Grid().SetSelectionMode(1);
    ClickCell(1, 3, ShiftMask);
    EXPECT_EQ(Selected().size(), 8u);  // rows 1 and 2, every column
}

TEST_F(InputGrid, FixedBandsSelectColumnsRowsOrEverything) {
    Fill(3, 4);
    Grid().SetFixedRows(1);
    Grid().SetFixedCols(1);
    Grid().SetMultiSelect(true);
    Settle();
    ClickCell(0, 2);
    EXPECT_EQ(Selected(), (Log{"0,2", "1,2", "2,2", "3,2"}));
    ClickCell(2, 0);
    EXPECT_EQ(Selected(), (Log{"2,0", "2,1", "2,2"}));
    ClickCell(0, 0);
    EXPECT_EQ(Selected().size(), 12u);
}

TEST_F(InputGrid, DraggingTogglesEachCellEnteredOnce) {
    Fill(4, 3);
    Grid().SetMultiSelect(true);
    os::testing::MousePress(Window(), CellPoint(1, 0));
    EXPECT_EQ(Selected(), (Log{"1,0"}));
    os::testing::MouseMoveTo(Window(), CellPoint(1, 1), true);
    os::testing::MouseMoveTo(Window(), CellPoint(1, 2), true);
    os::testing::MouseMoveTo(Window(), CellPoint(1, 2), true);  // still in it
    EXPECT_EQ(Selected(), (Log{"1,0", "1,1", "1,2"}));
    os::testing::MouseMoveTo(Window(), CellPoint(1, 1), true);  // back: toggled off
    EXPECT_EQ(Selected(), (Log{"1,0", "1,2"}));
    os::testing::MouseRelease(Window(), CellPoint(1, 1));
    os::testing::MouseMoveTo(Window(), CellPoint(2, 1), false);  // no button: nothing
    EXPECT_EQ(Selected(), (Log{"1,0", "1,2"}));
    EXPECT_EQ(Focus(), std::make_pair(1, 0));
    EXPECT_EQ(Grid().MouseRow(), 2);
    EXPECT_EQ(Grid().MouseCol(), 1);
}

TEST_F(InputGrid, ADisabledGridIgnoresTheMouse) {
    Fill(3, 3);
    Grid().SetEnabled(false);
    ClickCell(2, 2);
    os::testing::MouseDoubleClick(Window(), CellPoint(1, 1));
    EXPECT_EQ(Focus(), std::make_pair(0, 0));
    EXPECT_TRUE(host.log.empty());
}

TEST_F(InputGrid, CutOffCellsShowTheirTextAsTooltip) {
    Fill(3, 2);
    Grid().SetColWidth(runtime::Variant(0), 15 * 20);  // 20 pixels
    Grid().SetToolTip("grid tip");
    Grid().SetTextMatrix(0, 0, "a text far wider than twenty pixels");
    Grid().SetTextMatrix(1, 0, "another long text that is cut off");
    Grid().SetCellToolTip(1, 0, "cell tip");
    Grid().SetColToolTip(runtime::Variant(1), "column tip");
    Grid().SetTextMatrix(0, 2, "");
    Settle();
    struct Case {
        int row, col;
        const char* tip;
    } cases[] = {
        {0, 0, "a text far wider than twenty pixels"},
        {1, 0, "another long text that is cut off   -   cell tip"},
        {0, 1, "column tip"},
        {0, 2, "grid tip"},
        {1, 1, "column tip"},
    };
    for (const Case& c : cases) {
        os::testing::MouseMoveTo(Window(), CellPoint(c.row, c.col), false);
        EXPECT_EQ(os::WindowToolTip(Window()), c.tip) << c.row << "," << c.col;
    }
}

}  // namespace
