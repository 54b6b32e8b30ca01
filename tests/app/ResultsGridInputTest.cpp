// The results grid in the main window under keyboard and mouse, and its
// rows copied to the clipboard.
#include <gtest/gtest.h>

#include <sstream>

#include "MainWindowFixture.h"
#include "app/results/ResultsCopy.h"
#include "forms/testing/UserInput.h"
#include "os/commoncontrols/Clipboard.h"
#include "os/testing/SimulatedInput.h"
#include "os/windows/VirtualKeys.h"
#include "os/windows/Window.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Catches what goes to the clipboard.
class ClipboardCatch {
public:
    ClipboardCatch() {
        os::SetClipboardReceiver([this](const std::string& text) { texts.push_back(text); });
    }
    ~ClipboardCatch() { os::SetClipboardReceiver({}); }
    std::vector<std::string> texts;
};

class ResultsGridInput : public MainWindowTest {
protected:
    void SetUp() override {
        Open();
        forms::testing::TypeText(Inputs().request, "1.0");
        forms::testing::ClickWith(Controls().calculate, 1);
        ASSERT_EQ(Grid().Rows(), 26);
    }
    grid::VbGrid& Grid() { return window->Grid(); }
    os::HWND GridWindow() { return window->GridView().Window(); }
    void Key(int key, std::int16_t shift = 0) { os::testing::KeyClick(GridWindow(), key, shift); }
    void ClickRow(int row) {
        const os::RECT r = Grid().CellRect(row, 1);
        os::testing::MouseClick(GridWindow(), os::LeftButton, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    // The rows with every cell selected; a row half selected shows as -1.
    std::vector<int> SelectedRows() {
        std::vector<int> rows;
        for (int r = 0; r < Grid().Rows(); ++r) {
            int count = 0;
            for (int c = 0; c < Grid().Cols(); ++c) count += Grid().CellSelected(r, c) ? 1 : 0;
            if (count == Grid().Cols()) rows.push_back(r);
            else if (count > 0) rows.push_back(-1);
        }
        return rows;
    }
    // The focus row lies wholly in the grid's client area, below the header.
    bool FocusRowShown() {
        os::RECT client;
        os::GetClientRect(GridWindow(), client);
        const os::RECT r = Grid().CellRect(Grid().row(), Grid().col());
        return r.top >= Grid().HeaderHeightPixels() && r.bottom <= client.bottom;
    }
};

TEST_F(ResultsGridInput, ClicksAndKeysWalkAndSelectTheRows) {
    ClickRow(3);
    EXPECT_EQ(SelectedRows(), std::vector<int>{3});
    Key(os::VK_DOWN);
    EXPECT_EQ(SelectedRows(), std::vector<int>{4});
    Key(os::VK_NEXT);
    const int paged = Grid().row();
    EXPECT_GT(paged, 8);
    EXPECT_EQ(SelectedRows(), std::vector<int>{paged});
    EXPECT_GT(Grid().VerticalOffset(), 0);
    EXPECT_TRUE(FocusRowShown());
    Key(os::VK_END);
    EXPECT_EQ(Grid().row(), 25);  // the 26th and last row
    EXPECT_EQ(SelectedRows(), std::vector<int>{25});
    EXPECT_TRUE(FocusRowShown());
    Key(os::VK_HOME);
    EXPECT_EQ(Grid().row(), 0);
    EXPECT_EQ(Grid().VerticalOffset(), 0);
}

TEST_F(ResultsGridInput, CtrlCCopiesTheSelectedRowsWithTheHeader) {
    ClipboardCatch clipboard;
    ClickRow(2);
    Key('C', os::CtrlMask);
    ASSERT_EQ(clipboard.texts.size(), 1u);
    const std::vector<std::string> lines = Lines(clipboard.texts[0]);
    ASSERT_EQ(lines.size(), 2u);
    std::string header, row;
    for (int c = 0; c < Grid().Cols(); ++c) {
        header += (c ? "\t" : "") + Grid().ColumnHeader(runtime::Variant(c));
        row += (c ? "\t" : "") + Grid().CellFormattedText(2, c);
    }
    EXPECT_EQ(lines[0], header);
    EXPECT_EQ(lines[1], row);
    EXPECT_EQ(Grid().row(), 2);  // the copy moved nothing
}

TEST_F(ResultsGridInput, CtrlASelectsEveryRow) {
    ClipboardCatch clipboard;
    Key('A', os::CtrlMask);
    EXPECT_EQ(SelectedRows().size(), 26u);
    Key('C', os::CtrlMask);
    ASSERT_EQ(clipboard.texts.size(), 1u);
    EXPECT_EQ(Lines(clipboard.texts[0]).size(), 27u);
}

TEST(SelectedRowsText, ShownColumnsOfTheSelectedRowsOrTheFocusRow) {
    grid::VbGrid g;
    for (const char* header : {"A", "B", "C"}) g.AddColumn("", header);
    for (int r = 0; r < 4; ++r) {
        g.AddRow();
        for (int c = 0; c < 3; ++c) g.SetTextMatrix(r, c, std::to_string(r) + std::string(1, static_cast<char>('a' + c)));
    }
    g.SetTextMatrix(3, 0, "tab\there");
    g.SetColumnFormatString(runtime::Variant(1), "0.00");
    g.SetCellText(1, 1, runtime::Variant(1.5));
    g.SetRow(2);
    EXPECT_EQ(app::SelectedRowsText(g), "A\tB\tC\n2a\t2b\t2c\n");  // nothing selected: the focus row
    g.SetCellSelected(1, 2, true);
    g.SetCellSelected(3, 0, true);
    g.SetColumnVisible(runtime::Variant(2), false);
    EXPECT_EQ(app::SelectedRowsText(g), "A\tB\n1a\t1.50\ntab here\t3b\n");
}

}  // namespace
