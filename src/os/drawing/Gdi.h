#pragma once

// Everything the program's drawing code calls: device contexts, drawing
// objects, regions, paint messages, colours and metrics. (Image lists are
// common controls, a layer above: os/commoncontrols/ImageLists.h.)
#include "os/drawing/Colors.h"
#include "os/drawing/DeviceContext.h"
#include "os/drawing/DrawState.h"
#include "os/drawing/Drawing.h"
#include "os/drawing/GdiObjects.h"
#include "os/types/GdiTypes.h"
#include "os/painting/Painting.h"
#include "os/drawing/Rects.h"
#include "os/drawing/Regions.h"
#include "os/painting/SystemMetrics.h"
#include "os/drawing/Text.h"
