#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/chart/ChartFill.h"
#include "app/chart/SuggestLayout.h"
#include "calc/inputs/FactoryInputs.h"
#include "calc/suggest/GearSuggestion.h"
#include "forms/Form.h"
#include "forms/FormEvents.h"
#include "grid/control/GridControl.h"
#include "grid/model/GridEvents.h"
#include "grid/core/VbGrid.h"

namespace app {

class frmChart;
class ChartHost;

// Which gear should I buy: the gears (or pairs of gears) that, added to the
// main window's gears, bring the most of the chart's checked threads (or,
// with none checked, the main window's thread) within the main window's
// tolerances or make them exact, best first; below, the threads the
// selected candidate gains with their trains. The tooth counts tried are a
// range the user sets (12 to 150 at first), 127 and the sizes owned. A double click puts the
// candidate into the main window's first empty gear boxes.
class frmSuggest : public forms::FormEvents, public grid::GridEvents {
public:
    frmSuggest(ChartHost& main, frmChart& chart);
    ~frmSuggest() override;
    frmSuggest(const frmSuggest&) = delete;
    frmSuggest& operator=(const frmSuggest&) = delete;

    // Shows the window (loading it the first time), brings it to the front
    // and works the advice out afresh.
    void Show();
    bool Closed() const { return closed_; }
    forms::Form& Window() { return form_; }
    const SuggestControls& Controls() const { return controls_; }
    grid::VbGrid& Grid() { return grid_; }
    grid::VbGrid& GainsGrid() { return gains_; }
    const std::vector<calc::GearSuggestion>& Suggestions() const { return suggestions_; }

    // Works the candidates out from the main window's inputs and the chart's families.
    void Recalculate();
    // Lists the threads the candidate of a grid row gains.
    void ShowGainsOf(std::int32_t row);
    // Puts the candidate of a grid row into the main window's first empty
    // gear boxes; tells the user when there are not enough, and changes nothing.
    void UseSuggestion(std::int32_t row);

    // Window events. The grid's events of the same names stay in view.
    using grid::GridEvents::Click;
    void Load() override;
    void Resize() override;
    void Unload(bool& cancel) override;
    void Click(forms::Control& control) override;
    // A changed range of tooth counts is taken when its box is left.
    void LostFocus(forms::Control& control) override;
    // Grid events.
    void DblClick() override;
    void RowColChange() override;

private:
    calc::SuggestionRequest Question() const;
    bool ReadRange();
    calc::SuggestionProgress KeepPainting();

    ChartHost& main_;
    frmChart& chart_;
    forms::Form form_;
    SuggestControls controls_;
    std::unique_ptr<grid::GridControl> gridControl_;
    grid::VbGrid& grid_;
    std::unique_ptr<grid::GridControl> gainsControl_;
    grid::VbGrid& gains_;
    std::vector<calc::WantedThread> threads_;
    ChartTolerances tolerances_;
    std::int32_t lowest_ = calc::factory::kSuggestLowest;
    std::int32_t highest_ = calc::factory::kSuggestHighest;
    std::vector<calc::GearSuggestion> suggestions_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    bool busy_ = false;
    bool closed_ = false;
};

}  // namespace app
