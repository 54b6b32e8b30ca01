// The thread chart window: opened from the main window's system menu, it
// follows the main window's inputs, greys the threads its tolerance misses,
// remembers the families chosen, prints like the results and hands a
// double-clicked thread to the main window.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "MainWindowFixture.h"
#include "PrintedText.h"
#include "app/chart/ChartFill.h"
#include "app/chart/frmChart.h"
#include "calc/inputs/ThreadFamilies.h"
#include "grid/model/GridTable.h"
#include "os/commoncontrols/Clipboard.h"
#include "os/desktop/BusyCursor.h"
#include "forms/testing/UserInput.h"
#include "os/windows/Menu.h"
#include "os/commoncontrols/MessageBox.h"
#include "os/files/AtomicFile.h"
#include "os/printing/PrinterPage.h"
#include "os/commoncontrols/SaveFileDialog.h"
#include "os/testing/WindowInput.h"
#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"
#include "os/windows/VirtualKeys.h"
#include "os/testing/SimulatedInput.h"

namespace {

using forms::testing::ClickWith;
using forms::testing::ClearByTyping;
using forms::testing::TypeText;

std::size_t ThreadCount(std::initializer_list<const char*> keys) {
    std::size_t count = 0;
    for (const char* key : keys) count += calc::FindThreadFamily(key)->threads.size();
    return count;
}

std::size_t AllThreads() {
    std::size_t count = 0;
    for (const calc::ThreadFamily& family : calc::ThreadFamilies()) count += family.threads.size();
    return count;
}

class ChartWindowTest : public MainWindowTest {
protected:
    app::frmChart& OpenChart() {
        os::SendMessage(window->Window().hWnd(), os::WM_SYSCOMMAND, app::kChartMenuId, 0);
        os::ProcessPendingEvents();
        app::frmChart* chart = window->Chart().Current();
        EXPECT_NE(chart, nullptr);
        return *chart;
    }
    // Lets the chart follow the inputs, which it does once they rest.
    static void WaitForRest(app::frmChart& chart) {
        EXPECT_TRUE(os::ProcessEventsUntil([&chart] { return !chart.RecalculationPending(); }, 5000));
    }
    // The grid row of a thread, -1 when it is not listed.
    static int RowOf(app::frmChart& chart, const std::string& name) {
        for (int r = 0; r < chart.Grid().Rows(); ++r)
            if (chart.Grid().TextMatrix(r, 0) == name) return r;
        return -1;
    }
    static std::string RowText(app::frmChart& chart, int row) {
        std::string text;
        for (int c = 0; c < chart.Grid().Cols(); ++c) text += (c ? "|" : "") + chart.Grid().TextMatrix(row, c);
        return text;
    }
    static bool Grey(app::frmChart& chart, int row) {
        for (int c = 0; c < chart.Grid().Cols(); ++c)
            if (chart.Grid().CellForeColor(row, c) != app::kOutsideToleranceColour) return false;
        return true;
    }
    // Leaves only the families of `keys` checked; each change raises the
    // box's Click event, as a click of the user does.
    static void CheckOnly(app::frmChart& chart, std::initializer_list<std::string> keys) {
        int index = 0;
        for (const calc::ThreadFamily& family : calc::ThreadFamilies()) {
            const bool wanted = std::find(keys.begin(), keys.end(), std::string(family.key)) != keys.end();
            chart.Controls().families[index++]->SetCheckValue(wanted ? 1 : 0);
        }
        os::ProcessPendingEvents();
    }
};

TEST_F(ChartWindowTest, SystemMenuOpensOneChartOfEveryThread) {
    Open();
    const os::HWND hwnd = window->Window().hWnd();
    const std::vector<os::MenuItem> items = os::GetMenuItems(os::GetSystemMenu(hwnd, false));
    ASSERT_GE(items.size(), 3u);
    EXPECT_TRUE(items[items.size() - 3].flags & os::MF_SEPARATOR);
    EXPECT_EQ(items[items.size() - 2].id, app::kChartMenuId);
    EXPECT_EQ(items[items.size() - 2].text, "&Thread chart");
    EXPECT_EQ(items.back().id, app::kAboutMenuId);

    app::frmChart& chart = OpenChart();
    EXPECT_TRUE(chart.Window().Visible());
    EXPECT_EQ(chart.Window().Caption(), "Thread chart");
    ASSERT_EQ(chart.Grid().Rows(), static_cast<int>(AllThreads()));
    EXPECT_EQ(chart.Grid().ColumnHeader(runtime::Variant(0)), "thread");
    EXPECT_EQ(chart.Grid().TextMatrix(0, 0), "M1 × 0.25");
    EXPECT_EQ(RowText(chart, RowOf(chart, "0 BA")), "0 BA|80|80|40|60|0.0|1.0|25.4|");

    // Choosing it again shows the same window.
    EXPECT_EQ(&OpenChart(), &chart);
}

TEST_F(ChartWindowTest, ThreadsOutsideTheToleranceAreGreyAndTheChartFollowsTheInputs) {
    Open();
    app::frmChart& chart = OpenChart();
    const int exact = RowOf(chart, "0 BA");           // 1 mm, exact with the factory gears
    const int inexact = RowOf(chart, "ME 40 TPI");    // misses 0.2 %
    EXPECT_FALSE(Grey(chart, exact));
    EXPECT_TRUE(Grey(chart, inexact));

    // A wider inch tolerance takes the grey away.
    ClearByTyping(Inputs().toleranceTpi);
    TypeText(Inputs().toleranceTpi, "50");
    WaitForRest(chart);
    EXPECT_FALSE(Grey(chart, RowOf(chart, "ME 40 TPI")));

    // Another leadscrew gives other trains: 1 mm on a 2 mm leadscrew.
    ClearByTyping(Inputs().leadscrewMm);
    TypeText(Inputs().leadscrewMm, "2");
    WaitForRest(chart);
    EXPECT_NE(RowText(chart, RowOf(chart, "0 BA")), "0 BA|80|80|40|60|0.0|1.0|25.4|");
    EXPECT_EQ(RowText(chart, RowOf(chart, "0 BA")).substr(0, 10), "0 BA|80|80");
    EXPECT_FALSE(Grey(chart, RowOf(chart, "0 BA")));
}

// Typing in the main window does not recalculate the chart at every
// keystroke: the chart stays as it was while the keys come and follows the
// inputs once they rest; what the user then prints is the chart of the
// current inputs.
TEST_F(ChartWindowTest, TheChartFollowsTypingOnceItPauses) {
    Open();
    app::frmChart& chart = OpenChart();
    CheckOnly(chart, {"ba", "me"});
    const int inexact = RowOf(chart, "ME 40 TPI");
    for (forms::Control* box : {&Inputs().toleranceTpi, &Inputs().leadscrewMm, &Inputs().ratioLeft}) {
        SCOPED_TRACE(box->Name());
        const std::string before = RowText(chart, inexact);
        ClearByTyping(*box);
        TypeText(*box, "50");
        EXPECT_EQ(RowText(chart, inexact), before);
        EXPECT_TRUE(chart.RecalculationPending());
        WaitForRest(chart);
    }
    EXPECT_NE(RowText(chart, RowOf(chart, "0 BA")), "0 BA|80|80|40|60|0.0|1.0|25.4|");

    // A print right after typing prints the chart of what was typed.
    ClearByTyping(Inputs().ratioLeft);
    TypeText(Inputs().ratioLeft, "40");
    ClearByTyping(Inputs().leadscrewMm);
    TypeText(Inputs().leadscrewMm, "1.5");
    const std::string csv = folder.File("chart.csv");
    os::SetSaveFileAnswerer([&csv](const os::OPENFILENAME&) { return std::optional<std::string>(csv); });
    ClickWith(chart.Controls().print, 2);
    os::SetSaveFileAnswerer({});
    EXPECT_FALSE(chart.RecalculationPending());
    EXPECT_NE(TempFolder::Read(csv).find("\r\n0 BA; 80; 80; 40; 60; 0.0; 1.0; 25.4; \r\n"), std::string::npos);
}

TEST_F(ChartWindowTest, TheFamiliesChosenAreRemembered) {
    Open();
    app::frmChart& chart = OpenChart();
    CheckOnly(chart, {"unc", "ba"});
    EXPECT_EQ(chart.Grid().Rows(), static_cast<int>(ThreadCount({"unc", "ba"})));
    EXPECT_EQ(chart.Grid().TextMatrix(0, 0), "#1-64 UNC");
    chart.Window().Close();
    EXPECT_EQ(window->Chart().Current(), nullptr);
    CloseWindow();
    EXPECT_NE(Ini().find("chart_bsw="), std::string::npos);

    Open();
    app::frmChart& again = OpenChart();
    EXPECT_EQ(again.Grid().Rows(), static_cast<int>(ThreadCount({"unc", "ba"})));
    EXPECT_EQ(again.Controls().families[2]->CheckValue(), 1);
    EXPECT_EQ(again.Controls().families[0]->CheckValue(), 0);
}

TEST_F(ChartWindowTest, DoubleClickCalculatesTheThreadInTheMainWindow) {
    Open();
    app::frmChart& chart = OpenChart();
    CheckOnly(chart, {"unc", "module"});
    const int row = RowOf(chart, "1/4-20 UNC");
    ASSERT_GE(row, 0);
    const os::RECT cell = chart.Grid().CellRect(row, 1);
    const os::POINT point{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    os::testing::MousePress(chart.Grid().hWnd(), point);
    os::testing::MouseRelease(chart.Grid().hWnd(), point);
    os::testing::MouseDoubleClick(chart.Grid().hWnd(), point);
    os::ProcessPendingEvents();
    EXPECT_TRUE(Inputs().requestUnit[1]->OptionValue());
    EXPECT_EQ(Inputs().request.Text(), "20");
    EXPECT_TRUE(Controls().calculate.Enabled());
    EXPECT_TRUE(Controls().print.Enabled());
    // The main window lists every train within its tolerance: with the
    // factory gears and a 1.5 mm leadscrew 20 TPI is met by none.
    EXPECT_EQ(window->Grid().Rows(), 0);

    // A module worm goes in as millimetres, with every digit of its pitch,
    // and its best train heads the main window's list at a wide tolerance.
    ClearByTyping(Inputs().toleranceMm);
    TypeText(Inputs().toleranceMm, "5");
    const int worm = RowOf(chart, "Module 1");
    chart.UseThread(worm);
    EXPECT_TRUE(Inputs().requestUnit[0]->OptionValue());
    EXPECT_EQ(Inputs().request.Text(), "3.141592653589793");
    ASSERT_GT(window->Grid().Rows(), 0);
    for (int c = 1; c < 9; ++c) EXPECT_EQ(window->Grid().TextMatrix(0, c), chart.Grid().TextMatrix(worm, c)) << c;
}

TEST_F(ChartWindowTest, PrintButtonPreviewsSavesAndPrints) {
    Open();
    app::frmChart& chart = OpenChart();
    CheckOnly(chart, {"ba", "me"});

    // The keyboard prints (no mouse press on the button yet).
    const std::string pdf = folder.File("chart.pdf");
    os::SetPrinterStandIn({os::PrinterStandIn::Kind::PdfFile, pdf});
    chart.Controls().print.SetFocus();
    os::testing::KeyClick(chart.Controls().print.hWnd(), os::VK_SPACE);
    os::ProcessPendingEvents();
    const PrintedText printed(pdf);
    ASSERT_TRUE(printed.Readable());
    EXPECT_EQ(printed.Count({"ME", "40", "TPI"}), 1u);
    EXPECT_EQ(printed.Count({"7", "BA"}), 1u);

    ClickWith(chart.Controls().print, 1);
    ASSERT_NE(chart.Preview(), nullptr);
    forms::PreviewSurface& surface = chart.Preview()->Surface();
    const forms::DrawnTexts texts = surface.TextsBetween(0, surface.SurfaceHeight());
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const auto& t) { return t.text == "16 BA"; }), 1);

    const std::string csv = folder.File("chart.csv");
    os::SetSaveFileAnswerer([&csv](const os::OPENFILENAME&) { return std::optional<std::string>(csv); });
    ClickWith(chart.Controls().print, 2);
    os::SetSaveFileAnswerer({});
    const std::string saved = TempFolder::Read(csv);
    EXPECT_EQ(saved.substr(0, saved.find("\r\n")), "thread; A; B; C; D; +/- %; pitch, mm; tpi; comm");
    EXPECT_NE(saved.find("\r\n0 BA; 80; 80; 40; 60; 0.0; 1.0; 25.4; \r\n"), std::string::npos);

    // The right button was used by its click: the keyboard prints again.
    const std::string again = folder.File("again.pdf");
    os::SetPrinterStandIn({os::PrinterStandIn::Kind::PdfFile, again});
    chart.Controls().print.SetFocus();
    os::testing::KeyClick(chart.Controls().print.hWnd(), os::VK_SPACE);
    os::ProcessPendingEvents();
    EXPECT_TRUE(PrintedText(again).Readable());
}

TEST_F(ChartWindowTest, CtrlASelectsAndCtrlCCopiesTheThreads) {
    Open();
    app::frmChart& chart = OpenChart();
    CheckOnly(chart, {"ba"});
    std::vector<std::string> copied;
    os::SetClipboardReceiver([&copied](const std::string& text) { copied.push_back(text); });
    const os::HWND grid = chart.Controls().grid.hWnd();
    os::testing::KeyClick(grid, 'A', os::CtrlMask);
    os::testing::KeyClick(grid, 'C', os::CtrlMask);
    os::SetClipboardReceiver({});
    ASSERT_EQ(copied.size(), 1u);
    EXPECT_EQ(static_cast<std::size_t>(std::count(copied[0].begin(), copied[0].end(), '\n')),
              ThreadCount({"ba"}) + 1);  // the header and every thread
    EXPECT_EQ(copied[0].rfind("thread\tA\t", 0), 0u);
    EXPECT_NE(copied[0].find("\n0 BA\t80\t80\t40\t60\t0.0\t1.0\t25.4\t\n"), std::string::npos);
}

namespace {

// A table that notes whether it was ever read without the wait cursor.
class BusyProbe : public grid::GridTable {
public:
    std::int32_t RowCount() const override { return 2; }
    std::string Text(std::int32_t, std::int32_t) const override {
        readIdle = readIdle || !os::BusyCursorShown();
        ++reads;
        return "x";
    }
    std::int32_t ForeColour(std::int32_t, std::int32_t) const override { return -1; }
    std::int32_t TextFlags(std::int32_t, std::int32_t) const override { return -1; }
    mutable bool readIdle = false;
    mutable int reads = 0;
};

}  // namespace

// Both windows preview, print and save their rows under the wait cursor.
TEST_F(ChartWindowTest, BothWindowsShowTheWaitCursorWhileTheirRowsGoOut) {
    Open();
    app::frmChart& chart = OpenChart();
    const std::string csv = folder.File("busy.csv");
    os::SetSaveFileAnswerer([&csv](const os::OPENFILENAME&) { return std::optional<std::string>(csv); });
    os::SetPrinterStandIn({os::PrinterStandIn::Kind::PdfFile, folder.File("busy.pdf")});
    for (const bool onChart : {false, true}) {
        grid::VbGrid& grid = onChart ? chart.Grid() : window->Grid();
        BusyProbe probe;
        grid.ShowTable(&probe);
        os::ProcessPendingEvents();
        const std::function<void()> ways[] = {
            [&] { onChart ? chart.ShowPreview() : window->ShowPreview(); },
            [&] { onChart ? chart.PrintTable() : window->PrintTable(); },
            [&] { onChart ? chart.ExportCsv() : window->ExportCsv(); },
        };
        for (std::size_t way = 0; way < std::size(ways); ++way) {
            SCOPED_TRACE(std::to_string(onChart) + " " + std::to_string(way));
            probe.readIdle = false;
            probe.reads = 0;
            ways[way]();
            EXPECT_GT(probe.reads, 0);
            EXPECT_FALSE(probe.readIdle);
        }
        grid.ShowTable(nullptr);
    }
    os::SetSaveFileAnswerer({});
}

TEST_F(ChartWindowTest, ClosingTheMainWindowClosesTheChart) {
    Open();
    app::frmChart& chart = OpenChart();
    EXPECT_TRUE(chart.Window().Visible());
    window->Window().Close();
    EXPECT_TRUE(chart.Closed());
    window.reset();
}

}  // namespace

TEST_F(ChartWindowTest, FewestChangesAndTheSheetForTheLatheDoor) {
    Open();
    app::frmChart& chart = OpenChart();
    CheckOnly(chart, {"metric-coarse"});
    const std::string best = RowText(chart, RowOf(chart, "M3 × 0.5"));
    EXPECT_EQ(chart.Controls().status.Caption(), "Gear changes: 44 with the fewest changes, 160 with the best trains");
    chart.Controls().fewest.SetCheckValue(1);
    os::ProcessPendingEvents();
    EXPECT_NE(RowText(chart, RowOf(chart, "M3 × 0.5")), best);
    EXPECT_EQ(chart.Grid().Rows(), static_cast<int>(ThreadCount({"metric-coarse"})));
    EXPECT_NE(Ini().find("chart_fewest="), std::string::npos);

    // Printed and saved alike: the gear set on top of every page, every thread once.
    auto expectSheet = [](const std::string& pdf) {
        const PrintedText printed(pdf);
        ASSERT_TRUE(printed.Readable()) << pdf;
        for (const auto& page : printed.Pages()) EXPECT_TRUE(PrintedText::StartsWith(page, {"Gears", "20", "20"}));
        for (const calc::ThreadEntry& thread : calc::FindThreadFamily("metric-coarse")->threads)
            EXPECT_EQ(printed.Count(PrintedText::Words(std::string(thread.name))), 1u) << thread.name;
    };
    const std::string printed = folder.File("printed.pdf");
    os::SetPrinterStandIn({os::PrinterStandIn::Kind::PdfFile, printed});
    ClickWith(chart.Controls().printChart, 1);
    os::SetPrinterStandIn({});
    expectSheet(printed);
    const std::string saved = folder.File("door.pdf");
    os::SetSaveFileAnswerer([&saved](const os::OPENFILENAME&) { return std::optional<std::string>(saved); });
    ClickWith(chart.Controls().savePdf, 1);
    expectSheet(saved);

    // A file that cannot be written is told and left out.
    std::string told;
    os::SetMessageBoxPresenter([&told](os::HWND, const std::string& text, const std::string&, os::UINT) {
        told = text;
        return os::IDOK;
    });
    const std::string failed = folder.File("failed.pdf");
    os::SetSaveFileAnswerer([&failed](const os::OPENFILENAME&) { return std::optional<std::string>(failed); });
    os::InjectWriteFault(1, os::WriteFault::Write);
    ClickWith(chart.Controls().savePdf, 1);
    os::SetSaveFileAnswerer({});
    os::SetMessageBoxPresenter({});
    EXPECT_NE(told.find(failed), std::string::npos) << told;
    EXPECT_FALSE(std::filesystem::exists(failed));
}
