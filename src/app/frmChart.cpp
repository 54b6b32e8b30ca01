#include "app/frmChart.h"

#include <charconv>

#include "app/ChartFill.h"
#include "app/ChartLayout.h"
#include "app/LanguageFile.h"
#include "app/MainLayout.h"
#include "app/ResultsFill.h"
#include "app/ResultsGridEvents.h"
#include "app/SettingValues.h"
#include "app/Settings.h"
#include "app/frmMain.h"
#include "calc/NumVal.h"
#include "grid/PropertyBag.h"

namespace app {

namespace {

// The settings key that remembers whether a family is checked.
std::string FamilyKey(const calc::ThreadFamily& family) { return "chart_" + std::string(family.key); }

os::HWND BuildChartLayoutFor(forms::Form& form) {
    BuildChartLayout(form);
    return form.Find("vbGrid1")->hWnd();
}

// The shortest text that reads back as exactly the value.
std::string ValueText(double value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

}  // namespace

frmChart::frmChart(frmMain& main)
    : main_(main),
      form_("frmChart", *this),
      gridControl_(std::make_unique<grid::GridControl>(BuildChartLayoutFor(form_))),
      grid_(gridControl_->Grid()),
      output_(form_, grid_) {
    Item("vbGrid1").SetHostClient(gridControl_.get());
    grid_.ReadProperties(grid::PropertyBag::FromText(ResultsGridStoredSettings()));
    grid_.SetEvents(this);
    ApplyLanguage(form_);
}

frmChart::~frmChart() {
    grid_.SetEvents(nullptr);
    if (forms::Control* host = form_.Find("vbGrid1")) host->SetHostClient(nullptr);
}

forms::Control& frmChart::Item(const std::string& name, std::int32_t index) const {
    return form_.Item(name, index);
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
    std::int32_t index = 0;
    for (const calc::ThreadFamily& family : calc::ThreadFamilies())
        Item("chkFamily", index++).SetCheckValue(ReadBooleanSetting(FamilyKey(family), true) ? 1 : 0);
    loading_ = false;
    Recalculate();
}

void frmChart::Resize() { LayoutChartWindow(form_); }

void frmChart::Unload(bool& /*cancel*/) { closed_ = true; }

void frmChart::Click(forms::Control& control) {
    if (control.Name() == "chkFamily") FamilyClicked(control);
    else if (control.Name() == "btnPrint") output_.Clicked();
}

void frmChart::MouseDown(forms::Control& control, std::int16_t button, std::int16_t /*shift*/, float /*x*/,
                         float /*y*/) {
    if (control.Name() == "btnPrint") output_.Pressed(button);
}

void frmChart::DblClick() { UseThread(grid_.row()); }

void frmChart::KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) { HandleResultsKey(grid_, KeyCode, Shift); }

// The choice is remembered at once, so that it outlives the window.
void frmChart::FamilyClicked(const forms::Control& box) {
    if (loading_) return;
    const auto families = calc::ThreadFamilies();
    if (box.Index() < 0 || static_cast<std::size_t>(box.Index()) >= families.size()) return;
    WriteSetting(FamilyKey(families[static_cast<std::size_t>(box.Index())]), BooleanText(box.CheckValue() == 1));
    Recalculate();
}

void frmChart::Recalculate() {
    if (closed_ || !form_.Loaded()) return;
    std::vector<const calc::ThreadFamily*> families;
    std::int32_t index = 0;
    for (const calc::ThreadFamily& family : calc::ThreadFamilies())
        if (Item("chkFamily", index++).CheckValue() == 1) families.push_back(&family);
    const forms::Form& main = main_.Window();
    calc::SearchInputs inputs;
    ReadIncludeOptions(main, inputs);
    ReadRemainingInputs(main, inputs);
    const ChartTolerances tolerances{calc::NumVal(main_.Item("txtPrecM").Text()),
                                     calc::NumVal(main_.Item("txtPrecI").Text())};
    auto chart = std::make_unique<ChartTable>(calc::BuildThreadChart(families, main_.Gears(), inputs), main_.Gears(),
                                              tolerances);
    ShowResults(grid_, *chart);
    chart_ = std::move(chart);
    output_.ResultsReplaced();
}

void frmChart::UseThread(std::int32_t row) {
    if (row < 0 || static_cast<std::size_t>(row) >= Rows().size()) return;
    const calc::ThreadEntry& thread = *Rows()[static_cast<std::size_t>(row)].thread;
    main_.Item("Option1", thread.kind == calc::ThreadKind::Tpi ? 1 : 0).SetOptionValue(true);
    main_.Item("reqPitch").SetText(ValueText(thread.value));
    main_.FindGearTrains();
    main_.Item("btnPrint").SetEnabled(true);
}

const std::vector<calc::ChartRow>& frmChart::Rows() const {
    static const std::vector<calc::ChartRow> none;
    return chart_ ? chart_->Rows() : none;
}

}  // namespace app
