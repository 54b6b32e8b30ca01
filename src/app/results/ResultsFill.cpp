#include "app/results/ResultsFill.h"

#include "calc/inputs/NumVal.h"
#include "forms/Control.h"
#include "grid/core/VbGrid.h"
#include "runtime/Rounding.h"

namespace app {

namespace {

double FieldValue(const forms::Control& field) { return calc::NumVal(field.Text()); }

}  // namespace

void ReadIncludeOptions(const InputControls& window, calc::SearchInputs& inputs) {
    inputs.includeLow = window.includeLow.CheckValue() != 0;
    inputs.includeIntersecting = window.includeIntersecting.CheckValue() != 0;
}

void ReadRemainingInputs(const InputControls& window, calc::SearchInputs& inputs) {
    inputs.imperialLeadscrew = window.leadscrewUnit[1]->OptionValue();
    inputs.leadscrew = FieldValue(inputs.imperialLeadscrew ? window.leadscrewTpi : window.leadscrewMm);
    inputs.ratioLeft = runtime::RoundToLongClamped(FieldValue(window.ratioLeft));
    inputs.ratioRight = runtime::RoundToLongClamped(FieldValue(window.ratioRight));
    inputs.requestTpi = !window.requestUnit[0]->OptionValue();
    inputs.request = FieldValue(window.request);
    inputs.tolerance = FieldValue(inputs.requestTpi ? window.toleranceTpi : window.toleranceMm);
}

void ShowResults(grid::VbGrid& grid, const grid::GridTable& results) {
    grid.SetDelayedRedraw(true);
    grid.ShowTable(&results);
    grid.SetDelayedRedraw(false);
}

}  // namespace app
