#include "forms/Form.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

#include "forms/FormWidget.h"
#include "os/painting/Twips.h"
#include "os/qt/WidgetWindows.h"
#include "runtime/Error.h"
#include "runtime/HandlerBoundary.h"

namespace forms {

namespace {

int PixelsX(std::int32_t twips) { return static_cast<int>(std::lround(twips / os::TwipsPerPixelX())); }
int PixelsY(std::int32_t twips) { return static_cast<int>(std::lround(twips / os::TwipsPerPixelY())); }
std::int32_t TwipsX(int pixels) { return static_cast<std::int32_t>(std::lround(pixels * os::TwipsPerPixelX())); }
std::int32_t TwipsY(int pixels) { return static_cast<std::int32_t>(std::lround(pixels * os::TwipsPerPixelY())); }

// The frame's share of the outer size, nothing before the window is shown.
QSize FrameExtra(const QWidget& widget) { return widget.frameGeometry().size() - widget.size(); }

}  // namespace

Form::Form(std::string name, FormEvents& events)
    : name_(std::move(name)), events_(events), widget_(std::make_unique<FormWidget>(*this)) {
    widget_->setObjectName(QString::fromStdString(name_));
    window_ = os::RegisterWidget(widget_.get(), "Form");
}

// No event reaches the host while the window and its controls go away.
Form::~Form() {
    destroying_ = true;
    widget_.reset();
    order_.clear();
    controls_.clear();
}

QWidget* Form::Widget() const { return widget_.get(); }

std::string Form::Caption() const { return widget_->windowTitle().toStdString(); }

void Form::SetCaption(const std::string& caption) { widget_->setWindowTitle(QString::fromStdString(caption)); }

std::string Form::FontName() const { return widget_->font().family().toStdString(); }

std::int32_t Form::Left() const { return TwipsX(widget_->frameGeometry().left()); }
std::int32_t Form::Top() const { return TwipsY(widget_->frameGeometry().top()); }
std::int32_t Form::Width() const { return TwipsX(widget_->frameGeometry().width()); }
std::int32_t Form::Height() const { return TwipsY(widget_->frameGeometry().height()); }
std::int32_t Form::ScaleWidth() const { return TwipsX(widget_->width()); }
std::int32_t Form::ScaleHeight() const { return TwipsY(widget_->height()); }

void Form::Move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    // Before the window is shown its frame is unknown; a new outer size is
    // applied again once it is. The current size asked for again stays the client's.
    const bool newSize = width != Width() || height != Height();
    if (!widget_->isVisible() && newSize) pendingPlacement_ = TwipsRect{left, top, width, height};
    const QSize extra = FrameExtra(*widget_);
    widget_->move(PixelsX(left), PixelsY(top));
    widget_->resize(std::max(0, PixelsX(width) - extra.width()), std::max(0, PixelsY(height) - extra.height()));
}

void Form::SetClientSize(std::int32_t width, std::int32_t height) {
    widget_->resize(std::max(0, PixelsX(width)), std::max(0, PixelsY(height)));
}

Control& Form::AddControl(ControlKind kind, const std::string& name, const TwipsRect& bounds, Control* container,
                          std::int32_t index) {
    controls_.push_back(std::make_unique<Control>(*this, kind, name, index, container, bounds));
    order_.push_back(controls_.back().get());
    return *controls_.back();
}

Control& Form::LoadControl(const std::string& name, std::int32_t index) {
    Control* first = Find(name, 0);
    if (first == nullptr || Find(name, index) != nullptr) throw runtime::Error(runtime::errors::ObjectAlreadyLoaded, "Object already loaded");
    Control& copy = AddControl(first->Kind(), name, first->Bounds(), first->Container(), index);
    copy.SetToolTipText(first->ToolTipText());
    copy.SetTag(first->Tag());
    copy.Widget()->setFont(first->Widget()->font());
    copy.SetVisible(false);
    return copy;
}

Control* Form::Find(const std::string& name, std::int32_t index) const {
    for (Control* control : order_) {
        if (control->Name() == name && control->Index() == index) return control;
    }
    return nullptr;
}

Control& Form::Item(const std::string& name, std::int32_t index) const {
    Control* control = Find(name, index);
    if (control == nullptr) throw runtime::Error(runtime::errors::ControlNotFound, "Control '" + name + "' not found");
    return *control;
}

void Form::SetTabOrder(const std::vector<Control*>& controls) {
    QWidget* previous = nullptr;
    for (Control* control : controls) {
        QWidget* widget = control->Widget();
        if ((widget->focusPolicy() & Qt::TabFocus) == 0) continue;
        if (previous != nullptr) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

Control* Form::DefaultButton() const {
    for (Control* control : order_) {
        if (control->IsDefault()) return control;
    }
    return nullptr;
}

// A fixed border keeps the client size the window was laid out with; a
// dialog border has no minimise or maximise buttons.
void Form::ApplyBorder() {
    if (borderStyle_ != BorderSizable) widget_->setFixedSize(widget_->size());
    const Qt::WindowFlags dialog = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (borderStyle_ == BorderFixedDialog && widget_->windowFlags() != dialog) widget_->setWindowFlags(dialog);
}

Control* Form::CancelButton() const {
    for (Control* control : order_) {
        if (control->IsCancel()) return control;
    }
    return nullptr;
}

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    runtime::RunHandler([this] { events_.Load(); });
}

void Form::Show() {
    Load();
    if (!widget_->isVisible()) ApplyBorder();
    widget_->show();
    if (pendingPlacement_) {
        const TwipsRect placement = *pendingPlacement_;
        pendingPlacement_.reset();
        Move(placement.left, placement.top, placement.width, placement.height);
    }
}

bool Form::Visible() const { return widget_->isVisible(); }

void Form::Close() { widget_->close(); }

void Form::BringToFront() {
    if (!widget_->isVisible()) return;
    widget_->raise();
    widget_->activateWindow();
}

}  // namespace forms
