#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/chart/ChartLayout.h"
#include "app/chart/ChartTable.h"
#include "app/results/ResultsOutput.h"
#include "app/files/TimerHandler.h"
#include "app/preview/frmPrint.h"
#include "calc/chart/ThreadChart.h"
#include "runtime/TextSheet.h"
#include "forms/Form.h"
#include "forms/FormEvents.h"
#include "grid/control/GridControl.h"
#include "grid/model/GridEvents.h"
#include "grid/core/VbGrid.h"
#include "platform/objTimer.h"

namespace app {

class ChartHost;
class frmSuggest;

// The thread chart: for every thread of the checked families, the best
// train of the main window's gears under its leadscrew, ratio and include
// options. Threads whose best train misses the main window's tolerance for
// their kind are grey. With "fewest changes" checked, each thread shows the
// train within its tolerance that makes going down the chart change the
// fewest gears; the status line gives the changes both ways. The chart
// follows the main window's inputs; a double click on a thread calculates
// that thread in the main window. The chart prints, and saves as PDF, as a
// sheet for the lathe door.
class frmChart : public forms::FormEvents, public grid::GridEvents {
public:
    explicit frmChart(ChartHost& main);
    ~frmChart() override;
    frmChart(const frmChart&) = delete;
    frmChart& operator=(const frmChart&) = delete;

    // Shows the window (loading it the first time) and brings it to the front.
    void Show();
    // Whether the user has closed the window; a closed chart is not shown again.
    bool Closed() const { return closed_; }
    forms::Form& Window() { return form_; }
    const ChartControls& Controls() const { return controls_; }
    grid::VbGrid& Grid() { return grid_; }
    const std::vector<calc::ChartRow>& Rows() const;
    // The thread families whose boxes are checked, in the chart's order.
    std::vector<const calc::ThreadFamily*> CheckedFamilies() const;

    // Works the chart out afresh from the main window's inputs and the
    // checked families.
    void Recalculate();
    // The same once the inputs have rested for a moment, so that typing in
    // the main window is not held up by a calculation for every keystroke.
    void RecalculateSoon();
    // Whether a recalculation waits for the inputs to rest.
    bool RecalculationPending() const { return recalculateTimer_.Enabled(); }
    // Puts the thread of a grid row into the main window and calculates it there.
    void UseThread(std::int32_t row);

    // The ways out of the chart (see ResultsOutput).
    void ShowPreview() { output_.ShowPreview(); }
    void ExportCsv() { output_.ExportCsv(); }
    void PrintTable() { output_.PrintTable(); }
    frmPrint* Preview() { return output_.Preview(); }
    // The chart as the sheet for the lathe door, printed or saved as PDF.
    runtime::TextSheet DoorSheet() const;
    void PrintChart();
    void SaveChartPdf();
    // Opens (or brings forward) the gear suggestion for this chart's threads.
    void ShowSuggestions();
    frmSuggest* Suggestions() { return suggest_.get(); }

    // Window events. The grid's events of the same names stay in view.
    using grid::GridEvents::Click;
    using grid::GridEvents::KeyDown;
    using grid::GridEvents::MouseDown;
    void Load() override;
    void Resize() override;
    void Unload(bool& cancel) override;
    void Click(forms::Control& control) override;
    void MouseDown(forms::Control& control, std::int16_t button, std::int16_t shift, float x, float y) override;
    // Grid events: a double click uses the thread; Ctrl+C and Ctrl+A as
    // on the results grid.
    void DblClick() override;
    void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;

private:
    void CatchUp();
    void FamilyClicked(const forms::Control& box);
    void FewestClicked(const forms::Control& box);
    std::vector<calc::ChartRow> WithGearChanges(std::vector<calc::ChartRow> best, const ChartTolerances& tolerances);

    ChartHost& main_;
    forms::Form form_;
    ChartControls controls_;
    // The rows shown; the grid shows them, so they outlive it.
    std::unique_ptr<ChartTable> chart_;
    std::unique_ptr<grid::GridControl> gridControl_;
    grid::VbGrid& grid_;
    ResultsOutput output_;
    calc::SearchInputs inputs_;  // of the chart shown
    std::unique_ptr<frmSuggest> suggest_;
    bool closed_ = false;
    bool loading_ = false;
    TimerHandler recalculateTick_{[this] { Recalculate(); }};
    platform::objTimer recalculateTimer_{&recalculateTick_};
};

}  // namespace app
