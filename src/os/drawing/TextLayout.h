#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "os/types/Types.h"

namespace os {

// The width in pixels of a piece of text in the font being laid out.
using MeasureText = std::function<int(std::string_view)>;

struct TextLine {
    std::string text;
    int width = 0;
};

// Splits text into the lines DrawText shows for the format bits: one line
// for single-line text, else a line per line break, and with word breaks
// each paragraph broken between words to fit width. With an ellipsis flag,
// lines wider than width are shortened.
std::vector<TextLine> LayoutText(std::string_view text, int width, UINT format, const MeasureText& measure);

// The text shortened with "..." at its end (or, for a path, in the middle,
// keeping the last part) so that it fits width.
std::string ElideEnd(std::string_view text, int width, const MeasureText& measure);
std::string ElidePath(std::string_view text, int width, const MeasureText& measure);

// The text without its mnemonic ampersands ("&&" stays as one "&").
std::string StripPrefix(std::string_view text);

}  // namespace os
