#pragma once

#include <cstdio>
#include <string_view>

namespace tools {

// One line on stderr, after the program's name. Written with stdio rather
// than the C++ streams, whose setting up would cost every run a few pages.
inline void Complain(std::string_view text) {
    std::fputs("kestrany-calc: ", stderr);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
}

}  // namespace tools
