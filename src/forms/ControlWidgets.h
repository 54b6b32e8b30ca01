#pragma once

#include <string>

#include "forms/ControlKind.h"
#include "forms/PictureCanvas.h"

class QWidget;

namespace forms {

// The widget of a control of that kind (not the host kind), and the class
// name of its window.
QWidget* CreateKindWidget(ControlKind kind, QWidget* parent);
std::string WindowClassName(ControlKind kind);

}  // namespace forms
