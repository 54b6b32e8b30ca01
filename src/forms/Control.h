#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "forms/ControlKind.h"
#include "forms/PictureCanvas.h"
#include "os/windows/ControlOwner.h"
#include "os/types/Types.h"

class QWidget;

namespace forms {

class Form;

// Where a control sits in its container, in twips.
struct TwipsRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// One control of a form: an os window with the properties the window's code
// uses. Geometry is in twips of the container (the form's client area or a
// frame). Elements of a control array share a name and differ by Index.
class Control {
public:
    Control(Form& form, ControlKind kind, std::string name, std::int32_t index, Control* container,
            const TwipsRect& bounds);
    ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    std::int32_t Index() const { return index_; }  // -1 for a control that is no array element
    Form& Parent() const { return form_; }
    Control* Container() const { return container_; }
    os::HWND hWnd() const { return window_; }

    const std::string& Tag() const { return tag_; }
    void SetTag(const std::string& tag) { tag_ = tag; }
    std::string ToolTipText() const;
    void SetToolTipText(const std::string& text);
    // The caption of a label, frame, button, option or check box.
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // A label that sizes itself to its caption, keeping its left and top.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // The text of a text box.
    std::string Text() const;
    void SetText(const std::string& text);
    // The caret position in a text box, in characters.
    std::int32_t SelStart() const;
    void SetSelStart(std::int32_t position);

    std::int32_t Left() const { return bounds_.left; }
    std::int32_t Top() const { return bounds_.top; }
    std::int32_t Width() const { return bounds_.width; }
    std::int32_t Height() const { return bounds_.height; }
    const TwipsRect& Bounds() const { return bounds_; }
    void SetLeft(std::int32_t left) { Move({left, bounds_.top, bounds_.width, bounds_.height}); }
    void SetTop(std::int32_t top) { Move({bounds_.left, top, bounds_.width, bounds_.height}); }
    void SetWidth(std::int32_t width) { Move({bounds_.left, bounds_.top, width, bounds_.height}); }
    void SetHeight(std::int32_t height) { Move({bounds_.left, bounds_.top, bounds_.width, height}); }
    // Negative sizes count as 0.
    void Move(const TwipsRect& bounds);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);

    // An option button's state; setting false clears it without choosing another.
    bool OptionValue() const;
    void SetOptionValue(bool value);
    // A check box's state: 0 clear, 1 ticked, 2 greyed.
    std::int16_t CheckValue() const;
    void SetCheckValue(std::int16_t value);
    // The default button of the form is clicked by Enter.
    bool IsDefault() const { return default_; }
    void SetDefault(bool isDefault) { default_ = isDefault; }
    // The cancel button of the form is clicked by Escape.
    bool IsCancel() const { return cancel_; }
    void SetCancel(bool isCancel) { cancel_ = isCancel; }

    bool FontBold() const;
    void SetFontBold(bool bold);
    double FontSize() const;
    void SetFontSize(double points);
    bool FontItalic() const;
    void SetFontItalic(bool italic);
    bool FontUnderline() const;
    void SetFontUnderline(bool underline);
    std::string FontName() const;
    void SetFontName(const std::string& face);
    // The text colour as an OLE colour (RGB, or 0x80000000 + n for system
    // colour n); a colour that does not translate is ignored.
    std::uint32_t ForeColor() const { return foreColor_; }
    void SetForeColor(std::uint32_t color);

    void SetFocus();
    // Drawing on a picture control; nullptr for the other kinds.
    PictureCanvas* Picture() const { return picture_; }
    // Receives the control events of a host control (the program-drawn grid).
    void SetHostClient(os::ControlOwner* client);

    // The widget behind the control, for the forms layer itself.
    QWidget* Widget() const { return widget_; }

private:
    class HostForwarder;

    void ApplyGeometry();
    void FitCaption();

    Form& form_;
    ControlKind kind_;
    std::string name_;
    std::int32_t index_;
    Control* container_;
    TwipsRect bounds_;
    std::string tag_;
    bool visible_ = true;
    bool default_ = false;
    bool cancel_ = false;
    bool autoSize_ = false;
    std::uint32_t foreColor_ = 0x80000012u;  // button text
    std::unique_ptr<HostForwarder> host_;
    QWidget* widget_ = nullptr;
    PictureCanvas* picture_ = nullptr;
    os::HWND window_ = 0;
};

}  // namespace forms
