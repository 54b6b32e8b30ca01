#include "GridTestSupport.h"

#include "runtime/NumberSeparators.h"

using grid::VbGrid;
using runtime::Variant;

namespace {
Variant V(std::int32_t v) { return Variant(v); }
}  // namespace

TEST(GridCells, ShownTextFollowsTheColumnFormat) {
    VbGrid g;
    g.AddColumn("fmt", "", -1, -1, -1, true, false, {}, true, "0.00");
    g.AddColumn("plain");
    g.SetRows(3);
    g.SetCellText(0, 0, Variant(1.5));
    EXPECT_EQ(g.CellFormattedText(0, 0), "1.50");
    EXPECT_EQ(g.CellAt(0, 0).Extras().shownText, "1.50");
    g.SetTextMatrix(1, 0, "");
    EXPECT_EQ(g.CellAt(1, 0).Extras().shownText, "");
    EXPECT_EQ(g.CellFormattedText(1, 0), "");
    g.SetTextMatrix(2, 0, "abc");  // not a number: shown as it is
    EXPECT_EQ(g.CellFormattedText(2, 0), "abc");
    g.SetCellText(0, 1, Variant(1.5));
    EXPECT_EQ(g.CellAt(0, 1).Extras().shownText, "");
    EXPECT_EQ(g.CellFormattedText(0, 1), "1.5");
    EXPECT_EQ(g.TextMatrix(0, 1), "1.5");
    EXPECT_EQ(g.CellText(0, 1).GetType(), Variant::Type::Double);

    g.SetColumnFormatString(V(1), "0.000");  // a new format applies to the stored values
    EXPECT_EQ(g.CellFormattedText(0, 1), "1.500");
    g.SetColumnFormatString(V(1), "dd mmm yyyy \\w\\e\\e\\k ww");
    g.SetCellText(1, 1, Variant(runtime::Date{44934}));  // Sunday 8 January 2023
    EXPECT_EQ(g.CellFormattedText(1, 1), "08 Jan 2023 week 2");
}

TEST(GridCells, CheckColumnTruth) {
    VbGrid g;
    g.AddColumn();
    g.SetColCheck(V(0), true);
    struct Case { Variant value; const char* shown; const char* displayed; };
    const Case cases[] = {
        {Variant("true"), "+", "+"}, {Variant("TRUE"), "+", "+"}, {Variant("1"), "+", "+"},
        {Variant(std::int32_t{-1}), "+", "+"}, {Variant(2.5), "+", "+"}, {Variant(true), "+", "+"},
        {Variant("false"), "", "false"}, {Variant("0"), "", "0"}, {Variant(0.0), "", "0"},
        {Variant(), "", ""}, {Variant(runtime::Date{45000}), "", "2023-03-15"},
    };
    g.SetRows(static_cast<std::int32_t>(std::size(cases)));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        std::int32_t r = static_cast<std::int32_t>(i);
        g.SetCellText(r, 0, cases[i].value);
        EXPECT_EQ(g.CellAt(r, 0).Extras().shownText, cases[i].shown) << i;
        EXPECT_EQ(g.CellFormattedText(r, 0), cases[i].displayed) << i;
    }
    g.SetColCheck(V(0), false);
    EXPECT_EQ(g.CellFormattedText(0, 0), "true");
}

TEST(GridCells, SmallCellsStaySmall) {
    EXPECT_LE(sizeof(grid::GridCell), 16u);
    EXPECT_LE(sizeof(grid::GridRow), 12u);
    VbGrid g;
    Fill(g, 1, 1);
    g.SetTextMatrix(0, 0, "a text longer than the inline room");
    EXPECT_EQ(g.TextMatrix(0, 0), "a text longer than the inline room");
    EXPECT_FALSE(g.CellAt(0, 0).HasExtras());
    g.SetTextMatrix(0, 0, "short");
    EXPECT_EQ(g.TextMatrix(0, 0), "short");
    g.SetTextMatrix(0, 0, std::string_view());  // a view of nothing, not even an address
    EXPECT_EQ(g.TextMatrix(0, 0), "");
}

// A cell's extras live with its value: changing the value, short or long,
// text or not, keeps them, and a copied row takes its own copy.
TEST(GridCells, ExtrasSurviveEveryKindOfValue) {
    VbGrid g;
    Fill(g, 1, 2);
    g.SetCellToolTip(0, 0, "tip");
    g.SetCellIndent(0, 0, 3);
    for (const Variant& value : {Variant("short"), Variant("a text longer than the inline room"), Variant(2.5),
                                 Variant(), Variant("x")}) {
        g.SetCellText(0, 0, value);
        EXPECT_EQ(g.CellToolTip(0, 0), "tip") << static_cast<int>(value.GetType());
        EXPECT_EQ(g.CellIndent(0, 0), 3);
        EXPECT_EQ(g.CellText(0, 0).GetType(), value.GetType());
    }
    g.SetTextMatrix(0, 0, "");
    EXPECT_EQ(g.TextMatrix(0, 0), "");
    g.SetTextMatrix(0, 0, "kept");
    grid::GridCell copy = g.CellAt(0, 0);
    g.SetCellToolTip(0, 0, "changed");
    EXPECT_EQ(copy.Extras().toolTip, "tip");
    EXPECT_EQ(copy.value.Text(), "kept");
    EXPECT_FALSE(g.CellAt(1, 0).HasExtras());
}

// Fore colours are kept as entries of a table of 255 colours; a colour
// beyond them is kept in the cell's extras, and every cell reads back what
// it was given.
TEST(GridCells, ForeColoursBeyondTheTableStillReadBack) {
    VbGrid g;
    Fill(g, 1, 300);
    for (std::int32_t r = 0; r < 300; ++r) g.SetCellForeColor(r, 0, 0x10000 + r);
    for (std::int32_t r = 0; r < 300; ++r) EXPECT_EQ(g.CellForeColor(r, 0), 0x10000 + r) << r;
    EXPECT_FALSE(g.CellAt(0, 0).HasExtras());  // the row numbers' colour costs no extras
    EXPECT_TRUE(g.CellAt(299, 0).HasExtras());
    g.SetCellForeColor(0, 0, 0x10000 + 299);  // a colour kept in extras elsewhere
    EXPECT_EQ(g.CellForeColor(0, 0), 0x10000 + 299);
    g.CellDefaultForeColor(299, 0);
    EXPECT_EQ(g.CellForeColor(299, 0), -1);
    g.SetCellForeColor(299, 0, 0x10005);  // back in the table
    EXPECT_EQ(g.CellForeColor(299, 0), 0x10005);
    g.CellDetails(1, 0, Variant("t"), 0x40020, -1, -1, 0x20000);
    EXPECT_EQ(g.CellForeColor(1, 0), 0x20000);
    g.CellDetails(1, 0, Variant("t"));
    EXPECT_EQ(g.CellForeColor(1, 0), -1);
}

TEST(GridCells, AttributesAndFlags) {
    VbGrid g;
    Fill(g, 2, 2);
    EXPECT_EQ(g.CellTextFlags(0, 0), -1);
    EXPECT_EQ(g.EffectiveTextFlags(0, 0), grid::text_flags::ColumnDefault | grid::text_flags::NoPrefix);
    g.SetCellTextFlags(0, 0, 0x2);
    EXPECT_EQ(g.CellTextFlags(0, 0), 0x802);  // no-prefix is always added
    g.SetCellAlignment(0, 0, 1);
    EXPECT_EQ(g.CellTextFlags(0, 0), 0x801);
    g.SetColAlignment(V(1), 2);
    EXPECT_EQ(g.CellAlignment(1, 1), 2);
    EXPECT_EQ(g.ColAlignment(V(1)), 2);

    EXPECT_FALSE(g.WordWrap(-1, 1));
    g.SetWordWrap(-1, 1, true);
    EXPECT_TRUE(g.WordWrap(-1, 1));
    EXPECT_TRUE(g.WordWrap(0, 1));
    g.SetWordWrap(0, 1, false);
    EXPECT_FALSE(g.WordWrap(0, 1));

    g.SetCellIcon(1, 0, 3);
    g.SetCellIndent(1, 0, 5);
    g.SetCellToolTip(1, 0, "tip");
    g.SetCellExtraAtRight(1, 0, true);
    EXPECT_EQ(g.CellIcon(1, 0), 3);
    EXPECT_EQ(g.CellIndent(1, 0), 5);
    EXPECT_EQ(g.CellToolTip(1, 0), "tip");
    EXPECT_TRUE(g.CellExtraAtRight(1, 0));
    EXPECT_EQ(g.CellItemData(0, 0).Text(), "");  // the default cell holds an empty text
    g.CellDetails(0, 1, Variant("d"), grid::text_flags::CellDetailsDefault, 2, 0xFF, 0xFF00, nullptr, 4, 7, Variant(9.0));
    EXPECT_EQ(g.TextMatrix(0, 1), "d");
    EXPECT_EQ(g.CellTextFlags(0, 1), 0x40820);
    EXPECT_EQ(g.CellBackColor(0, 1), 0xFF);
    EXPECT_EQ(g.CellExtraIcon(0, 1), 7);
    EXPECT_EQ(g.CellItemData(0, 1).ToDouble(), 9.0);

    auto font = std::make_shared<grid::GridFont>(grid::GridFont{"Liberation Sans", 10, true});
    g.SetCellFont(1, 1, font);
    g.SetCellFont(0, 0, std::make_shared<grid::GridFont>(*font));
    EXPECT_EQ(g.CellAt(1, 1).Extras().font, g.CellAt(0, 0).Extras().font);  // one table entry
    EXPECT_TRUE(g.CellFont(1, 1)->bold);
    EXPECT_EQ(g.CellFont(1, 0), nullptr);
}

TEST(GridRepaint, CellChangesInvalidateOnlyTheirRectangle) {
    RecordingCanvas canvas;
    VbGrid g(&canvas);
    Fill(g, 3, 3);
    canvas.rects.clear();
    g.ViewState().SetFullRepaintPending(false);  // as after a paint
    g.SetTextMatrix(1, 2, "x");
    ASSERT_EQ(canvas.rects.size(), 1u);
    EXPECT_EQ(canvas.rects[0], (os::RECT{128, 16, 192, 32}));
}

TEST(GridRepaint, DelayedRedrawHoldsBackThePaint) {
    RecordingCanvas canvas;
    CountingPainter painter;
    VbGrid g(&canvas);
    g.SetPainter(&painter);
    Fill(g, 2, 2);
    g.ViewState().SetFullRepaintPending(false);  // as after a paint
    canvas.rects.clear();
    painter.draws = painter.timerStarts = 0;
    g.SetDelayedRedraw(true);
    for (int i = 0; i < 100; ++i) g.SetTextMatrix(i % 2, 0, std::to_string(i));
    EXPECT_TRUE(canvas.rects.empty());
    EXPECT_EQ(painter.draws, 0);
    EXPECT_EQ(painter.timerStarts, 100);  // each change restarts the one-shot timer
    EXPECT_TRUE(g.CellAt(0, 0).dirty);
    g.SetDelayedRedraw(false);
}

TEST(GridRepaint, RedrawOffOnlyMarksAFullRepaint) {
    RecordingCanvas canvas;
    CountingPainter painter;
    VbGrid g(&canvas);
    g.SetPainter(&painter);
    Fill(g, 2, 2);
    g.ViewState().SetFullRepaintPending(false);  // as after a paint
    g.SetRedraw(false);
    canvas.rects.clear();
    canvas.allInvalidations = 0;
    g.SetBackColor(0xFF);
    g.SetTextMatrix(0, 0, "x");
    EXPECT_TRUE(canvas.rects.empty());
    EXPECT_EQ(canvas.allInvalidations, 0);
    EXPECT_TRUE(g.FullRepaintPending());
    painter.draws = 0;
    g.SetRedraw(true);
    EXPECT_EQ(painter.draws, 1);
}

TEST(GridRepaint, TallerRowsRebuildTheBuffer) {
    CountingPainter painter;
    VbGrid g;
    g.SetPainter(&painter);
    Fill(g, 1, 1);
    g.AddRow(-1, "", true, 600);
    g.AddRow(-1, "", true, 300);
    EXPECT_EQ(painter.bufferHeights, std::vector<std::int32_t>{40});
    EXPECT_EQ(g.Painted().BufferRowHeight(), 40);
}
