#pragma once

#include <map>
#include <memory>
#include <string>

#include "os/types/Types.h"

class QWidget;

namespace os {

class ControlOwner;

// Something a layer above attaches to a window for its whole life (a drawing
// surface, for instance). Destroyed with the window.
class WindowAttachment {
public:
    virtual ~WindowAttachment() = default;
};

// Everything the window system keeps about one window.
struct WindowRecord {
    HWND handle = 0;
    std::string className;
    HWND parent = 0;               // windows without a widget; widgets find theirs
    LONG_PTR procedure = 0;        // current window procedure (procedure id)
    DWORD style = 0;               // style bits, read by the window's class
    std::map<std::string, LONG_PTR> properties;  // keyed by lower-case name
    DWORD threadId = 0;
    bool foreign = false;          // test seam: pretends another process owns it
    QWidget* widget = nullptr;     // backing widget, if any
    bool ownsWidget = false;       // the widget was created by this layer
    ControlOwner* controlOwner = nullptr;  // program-drawn windows only
    RECT bounds;                   // windows without a widget: position in parent
    bool visible = false;          // windows without a widget
    std::unique_ptr<WindowAttachment> eventBridge;  // translates the widget's Qt events, widgets only
    std::unique_ptr<WindowAttachment> systemMenu;  // made on first GetSystemMenu
    std::unique_ptr<WindowAttachment> surface;     // drawing surface, for windows the program draws
};

}  // namespace os
