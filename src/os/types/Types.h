#pragma once

#include <cstdint>

namespace os {

// The integer types of the window system the program talks to. Handles and
// message parameters are pointer-sized so that an address fits in them.
using HWND = std::intptr_t;    // window handle, 0 = none
using HMENU = std::intptr_t;   // menu handle, 0 = none
using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;

struct POINT {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const POINT&, const POINT&) = default;
};

struct RECT {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

// Packs two 16-bit values into an LPARAM, low word first (as mouse positions
// and menu flags travel in messages).
constexpr LPARAM MAKELPARAM(std::int32_t low, std::int32_t high) {
    return static_cast<LPARAM>(static_cast<std::int32_t>(
        (static_cast<std::uint32_t>(low) & 0xFFFFu) | ((static_cast<std::uint32_t>(high) & 0xFFFFu) << 16)));
}
constexpr std::uint16_t LOWORD(std::uintptr_t value) { return static_cast<std::uint16_t>(value & 0xFFFFu); }
constexpr std::uint16_t HIWORD(std::uintptr_t value) { return static_cast<std::uint16_t>((value >> 16) & 0xFFFFu); }
// Signed coordinates out of a packed position.
constexpr std::int16_t GET_X_LPARAM(LPARAM value) { return static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(value))); }
constexpr std::int16_t GET_Y_LPARAM(LPARAM value) { return static_cast<std::int16_t>(HIWORD(static_cast<std::uintptr_t>(value))); }

}  // namespace os
