#include "app/preview/frmPrint.h"

#include "app/files/LanguageFile.h"
#include "os/drawing/Colors.h"

namespace app {

namespace {

constexpr std::int32_t kClientWidth = 13110;
constexpr std::int32_t kClientHeight = 6885;
constexpr std::uint32_t kBackColor = os::SystemColorBase + os::COLOR_HIGHLIGHTTEXT;

}  // namespace

frmPrint::frmPrint() : form_("frmPrint", *this) {
    form_.SetCaption("Preview");
    form_.SetClientSize(kClientWidth, kClientHeight);
    surface_ = std::make_unique<forms::PreviewSurface>(form_, kBackColor);
    ApplyLanguage(form_);
}

frmPrint::~frmPrint() { surface_.reset(); }

// A closed preview lets go of its drawing at once: a long table's drawing
// would otherwise hold its memory until the next preview.
void frmPrint::Unload(bool& /*cancel*/) {
    closed_ = true;
    surface_->Clear();
}

}  // namespace app
