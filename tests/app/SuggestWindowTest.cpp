// The gear suggestion window: opened from the thread chart, it ranks the
// gears to add for the chart's checked threads, shows what the selected one
// gains, and a double click puts it into the main window.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "MainWindowFixture.h"
#include "app/main/MainLayout.h"
#include "app/chart/frmChart.h"
#include "app/chart/frmSuggest.h"
#include "calc/suggest/GearSuggestion.h"
#include "calc/suggest/SuggestionTexts.h"
#include "forms/testing/UserInput.h"
#include "os/commoncontrols/MessageBox.h"
#include "os/testing/SimulatedInput.h"
#include "os/testing/WindowInput.h"
#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"

namespace {

class SuggestWindowTest : public MainWindowTest {
protected:
    ~SuggestWindowTest() override { os::SetMessageBoxPresenter({}); }

    // Opens the chart with only the families of `keys` checked, then the
    // suggestion with a click on its button.
    app::frmSuggest& OpenSuggestions(std::initializer_list<std::string> keys) {
        os::SendMessage(window->Window().hWnd(), os::WM_SYSCOMMAND, app::kChartMenuId, 0);
        os::ProcessPendingEvents();
        chart = window->Chart().Current();
        int index = 0;
        for (const calc::ThreadFamily& family : calc::ThreadFamilies())
            chart->Controls().families[index++]->SetCheckValue(std::find(keys.begin(), keys.end(), family.key) != keys.end());
        forms::testing::ClickWith(chart->Controls().suggest, 1);
        os::ProcessPendingEvents();
        EXPECT_NE(chart->Suggestions(), nullptr);
        return *chart->Suggestions();
    }

    // What the calculation answers for the same question.
    calc::SuggestionRequest Question(const char* family) const {
        calc::SuggestionRequest request;
        request.gears = window->Gears();
        const calc::ThreadFamily* families[] = {calc::FindThreadFamily(family)};
        request.threads = calc::WantedThreads(families, 0.1, 0.2);
        return request;
    }

    static std::string GridColumn(grid::VbGrid& grid, int column) {
        std::string text;
        for (int r = 0; r < grid.Rows(); ++r) text += grid.TextMatrix(r, column) + "|";
        return text;
    }

    static void DoubleClickRow(grid::VbGrid& grid, int row) {
        const os::RECT cell = grid.CellRect(row, 0);
        const os::POINT point{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
        os::testing::MousePress(grid.hWnd(), point);
        os::testing::MouseRelease(grid.hWnd(), point);
        os::testing::MouseDoubleClick(grid.hWnd(), point);
        os::ProcessPendingEvents();
    }

    app::frmChart* chart = nullptr;
};

std::string Expected(const std::vector<calc::GearSuggestion>& list) {
    std::string text;
    for (const calc::GearSuggestion& s : list) text += calc::SuggestionGearsText(s) + "|";
    return text;
}

}  // namespace

TEST_F(SuggestWindowTest, ListsTheRankedGearsAndPairsAndWhatTheSelectedOneGains) {
    Open();
    app::frmSuggest& suggest = OpenSuggestions({"metric-coarse"});
    ASSERT_TRUE(suggest.Window().Visible());
    const auto singles = calc::SuggestGears(Question("metric-coarse"));
    ASSERT_GT(singles.size(), 1u);
    EXPECT_EQ(GridColumn(suggest.Grid(), 0), Expected(singles));
    EXPECT_EQ(suggest.Grid().TextMatrix(0, 1), std::to_string(singles[0].gained));

    // The first candidate's threads are listed at once; a click on another
    // lists that one's, with the train each thread then has.
    EXPECT_EQ(suggest.GainsGrid().Rows(), static_cast<int>(singles[0].gains.size()));
    suggest.Grid().SetRow(1);
    os::ProcessPendingEvents();
    ASSERT_EQ(suggest.GainsGrid().Rows(), static_cast<int>(singles[1].gains.size()));
    const calc::ThreadGain& gain = singles[1].gains[0];
    EXPECT_EQ(suggest.GainsGrid().TextMatrix(0, 0), calc::FindThreadFamily("metric-coarse")->threads[gain.thread].name);
    EXPECT_EQ(suggest.GainsGrid().TextMatrix(0, 1), std::to_string(singles[1].gears.Count(gain.train.a)));

    // A narrower range of tooth counts is taken when its box is left; a
    // range that is none puts the one in use back.
    forms::testing::ClearByTyping(suggest.Controls().highest);
    forms::testing::TypeText(suggest.Controls().highest, "60");
    suggest.LostFocus(suggest.Controls().highest);
    calc::SuggestionRequest narrower = Question("metric-coarse");
    narrower.highest = 60;
    EXPECT_EQ(GridColumn(suggest.Grid(), 0), Expected(calc::SuggestGears(narrower)));
    for (const char* bad : {"0", "abc", "401", "10.5"}) {
        forms::testing::ClearByTyping(suggest.Controls().lowest);
        forms::testing::TypeText(suggest.Controls().lowest, bad);
        suggest.LostFocus(suggest.Controls().lowest);
        EXPECT_EQ(suggest.Controls().lowest.Text(), "12") << bad;
        EXPECT_EQ(GridColumn(suggest.Grid(), 0), Expected(calc::SuggestGears(narrower))) << bad;
    }
    forms::testing::ClearByTyping(suggest.Controls().highest);
    forms::testing::TypeText(suggest.Controls().highest, "150");
    suggest.LostFocus(suggest.Controls().highest);

    suggest.Controls().pairs.SetCheckValue(1);  // raises the box's Click event, as a click does
    os::ProcessPendingEvents();
    EXPECT_EQ(GridColumn(suggest.Grid(), 0), Expected(calc::SuggestGearPairs(Question("metric-coarse"))));
}

TEST_F(SuggestWindowTest, DoubleClickPutsTheGearIntoTheFirstEmptyBoxOrSaysThereIsNone) {
    Open();
    app::frmSuggest& suggest = OpenSuggestions({"unc"});
    ASSERT_GT(suggest.Grid().Rows(), 0);

    // With every box full nothing changes, and the user is told.
    for (int n = 0; n < app::kGearBoxCount; ++n)
        if (window->Gears().Count(n) == 0) GearBox(n).SetText("33");
    os::ProcessPendingEvents();
    const std::vector<std::int32_t> full = GearList();
    std::string told;
    os::SetMessageBoxPresenter([&told](os::HWND, const std::string& text, const std::string&, os::UINT) {
        told = text;
        return 1;
    });
    DoubleClickRow(suggest.Grid(), 0);
    EXPECT_NE(told.find("no empty gear box"), std::string::npos) << told;
    EXPECT_EQ(GearList(), full);

    // With box 20 emptied and the advice asked for again, the best candidate
    // goes there, and the chart shows the train it promised.
    GearBox(20).SetText("");
    forms::testing::ClickWith(chart->Controls().suggest, 1);
    os::ProcessPendingEvents();
    ASSERT_GT(suggest.Grid().Rows(), 0);
    const calc::GearSuggestion best = suggest.Suggestions()[0];
    DoubleClickRow(suggest.Grid(), 0);
    EXPECT_EQ(GearBox(20).Text(), std::to_string(best.teeth[0]));
    EXPECT_EQ(window->Gears().Count(20), best.teeth[0]);
    const calc::ThreadGain& gain = best.gains[0];
    const auto& rows = chart->Rows();
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const calc::ChartRow& r) {
        return r.thread->name == calc::FindThreadFamily("unc")->threads[gain.thread].name;
    });
    ASSERT_NE(row, rows.end());
    ASSERT_TRUE(row->train);
    EXPECT_EQ(row->train->err, gain.train.err);
    for (auto slot : {&calc::TrainResult::a, &calc::TrainResult::b, &calc::TrainResult::c, &calc::TrainResult::d})
        EXPECT_EQ(window->Gears().Count((*row->train).*slot), best.gears.Count(gain.train.*slot));
}
