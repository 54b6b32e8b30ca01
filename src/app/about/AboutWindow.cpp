#include "app/about/AboutWindow.h"

#include "app/about/frmAbout.h"

namespace app {

AboutWindow::AboutWindow() = default;

AboutWindow::~AboutWindow() = default;

void AboutWindow::Show() {
    if (window_ && window_->Closed()) window_.reset();
    if (!window_) window_ = std::make_unique<frmAbout>();
    window_->Show();
}

frmAbout* AboutWindow::Current() const { return window_ && !window_->Closed() ? window_.get() : nullptr; }

}  // namespace app
