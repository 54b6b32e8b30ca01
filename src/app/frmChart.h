#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/frmPrint.h"
#include "calc/ThreadChart.h"
#include "forms/Form.h"
#include "forms/FormEvents.h"
#include "grid/GridControl.h"
#include "grid/GridEvents.h"
#include "grid/VbGrid.h"

namespace app {

class frmMain;
class frmSuggest;

// The thread chart: for every thread of the checked families, the best
// train of the main window's gears under its leadscrew, ratio and include
// options. Threads whose best train misses the main window's tolerance for
// their kind are grey. The chart follows the main window's inputs; a double
// click on a thread calculates that thread in the main window.
class frmChart : public forms::FormEvents, public grid::GridEvents {
public:
    explicit frmChart(frmMain& main);
    ~frmChart() override;
    frmChart(const frmChart&) = delete;
    frmChart& operator=(const frmChart&) = delete;

    // Shows the window (loading it the first time) and brings it to the front.
    void Show();
    // Whether the user has closed the window; a closed chart is not shown again.
    bool Closed() const { return closed_; }
    forms::Form& Window() { return form_; }
    forms::Control& Item(const std::string& name, std::int32_t index = -1) const;
    grid::VbGrid& Grid() { return grid_; }
    const std::vector<calc::ChartRow>& Rows() const { return rows_; }

    // Works the chart out afresh from the main window's inputs and the
    // checked families.
    void Recalculate();
    // Puts the thread of a grid row into the main window and calculates it there.
    void UseThread(std::int32_t row);

    void ShowPreview();
    void ExportCsv();
    void PrintTable();
    frmPrint* Preview() { return preview_.get(); }
    // Opens (or brings forward) the gear suggestion for this chart's threads.
    void ShowSuggestions();
    frmSuggest* Suggestions() { return suggest_.get(); }

    // Window events. The grid's events of the same names stay in view.
    using grid::GridEvents::Click;
    using grid::GridEvents::MouseDown;
    void Load() override;
    void Resize() override;
    void Unload(bool& cancel) override;
    void Click(forms::Control& control) override;
    void MouseDown(forms::Control& control, std::int16_t button, std::int16_t shift, float x, float y) override;
    // Grid events.
    void DblClick() override;

private:
    void FamilyClicked(const forms::Control& box);
    void PrintClicked();

    frmMain& main_;
    forms::Form form_;
    std::unique_ptr<grid::GridControl> gridControl_;
    grid::VbGrid& grid_;
    std::vector<calc::ChartRow> rows_;
    std::unique_ptr<frmPrint> preview_;
    std::unique_ptr<frmSuggest> suggest_;
    std::int32_t lastPrintButton_ = 0;
    bool closed_ = false;
    bool loading_ = false;
};

}  // namespace app
