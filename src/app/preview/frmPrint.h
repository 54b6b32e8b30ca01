#pragma once

#include <memory>

#include "forms/Form.h"
#include "forms/FormEvents.h"
#include "forms/PreviewSurface.h"

namespace app {

// The print preview: a window without controls whose client area is a
// surface that keeps the table drawn on it and scrolls when the table is
// taller than the window. Creating it applies the language file.
class frmPrint : public forms::FormEvents {
public:
    frmPrint();
    ~frmPrint() override;
    frmPrint(const frmPrint&) = delete;
    frmPrint& operator=(const frmPrint&) = delete;

    void Show() { form_.Show(); }
    forms::Form& Window() { return form_; }
    const forms::Form& Window() const { return form_; }
    forms::PreviewSurface& Surface() { return *surface_; }
    const forms::PreviewSurface& Surface() const { return *surface_; }
    // Whether the user has closed the window; a closed preview is not shown again.
    bool Closed() const { return closed_; }

    void Unload(bool& cancel) override;

private:
    forms::Form form_;
    std::unique_ptr<forms::PreviewSurface> surface_;
    bool closed_ = false;
};

}  // namespace app
