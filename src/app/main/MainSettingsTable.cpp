#include "app/main/MainSettingsTable.h"

#include "app/files/SettingValues.h"
#include "app/main/frmMain.h"
#include "calc/inputs/FactoryInputs.h"

namespace app {

const std::vector<MainSetting>& MainSettings() {
    using namespace calc::factory;
    using enum SettingKind;
    static const std::vector<MainSetting> table = {
        {"optScrew0", {"optScrew", 0}, Option, BooleanText(!kImperialLeadscrew)},
        {"optScrew1", {"optScrew", 1}, Option, BooleanText(kImperialLeadscrew)},
        {"screwpitchm", {"screwpitchM"}, PositiveText, FactoryText(kLeadscrewMm)},
        {"screwpitchi", {"screwpitchI"}, PositiveText, FactoryText(kLeadscrewTpi)},
        {"optPitch0", {"Option1", 0}, Option, BooleanText(!kRequestTpi)},
        {"optPitch1", {"Option1", 1}, Option, BooleanText(kRequestTpi)},
        {"txtPreci", {"txtPrecI"}, Text, FactoryText(kToleranceTpi)},
        {"txtPrecm", {"txtPrecM"}, Text, FactoryText(kToleranceMm)},
        // Keys are matched without regard to case: a file holding "chklow" sets this box too.
        {"chkLow", {"chkLow"}, Check, NumberText(kIncludeLow ? 1 : 0)},
        {"chkAll", {"chkAll"}, Check, NumberText(kIncludeIntersecting ? 1 : 0)},
        {"prevl", {"prevL"}, PositiveText, NumberText(kRatioLeft)},
        {"prevr", {"prevR"}, PositiveText, NumberText(kRatioRight)},
    };
    return table;
}

forms::Control& ControlOf(const frmMain& window, const SettingControl& control) {
    return window.Item(control.name, control.index);
}

}  // namespace app
