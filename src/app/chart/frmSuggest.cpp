#include "app/chart/frmSuggest.h"

#include <cmath>
#include <span>

#include "app/chart/ChartHost.h"
#include "app/files/FailureMessage.h"
#include "app/files/LanguageFile.h"
#include "app/files/LanguageTexts.h"
#include "app/results/ResultsFill.h"
#include "app/chart/SuggestFill.h"
#include "app/chart/SuggestLayout.h"
#include "app/chart/frmChart.h"
#include "calc/gears/GearSet.h"
#include "calc/inputs/NumVal.h"
#include "os/desktop/BusyCursor.h"
#include "os/desktop/EventLoop.h"

namespace app {

namespace {

// The window went away while the event loop ran inside its work.
struct WindowGone {};

}  // namespace

frmSuggest::frmSuggest(ChartHost& main, frmChart& chart)
    : main_(main),
      chart_(chart),
      form_("frmSuggest", *this),
      controls_(BuildSuggestLayout(form_)),
      gridControl_(std::make_unique<grid::GridControl>(controls_.candidates.hWnd())),
      grid_(gridControl_->Grid()),
      gainsControl_(std::make_unique<grid::GridControl>(controls_.gains.hWnd())),
      gains_(gainsControl_->Grid()) {
    controls_.candidates.SetHostClient(gridControl_.get());
    controls_.gains.SetHostClient(gainsControl_.get());
    grid_.SetEvents(this);
    ApplyLanguage(form_);
}

frmSuggest::~frmSuggest() {
    *alive_ = false;
    grid_.SetEvents(nullptr);
    controls_.candidates.SetHostClient(nullptr);
    controls_.gains.SetHostClient(nullptr);
}

void frmSuggest::Show() {
    if (closed_) return;
    const bool shown = form_.Visible();
    form_.Show();
    if (shown) {
        form_.BringToFront();
        Recalculate();
    }
}

void frmSuggest::Load() {
    SetUpSuggestGrid(grid_);
    SetUpChartGrid(gains_);
    ReadRange();
    Recalculate();
}

void frmSuggest::Resize() { LayoutSuggestWindow(form_, controls_); }

void frmSuggest::Unload(bool& /*cancel*/) { closed_ = true; }

void frmSuggest::Click(forms::Control& control) {
    if (&control == &controls_.pairs) Recalculate();
}

void frmSuggest::LostFocus(forms::Control& control) {
    if (&control == &controls_.lowest || &control == &controls_.highest)
        if (ReadRange()) Recalculate();
}

// Takes the range the boxes hold when it is one (whole counts from 1 to the
// limit, the lower first) and differs from the one in use; otherwise the
// boxes show the range in use again. True when the range changed.
bool frmSuggest::ReadRange() {
    const double lowest = calc::NumVal(controls_.lowest.Text());
    const double highest = calc::NumVal(controls_.highest.Text());
    const bool whole = lowest == std::floor(lowest) && highest == std::floor(highest);
    if (whole && lowest >= 1 && lowest <= highest && highest <= calc::kSuggestionTeethLimit &&
        (lowest != lowest_ || highest != highest_)) {
        lowest_ = static_cast<std::int32_t>(lowest);
        highest_ = static_cast<std::int32_t>(highest);
        return true;
    }
    controls_.lowest.SetText(std::to_string(lowest_));
    controls_.highest.SetText(std::to_string(highest_));
    return false;
}

void frmSuggest::DblClick() { UseSuggestion(grid_.row()); }

void frmSuggest::RowColChange() { ShowGainsOf(grid_.row()); }

// The chart's checked families with the main window's tolerance of each
// kind; with none checked, the main window's own thread.
calc::SuggestionRequest frmSuggest::Question() const {
    const InputControls& main = main_.Inputs();
    calc::SuggestionRequest request;
    request.gears = main_.Gears();
    request.lowest = lowest_;
    request.highest = highest_;
    ReadIncludeOptions(main, request.inputs);
    ReadRemainingInputs(main, request.inputs);
    const double mm = calc::NumVal(main.toleranceMm.Text());
    const double tpi = calc::NumVal(main.toleranceTpi.Text());
    const std::vector<const calc::ThreadFamily*> families = chart_.CheckedFamilies();
    request.threads = calc::WantedThreads(families, mm, tpi);
    if (families.empty()) {
        const bool requestTpi = main.requestUnit[1]->OptionValue();
        const double value = calc::NumVal(main.request.Text());
        if (value > 0)
            request.threads.push_back(
                calc::SingleWantedThread(requestTpi, value, requestTpi ? tpi : mm, runtime::UserSeparators()));
    }
    return request;
}

// Lets the windows paint now and then while the candidates are worked
// out; gives up when this window went away meanwhile.
calc::SuggestionProgress frmSuggest::KeepPainting() {
    auto last = std::make_shared<std::chrono::steady_clock::time_point>(std::chrono::steady_clock::now());
    return [alive = alive_, last] {
        const auto now = std::chrono::steady_clock::now();
        if (now - *last < std::chrono::milliseconds(50)) return;
        *last = now;
        os::ProcessPendingEvents();
        if (!*alive) throw WindowGone{};
    };
}

void frmSuggest::Recalculate() {
    if (closed_ || busy_ || !form_.Loaded()) return;
    const calc::SuggestionRequest request = Question();
    std::vector<calc::GearSuggestion> list;
    busy_ = true;
    try {
        os::BusyCursor wait;
        list = controls_.pairs.CheckValue() == 1 ? calc::SuggestGearPairs(request, KeepPainting())
                                                 : calc::SuggestGears(request, KeepPainting());
    } catch (const WindowGone&) {
        return;  // nothing of this window is left to touch
    } catch (...) {
        busy_ = false;
        throw;
    }
    busy_ = false;
    threads_ = request.threads;
    const InputControls& main = main_.Inputs();
    tolerances_ = {calc::NumVal(main.toleranceMm.Text()), calc::NumVal(main.toleranceTpi.Text())};
    suggestions_ = std::move(list);
    ShowSuggestionList(grid_, suggestions_, threads_);
    ShowGainsOf(suggestions_.empty() ? -1 : 0);
}

void frmSuggest::ShowGainsOf(std::int32_t row) {
    const bool listed = row >= 0 && static_cast<std::size_t>(row) < suggestions_.size();
    ShowGains(gains_, listed ? &suggestions_[static_cast<std::size_t>(row)] : nullptr, threads_, tolerances_);
}

void frmSuggest::UseSuggestion(std::int32_t row) {
    if (busy_ || row < 0 || static_cast<std::size_t>(row) >= suggestions_.size()) return;
    const std::vector<std::int32_t> teeth = suggestions_[static_cast<std::size_t>(row)].teeth;
    const std::span<forms::Control* const> boxes = main_.GearBoxes();
    std::vector<forms::Control*> empty;
    for (std::int32_t n = 0; n < static_cast<std::int32_t>(boxes.size()) && empty.size() < teeth.size(); ++n)
        if (main_.Gears().Count(n) == 0) empty.push_back(boxes[static_cast<std::size_t>(n)]);
    if (empty.size() < teeth.size()) {
        TellFailure(form_.hWnd(), kNoEmptyGearBoxText);
        return;
    }
    // Each box tells the main window of its change; the chart, which would
    // wait for typing to pause, follows at once for a gear put in on purpose.
    for (std::size_t i = 0; i < teeth.size(); ++i) empty[i]->SetText(std::to_string(teeth[i]));
    chart_.Recalculate();
    Recalculate();
}

}  // namespace app
