#include "grid/model/GridAppearance.h"

#include <utility>

namespace grid {

std::int32_t GridAppearance::FontIndexOf(const FontRef& font) {
    if (!font) return 0;
    // Cells share one table entry per distinct font.
    for (std::size_t i = 1; i < fonts_.size(); ++i)
        if (fonts_[i] == *font) return static_cast<std::int32_t>(i);
    fonts_.push_back(*font);
    cellFonts_.push_back(font);
    return static_cast<std::int32_t>(fonts_.size()) - 1;
}

FontRef GridAppearance::CellFont(std::int32_t index) const {
    if (index <= 0 || index >= static_cast<std::int32_t>(cellFonts_.size())) return nullptr;
    return cellFonts_[static_cast<std::size_t>(index)];
}

void GridAppearance::SetBackgroundPicture(PictureRef picture) {
    backgroundPicture_ = std::move(picture);
    if (backgroundPicture_) {
        backgroundPictureWidth = backgroundPicture_->Width();
        backgroundPictureHeight = backgroundPicture_->Height();
    }
}

}  // namespace grid
