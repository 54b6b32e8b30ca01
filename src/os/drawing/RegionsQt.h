#pragma once

#include <QRegion>

#include "os/types/GdiTypes.h"

namespace os {

// The region's kind as region operations report it.
int RegionKind(const QRegion& region);
// The region behind a handle; nullptr when it is not a region.
QRegion* RegionOf(HRGN region);

}  // namespace os
