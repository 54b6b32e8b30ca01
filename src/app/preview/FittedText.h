#pragma once

#include <cstdint>
#include <string>

namespace os {
class DrawingTarget;
}

namespace app {

// The text as it fits into `room` twips in the target's current font: whole
// when it fits, otherwise its longest beginning (whole characters) that
// fits with an ellipsis after it.
std::string FittedText(os::DrawingTarget& target, const std::string& text, std::int32_t room);

}  // namespace app
