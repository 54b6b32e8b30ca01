#include "app/chart/frmChart.h"

#include <algorithm>
#include <charconv>

#include "app/chart/ChartFill.h"
#include "app/chart/ChartHost.h"
#include "app/chart/ChartLayout.h"
#include "app/chart/ChartSheetOutput.h"
#include "app/files/LanguageFile.h"
#include "app/files/LanguageTexts.h"
#include "app/results/MemoryShortfall.h"
#include "app/results/ResultsFill.h"
#include "app/results/ResultsGridEvents.h"
#include "app/results/ResultsGridSetup.h"
#include "app/files/SettingValues.h"
#include "app/files/Settings.h"
#include "calc/chart/DoorSheet.h"
#include "calc/gears/GearSet.h"
#include "app/chart/frmSuggest.h"
#include "calc/inputs/NumVal.h"
#include "grid/model/PropertyBag.h"

namespace app {

namespace {

// How long the main window's inputs rest before the chart follows them.
constexpr std::int32_t kRestMilliseconds = 300;

// The settings key that remembers whether a family is checked.
std::string FamilyKey(const calc::ThreadFamily& family) { return "chart_" + std::string(family.key); }
constexpr const char* kFewestKey = "chart_fewest";

// The shortest text that reads back as exactly the value.
std::string ValueText(double value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

}  // namespace

frmChart::frmChart(ChartHost& main)
    : main_(main),
      form_("frmChart", *this),
      controls_(BuildChartLayout(form_)),
      gridControl_(std::make_unique<grid::GridControl>(controls_.grid.hWnd())),
      grid_(gridControl_->Grid()),
      output_(form_, grid_) {
    controls_.grid.SetHostClient(gridControl_.get());
    grid_.ReadProperties(grid::PropertyBag::FromText(ResultsGridStoredSettings()));
    grid_.SetEvents(this);
    ApplyLanguage(form_);
    recalculateTimer_.SetInterval(kRestMilliseconds);
}

frmChart::~frmChart() {
    grid_.SetEvents(nullptr);
    controls_.grid.SetHostClient(nullptr);
}

void frmChart::Show() {
    if (closed_) return;
    const bool shown = form_.Visible();
    form_.Show();
    if (shown) form_.BringToFront();
}

void frmChart::Load() {
    loading_ = true;
    SetUpChartGrid(grid_);
    std::size_t index = 0;
    for (const calc::ThreadFamily& family : calc::ThreadFamilies())
        controls_.families[index++]->SetCheckValue(ReadBooleanSetting(FamilyKey(family), true) ? 1 : 0);
    controls_.fewest.SetCheckValue(ReadBooleanSetting(kFewestKey, false) ? 1 : 0);
    loading_ = false;
    Recalculate();
}

void frmChart::Resize() { LayoutChartWindow(form_, controls_); }

void frmChart::Unload(bool& /*cancel*/) { closed_ = true; }

void frmChart::Click(forms::Control& control) {
    const std::vector<forms::Control*>& families = controls_.families;
    if (std::find(families.begin(), families.end(), &control) != families.end()) FamilyClicked(control);
    else if (&control == &controls_.print) {
        CatchUp();  // what goes out is the chart of the current inputs
        output_.Clicked();
    }
    else if (&control == &controls_.fewest) FewestClicked(control);
    else if (&control == &controls_.printChart) PrintChart();
    else if (&control == &controls_.savePdf) SaveChartPdf();
    else if (&control == &controls_.suggest) ShowSuggestions();
}

void frmChart::MouseDown(forms::Control& control, std::int16_t button, std::int16_t /*shift*/, float /*x*/,
                         float /*y*/) {
    if (&control == &controls_.print) output_.Pressed(button);
}

void frmChart::DblClick() {
    const std::int32_t row = grid_.row();  // the same thread after a catch-up: the families stay
    CatchUp();
    UseThread(row);
}

// What the user acts on is the chart of the current inputs.
void frmChart::CatchUp() {
    if (RecalculationPending()) Recalculate();
}

void frmChart::KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) { HandleResultsKey(grid_, KeyCode, Shift); }

// The choice is remembered at once, so that it outlives the window.
void frmChart::FamilyClicked(const forms::Control& box) {
    if (loading_) return;
    const auto families = calc::ThreadFamilies();
    if (box.Index() < 0 || static_cast<std::size_t>(box.Index()) >= families.size()) return;
    WriteSetting(FamilyKey(families[static_cast<std::size_t>(box.Index())]), BooleanText(box.CheckValue() == 1));
    Recalculate();
}

void frmChart::FewestClicked(const forms::Control& box) {
    if (loading_) return;
    WriteSetting(kFewestKey, BooleanText(box.CheckValue() == 1));
    Recalculate();
}

void frmChart::RecalculateSoon() {
    recalculateTimer_.SetEnabled(false);  // each change starts the wait anew
    recalculateTimer_.SetEnabled(true);
}

void frmChart::Recalculate() {
    recalculateTimer_.SetEnabled(false);
    if (closed_ || !form_.Loaded()) return;
    const std::vector<const calc::ThreadFamily*> families = CheckedFamilies();
    const InputControls& main = main_.Inputs();
    calc::SearchInputs inputs;
    ReadIncludeOptions(main, inputs);
    ReadRemainingInputs(main, inputs);
    const ChartTolerances tolerances{calc::NumVal(main.toleranceMm.Text()), calc::NumVal(main.toleranceTpi.Text())};
    inputs_ = inputs;
    // Out of memory, the chart keeps what it showed, or is emptied when the
    // grid ran out while it filled.
    std::unique_ptr<ChartTable> chart;
    const auto build = [&] {
        chart = std::make_unique<ChartTable>(
            WithGearChanges(calc::BuildThreadChart(families, main_.Gears(), inputs), tolerances), main_.Gears(),
            tolerances);
    };
    if (!RunWithinMemory(form_.hWnd(), build)) return;
    RunWithinMemory(
        form_.hWnd(), [&] { ShowResults(grid_, *chart); },
        [this] {
            grid_.SetDelayedRedraw(false);
            grid_.SetRows(0);
        });
    chart_ = std::move(chart);
    output_.ResultsReplaced();
}

// The status line gives the changes both ways; the chart shows the fewest
// when they are asked for, else the best trains.
std::vector<calc::ChartRow> frmChart::WithGearChanges(std::vector<calc::ChartRow> best,
                                                      const ChartTolerances& tolerances) {
    std::vector<calc::ChartRow> fewest = calc::FewestChangesChart(best, main_.Gears(), inputs_, tolerances);
    const int bestChanges = calc::ChartGearChanges(best, main_.Gears());
    const int leastChanges = calc::ChartGearChanges(fewest, main_.Gears());
    controls_.status.SetCaption(calc::GearChangesText(leastChanges, bestChanges));
    return controls_.fewest.CheckValue() == 1 ? std::move(fewest) : std::move(best);
}

void frmChart::UseThread(std::int32_t row) {
    if (row < 0 || static_cast<std::size_t>(row) >= Rows().size()) return;
    const calc::ThreadEntry& thread = *Rows()[static_cast<std::size_t>(row)].thread;
    const InputControls& main = main_.Inputs();
    main.requestUnit[thread.kind == calc::ThreadKind::Tpi ? 1 : 0]->SetOptionValue(true);
    main.request.SetText(ValueText(thread.value));
    main_.Calculate();
}

std::vector<const calc::ThreadFamily*> frmChart::CheckedFamilies() const {
    std::vector<const calc::ThreadFamily*> checked;
    std::size_t index = 0;
    for (const calc::ThreadFamily& family : calc::ThreadFamilies())
        if (controls_.families[index++]->CheckValue() == 1) checked.push_back(&family);
    return checked;
}

const std::vector<calc::ChartRow>& frmChart::Rows() const {
    static const std::vector<calc::ChartRow> none;
    return chart_ ? chart_->Rows() : none;
}

void frmChart::ShowSuggestions() {
    if (suggest_ && suggest_->Closed()) suggest_.reset();
    if (!suggest_) suggest_ = std::make_unique<frmSuggest>(main_, *this);
    suggest_->Show();
}

runtime::TextSheet frmChart::DoorSheet() const {
    return calc::DoorSheet(Rows(), main_.Gears(), inputs_, calc::TodayIsoDate(), runtime::UserSeparators());
}

void frmChart::PrintChart() { PrintChartSheet(form_, DoorSheet()); }

void frmChart::SaveChartPdf() { SaveChartSheetPdf(form_, DoorSheet()); }

}  // namespace app
