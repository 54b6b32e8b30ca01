// Editing in place: opening the editor, committing, cancelling, check cells.
#include "InputGridFixture.h"
#include "os/commoncontrols/EditBox.h"
#include "os/windows/Focus.h"

namespace {

using Log = std::vector<std::string>;

// Column 1 editable, column 2 an editable check column.
class EditGrid : public InputGrid {
protected:
    void SetUp() override {
        InputGrid::SetUp();
        Fill(3, 4);
        Grid().SetColEditable(runtime::Variant(1), true);
        Grid().SetColEditable(runtime::Variant(2), true);
        Grid().SetColCheck(runtime::Variant(2), true);
        Grid().SetColAlignment(runtime::Variant(1), 2);
        Grid().SetRow(1);
        Grid().SetCol(1);
        Settle();
        host.log.clear();
    }
    os::HWND Editor() { return Control().Editor().Window(); }
    bool EditorShown() { return os::IsWindowVisible(Editor()); }
    void Type(const std::string& keys) {
        for (char ch : keys) os::testing::KeyClick(Editor(), ch);
    }
    void EditorKey(int key) { os::testing::KeyClick(Editor(), key); }
};

TEST_F(EditGrid, EnterOpensTheEditorOnTheCellsText) {
    Key(os::VK_RETURN);
    ASSERT_TRUE(Grid().InEdit());
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(os::EditBoxText(Editor()), "1,1");
    EXPECT_EQ(os::EditBoxCaret(Editor()), 3);
    EXPECT_FALSE(os::EditBoxFlat(Editor()));
    EXPECT_EQ(os::EditBoxAlignment(Editor()), 2);
    os::RECT where;
    os::GetWindowRect(Editor(), where);
    os::RECT cell = Grid().CellRect(1, 1);
    EXPECT_EQ(where.right - where.left, cell.right - cell.left);
    EXPECT_EQ(where.bottom - where.top, cell.bottom - cell.top);
    EXPECT_EQ(host.log.at(1), "StartEdit(1,1)");
}

TEST_F(EditGrid, ATypedCharacterOpensTheEditorHoldingIt) {
    Key('X');
    ASSERT_TRUE(Grid().InEdit());
    EXPECT_EQ(os::EditBoxText(Editor()), "x");
    EXPECT_TRUE(os::EditBoxFlat(Editor()));
    Type("YZ");
    EditorKey(os::VK_RETURN);
    EXPECT_FALSE(Grid().InEdit());
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(Grid().TextMatrix(1, 1), "xyz");
    const Log tail(host.log.end() - 2, host.log.end());
    EXPECT_EQ(tail, (Log{"EditDone(xyz)", "AfterUpdate(xyz)"}));
    EXPECT_EQ(os::GetFocus(), Window());
}

TEST_F(EditGrid, EscapeLeavesTheCellAsItWas) {
    Key(os::VK_RETURN);
    Type("Q");
    EditorKey(os::VK_ESCAPE);
    EXPECT_FALSE(Grid().InEdit());
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(Grid().TextMatrix(1, 1), "1,1");
    for (const std::string& entry : host.log) {
        EXPECT_NE(entry.rfind("EditDone", 0), 0u) << entry;
        EXPECT_NE(entry.rfind("AfterUpdate", 0), 0u) << entry;
    }
}

TEST_F(EditGrid, EditDoneDecidesWhatIsStored) {
    struct Case {
        const char* name;
        std::string replaceWith;
        bool cancel;
        std::string stored;
        bool afterUpdate;
    } cases[] = {
        {"as typed", "", false, "new", true},
        {"changed by the host", "changed", false, "changed", true},
        {"cancelled", "", true, "1,1", false},
    };
    for (const Case& c : cases) {
        Grid().SetTextMatrix(1, 1, "1,1");
        host.replaceWith = c.replaceWith;
        host.cancelDone = c.cancel;
        host.log.clear();
        Key(os::VK_RETURN);
        os::SetEditBoxText(Editor(), "  new  ");
        EditorKey(os::VK_RETURN);
        EXPECT_EQ(Grid().TextMatrix(1, 1), c.stored) << c.name;
        EXPECT_EQ(host.log.back() == "AfterUpdate(" + c.stored + ")", c.afterUpdate) << c.name;
    }
}

TEST_F(EditGrid, StartEditCanRefuseTheEditor) {
    host.cancelStart = true;
    Key(os::VK_RETURN);
    EXPECT_FALSE(Grid().InEdit());
    EXPECT_FALSE(EditorShown());
}

TEST_F(EditGrid, ANavigationKeyCommitsAndMoves) {
    Key(os::VK_RETURN);
    os::SetEditBoxText(Editor(), "moved");
    EditorKey(os::VK_DOWN);
    EXPECT_FALSE(Grid().InEdit());
    EXPECT_EQ(Grid().TextMatrix(1, 1), "moved");
    EXPECT_EQ(Focus(), std::make_pair(2, 1));
}

TEST_F(EditGrid, DeleteInTheEditorDeletesText) {
    Key(os::VK_RETURN);
    os::SetEditBoxText(Editor(), "abc");
    os::SetEditBoxCaret(Editor(), 0);
    EditorKey(os::VK_DELETE);
    EXPECT_TRUE(Grid().InEdit());
    EXPECT_EQ(os::EditBoxText(Editor()), "bc");
    EditorKey(os::VK_RETURN);  // what was typed is kept
    EXPECT_EQ(Grid().TextMatrix(1, 1), "bc");
}

TEST_F(EditGrid, DeleteOnTheGridClearsEditableCells) {
    Key(os::VK_DELETE);
    EXPECT_EQ(Grid().TextMatrix(1, 0), "1,0");
    EXPECT_EQ(Grid().TextMatrix(1, 1), "");
    EXPECT_EQ(Grid().TextMatrix(1, 2), "");
}

TEST_F(EditGrid, ASecondClickOrADoubleClickOpensTheEditor) {
    ClickCell(2, 1);
    EXPECT_FALSE(Grid().InEdit());
    ClickCell(2, 1);
    EXPECT_TRUE(Grid().InEdit());
    EditorKey(os::VK_ESCAPE);
    os::testing::MouseDoubleClick(Window(), CellPoint(3, 1));
    EXPECT_TRUE(Grid().InEdit());
    EXPECT_EQ(Focus(), std::make_pair(3, 1));
}

TEST_F(EditGrid, LosingTheFocusCommits) {
    Key(os::VK_RETURN);
    os::SetEditBoxText(Editor(), "kept");
    Control().Editor().LostFocus();  // what the editor hears when the focus goes elsewhere
    EXPECT_FALSE(Grid().InEdit());
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(Grid().TextMatrix(1, 1), "kept");
}

TEST_F(EditGrid, SpaceTogglesACheckCellAsAnEdit) {
    struct Case {
        const char* name;
        runtime::Variant before;
        std::string after;
    } cases[] = {
        {"the text true", runtime::Variant("true"), "False"},
        {"False", runtime::Variant(false), "True"},
        {"the number 0", runtime::Variant(std::int32_t{0}), "True"},
        {"empty", runtime::Variant(), "True"},
        {"the number 5", runtime::Variant(std::int32_t{5}), "False"},
        {"the text 1", runtime::Variant("1"), "True"},
    };
    Grid().SetCol(2);
    for (const Case& c : cases) {
        Grid().SetCellText(1, 2, c.before);
        host.log.clear();
        Key(os::VK_SPACE);
        EXPECT_EQ(Grid().TextMatrix(1, 2), c.after) << c.name;
        EXPECT_EQ(host.log, (Log{"KeyDown(32,0)", "KeyPress(32)", "EditDone(" + c.after + ")",
                                 "AfterUpdate(" + c.after + ")", "KeyUp"}))
            << c.name;
        EXPECT_FALSE(Grid().InEdit());
    }
    Key('X');  // other characters do nothing to a check cell
    EXPECT_EQ(Grid().TextMatrix(1, 2), "True");
}

}  // namespace
