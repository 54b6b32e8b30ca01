// The grid under the keyboard: moves, wrapping, events, selection, search.
#include <algorithm>

#include "InputGridFixture.h"

using os::CtrlMask;
using os::ShiftMask;

namespace {

using Log = std::vector<std::string>;

struct Move {
    const char* name;
    int fromRow, fromCol, key;
    std::int16_t shift;
    int toRow, toCol;
};

// 4 columns, column 2 hidden; 6 rows, row 4 hidden.
TEST_F(InputGrid, KeysMoveTheFocusOverVisibleCells) {
    Fill(4, 6);
    Grid().SetColumnVisible(runtime::Variant(2), false);
    Grid().SetRowVisible(4, false);
    const Move moves[] = {
        {"right skips a hidden column", 0, 1, os::VK_RIGHT, 0, 0, 3},
        {"left skips it back", 0, 3, os::VK_LEFT, 0, 0, 1},
        {"tab at the row's end wraps down", 1, 3, os::VK_TAB, 0, 2, 0},
        {"shift+tab at the row's start wraps up", 2, 0, os::VK_TAB, ShiftMask, 1, 3},
        {"shift+tab never wraps into row 0", 1, 0, os::VK_TAB, ShiftMask, 1, 0},
        {"tab on the last row stays", 5, 3, os::VK_TAB, 0, 5, 3},
        {"up on row 0 stays", 0, 1, os::VK_UP, 0, 0, 1},
        {"down on the last row stays", 5, 1, os::VK_DOWN, 0, 5, 1},
        {"down skips a hidden row", 3, 0, os::VK_DOWN, 0, 5, 0},
        {"up skips it back", 5, 0, os::VK_UP, 0, 3, 0},
        {"home goes to the first row", 3, 1, os::VK_HOME, 0, 0, 1},
        {"end goes to the last visible row", 1, 1, os::VK_END, 0, 5, 1},
        {"page down passes the end to the last row", 0, 0, os::VK_NEXT, 0, 5, 0},
        {"page up passes the start to the first row", 5, 0, os::VK_PRIOR, 0, 0, 0},
    };
    for (const Move& m : moves) {
        Grid().SetRow(m.fromRow);
        Grid().SetCol(m.fromCol);
        Key(m.key, m.shift);
        EXPECT_EQ(Focus(), std::make_pair(m.toRow, m.toCol)) << m.name;
    }
}

TEST_F(InputGrid, PageDownMovesByWhatTheWindowShows) {
    Fill(2, 100);
    // 200 pixels less a possible bar hold 11 or 12 rows of 16; the page
    // reaches the first row below them and scrolls it into view.
    Key(os::VK_NEXT);
    const int page = Grid().row();
    EXPECT_GE(page, 10);
    EXPECT_LE(page, 13);
    EXPECT_GT(Grid().VerticalOffset(), 0);
    Key(os::VK_PRIOR);
    EXPECT_EQ(Grid().row(), 0);
    EXPECT_EQ(Grid().VerticalOffset(), 0);
}

TEST_F(InputGrid, EventsFollowTheKeysInOrder) {
    Fill(3, 3);
    struct Case {
        const char* name;
        int key;
        Log expected;
    } cases[] = {
        {"down", os::VK_DOWN,
         {"KeyDown(40,0)", "LeaveCell", "SelectionChange(1,0)", "RowColChange", "RowChange", "EnterCell", "KeyUp"}},
        {"right: no row change", os::VK_RIGHT,
         {"KeyDown(39,0)", "LeaveCell", "SelectionChange(1,1)", "RowColChange", "EnterCell", "KeyUp"}},
        {"end", os::VK_END,
         {"KeyDown(35,0)", "LeaveCell", "SelectionChange(2,1)", "RowColChange", "RowChange", "EnterCell", "KeyUp"}},
        {"down on the last row", os::VK_DOWN, {"KeyDown(40,0)", "LeaveCell", "KeyUp"}},
        {"a key the grid has no use for", os::VK_INSERT, {"KeyDown(45,0)", "KeyUp"}},
    };
    for (Case& c : cases) {
        host.log.clear();
        Key(c.key);
        EXPECT_EQ(host.log, c.expected) << c.name;
    }
}

TEST_F(InputGrid, UpOnRowZeroRaisesOnlyKeyDownAndLeaveCell) {
    Fill(3, 3);
    Key(os::VK_UP);
    EXPECT_EQ(host.log, (Log{"KeyDown(38,0)", "LeaveCell", "KeyUp"}));
}

TEST_F(InputGrid, HostCanVetoAKey) {
    Fill(3, 3);
    host.vetoKeys = true;
    Key(os::VK_DOWN);
    EXPECT_EQ(Focus(), std::make_pair(0, 0));
    EXPECT_EQ(host.log, (Log{"KeyDown(40,0)", "KeyUp"}));  // logged before the veto
}

TEST_F(InputGrid, EmptyGridsIgnoreNavigationAfterKeyDown) {
    Grid().AddColumn();
    Settle();
    host.log.clear();
    for (int key : {os::VK_DOWN, os::VK_END, os::VK_NEXT, os::VK_TAB}) {
        host.log.clear();
        Key(key);
        ASSERT_FALSE(host.log.empty());
        EXPECT_EQ(host.log.front().substr(0, 8), "KeyDown(");
        for (const std::string& entry : host.log)  // key events only: nothing moved
            EXPECT_TRUE(entry.starts_with("Key")) << key << ": " << entry;
    }
    EXPECT_EQ(Focus(), std::make_pair(0, 0));
}

TEST_F(InputGrid, DisabledGridScrollsWithoutEvents) {
    Fill(8, 100);
    Grid().SetEnabled(false);
    Settle();
    host.log.clear();
    Key(os::VK_DOWN);
    EXPECT_EQ(Grid().VerticalOffset(), 16);
    Key(os::VK_NEXT);
    EXPECT_GT(Grid().VerticalOffset(), 16 * 5);
    Key(os::VK_RIGHT);
    EXPECT_GT(Grid().HorizontalOffset(), 0);
    Key(os::VK_PRIOR);
    Key(os::VK_UP);
    EXPECT_EQ(Grid().VerticalOffset(), 0);
    EXPECT_EQ(Focus(), std::make_pair(0, 0));
    EXPECT_TRUE(host.log.empty());
}

TEST_F(InputGrid, RowModeLeftAndRightScrollSideways) {
    Fill(8, 3);
    Grid().SetSelectionMode(1);
    Key(os::VK_RIGHT);
    EXPECT_GT(Grid().HorizontalOffset(), 0);
    EXPECT_EQ(Focus(), std::make_pair(0, 0));
    Key(os::VK_LEFT);
    EXPECT_EQ(Grid().HorizontalOffset(), 0);
    EXPECT_EQ(host.log, (Log{"KeyDown(39,0)", "LeaveCell", "KeyUp", "KeyDown(37,0)", "LeaveCell", "KeyUp"}));
}

TEST_F(InputGrid, RowModeTabWalksTheRows) {
    Fill(3, 3);
    Grid().SetSelectionMode(1);
    Key(os::VK_TAB);
    Key(os::VK_TAB);
    EXPECT_EQ(Grid().row(), 2);
    Key(os::VK_TAB, ShiftMask);
    EXPECT_EQ(Grid().row(), 1);
}

TEST_F(InputGrid, ModifiersDecideTheSelection) {
    Fill(3, 4);
    Grid().SetMultiSelect(true);
    Key(os::VK_DOWN);
    EXPECT_EQ(Selected(), (Log{"1,0"}));
    Key(os::VK_DOWN, ShiftMask);
    EXPECT_EQ(Selected(), (Log{"1,0", "2,0"}));
    Key(os::VK_RIGHT, CtrlMask);
    EXPECT_EQ(Selected(), (Log{"1,0", "2,0"}));
    EXPECT_EQ(Focus(), std::make_pair(2, 1));
    Key(os::VK_SPACE, CtrlMask);
    EXPECT_EQ(Selected(), (Log{"1,0", "2,0", "2,1"}));
    Key(os::VK_UP);
    EXPECT_EQ(Selected(), (Log{"1,1"}));
    Key(os::VK_END, ShiftMask);
    EXPECT_EQ(Selected(), (Log{"1,1", "3,0", "3,1"}));
    Key(os::VK_PRIOR, CtrlMask);  // up a page only Shift keeps the selection
    EXPECT_EQ(Selected(), (Log{"0,1"}));
    Key(os::VK_NEXT, CtrlMask);  // down a page Ctrl moves only the focus
    EXPECT_EQ(Focus(), std::make_pair(3, 1));
    EXPECT_EQ(Selected(), (Log{"0,1"}));
}

TEST_F(InputGrid, ShiftTabExtendsTheSelectionAsShiftLeftDoes) {
    Fill(3, 4);
    Grid().SetMultiSelect(true);
    Grid().SetRow(2);
    Grid().SetCol(1);
    Key(os::VK_RIGHT);
    Key(os::VK_LEFT);
    EXPECT_EQ(Selected(), (Log{"2,1"}));
    host.log.clear();
    Key(os::VK_TAB, ShiftMask);
    EXPECT_EQ(Focus(), std::make_pair(2, 0));
    EXPECT_EQ(Selected(), (Log{"2,0", "2,1"}));
    const std::string shiftLeft = "KeyDown(37," + std::to_string(ShiftMask) + ")";
    EXPECT_NE(std::find(host.log.begin(), host.log.end(), shiftLeft), host.log.end());
}

TEST_F(InputGrid, RowModeSelectsWholeRows) {
    Fill(3, 4);
    Grid().SetSelectionMode(1);
    Key(os::VK_DOWN);
    EXPECT_EQ(Selected(), (Log{"1,0", "1,1", "1,2"}));
    Grid().SetMultiSelect(true);
    Key(os::VK_DOWN, ShiftMask);
    EXPECT_EQ(Selected(), (Log{"1,0", "1,1", "1,2", "2,0", "2,1", "2,2"}));
    Key(os::VK_NEXT);
    EXPECT_EQ(Selected(), (Log{"3,0", "3,1", "3,2"}));
}

// Rows of the search column: 0 "abx", 1 "zz", 2 "AC", 3 "ab2", 4 "b".
class KeySearch : public InputGrid {
protected:
    void SetUp() override {
        InputGrid::SetUp();
        Fill(3, 5);
        const char* keys[] = {"abx", "zz", "AC", "ab2", "b"};
        for (int r = 0; r < 5; ++r) Grid().SetTextMatrix(r, 1, keys[r]);
        Grid().SetKeySearchColumn(1);
    }
};

TEST_F(KeySearch, TypingJumpsToTheFirstMatchFromRowOne) {
    struct Case {
        const char* typed;
        int row;
    } cases[] = {
        {"A", 2},     // row 1 on: "AC"
        {"AB", 3},    // "ab2", ignoring case
        {"ABQ", 3},   // nothing for ABQ: back to "AB"
        {"AX", 2},    // nothing for AX: back to "A"
        {"Z", 1},
        {"Q", 1},     // nothing at all: the empty text finds the first key from row 1
        {"B", 4},
    };
    for (const Case& c : cases) {
        Grid().SetRow(0);
        Grid().SetCol(0);
        Key(os::VK_ESCAPE);  // starts the search again
        for (const char* p = c.typed; *p; ++p) Key(*p);
        EXPECT_EQ(Focus(), std::make_pair(c.row, 1)) << c.typed;
    }
}

TEST_F(KeySearch, ANavigationKeyStartsTheSearchAgain) {
    Key('A');
    Key(os::VK_DOWN);
    Key('B');
    EXPECT_EQ(Grid().row(), 4);
}

TEST_F(KeySearch, SearchColumnZeroSearchesNothing) {
    Grid().SetKeySearchColumn(0);
    Key('A');
    Key('B');
    EXPECT_EQ(Focus(), std::make_pair(0, 0));
}

TEST_F(KeySearch, SearchMovesRaiseNoChangeEvents) {
    Key('Z');
    EXPECT_EQ(host.log, (Log{"KeyDown(90,0)", "KeyPress(122)", "KeyUp"}));
}

TEST(FindSearchMatchRow, ScansFromRowOneThenWraps) {
    grid::VbGrid g;
    for (int c = 0; c < 2; ++c) g.AddColumn();
    const char* keys[] = {"Alpha", "beta", "", "ALPS", "gamma"};
    for (int r = 0; r < 5; ++r) {
        g.AddRow();
        g.SetTextMatrix(r, 1, keys[r]);
    }
    g.SetKeySearchColumn(1);
    g.SetRowVisible(3, false);
    struct Case {
        const char* text;
        bool wrap, visibleOnly;
        int found;
    } cases[] = {
        {"AL", true, true, 0},      // row 3 is hidden: wraps to row 0
        {"AL", true, false, 3},
        {"AL", false, true, -1},
        {"ALPHAS", true, true, -1}, // longer than any key
        {"G", true, true, 4},
        {"", true, true, 1},        // an empty text matches the first non-empty key
    };
    for (const Case& c : cases) EXPECT_EQ(g.FindSearchMatchRow(c.text, c.wrap, c.visibleOnly), c.found) << c.text;
    g.SetKeySearchColumn(2);
    EXPECT_EQ(g.FindSearchMatchRow("A"), -1);
    g.SetKeySearchColumn(-1);
    EXPECT_EQ(g.FindSearchMatchRow("A"), -1);
}

}  // namespace
