#include "app/main/MainSettingsTable.h"

#include "app/files/SettingValues.h"
#include "app/main/frmMain.h"
#include "calc/inputs/FactoryInputs.h"

namespace app {

namespace {

forms::Control& MetricLeadscrew(const InputControls& in) { return *in.leadscrewUnit[0]; }
forms::Control& InchLeadscrew(const InputControls& in) { return *in.leadscrewUnit[1]; }
forms::Control& LeadscrewMm(const InputControls& in) { return in.leadscrewMm; }
forms::Control& LeadscrewTpi(const InputControls& in) { return in.leadscrewTpi; }
forms::Control& MetricRequest(const InputControls& in) { return *in.requestUnit[0]; }
forms::Control& InchRequest(const InputControls& in) { return *in.requestUnit[1]; }
forms::Control& ToleranceMm(const InputControls& in) { return in.toleranceMm; }
forms::Control& ToleranceTpi(const InputControls& in) { return in.toleranceTpi; }
forms::Control& IncludeLow(const InputControls& in) { return in.includeLow; }
forms::Control& IncludeIntersecting(const InputControls& in) { return in.includeIntersecting; }
forms::Control& RatioLeft(const InputControls& in) { return in.ratioLeft; }
forms::Control& RatioRight(const InputControls& in) { return in.ratioRight; }

}  // namespace

const std::vector<MainSetting>& MainSettings() {
    using namespace calc::factory;
    using enum SettingKind;
    static const std::vector<MainSetting> table = {
        {"optScrew0", MetricLeadscrew, Option, BooleanText(!kImperialLeadscrew)},
        {"optScrew1", InchLeadscrew, Option, BooleanText(kImperialLeadscrew)},
        {"screwpitchm", LeadscrewMm, PositiveText, FactoryText(kLeadscrewMm)},
        {"screwpitchi", LeadscrewTpi, PositiveText, FactoryText(kLeadscrewTpi)},
        {"optPitch0", MetricRequest, Option, BooleanText(!kRequestTpi)},
        {"optPitch1", InchRequest, Option, BooleanText(kRequestTpi)},
        {"txtPreci", ToleranceTpi, Text, FactoryText(kToleranceTpi)},
        {"txtPrecm", ToleranceMm, Text, FactoryText(kToleranceMm)},
        // Keys are matched without regard to case: a file holding "chklow" sets this box too.
        {"chkLow", IncludeLow, Check, NumberText(kIncludeLow ? 1 : 0)},
        {"chkAll", IncludeIntersecting, Check, NumberText(kIncludeIntersecting ? 1 : 0)},
        {"prevl", RatioLeft, PositiveText, NumberText(kRatioLeft)},
        {"prevr", RatioRight, PositiveText, NumberText(kRatioRight)},
    };
    return table;
}

forms::Control& ControlOf(const frmMain& window, SettingControl control) { return control(window.Inputs()); }

}  // namespace app
