#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/Control.h"
#include "forms/FormEvents.h"
#include "os/types/Types.h"

class QWidget;

namespace forms {

class FormWidget;

// Border styles of a form.
inline constexpr std::int32_t BorderFixedSingle = 1;
inline constexpr std::int32_t BorderSizable = 2;
inline constexpr std::int32_t BorderFixedDialog = 3;

// A top-level window laid out in twips: its caption, outer position and size,
// client size, and its controls in creation order. Events go to one host.
// Showing a form loads it first (the Load event), once.
class Form {
public:
    Form(std::string name, FormEvents& events);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }
    os::HWND hWnd() const { return window_; }
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // The face of the form's font.
    std::string FontName() const;
    std::int32_t BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(std::int32_t style) { borderStyle_ = style; }

    // The outer window in twips of the screen.
    std::int32_t Left() const;
    std::int32_t Top() const;
    std::int32_t Width() const;
    std::int32_t Height() const;
    void Move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
    // The client area in twips.
    std::int32_t ScaleWidth() const;
    std::int32_t ScaleHeight() const;
    void SetClientSize(std::int32_t width, std::int32_t height);

    // Adds a control; its container is the form when none is given.
    Control& AddControl(ControlKind kind, const std::string& name, const TwipsRect& bounds,
                        Control* container = nullptr, std::int32_t index = -1);
    // Adds element `index` to a control array as a copy of its element 0:
    // same kind, container, geometry, tooltip, tag and font; hidden.
    Control& LoadControl(const std::string& name, std::int32_t index);
    // The control of that name (and index, for an array element); nullptr when there is none.
    Control* Find(const std::string& name, std::int32_t index = -1) const;
    // The same, raising error 730 ("Control ... not found") when there is none.
    Control& Item(const std::string& name, std::int32_t index = -1) const;
    const std::vector<Control*>& Controls() const { return order_; }
    // Tab order among the controls that take the focus, in the order given.
    void SetTabOrder(const std::vector<Control*>& controls);

    void Load();
    bool Loaded() const { return loaded_; }
    void Show();
    bool Visible() const;
    // Asks the window to close, as the user does; the host may cancel.
    void Close();
    // Raises the shown window above the others and makes it the active one.
    void BringToFront();

    // For the forms layer: the widget, the events and whether they may be raised.
    QWidget* Widget() const;
    FormEvents& Events() const { return events_; }
    bool RaisingEvents() const { return !destroying_; }
    Control* DefaultButton() const;
    Control* CancelButton() const;

private:
    void ApplyBorder();

    std::string name_;
    FormEvents& events_;
    std::unique_ptr<FormWidget> widget_;
    os::HWND window_ = 0;
    std::int32_t borderStyle_ = BorderSizable;
    // An outer placement asked for before the window had its frame; applied again once shown.
    std::optional<TwipsRect> pendingPlacement_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<Control*> order_;
    bool loaded_ = false;
    bool destroying_ = false;
};

}  // namespace forms
