#pragma once

#include <string>
#include <string_view>

namespace os {

bool IsValidUtf8(std::string_view bytes);
// Each byte as the ISO-8859-1 character of that code, in UTF-8.
std::string Latin1ToUtf8(std::string_view bytes);
// The bytes as they are when they are UTF-8, else read as ISO-8859-1.
std::string TextAsUtf8(std::string_view bytes);

}  // namespace os
