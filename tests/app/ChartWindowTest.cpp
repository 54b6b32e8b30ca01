// The thread chart window: opened from the main window's system menu, it
// follows the main window's inputs, greys the threads its tolerance misses,
// remembers the families chosen, prints like the results and hands a
// double-clicked thread to the main window.
#include <gtest/gtest.h>

#include <algorithm>

#include "MainWindowFixture.h"
#include "PrintedText.h"
#include "app/ChartFill.h"
#include "app/frmChart.h"
#include "calc/ThreadFamilies.h"
#include "forms/testing/UserInput.h"
#include "os/commoncontrols/Menu.h"
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
            chart.Item("chkFamily", index++).SetCheckValue(wanted ? 1 : 0);
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
    ClearByTyping(Item("txtPrecI"));
    TypeText(Item("txtPrecI"), "50");
    WaitForRest(chart);
    EXPECT_FALSE(Grey(chart, RowOf(chart, "ME 40 TPI")));

    // Another leadscrew gives other trains: 1 mm on a 2 mm leadscrew.
    ClearByTyping(Item("screwpitchM"));
    TypeText(Item("screwpitchM"), "2");
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
    for (const char* box : {"txtPrecI", "screwpitchM", "prevL"}) {
        SCOPED_TRACE(box);
        const std::string before = RowText(chart, inexact);
        ClearByTyping(Item(box));
        TypeText(Item(box), "50");
        EXPECT_EQ(RowText(chart, inexact), before);
        EXPECT_TRUE(chart.RecalculationPending());
        WaitForRest(chart);
    }
    EXPECT_NE(RowText(chart, RowOf(chart, "0 BA")), "0 BA|80|80|40|60|0.0|1.0|25.4|");

    // A print right after typing prints the chart of what was typed.
    ClearByTyping(Item("prevL"));
    TypeText(Item("prevL"), "40");
    ClearByTyping(Item("screwpitchM"));
    TypeText(Item("screwpitchM"), "1.5");
    const std::string csv = folder.File("chart.csv");
    os::SetSaveFileAnswerer([&csv](const os::OPENFILENAME&) { return std::optional<std::string>(csv); });
    ClickWith(chart.Item("btnPrint"), 2);
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
    EXPECT_EQ(again.Item("chkFamily", 2).CheckValue(), 1);
    EXPECT_EQ(again.Item("chkFamily", 0).CheckValue(), 0);
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
    EXPECT_TRUE(Item("Option1", 1).OptionValue());
    EXPECT_EQ(Item("reqPitch").Text(), "20");
    EXPECT_TRUE(Item("btnCalc").Enabled());
    EXPECT_TRUE(Item("btnPrint").Enabled());
    // The main window lists every train within its tolerance: with the
    // factory gears and a 1.5 mm leadscrew 20 TPI is met by none.
    EXPECT_EQ(window->Grid().Rows(), 0);

    // A module worm goes in as millimetres, with every digit of its pitch,
    // and its best train heads the main window's list at a wide tolerance.
    ClearByTyping(Item("txtPrecM"));
    TypeText(Item("txtPrecM"), "5");
    const int worm = RowOf(chart, "Module 1");
    chart.UseThread(worm);
    EXPECT_TRUE(Item("Option1", 0).OptionValue());
    EXPECT_EQ(Item("reqPitch").Text(), "3.141592653589793");
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
    chart.Item("btnPrint").SetFocus();
    os::testing::KeyClick(chart.Item("btnPrint").hWnd(), os::VK_SPACE);
    os::ProcessPendingEvents();
    const PrintedText printed(pdf);
    ASSERT_TRUE(printed.Readable());
    EXPECT_EQ(printed.Count({"ME", "40", "TPI"}), 1u);
    EXPECT_EQ(printed.Count({"7", "BA"}), 1u);

    ClickWith(chart.Item("btnPrint"), 1);
    ASSERT_NE(chart.Preview(), nullptr);
    const auto& texts = chart.Preview()->Surface().Texts();
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const auto& t) { return t.text == "16 BA"; }), 1);

    const std::string csv = folder.File("chart.csv");
    os::SetSaveFileAnswerer([&csv](const os::OPENFILENAME&) { return std::optional<std::string>(csv); });
    ClickWith(chart.Item("btnPrint"), 2);
    os::SetSaveFileAnswerer({});
    const std::string saved = TempFolder::Read(csv);
    EXPECT_EQ(saved.substr(0, saved.find("\r\n")), "thread; A; B; C; D; +/- %; pitch, mm; tpi; comm");
    EXPECT_NE(saved.find("\r\n0 BA; 80; 80; 40; 60; 0.0; 1.0; 25.4; \r\n"), std::string::npos);

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
