#include "app/main/frmMain.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "app/main/GearBoxes.h"
#include "app/main/GearSketch.h"
#include "app/files/LanguageFile.h"
#include "app/files/LanguageTexts.h"
#include "app/main/MainLayout.h"
#include "app/main/MainResize.h"
#include "app/main/MainSettings.h"
#include "app/results/MemoryShortfall.h"
#include "app/files/Paths.h"
#include "app/results/ResultsFill.h"
#include "app/results/RowNumberColumn.h"
#include "app/results/ResultsGridSetup.h"
#include "app/files/Settings.h"
#include "app/main/TrainDrawing.h"
#include "app/files/WindowPlacement.h"
#include "calc/inputs/NumVal.h"
#include "forms/PictureCanvas.h"
#include "grid/model/PropertyBag.h"
#include "os/files/ProfileFiles.h"
#include "os/desktop/BusyCursor.h"
#include "runtime/Error.h"
#include "runtime/Rounding.h"

namespace app {

namespace {

// Sets a flag for the life of a scope, so that a handler that fails still clears it.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

// Lays out the window's controls and gives the window of the results grid.
os::HWND BuildMainLayoutFor(forms::Form& form) {
    BuildMainLayout(form);
    forms::Control* host = form.Find("vbGrid1");
    return host ? host->hWnd() : 0;
}

}  // namespace

frmMain::frmMain()
    : form_("frmMain", *this),
      gears_(calc::GearSet::Factory()),
      gridControl_(std::make_unique<grid::GridControl>(BuildMainLayoutFor(form_))),
      grid_(gridControl_->Grid()),
      gridEvents_(grid_, [this] { ShowFocusTrain(); }) {
    Item("vbGrid1").SetHostClient(gridControl_.get());
    grid_.ReadProperties(grid::PropertyBag::FromText(ResultsGridStoredSettings()));
    grid_.SetEvents(&gridEvents_);
    DrawGearSketch(*Item("Image1").Picture());
    ApplyLanguage(form_);
}

frmMain::~frmMain() {
    chart_.Close();  // it reads this window's controls
    UnhookMessages();
    grid_.SetEvents(nullptr);
    if (forms::Control* host = form_.Find("vbGrid1")) host->SetHostClient(nullptr);
}

forms::Control& frmMain::Item(const std::string& name, std::int32_t index) const {
    return form_.Item(name, index);
}

void frmMain::Load() {
    CreateGearBoxes(form_);
    RestoreWindowPlacement(form_, kMinTrackWidth, kMinTrackHeight);
    SetUpResultsGrid(grid_);
    ReadMainSettings(*this);
    grid_.SetDelayedRedraw(false);
    AppendAboutItem();
    HookMessages();
}

void frmMain::Resize() { LayoutMainWindow(form_); }

void frmMain::Unload(bool& /*cancel*/) {
    UnhookMessages();
    chart_.Close();
    SaveMainSettings(*this);
}

void frmMain::Change(forms::Control& control) {
    if (control.Name() == "t_gears") GearBoxChanged(control);
    else if (control.Name() == "reqPitch") RequiredPitchChanged();
    if (control.Name() != "reqPitch") chart_.Refresh();  // the chart does not depend on the request
}

void frmMain::Click(forms::Control& control) {
    if (control.Name() == "btnCalc") CalculateClicked();
    else if (control.Name() == "btnPrint") output_.Clicked();
    else if (control.Name() == "chkLow" || control.Name() == "chkAll" || control.Name() == "optScrew") chart_.Refresh();
}

void frmMain::MouseDown(forms::Control& control, std::int16_t button, std::int16_t /*shift*/, float /*x*/,
                        float /*y*/) {
    if (control.Name() == "btnPrint") output_.Pressed(button);
}

// Every gear box shows nothing or a whole number, and the gear list follows
// each keystroke; a count beyond the 32-bit range is held at its end, and
// the box shows what the list holds. The caret stays after what the user typed.
void frmMain::GearBoxChanged(forms::Control& box) {
    if (gearEditGuard_) return;
    FlagScope guard(gearEditGuard_);
    const int n = box.Index();
    if (n > gears_.Upper()) gears_.Resize(n);
    gears_.SetCount(n, runtime::RoundToLongClamped(calc::NumVal(box.Text())));
    const std::int32_t count = gears_.Count(n);
    const std::string shown = count != 0 ? std::to_string(count) : std::string();
    if (box.Text() == shown) return;
    const std::int32_t caret = box.SelStart();
    box.SetText(shown);
    box.SetSelStart(std::min(caret, static_cast<std::int32_t>(shown.size())));
}

void frmMain::RequiredPitchChanged() {
    Item("btnCalc").SetEnabled(calc::NumVal(Item("reqPitch").Text()) != 0);
}

void frmMain::CalculateClicked() {
    FindGearTrains();
    Item("btnPrint").SetEnabled(true);
}

std::int32_t frmMain::GearBoxCount() const { return kGearBoxCount; }

// The trains are found before the grid lets go of the list shown, so that
// running out of memory there leaves that list; a grid that runs out of
// memory while it fills is emptied, as a part of the list would look whole.
void frmMain::FindGearTrains() {
    const os::BusyCursor busy;  // a large calculation takes seconds
    calc::SearchInputs inputs;
    ReadIncludeOptions(form_, inputs);
    ReadRemainingInputs(form_, inputs);
    std::unique_ptr<ResultsTable> results;
    if (!RunWithinMemory(form_.hWnd(), [&] { results = std::make_unique<ResultsTable>(inputs, gears_); })) return;
    grid_.SetRows(0);  // the grid lets go of the results shown
    results_.reset();
    DrawGearSketch(*Item("Image1").Picture());  // no row is selected now
    if (results->Size() == 0) {
        grid_.Clear(false);
        output_.ResultsReplaced();
        return;
    }
    RunWithinMemory(
        form_.hWnd(),
        [&] {
            ShowResults(grid_, *results);
            FitRowNumberColumn(grid_);
        },
        [this] {
            grid_.SetDelayedRedraw(false);
            grid_.Clear(false);
        });
    results_ = std::move(results);
    output_.ResultsReplaced();
}

// The train of the results grid's focus row, to scale, in the picture; the
// sketch of the gear positions while there is no such row.
void frmMain::ShowFocusTrain() {
    forms::PictureCanvas& picture = *Item("Image1").Picture();
    const std::int32_t row = grid_.row();
    const bool shown = results_ && &grid_.Table() == results_.get() && row >= 0 && row < grid_.Rows();
    const std::optional<calc::TrainGeometry> train =
        shown ? GeometryOf(results_->Train(row), results_->Gears()) : std::nullopt;
    if (train) DrawTrain(picture, *train);
    else DrawGearSketch(picture);
}

}  // namespace app
