#pragma once

// Everything the program's drawing code calls: device contexts, drawing
// objects, regions, paint messages, colours and metrics.
#include "os/Colors.h"
#include "os/DeviceContext.h"
#include "os/DrawState.h"
#include "os/Drawing.h"
#include "os/GdiObjects.h"
#include "os/GdiTypes.h"
#include "os/ImageLists.h"
#include "os/Painting.h"
#include "os/Rects.h"
#include "os/Regions.h"
#include "os/SystemMetrics.h"
#include "os/Text.h"
