#include "app/results/ResultsFill.h"

#include "calc/inputs/NumVal.h"
#include "forms/Form.h"
#include "grid/core/VbGrid.h"
#include "runtime/Rounding.h"

namespace app {

namespace {

double FieldValue(const forms::Form& window, const char* name) { return calc::NumVal(window.Find(name)->Text()); }

bool Selected(const forms::Form& window, const char* name, int index) {
    return window.Find(name, index)->OptionValue();
}

}  // namespace

void ReadIncludeOptions(const forms::Form& window, calc::SearchInputs& inputs) {
    inputs.includeLow = window.Find("chkLow")->CheckValue() != 0;
    inputs.includeIntersecting = window.Find("chkAll")->CheckValue() != 0;
}

void ReadRemainingInputs(const forms::Form& window, calc::SearchInputs& inputs) {
    inputs.imperialLeadscrew = Selected(window, "optScrew", 1);
    inputs.leadscrew = FieldValue(window, inputs.imperialLeadscrew ? "screwpitchI" : "screwpitchM");
    inputs.ratioLeft = runtime::RoundToLongClamped(FieldValue(window, "prevL"));
    inputs.ratioRight = runtime::RoundToLongClamped(FieldValue(window, "prevR"));
    inputs.requestTpi = !Selected(window, "Option1", 0);
    inputs.request = FieldValue(window, "reqPitch");
    inputs.tolerance = FieldValue(window, inputs.requestTpi ? "txtPrecI" : "txtPrecM");
}

void ShowResults(grid::VbGrid& grid, const grid::GridTable& results) {
    grid.SetDelayedRedraw(true);
    grid.ShowTable(&results);
    grid.SetDelayedRedraw(false);
}

}  // namespace app
