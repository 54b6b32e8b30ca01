#include "forms/Control.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "forms/ControlEventRelay.h"
#include "forms/ControlWidgets.h"
#include "forms/Form.h"
#include "forms/HostForwarder.h"
#include "forms/PictureWidget.h"
#include "os/drawing/Colors.h"
#include "os/painting/ControlWindow.h"
#include "os/painting/Twips.h"
#include "os/qt/WidgetWindows.h"

namespace forms {

namespace {

int ToPixels(std::int32_t twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

os::RECT PixelRect(const TwipsRect& bounds) {
    const int left = ToPixels(bounds.left, os::TwipsPerPixelX());
    const int top = ToPixels(bounds.top, os::TwipsPerPixelY());
    return {left, top, left + ToPixels(bounds.width, os::TwipsPerPixelX()),
            top + ToPixels(bounds.height, os::TwipsPerPixelY())};
}

}  // namespace

Control::Control(Form& form, ControlKind kind, std::string name, std::int32_t index, Control* container,
                 const TwipsRect& bounds)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index), container_(container), bounds_(bounds) {
    QWidget* parent = container == nullptr ? form.Widget() : container->Widget();
    if (kind == ControlKind::Host) {
        host_ = std::make_unique<HostForwarder>();
        const os::HWND parentWindow = container == nullptr ? form.hWnd() : container->hWnd();
        window_ = os::CreateControlWindow(*host_, WindowClassName(kind), parentWindow, PixelRect(bounds));
        widget_ = os::WidgetOf(window_);
    } else {
        widget_ = CreateKindWidget(kind, parent);
        window_ = os::RegisterWidget(widget_, WindowClassName(kind));
        if (kind == ControlKind::Picture) picture_ = static_cast<PictureWidget*>(widget_);
    }
    new ControlEventRelay(*this);
    ApplyGeometry();
    widget_->show();
}

Control::~Control() = default;

std::string Control::ToolTipText() const { return widget_->toolTip().toStdString(); }

void Control::SetToolTipText(const std::string& text) { widget_->setToolTip(ToQt(text)); }

std::string Control::Caption() const {
    if (auto* label = qobject_cast<QLabel*>(widget_)) return label->text().toStdString();
    if (auto* frame = qobject_cast<QGroupBox*>(widget_)) return frame->title().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(widget_)) return button->text().toStdString();
    return {};
}

void Control::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    FitCaption();
}

void Control::FitCaption() {
    auto* label = qobject_cast<QLabel*>(widget_);
    if (!autoSize_ || label == nullptr) return;
    const QSize fits = label->sizeHint();
    Move({bounds_.left, bounds_.top, static_cast<std::int32_t>(std::lround(fits.width() * os::TwipsPerPixelX())),
          static_cast<std::int32_t>(std::lround(fits.height() * os::TwipsPerPixelY()))});
}

void Control::SetCaption(const std::string& caption) {
    if (auto* label = qobject_cast<QLabel*>(widget_)) {
        label->setText(ToQt(caption));
        FitCaption();
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget_)) frame->setTitle(ToQt(caption));
    else if (auto* button = qobject_cast<QAbstractButton*>(widget_)) button->setText(ToQt(caption));
}

std::string Control::Text() const {
    auto* edit = qobject_cast<QLineEdit*>(widget_);
    return edit == nullptr ? std::string() : edit->text().toStdString();
}

void Control::SetText(const std::string& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget_)) edit->setText(ToQt(text));
}

std::int32_t Control::SelStart() const {
    auto* edit = qobject_cast<QLineEdit*>(widget_);
    return edit == nullptr ? 0 : edit->cursorPosition();
}

void Control::SetSelStart(std::int32_t position) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget_))
        edit->setCursorPosition(std::clamp(position, 0, static_cast<std::int32_t>(edit->text().size())));
}

void Control::Move(const TwipsRect& bounds) {
    bounds_ = {bounds.left, bounds.top, std::max(0, bounds.width), std::max(0, bounds.height)};
    ApplyGeometry();
}

void Control::ApplyGeometry() {
    const os::RECT rect = PixelRect(bounds_);
    widget_->setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    // A hidden widget hears of its new size only when shown; the picture is drawn before that.
    if (kind_ == ControlKind::Picture) static_cast<PictureWidget*>(widget_)->FitImage(widget_->size());
}

void Control::SetVisible(bool visible) {
    visible_ = visible;
    widget_->setVisible(visible);
}

bool Control::Enabled() const { return widget_->isEnabledTo(widget_->parentWidget()); }

void Control::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }

bool Control::OptionValue() const {
    auto* option = qobject_cast<QRadioButton*>(widget_);
    return option != nullptr && option->isChecked();
}

// Qt keeps one button of a group checked; clearing one needs the grouping off.
void Control::SetOptionValue(bool value) {
    auto* option = qobject_cast<QRadioButton*>(widget_);
    if (option == nullptr) return;
    if (value) {
        option->setChecked(true);
        return;
    }
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

std::int16_t Control::CheckValue() const {
    auto* check = qobject_cast<QCheckBox*>(widget_);
    if (check == nullptr) return 0;
    switch (check->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

void Control::SetCheckValue(std::int16_t value) {
    auto* check = qobject_cast<QCheckBox*>(widget_);
    if (check == nullptr) return;
    if (value == 2) check->setTristate(true);
    check->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

bool Control::FontBold() const { return widget_->font().bold(); }

void Control::SetFontBold(bool bold) {
    QFont font = widget_->font();
    font.setBold(bold);
    widget_->setFont(font);
}

double Control::FontSize() const { return widget_->font().pointSizeF(); }

void Control::SetFontSize(double points) {
    QFont font = widget_->font();
    font.setPointSizeF(points);
    widget_->setFont(font);
}

bool Control::FontItalic() const { return widget_->font().italic(); }

void Control::SetFontItalic(bool italic) {
    QFont font = widget_->font();
    font.setItalic(italic);
    widget_->setFont(font);
}

bool Control::FontUnderline() const { return widget_->font().underline(); }

void Control::SetFontUnderline(bool underline) {
    QFont font = widget_->font();
    font.setUnderline(underline);
    widget_->setFont(font);
}

std::string Control::FontName() const { return widget_->font().family().toStdString(); }

void Control::SetFontName(const std::string& face) {
    QFont font = widget_->font();
    font.setFamily(ToQt(face));
    widget_->setFont(font);
}

void Control::SetForeColor(std::uint32_t color) {
    const std::int32_t rgb = os::TranslateColor(color);
    if (rgb < 0) return;
    foreColor_ = color;
    QPalette palette = widget_->palette();
    const QColor shown(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
    palette.setColor(QPalette::WindowText, shown);
    palette.setColor(QPalette::ButtonText, shown);
    palette.setColor(QPalette::Text, shown);
    widget_->setPalette(palette);
}

void Control::SetFocus() { widget_->setFocus(Qt::OtherFocusReason); }

void Control::SetHostClient(os::ControlOwner* client) {
    if (host_) host_->SetClient(client);
}

}  // namespace forms
