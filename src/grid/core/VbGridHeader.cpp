// The grid's header settings and what the header keeps in the column records.
#include <algorithm>

#include "grid/core/VbGrid.h"

namespace grid {

void VbGrid::ApplyHeaderSettings() {
    if (headerControl_) headerControl_->ApplySettings();
}

void VbGrid::SetHeaderSetting(bool& field, bool value) {
    SetAppearance(field, value);
    ApplyHeaderSettings();
}

void VbGrid::SetHeader(bool bState) {
    SetHeaderSetting(look_.header.shown, bState);
    // The data area starts below the header only while it is shown.
    RequestRepaint(true);
}

void VbGrid::SetHeaderFlat(bool bState) { SetHeaderSetting(look_.header.flat, bState); }
void VbGrid::SetHeaderButtons(bool bState) { SetHeaderSetting(look_.header.buttons, bState); }
void VbGrid::SetHeaderHotTrack(bool bState) { SetHeaderSetting(look_.header.hotTrack, bState); }
void VbGrid::SetHeaderDragReOrderColumns(bool bState) { SetHeaderSetting(look_.header.dragReorder, bState); }

void VbGrid::SetAllowUserResizing(std::int32_t re) {
    settings_.userResizing = SettingOf<UserResizing>(re);
    ApplyHeaderSettings();
}

std::int32_t VbGrid::HeaderHeight() const { return ToTwipsY(look_.header.height); }

void VbGrid::SetHeaderHeight(std::int32_t lHeight) {
    look_.header.height = std::max(0, ToPixelsY(lHeight));
    ApplyHeaderSettings();
    RequestRepaint(true);
}

}  // namespace grid
