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
