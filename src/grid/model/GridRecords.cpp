#include "grid/model/GridRecords.h"

#include "os/drawing/GdiObjects.h"

namespace grid {

os::LOGFONT LogFontOf(const GridFont& font) {
    os::LOGFONT lf;
    lf.lfHeight = os::FontHeightForPoints(font.size);
    lf.lfWeight = font.bold ? os::FW_BOLD : os::FW_NORMAL;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfStrikeOut = font.strikethrough;
    lf.lfFaceName = font.name;
    return lf;
}

}  // namespace grid
