#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>

#include "AllocationLimit.h"
#include "MainWindowFixture.h"
#include "app/results/CsvExport.h"
#include "app/results/ResultsFill.h"
#include "app/chart/frmChart.h"
#include "calc/texts/ResultColumns.h"
#include "forms/testing/UserInput.h"
#include "os/commoncontrols/MessageBox.h"
#include "os/commoncontrols/SaveFileDialog.h"
#include "os/desktop/BusyCursor.h"

namespace {

constexpr auto kMarks = static_cast<std::int32_t>(calc::ColumnOf(calc::ResultField::Marks));

using forms::testing::ClickWith;
using forms::testing::TypeText;

// Answers the save dialog with a path and notes what it was asked.
class DialogAnswer {
public:
    explicit DialogAnswer(std::optional<std::string> path) {
        os::SetSaveFileAnswerer([this, path](const os::OPENFILENAME& parameters) {
            asked.push_back(parameters);
            busyWhileShown = busyWhileShown || os::BusyCursorShown();
            return path;
        });
        os::SetMessageBoxPresenter([this](os::HWND, const std::string& text, const std::string&, os::UINT) {
            messages.push_back(text);
            busyWhileShown = busyWhileShown || os::BusyCursorShown();
            return os::IDOK;
        });
    }
    ~DialogAnswer() {
        os::SetSaveFileAnswerer({});
        os::SetMessageBoxPresenter({});
    }
    std::vector<os::OPENFILENAME> asked;
    std::vector<std::string> messages;
    bool busyWhileShown = false;  // the wait cursor stood over the dialog or a message
};

std::string KestranyCalcOutput(const std::string& arguments) {
    std::string output;
    FILE* pipe = ::popen((std::string(KESTRANY_CALC_PATH) + " " + arguments).c_str(), "r");
    if (pipe == nullptr) return output;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) output.append(chunk, n);
    ::pclose(pipe);
    return output;
}

class CalculationTest : public MainWindowTest {
protected:
    void Calculate(const std::string& pitch) {
        TypeText(Inputs().request, pitch);
        ClickWith(Controls().calculate, 1);
    }
    std::vector<std::string> Row(int r) const {
        std::vector<std::string> cells;
        for (std::size_t c = 0; c < calc::kResultColumnCount; ++c)
            cells.push_back(window->Grid().TextMatrix(r, static_cast<std::int32_t>(c)));
        return cells;
    }
};

TEST_F(CalculationTest, TheFactoryCaseFillsTwentySixRows) {
    Open();
    Calculate("1.0");
    const grid::VbGrid& grid = window->Grid();
    ASSERT_EQ(grid.Rows(), 26);
    EXPECT_EQ(Row(0), (std::vector<std::string>{"1", "80", "80", "40", "60", "0.0", "1.0", "25.4", ""}));
    EXPECT_EQ(Row(17), (std::vector<std::string>{"18", "40", "", "", "60", "0.0", "1.0", "25.4", ""}));
    EXPECT_EQ(Row(25), (std::vector<std::string>{"26", "20", "", "", "30", "0.0", "1.0", "25.4", ""}));
    for (int r = 0; r < 26; ++r) {
        EXPECT_EQ(grid.TextMatrix(r, 0), std::to_string(r + 1));
        EXPECT_EQ(grid.CellForeColor(r, 0), app::kRowNumberColour);
    }
    EXPECT_TRUE(Controls().print.Enabled());
    EXPECT_FALSE(grid.DelayedRedraw());
    EXPECT_EQ(grid.ColWidth(runtime::Variant(0)), 300);  // two digits fit as laid out
}

// Sixteen gears and a wide tolerance give more than 10,000 trains; the row
// numbers' column widens so that the largest number shows whole.
TEST_F(CalculationTest, RowNumbersOfFiveDigitsShowWhole) {
    std::string sets = "[sets]\nGears_count=15\ntxtPrecm=30\nchkAll=1\nchklow=1\n";
    for (int n = 0; n < 16; ++n) sets += "gears_" + std::to_string(n) + "=" + std::to_string(20 + 4 * n) + "\n";
    WriteIni(sets);
    Open();
    grid::VbGrid& grid = window->Grid();
    const runtime::Variant numbers(0);
    const std::int32_t laidOut = grid.ColWidth(numbers);
    Calculate("1.5");
    const std::int32_t last = grid.Rows() - 1;
    ASSERT_GE(last, 9999);
    EXPECT_GT(grid.ColWidth(numbers), laidOut);
    EXPECT_LE(grid.CellFittingWidth(last, 0), grid.ToPixelsX(grid.ColWidth(numbers)));
}

TEST_F(CalculationTest, AnotherCalculationReplacesTheRows) {
    Open();
    Calculate("1.0");
    forms::testing::ClearByTyping(Inputs().request);
    Inputs().includeLow.SetCheckValue(1);
    Inputs().includeIntersecting.SetCheckValue(1);
    Calculate("1.75");
    EXPECT_EQ(window->Grid().Rows(), 33);
    EXPECT_EQ(window->Grid().TextMatrix(32, 0), "33");
    EXPECT_EQ(window->Grid().TextMatrix(0, kMarks), "");
    EXPECT_EQ(window->Grid().TextMatrix(12, kMarks), "low ");
}

TEST_F(CalculationTest, NothingFoundLeavesTheGridEmptyAndPrintEnabled) {
    Open();
    Calculate("1.0");
    forms::testing::ClearByTyping(Inputs().request);
    Calculate("0.0001");
    EXPECT_EQ(window->Grid().Rows(), 0);
    EXPECT_EQ(window->Grid().Cols(), static_cast<std::int32_t>(calc::kResultColumnCount));
    EXPECT_TRUE(Controls().print.Enabled());
}

// A "Prev Divisor" side beyond the 32-bit range is held at its end: the
// calculation runs to its end and enables printing.
TEST_F(CalculationTest, AnOverlargeRatioStillCalculates) {
    struct Case { const char* left; const char* right; const char* pitch; std::int32_t rows; };
    const Case cases[] = {
        {"99999999999", "40", "1.0", 0},
        {"99999999999", "99999999999", "1.0", 26},   // both held at the same end: ratio 1
        {"-2147483649", "-2147483648", "1.0", 26},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.left) + " : " + c.right);
        Controls().print.SetEnabled(false);
        Inputs().ratioLeft.SetText(c.left);
        Inputs().ratioRight.SetText(c.right);
        forms::testing::ClearByTyping(Inputs().request);
        Calculate(c.pitch);
        EXPECT_EQ(window->Grid().Rows(), c.rows);
        EXPECT_TRUE(Controls().print.Enabled());
        EXPECT_FALSE(os::BusyCursorShown());  // the wait cursor is gone again
    }
}

TEST_F(CalculationTest, GridIsSetUpWithTheResultColumns) {
    Open(false);
    const grid::VbGrid& grid = window->Grid();
    const std::vector<std::string> headers = {" ", "A", "B", "C", "D", "+/- %", "pitch, mm", "tpi", "comm"};
    const std::vector<std::int32_t> widths = {300, 300, 300, 300, 300, 790, 830, 830, 800};
    ASSERT_EQ(grid.Cols(), static_cast<std::int32_t>(headers.size()));
    for (std::int32_t c = 0; c < grid.Cols(); ++c) {
        EXPECT_EQ(grid.ColumnHeader(runtime::Variant(c)), headers[c]);
        // The grid keeps widths in whole pixels of 15 twips. The marks column
        // takes up the grid's spare width as soon as the grid is laid out,
        // which a slow machine may already have done.
        if (c == kMarks) EXPECT_GE(grid.ColWidth(runtime::Variant(c)), (widths[c] + 7) / 15 * 15);
        else EXPECT_EQ(grid.ColWidth(runtime::Variant(c)), (widths[c] + 7) / 15 * 15) << c;
        EXPECT_FALSE(grid.ColEditable(runtime::Variant(c)));
        EXPECT_EQ(grid.FixedAlignment(runtime::Variant(c)), 2);
    }
    EXPECT_EQ(grid.ColAlignment(runtime::Variant(5)), 1);
    EXPECT_TRUE(grid.ColAutoResize(runtime::Variant(kMarks)));
    EXPECT_EQ(grid.ColToolTip(runtime::Variant(kMarks)).rfind("'low' means that gear set too small", 0), 0u);
    EXPECT_TRUE(grid.Header());
    EXPECT_EQ(grid.GridLines(), 3);
    EXPECT_EQ(grid.ScrollBars(), 2);
    EXPECT_EQ(grid.DefaultRowHeight(), 240);
}

TEST_F(CalculationTest, RightClickOnPrintSavesWhatTheCommandLineToolPrints) {
    Open();
    Calculate("1.0");
    const std::string path = folder.File("results.csv");
    DialogAnswer answer(path);
    ClickWith(Controls().print, 2);
    EXPECT_EQ(window->LastPrintButton(), 2);
    ASSERT_EQ(answer.asked.size(), 1u);
    const std::string bytes = TempFolder::Read(path);
    EXPECT_EQ(bytes, KestranyCalcOutput("--pitch-mm 1.0"));
    EXPECT_EQ(bytes.rfind(" ; A; B; C; D; +/- %; pitch, mm; tpi; comm\r\n1; 80; 80; 40; 60; 0.0; 1.0; 25.4; \r\n", 0),
              0u);
    EXPECT_NE(bytes.find("\r\n26; 20; ; ; 30; 0.0; 1.0; 25.4; \r\n"), std::string::npos);
    std::size_t lines = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, 27u);
    EXPECT_TRUE(answer.messages.empty());
}

TEST_F(CalculationTest, SaveDialogIsAskedWithItsParameters) {
    WriteLang("[frmMain]\nsaveas=Speichern\n");
    Open();
    DialogAnswer answer(std::nullopt);
    ClickWith(Controls().print, 2);  // disabled before a calculation
    EXPECT_TRUE(answer.asked.empty());
    Calculate("1.0");
    ClickWith(Controls().print, 2);
    ASSERT_EQ(answer.asked.size(), 1u);
    const os::OPENFILENAME& asked = answer.asked.front();
    EXPECT_EQ(asked.owner, window->Window().hWnd());
    ASSERT_EQ(asked.filters.size(), 1u);
    EXPECT_EQ(asked.filters[0].description, "CSV Files (*.csv)");
    EXPECT_EQ(asked.filters[0].pattern, "*.csv");
    EXPECT_EQ(asked.title, "Speichern");
    EXPECT_EQ(asked.flags, 0x880002u);
    EXPECT_EQ(asked.defaultExtension, "csv");
    EXPECT_EQ(asked.maxFile, 4096u);  // any path the system can name
    EXPECT_EQ(asked.initialDir, std::filesystem::current_path().string());
    EXPECT_EQ(folder.EntryCount(), 1u);  // cancel wrote nothing; only lang.txt is there
}

TEST_F(CalculationTest, LeftAndMiddleButtonsDoNotExport) {
    Open();
    Calculate("1.0");
    DialogAnswer answer(folder.File("x.csv"));
    for (std::int16_t button : {1, 4}) {
        ClickWith(Controls().print, button);
        EXPECT_EQ(window->LastPrintButton(), button);
    }
    EXPECT_TRUE(answer.asked.empty());
}

TEST_F(CalculationTest, ExportToAReadOnlyFolderIsReportedAndTheOldFileStays) {
    Open();
    Calculate("1.0");
    TempFolder target;
    const std::string path = target.File("results.csv");
    TempFolder::Write(path, "old results\r\n");
    if (!target.ReadOnlyIsEnforced()) GTEST_SKIP() << "this user may write into read-only folders";
    std::filesystem::permissions(target.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    DialogAnswer answer(path);
    ClickWith(Controls().print, 2);
    std::filesystem::permissions(target.Path(), std::filesystem::perms::owner_all);
    ASSERT_EQ(answer.messages.size(), 1u);
    EXPECT_NE(answer.messages[0].find(path), std::string::npos);
    EXPECT_EQ(TempFolder::Read(path), "old results\r\n");
    EXPECT_EQ(target.EntryCount(), 1u);
    EXPECT_TRUE(window->Window().Visible());
}

TEST_F(CalculationTest, ExportOfAReadOnlyFileIsReported) {
    Open();
    const std::string path = folder.File("locked.csv");
    TempFolder::Write(path, "kept");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    if (::access(path.c_str(), W_OK) == 0) GTEST_SKIP() << "this user may write read-only files";
    DialogAnswer answer(path);
    window->ExportCsv();
    EXPECT_EQ(answer.messages.size(), 1u);
    EXPECT_EQ(TempFolder::Read(path), "kept");
}

TEST_F(CalculationTest, ExportIntoAFolderThatIsGoneIsReported) {
    Open();
    const std::string path = folder.File("gone/results.csv");
    DialogAnswer answer(path);
    window->ExportCsv();
    ASSERT_EQ(answer.messages.size(), 1u);
    EXPECT_NE(answer.messages[0].find(path), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(answer.busyWhileShown);  // the wait cursor is for the writing alone
    EXPECT_FALSE(os::BusyCursorShown());
}

// A long list goes to the file in pieces; the file holds every row, byte
// for byte what the grid holds.
TEST_F(CalculationTest, ALongListIsSavedWhole) {
    Open();
    grid::VbGrid& grid = window->Grid();
    const std::int32_t rows = 40000;  // a few megabytes of text
    grid.SetRows(rows);
    for (std::int32_t r = 0; r < rows; ++r) {
        grid.SetTextMatrix(r, 0, std::to_string(r + 1));
        grid.SetTextMatrix(r, 5, "-0.1234");
        grid.SetTextMatrix(r, 8, r % 3 == 0 ? "sec D low " : "");
    }
    const std::string expected = app::ResultsCsv(grid);
    ASSERT_GT(expected.size(), 1u << 20);
    const std::string path = folder.File("long.csv");
    DialogAnswer answer(path);
    window->ExportCsv();
    EXPECT_TRUE(answer.messages.empty());
    EXPECT_TRUE(TempFolder::Read(path) == expected);
    std::size_t pieces = 0;
    EXPECT_FALSE(app::WriteResultsCsv(grid, [&pieces](std::string_view) { return ++pieces < 2; }));
    EXPECT_EQ(pieces, 2u);  // the first refused piece ends the writing
}

TEST_F(CalculationTest, EmptyGridGivesTheHeaderAlone) {
    Open(false);
    EXPECT_EQ(app::ResultsCsv(window->Grid()), " ; A; B; C; D; +/- %; pitch, mm; tpi; comm\r\n");
    window->Grid().AddRow();
    window->Grid().SetTextMatrix(0, 8, "a; b");
    EXPECT_EQ(app::ResultsCsv(window->Grid()),
              " ; A; B; C; D; +/- %; pitch, mm; tpi; comm\r\na; b\r\n");  // empty leading fields add no separator
}

// A command that runs out of memory keeps what was there and says so, in a
// text of its own: the list shown, an existing file of the name chosen; a
// chart cut short is not left looking whole. (The preview keeps nothing per
// row, so it does not run out at this limit.)
TEST_F(CalculationTest, RunningOutOfMemoryKeepsWhatWasThereAndSaysSo) {
    constexpr std::size_t kLimit = 32 * 1024;  // less than the lists below need
    WriteLang("[frmMain]\nnotEnoughMemory=Zu wenig Speicher\n");
    std::string gears = "[sets]\nGears_count=15\ntxtPrecm=100\n";
    for (int n = 0; n < 16; ++n) gears += "gears_" + std::to_string(n) + "=" + std::to_string(20 + 2 * n) + "\n";
    WriteIni(gears);
    Open();
    Calculate("1.0");
    const int listed = window->Grid().Rows();
    ASSERT_GT(listed, 3000);
    const std::vector<std::string> first = Row(0);
    window->Chart().Show();
    app::frmChart& chart = *window->Chart().Current();
    const std::size_t charted = chart.Rows().size();
    const std::string csv = folder.File("results.csv");
    TempFolder::Write(csv, "old results\r\n");
    DialogAnswer answer(csv);
    struct Case {
        const char* what;
        std::function<void()> command;
    };
    const Case cases[] = {
        {"calculation", [this] { ClickWith(Controls().calculate, 1); }},
        {"save", [this] { ClickWith(Controls().print, 2); }},
        {"chart", [&chart] { chart.Recalculate(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        answer.messages.clear();
        {
            const AllocationLimit limit(kLimit);
            c.command();
        }
        EXPECT_EQ(answer.messages, std::vector<std::string>{"Zu wenig Speicher"});
        EXPECT_EQ(window->Grid().Rows(), listed);
        EXPECT_EQ(Row(0), first);
        // The chart keeps its rows, or is emptied when its grid ran out while it filled.
        EXPECT_TRUE(chart.Rows().size() == charted || chart.Rows().empty());
        EXPECT_EQ(chart.Grid().Rows(), static_cast<int>(chart.Rows().size()));
        EXPECT_EQ(TempFolder::Read(csv), "old results\r\n");
        EXPECT_TRUE(window->Preview() == nullptr || window->Preview()->Closed());
    }
}

}  // namespace
