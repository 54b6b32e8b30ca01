#include "grid/model/GridCanvas.h"

namespace grid {

std::int32_t DetachedCanvas::TranslateColor(std::int32_t oleColor) const {
    const auto value = static_cast<std::uint32_t>(oleColor);
    if (value <= 0xFFFFFFu) return oleColor;
    if ((value & 0xFFFFFF00u) != 0x80000000u) return -1;
    // The classic light desktop scheme, for windowless use.
    static const std::int32_t scheme[] = {
        0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
        0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
        0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
        0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0,
    };
    const std::uint32_t index = value & 0xFFu;
    return index < sizeof scheme / sizeof scheme[0] ? scheme[index] : -1;
}

}  // namespace grid
