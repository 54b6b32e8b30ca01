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

}  // namespace

frmMain::frmMain()
    : form_("frmMain", *this),
      controls_(BuildMainLayout(form_)),
      gears_(calc::GearSet::Factory()),
      gridControl_(std::make_unique<grid::GridControl>(controls_.grid.hWnd())),
      grid_(gridControl_->Grid()),
      gridEvents_(grid_, [this] { ShowFocusTrain(); }) {
    named_ = true;
    controls_.grid.SetHostClient(gridControl_.get());
    grid_.ReadProperties(grid::PropertyBag::FromText(ResultsGridStoredSettings()));
    grid_.SetEvents(&gridEvents_);
    DrawGearSketch(*controls_.sketch.Picture());
    ApplyLanguage(form_);
}

frmMain::~frmMain() {
    chart_.Close();  // it reads this window's controls
    UnhookMessages();
    grid_.SetEvents(nullptr);
    controls_.grid.SetHostClient(nullptr);
}

void frmMain::Load() {
    CreateGearBoxes(form_, controls_);
    RestoreWindowPlacement(form_, kMinTrackWidth, kMinTrackHeight);
    SetUpResultsGrid(grid_);
    ReadMainSettings(*this);
    grid_.SetDelayedRedraw(false);
    AppendAboutItem();
    HookMessages();
}

void frmMain::Resize() { LayoutMainWindow(form_, controls_); }

void frmMain::Unload(bool& /*cancel*/) {
    UnhookMessages();
    chart_.Close();
    SaveMainSettings(*this);
}

void frmMain::Change(forms::Control& control) {
    if (!named_) return;
    const bool request = &control == &controls_.inputs.request;
    if (IsGearBox(controls_, control)) GearBoxChanged(control);
    else if (request) RequiredPitchChanged();
    if (!request) chart_.Refresh();  // the chart does not depend on the request
}

void frmMain::Click(forms::Control& control) {
    if (!named_) return;
    const InputControls& inputs = controls_.inputs;
    const bool leadscrewUnit = &control == inputs.leadscrewUnit[0] || &control == inputs.leadscrewUnit[1];
    if (&control == &controls_.calculate) Calculate();
    else if (&control == &controls_.print) output_.Clicked();
    else if (&control == &inputs.includeLow || &control == &inputs.includeIntersecting || leadscrewUnit)
        chart_.Refresh();
}

void frmMain::MouseDown(forms::Control& control, std::int16_t button, std::int16_t /*shift*/, float /*x*/,
                        float /*y*/) {
    if (!named_) return;
    if (&control == &controls_.print) output_.Pressed(button);
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
    controls_.calculate.SetEnabled(calc::NumVal(controls_.inputs.request.Text()) != 0);
}

void frmMain::Calculate() {
    FindGearTrains();
    controls_.print.SetEnabled(true);
}

// The trains are found before the grid lets go of the list shown, so that
// running out of memory there leaves that list; a grid that runs out of
// memory while it fills is emptied, as a part of the list would look whole.
void frmMain::FindGearTrains() {
    const os::BusyCursor busy;  // a large calculation takes seconds
    calc::SearchInputs inputs;
    ReadIncludeOptions(controls_.inputs, inputs);
    ReadRemainingInputs(controls_.inputs, inputs);
    std::unique_ptr<ResultsTable> results;
    if (!RunWithinMemory(form_.hWnd(), [&] { results = std::make_unique<ResultsTable>(inputs, gears_); })) return;
    grid_.SetRows(0);  // the grid lets go of the results shown
    results_.reset();
    DrawGearSketch(*controls_.sketch.Picture());  // no row is selected now
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
    forms::PictureCanvas& picture = *controls_.sketch.Picture();
    const std::int32_t row = grid_.row();
    const bool shown = results_ && &grid_.Table() == results_.get() && row >= 0 && row < grid_.Rows();
    const std::optional<calc::TrainGeometry> train =
        shown ? GeometryOf(results_->Train(row), results_->Gears()) : std::nullopt;
    if (train) DrawTrain(picture, *train);
    else DrawGearSketch(picture);
}

}  // namespace app
