#pragma once

#include <functional>
#include <string>

namespace os {

// Puts text (UTF-8) on the system clipboard.
void SetClipboardText(const std::string& text);

// Test seam: receives what would go to the clipboard, in place of the
// system's clipboard. An empty receiver brings the clipboard back.
// Returns the receiver that was in place.
using ClipboardReceiver = std::function<void(const std::string& text)>;
ClipboardReceiver SetClipboardReceiver(ClipboardReceiver receiver);

}  // namespace os
