#include "GridTestSupport.h"

using grid::VbGrid;

namespace {

class Recorder : public grid::GridEvents {
public:
    void SelectionChange(std::int32_t r, std::int32_t c) override {
        log.push_back("SelectionChange(" + std::to_string(r) + "," + std::to_string(c) + ")");
    }
    void RowColChange() override { log.push_back("RowColChange"); }
    void RowChange() override { log.push_back("RowChange"); }
    std::vector<std::string> log;
};

}  // namespace

TEST(GridEvents, MovingTheCurrentCell) {
    VbGrid g;
    Recorder events;
    g.SetEvents(&events);
    Fill(g, 3, 3);
    g.SetRow(2);
    g.SetCol(1);
    g.SetCol(1);  // no change, no events
    EXPECT_EQ(events.log, (std::vector<std::string>{"SelectionChange(2,0)", "RowColChange", "RowChange",
                                                    "SelectionChange(2,1)", "RowColChange"}));
}

TEST(GridEvents, SelectedRowMovesTheSelection) {
    VbGrid g;
    Recorder events;
    g.SetEvents(&events);
    Fill(g, 3, 3);
    g.SetSelectionMode(1);
    g.SetSelectedRow(1);
    for (int c = 0; c < 3; ++c) {
        EXPECT_TRUE(g.CellSelected(1, c));
        EXPECT_FALSE(g.CellSelected(0, c));
    }
    g.SetSelectedRow(2);
    EXPECT_FALSE(g.CellSelected(1, 0));
    EXPECT_TRUE(g.CellSelected(2, 2));
    EXPECT_EQ(ErrorOf([&] { g.SetSelectedRow(3); }).description, runtime::StandardErrorText(9));
    g.ClearSelection();
    EXPECT_FALSE(g.CellSelected(2, 2));
}

TEST(GridEvents, DefaultHandlersDoNothing) {
    grid::GridEvents none;
    bool cancel = false;
    std::int16_t key = 13, shift = 1;
    none.ColumnWidthStartChange(0, 10, cancel);
    none.KeyDown(key, shift);
    EXPECT_FALSE(cancel);
    EXPECT_EQ(key, 13);
}

namespace {

// Refuses the widths it is told to, and notes every width event (pixels).
class WidthHost : public grid::GridEvents {
public:
    void ColumnWidthChanged(std::int32_t col, std::int32_t width, bool& cancel) override {
        log.push_back("Changed(" + std::to_string(col) + "," + std::to_string(width) + ")");
        if (col == refuse) cancel = true;
    }
    void ColumnWidthChangeDone(std::int32_t col) override { log.push_back("Done(" + std::to_string(col) + ")"); }
    std::int32_t refuse = -1;
    std::vector<std::string> log;
};

}  // namespace

TEST(GridEvents, AWidthChangeTheHostRefusesLeavesTheWidth) {
    VbGrid g;
    WidthHost host;
    g.SetEvents(&host);
    Fill(g, 3, 1);
    g.ChangeColumnWidth(1, 100);
    EXPECT_EQ(g.ColumnAt(1).width, 100);
    EXPECT_EQ(host.log, (std::vector<std::string>{"Changed(1,100)", "Done(1)"}));
    host.refuse = 1;
    g.ChangeColumnWidth(1, 30);
    EXPECT_EQ(g.ColumnAt(1).width, 100);
}

TEST(GridEvents, AutoResizeColumnsShareTheDifference) {
    VbGrid g;
    WidthHost host;
    g.SetEvents(&host);
    Fill(g, 4, 1);
    g.SetColAutoResize(runtime::Variant(std::int32_t{2}), true);
    g.SetColAutoResize(runtime::Variant(std::int32_t{3}), true);
    g.ChangeColumnWidth(0, 59);  // 5 pixels narrower: 2 each, the odd one to the first
    EXPECT_EQ(g.ColumnAt(0).width, 59);
    EXPECT_EQ(g.ColumnAt(2).width, 67);
    EXPECT_EQ(g.ColumnAt(3).width, 66);
    EXPECT_EQ(g.ColumnAt(3).left, 59 + 64 + 67);

    host.refuse = 2;  // a refused share goes on to the next automatic column
    g.ChangeColumnWidth(0, 55);
    EXPECT_EQ(g.ColumnAt(2).width, 67);
    EXPECT_EQ(g.ColumnAt(3).width, 70);

    // The only automatic column cannot be resized by itself.
    g.SetColAutoResize(runtime::Variant(std::int32_t{3}), false);
    g.ChangeColumnWidth(2, 20);
    EXPECT_EQ(g.ColumnAt(2).width, 67);
}

TEST(GridSearch, FindsTheNextMatchingRowAndMovesThere) {
    VbGrid g;
    Recorder events;
    g.SetEvents(&events);
    Fill(g, 2, 5);
    const char* names[] = {"Gear", "spur gear", "GEARBOX", "worm", "gearing"};
    for (int r = 0; r < 5; ++r) g.SetTextMatrix(r, 1, names[r]);
    g.SetRowVisible(2, false);
    struct Case {
        const char* pattern;
        int mode;
        bool found;
        int row;
    } cases[] = {
        {"gear", 1, true, 4},   // from row 1 on: row 2 is hidden
        {"gear", 1, true, 0},   // round to the top
        {"GEAR", 2, true, 1},   // containing
        {"worm", 0, true, 3},   // equal, ignoring case
        {"wor", 0, false, 3},
        {"axle", 1, false, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(g.Search(1, c.pattern, c.mode), c.found) << c.pattern;
        EXPECT_EQ(g.row(), c.row) << c.pattern;
        EXPECT_EQ(g.col(), 1);
    }
    EXPECT_FALSE(g.Search(2, "gear"));
    EXPECT_FALSE(g.Search(-1, "gear"));
}

TEST(GridEvents, ASharedWidthChangeNamesTheColumnsByPosition) {
    VbGrid g;
    WidthHost host;
    g.SetEvents(&host);
    Fill(g, 4, 1);
    g.SetColumnOrder(runtime::Variant(std::int32_t{0}), 3);  // positions 0..3 now hold data 1, 2, 3, 0
    g.SetColAutoResize(runtime::Variant(std::int32_t{2}), true);  // at position 1
    host.log.clear();
    g.ChangeColumnWidth(0, 54);  // 10 pixels narrower: all of it to the automatic column
    EXPECT_EQ(host.log, (std::vector<std::string>{"Changed(0,54)", "Changed(1,74)", "Done(1)"}));
    EXPECT_EQ(g.ColumnAt(1).width, 74);
}
