// The grid's stored settings: the property store, its text form, and the
// grid's write and read with their rules.
#include <gtest/gtest.h>

#include <vector>

#include "GridTestSupport.h"
#include "grid/model/PropertyBag.h"
#include "grid/model/StoredForms.h"
#include "os/drawing/GdiObjects.h"

using grid::PropertyBag;
using grid::VbGrid;
using runtime::Variant;

namespace {

constexpr std::int32_t Ole(std::uint32_t v) { return static_cast<std::int32_t>(v); }

std::string Written(const VbGrid& g) {
    PropertyBag bag;
    g.WriteProperties(bag);
    return bag.ToText();
}

// A fresh grid that read the stored text.
std::unique_ptr<VbGrid> ReadBack(const std::string& text) {
    auto g = std::make_unique<VbGrid>();
    g->ReadProperties(PropertyBag::FromText(text));
    return g;
}

std::string Line(const std::string& text, const std::string& key) {
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        if (line.rfind(key + " = ", 0) == 0) return line;
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return {};
}

}  // namespace

TEST(PropertyBag, DefaultsAreNotStoredAndMissingKeysReadAsTheirDefault) {
    PropertyBag bag;
    bag.WriteProperty("Same", Variant(std::int32_t{3}), Variant(std::int32_t{3}));
    bag.WriteProperty("Other", Variant(std::int32_t{4}), Variant(std::int32_t{3}));
    bag.WriteProperty("Always", Variant(std::int32_t{0}));
    EXPECT_FALSE(bag.Contains("Same"));
    EXPECT_EQ(bag.ReadProperty("Same", Variant(std::int32_t{7})), Variant(std::int32_t{7}));
    EXPECT_EQ(bag.ReadProperty("other", Variant(std::int32_t{7})), Variant(std::int32_t{4}));  // keys ignore case
    EXPECT_EQ(bag.ReadProperty("Always", Variant(std::int32_t{7})), Variant(std::int32_t{0}));
    // A key written twice: the later write decides, also by dropping the key.
    bag.WriteProperty("Other", Variant(std::int32_t{5}), Variant(std::int32_t{0}));
    EXPECT_EQ(bag.ReadProperty("Other", Variant(std::int32_t{0})), Variant(std::int32_t{5}));
    bag.WriteProperty("Other", Variant(std::int32_t{0}), Variant(std::int32_t{0}));
    EXPECT_FALSE(bag.Contains("Other"));
}

TEST(PropertyBag, TheTextFormReadsBackEveryValue) {
    const Variant values[] = {Variant(true), Variant(false), Variant(std::int16_t{-32768}),
                              Variant(std::int32_t{-2147483647 - 1}), Variant(std::string("")),
                              Variant(std::string("a \"quoted\" \\ text\nover\ttwo lines = yes"))};
    PropertyBag bag;
    for (std::size_t i = 0; i < std::size(values); ++i) bag.WriteProperty("k" + std::to_string(i), values[i]);
    const PropertyBag back = PropertyBag::FromText(bag.ToText());
    EXPECT_EQ(back.Count(), std::size(values));
    for (std::size_t i = 0; i < std::size(values); ++i) {
        const Variant like = values[i].IsText() ? Variant(std::string("-")) : values[i];
        EXPECT_EQ(back.ReadProperty("k" + std::to_string(i), like), values[i]) << i;
    }
}

TEST(PropertyBag, DamagedTextReadsAsDefaults) {
    struct Case { const char* text; Variant like; };
    const Case cases[] = {
        {"N = 12x", Variant(std::int32_t{9})},           {"N = ", Variant(std::int32_t{9})},
        {"N = 40000", Variant(std::int16_t{9})},         {"N = 99999999999", Variant(std::int32_t{9})},
        {"N = 1.5", Variant(std::int32_t{9})},           {"N = yes", Variant(true)},
        {"N = \"open", Variant(std::string("d"))},        {"N = \"a\"b\"", Variant(std::string("d"))},
        {"N = \"ends in \\\"", Variant(std::string("d"))}, {"N = 5", Variant(std::string("d"))},
        {"N", Variant(std::int32_t{9})},                 {"= 5", Variant(std::int32_t{9})},
        {"\x01\xff\n\n==\n", Variant(std::int32_t{9})},
    };
    for (const Case& c : cases) {
        const PropertyBag bag = PropertyBag::FromText(c.text);
        EXPECT_EQ(bag.ReadProperty("N", c.like), c.like) << c.text;
    }
}

TEST(StoredForms, FontsAndPicturesReadBack) {
    const grid::GridFont fonts[] = {grid::GridFont{}, grid::GridFont{"DejaVu Serif", 10.5, true, true, true, true}};
    for (const grid::GridFont& font : fonts) EXPECT_EQ(grid::FontFromText(grid::FontText(font)), font);
    for (const char* bad : {"", "Sans", "Sans;x;", "Sans;8;q", ";8;", "Sans;-3;"})
        EXPECT_FALSE(grid::FontFromText(bad)) << bad;

    const std::uint32_t pixels[] = {0xFF102030, 0xFFFFFFFF, 0xFF000000, 0xFFA0B0C0, 0xFF00FF00, 0xFF123456};
    const grid::PictureRef picture = std::make_shared<grid::PixelPicture>(3, 2, pixels);
    const std::string text = grid::PictureText(picture);
    EXPECT_EQ(text, "3x2:102030FFFFFF000000A0B0C000FF00123456");
    EXPECT_EQ(grid::PictureText(grid::PictureFromText(text)), text);
    EXPECT_EQ(grid::PictureText(nullptr), "");
    for (const char* bad : {"", "3x2:", "3x2:102030", "0x0:", "x:", "99999x99999:00", "1x1:GGGGGG"})
        EXPECT_FALSE(grid::PictureFromText(bad)) << bad;
}

TEST(GridPersistence, TheKeysRules) {
    VbGrid g;
    Fill(g, 2, 0);
    g.SetBackColorBkg(Ole(0x80000005));
    g.SetHeaderFlat(true);
    g.SetTrueVirtual(true);
    g.SetFixedRows(1);
    g.SetDefaultRowHeight(300);
    const std::string text = Written(g);
    EXPECT_EQ(Line(text, "BackColorBkg"), "");  // equal to its default: not stored ...
    EXPECT_EQ(Line(text, "HeaderFlat"), "HeaderFlat = True");
    EXPECT_EQ(Line(text, "TrueVirtual"), "TrueVirtual = True");
    EXPECT_EQ(Line(text, "FixedRows"), "FixedRows = 1");  // the second write stores it
    EXPECT_EQ(Line(text, "FixedCols"), "");               // both writes' defaults differ: the later one decides
    EXPECT_EQ(Line(text, "DefaultRowHeight"), "DefaultRowHeight = 300");

    const auto back = ReadBack(text);
    EXPECT_EQ(back->BackColorBkg(), 0x808080);  // ... and read back with a default of its own
    EXPECT_FALSE(back->HeaderFlat());           // saved, not restored
    EXPECT_FALSE(back->TrueVirtual());
    EXPECT_EQ(back->FixedRows(), 1);
    EXPECT_EQ(back->FixedCols(), 0);
    EXPECT_EQ(back->DefaultRowHeight(), 300);
}

TEST(GridPersistence, TheRowCountReadsBack) {
    // The first FixedRows read (default 1) must not leave a row behind.
    struct Case { int cols, rows, fixedRows; };
    for (Case c : {Case{2, 0, 0}, Case{2, 3, 0}, Case{2, 0, 1}, Case{2, 4, 2}, Case{0, 0, 0}}) {
        VbGrid g;
        g.SetCols(c.cols);
        if (c.rows > 0) g.SetRows(c.rows);
        g.SetFixedRows(c.fixedRows);
        const auto back = ReadBack(Written(g));
        EXPECT_EQ(back->Rows(), g.Rows()) << c.cols << " " << c.rows << " " << c.fixedRows;
        EXPECT_EQ(back->FixedRows(), c.fixedRows);
        EXPECT_EQ(Written(*back), Written(g));
    }
}

TEST(GridPersistence, ReadingKeepsTheRowsThatExistAndDoesNotPaint) {
    // Three rows of 240 twips exist when the row height is read.
    CountingPainter painter;
    VbGrid g;
    g.SetPainter(&painter);
    const auto bag = PropertyBag::FromText("Cols = 2\nRows = 5\nDefaultRowHeight = 300\nDelayedRedraw = False\n");
    g.ReadProperties(bag);
    EXPECT_EQ(g.Rows(), 5);
    for (int r = 0; r < 5; ++r) EXPECT_EQ(g.RowHeight(r), 240) << r;
    EXPECT_EQ(g.DefaultRowHeight(), 300);
    EXPECT_EQ(painter.draws, 0);
    EXPECT_FALSE(g.Loading());
    EXPECT_TRUE(g.Redraw());
    EXPECT_TRUE(g.FullRepaintPending());
    g.SetPainter(nullptr);
}

TEST(GridPersistence, StoredRowsWithoutColumnsRaiseTheRowsError) {
    VbGrid g;
    const RaisedError e = ErrorOf([&] { g.ReadProperties(PropertyBag::FromText("Cols = 0\nRows = 2\n")); });
    EXPECT_EQ(e.number, 9);
    EXPECT_EQ(e.description, "Attempt to add rows with no columns.");
    EXPECT_FALSE(g.Loading());
    EXPECT_TRUE(g.Redraw());
}

TEST(GridPersistence, EverySettingChangedSurvivesAWriteAndARead) {
    VbGrid g;
    g.SetCols(4);
    g.SetFixedCols(2);
    g.SetRows(6);
    g.SetFixedRows(2);
    g.SetMultiSelect(true);
    g.SetSelectionMode(2);
    g.SetGridLines(1);
    const std::uint32_t pixels[] = {0xFF112233, 0xFF445566};
    g.SetBackgroundPicture(std::make_shared<grid::PixelPicture>(1, 2, pixels));
    g.SetBackgroundPictureHeight(7);
    g.SetBackgroundPictureWidth(9);
    g.SetBackColor(0x0000FF);
    g.SetBackColorBkg(0x00FF00);
    g.SetBackColorFixed(0xFF0000);
    g.SetForeColor(0x010203);
    g.SetForeColorFixed(0x040506);
    g.SetGridLinesFixed(0);
    g.SetToolTip("tip \"one\"");
    g.SetGridColor(0x070809);
    g.SetGridColorFixed(0x0A0B0C);
    g.SetBackColorSel(0x0D0E0F);
    g.SetForeColorSel(0x101112);
    g.SetFont(grid::GridFont{"DejaVu Sans", 11, true, false, true, false});
    g.SetHeader(false);
    g.SetHeaderButtons(false);
    g.SetHeaderDragReOrderColumns(false);
    g.SetHeaderHotTrack(false);
    g.SetHeaderHeight(450);
    g.SetBorderStyle(0);
    g.SetScrollBarStyle(1);
    g.SetEnabled(false);
    g.SetDisableIcons(true);
    g.SetHighlightSelectedIcons(false);
    g.SetDrawFocusRectangle(false);
    g.SetVirtual(true);
    g.SetDefaultRowHeight(330);
    g.SetAllowUserResizing(1);
    g.SetMouseIcon(std::make_shared<grid::PixelPicture>(2, 1, pixels));
    g.SetMousePointer(2);
    g.SetScrollBars(1);
    g.SetDelayedRedraw(false);
    g.SetAutoScroll(true);
    const std::string text = Written(g);
    const auto back = ReadBack(text);
    EXPECT_EQ(Written(*back), text);
    // Settings with side effects made what they make.
    EXPECT_EQ(back->Cols(), 4);
    EXPECT_EQ(back->Rows(), 6);
    EXPECT_EQ(back->FixedRows(), 2);
    EXPECT_EQ(back->FixedCols(), 2);
    EXPECT_TRUE(back->ColumnAt(1).fixed);
    EXPECT_EQ(back->GridLinesFixed(), 0);
    EXPECT_EQ(back->Look().backBkg.rgb, 0x00FF00);
    EXPECT_EQ(back->BackgroundPicture()->Height(), 2);
    EXPECT_EQ(back->BackgroundPictureWidth(), 9);
    EXPECT_EQ(back->ToolTip(), "tip \"one\"");
    EXPECT_EQ(back->Font().name, "DejaVu Sans");
    EXPECT_FALSE(back->Enabled());
    EXPECT_TRUE(back->Virtual());
    EXPECT_EQ(back->FocusRect(), 0);
}

TEST(GridPersistence, DamagedStoredTextReadsAsDefaultsWithoutACrash) {
    const std::string defaults = Written(*ReadBack(""));
    EXPECT_EQ(Written(*ReadBack("Cols = many\nGridLines = 3x\nSelectionMode = 99999999999\nHeader = maybe\n"
                                "Unknown = 5\nToolTip = \"cut off\nFont = ;;\nBackgroundPicture = \"2x2:00\"\n")),
              defaults);
    // Every cut of a full stored text reads without a crash.
    VbGrid full;
    full.SetCols(3);
    full.SetRows(4);
    full.SetFixedRows(1);
    full.SetToolTip("a tip");
    full.SetBackColor(0x123456);
    full.SetHeaderHeight(300);
    const std::string text = Written(full);
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        const auto g = ReadBack(text.substr(0, cut));
        EXPECT_LE(g->Rows(), 4) << cut;
    }
}

TEST(GridPersistence, AGridPlacedAnewTakesTheFirstCreationDefaults) {
    VbGrid g;
    g.SetBackColor(0x123456);
    g.SetScaleInPixels(true);
    g.SetAllowUserResizing(0);
    const grid::GridFont ambient{"DejaVu Sans", 9};
    g.InitProperties(ambient);
    EXPECT_EQ(g.BackColor(), Ole(0x80000005));
    EXPECT_EQ(g.ForeColor(), Ole(0x80000008));
    EXPECT_EQ(g.BackColorFixed(), Ole(0x8000000F));
    EXPECT_EQ(g.ForeColorFixed(), Ole(0x80000008));
    EXPECT_EQ(g.Font(), ambient);
    EXPECT_EQ(g.GridLinesFixed(), 3);
    EXPECT_TRUE(g.Header());
    EXPECT_TRUE(g.Enabled());
    EXPECT_EQ(g.AllowUserResizing(), 3);
    g.SetDefaultRowHeight(300);  // the public unit is twips again
    EXPECT_EQ(g.RowHeightMin(), 300);
    EXPECT_EQ(g.ToPixelsY(300), 20);
}
